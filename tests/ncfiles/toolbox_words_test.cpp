#include "ncfiles/toolbox_words.h"

#include <gtest/gtest.h>

#include "nctext/edit_control.h"
#include "settings/word_format.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

class ToolboxWords : public ::testing::Test {
 protected:
  ToolboxWords() {
    bench.settings.address_order = "NGXYZM";
    FillFormatSet1(bench.word_formats, bench.settings);
    // Whole numbers for N and G, as a control writes them.
    bench.word_formats.Get(1, 'N') = ReadLetterFormat('N', "0000,0,0,0");
    bench.word_formats.Get(1, 'G') = ReadLetterFormat('G', "000,0,0,0");
  }
  std::string Apply(const std::string& line, const std::string& command) {
    bench.Pane(1)->SetText(line);
    EXPECT_TRUE(ApplyToolboxText(bench, 1, 1, command));
    return bench.Pane(1)->GetLine(1);
  }
  std::string Motion(const std::string& line, int g) {
    bench.Pane(1)->SetText(line);
    bench.Pane(1)->SetSelection({{1, 2}, {1, 2}});
    SetMotionCode(bench, g);
    return bench.Pane(1)->GetLine(1);
  }

  FakeHost host;
  Workbench bench{host};
};

TEST_F(ToolboxWords, KindsByFirstCharacter) {
  EXPECT_EQ(ToolboxKindOf(""), ToolboxKind::kNone);
  EXPECT_EQ(ToolboxKindOf("@DRILL"), ToolboxKind::kMacro);
  EXPECT_EQ(ToolboxKindOf("~HOME"), ToolboxKind::kScriptLine);
  EXPECT_EQ(ToolboxKindOf("&FINISH"), ToolboxKind::kScriptFile);
  EXPECT_EQ(ToolboxKindOf("'(OK)'"), ToolboxKind::kLiteral);
  EXPECT_EQ(ToolboxKindOf("M08"), ToolboxKind::kWord);
  // Only the NC-word and literal kinds change a line by themselves.
  bench.Pane(1)->SetText("X1.");
  EXPECT_FALSE(ApplyToolboxText(bench, 1, 1, "~HOME"));
  EXPECT_FALSE(ApplyToolboxText(bench, 1, 1, ""));
  EXPECT_EQ(bench.Pane(1)->GetLine(1), "X1.");
}

TEST_F(ToolboxWords, AWordOfTheSameLetterIsReplacedAndG0G1StandForEachOther) {
  EXPECT_EQ(Apply("G00 X5. Y5.", "G01"), "G01 X5. Y5.");
  EXPECT_EQ(Apply("G00 X5. Y5.", "G90"), "G90 X5. Y5.");
  EXPECT_EQ(Apply("G90 G00 X5.", "G1"), "G90 G1 X5.");
  EXPECT_EQ(Apply("G90 G01 X5.", "G0"), "G90 G0 X5.");
  EXPECT_EQ(Apply("G01 X-5.25 Y1.", "X7."), "G01 X7. Y1.");
}

TEST_F(ToolboxWords, CommentsAreReplacedOrKeptAtTheEnd) {
  EXPECT_EQ(MergeToolboxWord(bench, "G00 X5.(OLD)", "(CHECK)"), "G00 X5.(CHECK)");
  EXPECT_EQ(MergeToolboxWord(bench, "G00 X5.", "(NEW)"), "G00 X5.(NEW)");
  // Ordering the words puts the comment last, after a blank.
  EXPECT_EQ(Apply("G00 X5.(OLD)", "(CHECK)"), "G00 X5. (CHECK)");
  EXPECT_EQ(Apply("G01 X1. (ROUGH)", "X2."), "G01 X2. (ROUGH)");
}

TEST_F(ToolboxWords, NewLettersAreAppendedThenOrdered) {
  EXPECT_EQ(MergeToolboxWord(bench, "G00 X5. Y5.", "M08"), "G00 X5. Y5.M08");
  const std::string ordered = Apply("M03 X5. G00", "Y2.");
  EXPECT_LT(ordered.find("G00"), ordered.find("X5."));
  EXPECT_LT(ordered.find("Y2."), ordered.find("M03"));
}

TEST_F(ToolboxWords, LiteralTextBetweenTheQuotes) {
  EXPECT_EQ(Apply("X1.", "'(DEBURR)'"), "X1.(DEBURR)");
  EXPECT_EQ(Apply("X1.", "'"), "X1.");
  EXPECT_EQ(Apply("X1.", "''"), "X1.");
}

TEST_F(ToolboxWords, MotionCodeGoesFirstAfterTheSequenceNumber) {
  EXPECT_EQ(Motion("N10 G01 X5.", 2), "N10 G2 X5.");
  EXPECT_EQ(Motion("G90 X5.", 1), "G1 G90 X5.");
  EXPECT_EQ(Motion("N20G3X1.Y2.R1.", 0), "N20G0X1.Y2.R1.");
  EXPECT_EQ(Motion("", 3), "G3");
  // The number formats of the machine are used.
  bench.word_formats.Get(1, 'G') = ReadLetterFormat('G', "00,0,1,0");
  EXPECT_EQ(Motion("X1. Y2.", 1), "G01 X1. Y2.");
}

}  // namespace
}  // namespace vormak
