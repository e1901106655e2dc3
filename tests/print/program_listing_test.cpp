// What the tool list and the column print take from a program.
#include <gtest/gtest.h>

#include "nctext/text_buffer.h"
#include "print/column_table.h"
#include "print/program_tools.h"

namespace vormak {
namespace {

TEST(ProgramTools, ToolCommentsAndToolChangesAreListedInOrder) {
  TextBuffer pane;
  pane.SetText(
      "%\r\nO1000\r\n(TL OD_ROUGH: ROUGH TURN 80 DEG)\r\nG50 S2000\r\nT0101 M06\r\n"
      "G01 X1 (NOT A TOOL)\r\n(TM 12.5,0.8)\r\nN70 GOTO 10\r\n(TL C:\\TOOLS\\BORE5)\r\n");
  const auto tools = ProgramToolLines(pane, {'(', ')'});
  ASSERT_EQ(tools.size(), 4u);
  EXPECT_EQ(tools[0].line, 3);
  EXPECT_EQ(tools[0].file, "OD_ROUGH");
  EXPECT_EQ(tools[0].hint, "ROUGH TURN 80 DEG");
  EXPECT_EQ(tools[1].line, 5);
  EXPECT_EQ(tools[1].t_word, "0101");
  EXPECT_TRUE(tools[1].file.empty());
  EXPECT_EQ(tools[2].line, 7);  // a cutter by its size: no file to picture
  EXPECT_TRUE(tools[2].file.empty());
  // A drive letter's colon is part of the name; GOTO is no T word.
  EXPECT_EQ(tools[3].file, "C:\\TOOLS\\BORE5");
  EXPECT_TRUE(tools[3].hint.empty());

  const auto listing = ToolListListing(tools);
  ASSERT_EQ(listing.size(), 4u);
  EXPECT_EQ(listing[1].number, 5);
  EXPECT_EQ(listing[1].text, "T0101 M06");
}

TEST(ProgramTools, CommentCharactersOfTheMachineAreUsed) {
  const ProgramTool tool = ToolOfLine("G00 X0 ;TL GROOVE3:WIDTH 3", {';', 0});
  EXPECT_EQ(tool.file, "GROOVE3");
  EXPECT_EQ(tool.hint, "WIDTH 3");
  EXPECT_EQ(ToolOfLine("G00 X0 (TL GROOVE3)", {';', 0}).line, 0);
}

TEST(ColumnTable, WordsFallIntoTheirLetterColumnsWithTheCommentLast) {
  const BlockColumns block = SplitBlockColumns("N10 G0G90 X#1 Y[#2+1] (FACE)", {'(', ')'});
  ASSERT_EQ(block.words.size(), 5u);
  EXPECT_EQ(block.words[1], (std::pair<char, std::string>{'G', "0"}));
  EXPECT_EQ(block.words[2], (std::pair<char, std::string>{'G', "90"}));
  EXPECT_EQ(block.words[4], (std::pair<char, std::string>{'Y', "[#2+1]"}));
  EXPECT_EQ(block.comment, "(FACE)");
  // Macro statements and lines that are not words stay whole.
  EXPECT_EQ(SplitBlockColumns("IF [#1 GT 2] GOTO 5", {'(', ')'}).rest, "IF [#1 GT 2] GOTO 5");
  EXPECT_EQ(SplitBlockColumns("%", {'(', ')'}).rest, "%");
}

TEST(ColumnTable, TheTableLinesUpEveryLetterUnderItsHeading) {
  TextBuffer pane;
  pane.SetText("N10 G90 G0 X1.5 Y2\r\nN20 Z-0.25 F200.\r\n(END)");
  EXPECT_EQ(ColumnLetters(pane, {'(', ')'}), "NGFXYZ");
  const auto lines = ColumnListing(pane, {'(', ')'}, "");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].number, 0);
  EXPECT_EQ(lines[0].text, "N   G     F     X    Y  Z      ");
  EXPECT_EQ(lines[1].text, "10  90 0        1.5  2");
  EXPECT_EQ(lines[2].text, "20        200.          -0.25");
  EXPECT_EQ(lines[3].text.find("(END)"), lines[3].text.size() - 5);
  EXPECT_EQ(lines[3].number, 3);
  // Chosen letters only, in column order whatever order they were asked in.
  const auto xz = ColumnListing(pane, {'(', ')'}, "zx");
  EXPECT_EQ(xz[0].text, "X    Z      ");
  EXPECT_EQ(xz[2].text, "     -0.25");
}

}  // namespace
}  // namespace vormak
