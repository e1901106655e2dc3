#include "utilities/word_transforms.h"

#include "utilities_fixture.h"

namespace vormak {
namespace {

using WordTransforms = UtilitiesTest;

TEST_F(WordTransforms, ChangeValueRequestsFromTheDialogTexts) {
  auto r = ParseChangeRequest("X1.5", "X2");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->letter, 'X');
  EXPECT_EQ(r->mode, kChangeEqual);
  EXPECT_DOUBLE_EQ(r->find, 1.5);
  EXPECT_DOUBLE_EQ(r->value, 2);
  EXPECT_EQ(ParseChangeRequest("X<0", "0")->mode, kChangeLessThan);
  EXPECT_EQ(ParseChangeRequest("Y>2*3", "Y1")->mode, kChangeGreaterThan);
  EXPECT_DOUBLE_EQ(ParseChangeRequest("Y>2*3", "Y1")->find, 6);
  EXPECT_EQ(ParseChangeRequest("F*", "F100")->mode, kChangeAny);
  EXPECT_FALSE(ParseChangeRequest("1.5", "X2"));  // no letter
  EXPECT_FALSE(ParseChangeRequest("X1", ""));
}

TEST_F(WordTransforms, ChangeValueEqualLessAndAny) {
  Program({"G01 X1.5 Y2 (CUT)", "X1.50", "X15", "X-1 (X-1)", "X-2.5", "Y3", "X[#1+1]", "%X1.5"});
  bench.settings.ignore_char = "%";
  ChangeValue(bench, 1, 'X', kChangeEqual, 2, 1.5);
  EXPECT_EQ(Lines(),
            (Text{"G01X2.Y2(CUT)", "X2.", "X15", "X-1 (X-1)", "X-2.5", "Y3", "X[#1+1]", "%X1.5"}));
  ChangeValue(bench, 1, 'X', kChangeLessThan, 0, 0);
  EXPECT_EQ(PaneLine(bench, 1, 4), "X0(X-1)");
  EXPECT_EQ(PaneLine(bench, 1, 5), "X0");
  // Any value, but an expression is no value to change.
  ChangeValue(bench, 1, 'X', kChangeAny, 7, 0);
  EXPECT_EQ(PaneLine(bench, 1, 3), "X7.");
  EXPECT_EQ(PaneLine(bench, 1, 7), "X[#1+1]");
  EXPECT_EQ(PaneLine(bench, 1, 6), "Y3");
}

TEST_F(WordTransforms, ChangeValueEveryLetterAndKeywords) {
  Program({"X0 Y0 Z1", "IF [#1 GT 2] GOTO 5"});
  ChangeValue(bench, 1, 'A', kChangeEqualEveryLetter, 3, 0);
  EXPECT_EQ(PaneLine(bench, 1, 1), "X3.Y3.Z1");
  ChangeValue(bench, 1, 'T', kChangeAny, 9, 0);  // the T of GT is no word
  EXPECT_EQ(PaneLine(bench, 1, 2), "IF [#1 GT 2] GOTO 5");
}

TEST_F(WordTransforms, ShiftKeepsBlanksBetweenWordsAndSkipsZero) {
  Program({"G01 X1. Y2.", "G01 Y2.", "X 1 .5 (A)", "X-.5"});
  ShiftAddress(bench, 1, 'X', 0.5);
  EXPECT_EQ(Lines(), (Text{"G01 X1.5 Y2.", "G01 Y2.", "X2. (A)", "X0"}));
  ShiftAddress(bench, 1, 'X', 0);
  EXPECT_EQ(PaneLine(bench, 1, 1), "G01 X1.5 Y2.");
  EXPECT_FALSE(bench.Pane(1)->CanRedo());
}

TEST_F(WordTransforms, ScaleFirstWordOfEachLetter) {
  Program({"G01 X1.5 Y-2. X3.", "Z1.", "X#1 Y1."});
  for (char letter : std::string("XY")) ScaleAddress(bench, 1, All(), letter, 2);
  EXPECT_EQ(Lines(), (Text{"G01X3.Y-4.X3.", "Z1.", "X#1Y2."}));
  ScaleAddress(bench, 1, 'Z', 0);
  EXPECT_EQ(PaneLine(bench, 1, 2), "Z1.");
}

TEST_F(WordTransforms, RemoveAddressCommentsNumbersAndMacroLines) {
  Program({"N10 G01 X1. (CUT)", "(SETUP)", "IF [#1 NE 2] GOTO 10", "N20 IF [#1 NE 2] GOTO 10",
           "G01 X-[#1+2] Y1.", "G01 X#101 Y2."});
  EXPECT_TRUE(RemoveAddressRange(bench, '(', false));
  EXPECT_EQ(PaneLine(bench, 1, 1), "N10 G01 X1. ");
  EXPECT_EQ(PaneLine(bench, 1, 2), "");
  Caret(1);
  RemoveAddressRange(bench, 'N', false);
  EXPECT_EQ(PaneLine(bench, 1, 1), " G01 X1. ");
  EXPECT_EQ(PaneLine(bench, 1, 3), "IF [#1 NE 2] GOTO 10");
  EXPECT_EQ(PaneLine(bench, 1, 4), " IF [#1 NE 2] GOTO 10");
  RemoveAddressRange(bench, 1, All(), 'X', false);
  EXPECT_EQ(PaneLine(bench, 1, 5), "G01  Y1.");
  EXPECT_EQ(PaneLine(bench, 1, 6), "G01  Y2.");
}

TEST_F(WordTransforms, RemoveAddressAsksAndCancelEndsThePass) {
  Program({"X1 (A)", "X2", "X3"});
  host.QueueAnswer(Answer::kNo);
  host.QueueAnswer(Answer::kCancel);
  EXPECT_FALSE(RemoveAddressRange(bench, 'X', true));
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].text, "Remove Address X in\r\nX1  ?");
  EXPECT_EQ(host.messages[0].caption, "Confirm");
  EXPECT_EQ(Lines(), (Text{"X1 (A)", "X2", "X3"}));
  host.QueueAnswer(Answer::kYes);
  host.QueueAnswer(Answer::kYes);
  host.QueueAnswer(Answer::kNo);
  EXPECT_TRUE(RemoveAddressRange(bench, 'X', true));
  EXPECT_EQ(Lines(), (Text{" (A)", "", "X3"}));
  bench.Pane(1)->Undo();
  EXPECT_EQ(Lines(), (Text{"X1 (A)", "X2", "X3"}));
}

TEST_F(WordTransforms, SwitchAxesExchangesAndReverses) {
  Program({"G01 X1 Y-2 (P)", "G01 Z5", "G01 Y3"});
  AxisSwitch choice;
  choice.new_axis[0] = 'Y';
  choice.new_axis[1] = 'X';
  EXPECT_FALSE(DuplicateAxisChoice(choice));
  SwitchAxes(bench, choice);
  EXPECT_EQ(Lines(), (Text{"G01 Y1 X-2 (P)", "G01 Z5", "G01 X3"}));
  Program({"G01 X1 Y-2 (P)"});
  choice.reverse[0] = true;
  SwitchAxes(bench, choice);
  EXPECT_EQ(PaneLine(bench, 1, 1), "G01 Y-1 X-2 (P)");
  AxisSwitch duplicate;
  duplicate.new_axis[1] = 'Z';
  EXPECT_TRUE(DuplicateAxisChoice(duplicate));
  // A row that keeps its own letter: its Reverse does nothing.
  Program({"G01 Z5"});
  AxisSwitch keep;
  keep.reverse[2] = true;
  SwitchAxes(bench, keep);
  EXPECT_EQ(PaneLine(bench, 1, 1), "G01 Z5");
}

TEST_F(WordTransforms, SwitchAddressesNeedsBothLetters) {
  Program({"G01 X1 U-2", "G01 X1", "G01 U+3 X4"});
  SwitchAddresses(bench, 'X', 'U', true, false);
  // The value now labelled X changes sign.
  EXPECT_EQ(Lines(), (Text{"G01 U1 X2", "G01 X1", "G01 X-3 U4"}));
  SwitchAddresses(bench, 1, All(), 'X', 'U', false, true);
  EXPECT_EQ(PaneLine(bench, 1, 3), "G01 U3 X4");
}

TEST_F(WordTransforms, EscapeStopsBetweenLinesAndTheRangeIsSelected) {
  Program({"X1.", "X2.", "X3.", "X4."});
  bench.Pane(1)->SetSelection({{2, 0}, {4, 0}});
  host.QueueEscape(0);
  ShiftAddress(bench, 1, 'X', 1);
  EXPECT_EQ(Lines(), (Text{"X1.", "X3.", "X3.", "X4."}));
  EXPECT_TRUE(bench.stop_requested);
  ShiftAddress(bench, 1, 'X', 1);  // a stopped run stays stopped until cleared
  EXPECT_EQ(PaneLine(bench, 1, 3), "X3.");
  bench.stop_requested = false;
  bench.Pane(1)->SetSelection({{2, 0}, {3, 1}});
  ShiftAddress(bench, 1, 'X', 1);
  EXPECT_EQ(Lines(), (Text{"X1.", "X4.", "X4.", "X4."}));
  EXPECT_EQ(bench.Pane(1)->GetSelection(), (TextSelection{{2, 0}, {3, 3}}));
}

}  // namespace
}  // namespace vormak
