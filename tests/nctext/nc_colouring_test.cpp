#include "nctext/nc_colouring.h"

#include <gtest/gtest.h>

#include "settings/word_format.h"

namespace vormak {
namespace {

std::string Styles(const NcColouring& c, const std::string& text) {
  std::string styles(text.size(), '?');
  StyleNcText(c, text, styles.data());
  for (char& s : styles) s = static_cast<char>('0' + s);
  return styles;
}

MachineSettings Coloured() {
  MachineSettings s;
  s.highlight[0] = {'X', 1};
  s.highlight[1] = {'#', 4};
  s.highlight[2] = {'X', 2};  // a later pair for the same letter never wins
  s.highlight[3] = {'M', 0};  // colour 0 is black
  s.highlight[6] = {'(', 5};
  return s;
}

TEST(NcColouring, WordsAndCommentsAsHighlightColourDirects) {
  const MachineSettings s = Coloured();
  const NcColouring c = MakeNcColouring(BuildSyntaxDescriptor(s), s.highlight);
  EXPECT_EQ(Styles(c, "X1.5Y2 M3#1=[#2](X)"), "1111000664444444555");
  EXPECT_EQ(Styles(c, "X1 (OPEN\r\nX2"), "110555550011");
  EXPECT_EQ(Styles(c, "x1\tX2"), "00011");  // lower case is no address
}

TEST(NcColouring, CommentPairOffKeepsCommentsPlain) {
  MachineSettings s = Coloured();
  s.highlight[6] = {0, 5};
  const NcColouring c = MakeNcColouring(BuildSyntaxDescriptor(s), s.highlight);
  EXPECT_EQ(Styles(c, "X1(X2)X3"), "11000011");
  s.comment_char = ";";
  s.end_comment_char = "";
  const NcColouring semi = MakeNcColouring(BuildSyntaxDescriptor(s), s.highlight);
  EXPECT_EQ(Styles(semi, "X1;X(2)\nX3"), "1100000011");
}

TEST(NcColouring, NoCommentCharacterColoursEveryWord) {
  MachineSettings s = Coloured();
  s.comment_char = "";
  s.end_comment_char = "";
  const NcColouring c = MakeNcColouring(BuildSyntaxDescriptor(s), s.highlight);
  EXPECT_EQ(Styles(c, "(X1)"), "0111");
  EXPECT_EQ(NcStyleRgb(0, 0x123456), 0x123456u);
  EXPECT_EQ(NcStyleRgb(5, 0), 0xFF8000u);
  EXPECT_EQ(NcStyleRgb(kNcStyleBlack, 0xFFFFFF), 0u);
}

}  // namespace
}  // namespace vormak
