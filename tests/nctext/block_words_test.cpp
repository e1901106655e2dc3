#include "nctext/block_words.h"

#include <gtest/gtest.h>

#include "nctext/text_functions.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

class AddressValueTest : public ::testing::Test {
 protected:
  FakeHost host;
  Workbench bench{host};
  int focused = 0;
  void SetUp() override {
    bench.nctext.focus_pane = [this](int pane) { focused = pane; };
  }
  void CheckSyntax() { bench.settings.use.Set(kUseCheckSyntax, true); }
};

TEST_F(AddressValueTest, FirstOccurrenceAndImpliedDecimal) {
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X1.5Y2", false), 1.5);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "Y", "X1.5Y2", true), 0.0002);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "Y", "X1.5Y2", false), 2);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X1.0X2.0", false), 1.0);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X 1 0", false), 10);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "Z", "X1.5Y2", false), 0);
  // Letters outside C F I J K U V W X Y Z take no implied decimal.
  EXPECT_DOUBLE_EQ(AddressValue(bench, "S", "S1200", true), 1200);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X-15000", true), -1.5);
  // A "+" sign on a word is read as controls read it; it takes the implied decimal too.
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "G3 X+1.0704 Y+3.345 R+1.635", false), 1.0704);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "R", "G3 X+1.0704 Y+3.345 R+1.635", false), 1.635);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "Y", "Y+.5", false), 0.5);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X+15000", true), 1.5);
  EXPECT_TRUE(host.messages.empty());
  // Two signs stay a bad value.
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X+-5", false), 0);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X++5", false), 0);
}

// Blanks after a value end it only when another word follows them; a digit, sign or point
// after them goes on with the value, a bracket makes it an expression.
TEST_F(AddressValueTest, BlanksAfterTheValue) {
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "N1 X1.5 Y2", false), 1.5);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X1.5   ", false), 1.5);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X1.5 (CUT)", false), 1.5);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X15000  Y2", true), 1.5);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X1 2 Y3", false), 12);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X1.5 -2 Y3", false), -0.5);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X1  .5 Y3", false), 1.5);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X-  [1+2] Y5", false), -3);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X 1.5 Y2", false), 1.5);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(AddressValueTest, WholeUnitFormatsAreNotDivided) {
  bench.word_formats.Get(1, 'F') = ReadLetterFormat('F', "0000.,1,0,0");
  EXPECT_DOUBLE_EQ(AddressValue(bench, "F", "F250", true), 250);
  bench.word_formats.Get(1, 'F') = ReadLetterFormat('F', "0000,0,0,0");  // no point: divided
  EXPECT_DOUBLE_EQ(AddressValue(bench, "F", "F250", true), 0.025);
}

TEST_F(AddressValueTest, BracketExpressions) {
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X[1+2]Y5", false), 3);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X-[1+2]Y5", false), -3);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X[[1+2]*2]", false), 6);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X[[1+2]*2]", true), 0.0006);  // still no point
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X[ 2 * 3 ] (CUT)", false), 6);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X[1.5]", true), 1.5);
  // The whole right side of an assignment is one expression.
  EXPECT_DOUBLE_EQ(AddressValue(bench, "=", "=[2]*[3]", false), 6);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "=", "=2*3", false), 6);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X1.5*2", false), 3);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(AddressValueTest, BadValuesWithCheckSyntaxOff) {
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "G1X", false), 0);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X[1+", false), 0);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X1..2", false), 0);  // numeric error reads 0
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(bench.stop_requested);
  EXPECT_EQ(focused, 0);
}

TEST_F(AddressValueTest, BadValueWarnsWithTheFirstThirtyCharacters) {
  CheckSyntax();
  bench.active_pane = 2;
  const std::string block = "N10 G1 X Y2.5 F100 (A LONG COMMENT HERE)";
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", block, false), 0);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, "warning");
  EXPECT_EQ(host.messages[0].caption, "Warning");
  EXPECT_EQ(host.messages[0].text, "Bad Character in Value\r\n" + block.substr(0, 30));
  EXPECT_FALSE(bench.stop_requested);  // answered OK
  EXPECT_EQ(focused, 2);
  host.QueueAnswer(Answer::kCancel);
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X(1+", false), 0);
  EXPECT_TRUE(bench.stop_requested);
}

TEST_F(AddressValueTest, MismatchedBracketsAreReportedAndReadOn) {
  CheckSyntax();
  // The closing bracket of the first "[" ends the value; the extra "(" is counted.
  EXPECT_DOUBLE_EQ(AddressValue(bench, "=", "=[(1+2]", false), 0);
  ASSERT_GE(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Missmatched Brackets");
  EXPECT_EQ(host.messages[0].kind, "information");
  host.messages.clear();
  EXPECT_DOUBLE_EQ(AddressValue(bench, "X", "X[1+2]", false), 3);
  EXPECT_TRUE(host.messages.empty());
}

TEST(BlockWords, SplitAndRemove) {
  const SplitWord split = SplitAtAddress('X', "G1X-1.5*2Y3");
  EXPECT_TRUE(split.found);
  EXPECT_EQ(split.before, "G1");
  EXPECT_EQ(split.value, "-1.5*2");
  EXPECT_EQ(split.rest, "Y3");
  const SplitWord none = SplitAtAddress('Z', "G1X1");
  EXPECT_FALSE(none.found);
  EXPECT_EQ(none.before, "G1X1");
  EXPECT_EQ(RemoveAddress("N10 X 1.5 Y2", 'X'), "N10 Y2");
  EXPECT_EQ(RemoveAddress("X-2.Y2X3", 'X'), "Y2X3");
  EXPECT_EQ(RemoveAddress("Y2", 'X'), "Y2");
}

TEST(BlockWords, Comments) {
  const CommentChars paren{'(', ')'};
  EXPECT_EQ(StripComment("G1 (CUT) X1", paren), "G1  X1");
  EXPECT_EQ(StripComment("G1 (CUT X1", paren), "G1 ");
  EXPECT_EQ(StripComment("G1 X1", paren), "G1 X1");
  EXPECT_EQ(CommentOf("G1 (CUT) X1", paren), "(CUT)");
  EXPECT_EQ(CommentOf("G1 X1", paren), "G1 X1");
  const CommentChars semicolon{';', 0};
  EXPECT_EQ(StripComment("G1 X1 ;END) X", semicolon), "G1 X1 ");
  EXPECT_EQ(CommentOf("G1 X1 ;END", semicolon), ";END");
  MachineSettings s;
  s.comment_char = "";
  s.end_comment_char = "";
  EXPECT_EQ(CommentCharsOf(s).begin, '(');
  EXPECT_EQ(CommentCharsOf(s).end, ')');
  s.comment_char = ";";
  EXPECT_EQ(CommentCharsOf(s).end, 0);
}

TEST(BlockWords, OrderWords) {
  const CommentChars paren{'(', ')'};
  EXPECT_EQ(OrderWords("Y2 X1 G1 N10 G90", "NGXY", paren), "N10 G1 G90 X1 Y2");
  EXPECT_EQ(OrderWords("Y2X1G1N10", "N", paren), "N10G1X1Y2");
  EXPECT_EQ(OrderWords("M8 X1 M3 (CUT) Y2", "XYM", paren), "X1 Y2 M8 M3 (CUT)");
  EXPECT_EQ(OrderWords("X[#1+2]Y-1.5", "YX", paren), "Y-1.5X[#1+2]");
  // A letter named twice keeps its first place; the words of one letter keep their order.
  EXPECT_EQ(OrderWords("M3 X1 G90 M8 G1 Y2", "GXGMG", paren), "G90 G1 X1 M3 M8 Y2");
  EXPECT_EQ(OrderWords("Z3 B1 A2", std::string(60, '?') + "ZA", paren), "Z3 A2 B1");
  EXPECT_EQ(OrderWords("%", "XY", paren), "%");
  EXPECT_EQ(OrderWords("/N10 X1", "XN", paren), "/N10 X1");
  EXPECT_EQ(OrderWords("(ONLY)", "XN", paren), "(ONLY)");
  EXPECT_EQ(OrderWords("", "XN", paren), "");
  EXPECT_EQ(OrderWords("X1 Y2", "x?", paren), "X1 Y2");
}

TEST(TextFunctions, All) {
  EXPECT_EQ(StripBlanks(" a b "), "ab");
  EXPECT_EQ(UpperText("g1x"), "G1X");
  EXPECT_EQ(CountChar('(', "((a)"), 2);
  EXPECT_EQ(IntText(-42), "-42");
  EXPECT_EQ(IntegerOfText(" 2 * 3.6 "), 7);
  EXPECT_EQ(IntegerOfText("2.5"), 3);
  EXPECT_EQ(IntegerOfText("X"), 0);
  EXPECT_EQ(IntegerOfText("1E300*1E10"), 0);
  EXPECT_EQ(CommaField(1, "a,b,,d"), "a");
  EXPECT_EQ(CommaField(3, "a,b,,d"), "");
  EXPECT_EQ(CommaField(4, "a,b,,d"), "d");
  EXPECT_EQ(CommaField(5, "a,b,,d"), "");
  EXPECT_EQ(CommaField(1, "abc"), "");  // no comma at all
  std::string many;
  for (int i = 1; i <= 40; ++i) many += std::to_string(i) + ",";
  EXPECT_EQ(CommaField(35, many), "35");
  EXPECT_EQ(CommaField(36, many), "");
  EXPECT_EQ(ShortCommaField(10, many), "10");
  EXPECT_EQ(ShortCommaField(11, many), "");
  EXPECT_EQ(ShortCommaField(1, std::string(150, 'x') + ","), std::string(100, 'x'));
}

}  // namespace
}  // namespace vormak
