// The command table on the active pane: moves, searches, edits and the NC utilities.
#include "script/script_commands.h"

#include "interp/interp_state.h"
#include "script_fixture.h"

namespace vormak {
namespace {

class ScriptCommandsTest : public ScriptTest {
 protected:
  void SetUp() override {
    ScriptTest::SetUp();
    bench.settings.start_block = 100;
    bench.settings.block_increment = 10;
    bench.settings.letter_formats['N' - 'A'] = "0000,0,0,0";  // whole numbers
    FillFormatSet1(bench.word_formats, bench.settings);
  }
};

TEST_F(ScriptCommandsTest, EndComesBeforeMessageAndStopsTheScript) {
  Program({"G00 X0", "G01 X1.", "M30"});
  Run({"MESSAGE THE END", "#1=1"});
  EXPECT_EQ(Caret(), 3);
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_DOUBLE_EQ(Var(1), 0);
}

TEST_F(ScriptCommandsTest, UnknownWordsDoNothingAndTheScriptGoesOn) {
  Program({"G00 X0"});
  Run({"FROBNICATE 3", "#1=1"});
  EXPECT_EQ(Lines(), (Text{"G00 X0"}));
  EXPECT_DOUBLE_EQ(Var(1), 1);
}

TEST_F(ScriptCommandsTest, RenumberWholeFromLineOneOrSelectedExistingOnly) {
  Program({"G00 X0", "G01 X1.", "N7 X2.", "M30"});
  Run({"RENUMBER 10,5"});
  EXPECT_EQ(Lines(), (Text{"N10G00 X0", "N15G01 X1.", "N20 X2.", "N25M30"}));

  // Below line 1 with "existing only": the machine's start and increment, N lines only.
  Program({"G00 X0", "G01 X1.", "N7 X2.", "N9 M30"}, 2);
  Run({"RENUMBER 0,0,N,1"});
  EXPECT_EQ(Lines(), (Text{"G00 X0", "G01 X1.", "N100 X2.", "N110 M30"}));
}

TEST_F(ScriptCommandsTest, FindStrPassesOverCommentsUnlessAsked) {
  Program({"G00 X0 (X2.)", "G01 X1.", "G01 X2.", "M30"});
  Run({"FINDSTR x2"});
  EXPECT_EQ(Caret(), 3);
  EXPECT_EQ(bench.Pane(1)->SelectedText(), "X2");
  EXPECT_EQ(bench.interp.run.current_line, 2);
  Program({"G00 X0 (X2.)", "G01 X1.", "G01 X2.", "M30"});
  Run({"FINDSTR X2,1"});
  EXPECT_EQ(Caret(), 1);
  Run({"FINDSTR Q9"});
  EXPECT_EQ(Caret(), 4);
}

TEST_F(ScriptCommandsTest, FindValAndGoBlockSelectTheWord) {
  Program({"N10 G00 X0", "N20 X1.5 (X2.)", "N30 X2.", "N40 M30"});
  Run({"FINDVAL X,2"});
  EXPECT_EQ(Caret(), 3);
  EXPECT_EQ(bench.Pane(1)->SelectedText(), "X2.");
  EXPECT_EQ(bench.interp.run.current_line, 3);
  Run({"GOBLOCK 20"});
  EXPECT_EQ(bench.Pane(1)->SelectedText(), "N20");
  Run({"GOBLOCK 25"});
  EXPECT_EQ(Caret(), 4);
}

TEST_F(ScriptCommandsTest, InsertSelectDeleteAndTheCaretAfterDelete) {
  Program({"A", "B", "C", "D"}, 2);
  Run({"INSERT G01 X10."});
  EXPECT_EQ(Lines(), (Text{"A", "G01 X10.", "B", "C", "D"}));
  // The selection runs from the start of its first line to the end of its last: its text goes
  // and the caret stands at the start of the line that followed it.
  Run({"SELECT 2,3", "DELETE"});
  EXPECT_EQ(Lines(), (Text{"A", "", "C", "D"}));
  EXPECT_EQ(Caret(), 3);
  EXPECT_EQ(bench.Pane(1)->GetSelection().end.column, 0);
  // A selection of whole lines with their breaks leaves no empty line.
  bench.Pane(1)->SetSelection({{2, 0}, {3, 0}});
  Run({"DELETE"});
  EXPECT_EQ(Lines(), (Text{"A", "C", "D"}));
  EXPECT_EQ(Caret(), 2);
  Run({"SELECT 0,2", "DELINE"});
  EXPECT_EQ(Lines(), (Text{"A", "D"}));
}

TEST_F(ScriptCommandsTest, BackAndForwardStayInsideTheProgram) {
  Program({"A", "B", "C", "D"}, 2);
  Run({"FORWARD 5", "#1=LINENO", "BACK", "#2=LINENO", "BACK 9", "#3=LINENO"});
  EXPECT_DOUBLE_EQ(Var(1), 4);
  EXPECT_DOUBLE_EQ(Var(2), 3);
  EXPECT_DOUBLE_EQ(Var(3), 1);
}

TEST_F(ScriptCommandsTest, RepselAndReplaceSplitLines) {
  Program({"A", "B", "C"});
  Run({"SELECT 2,2", "REPSEL G00 X0;G01 Z-1."});
  EXPECT_EQ(Lines(), (Text{"A", "G00 X0", "G01 Z-1.", "C"}));

  Program({"G01 X1. (X1.)", "X1. Y1.", "M30"});
  Run({"REPLACE X1., X2."});
  EXPECT_EQ(Lines(), (Text{"G01  X2. (X1.)", " X2. Y1.", "M30"}));

  Program({"G01 X1. (X1.)", "X1. Y1.", "M30"});
  Run({"REPLACE X1.,X5.;;M1,1"});
  EXPECT_EQ(Lines(), (Text{"G01 X5.", "M1 (X5.", "M1)", "X5.", "M1 Y1.", "M30"}));
}

TEST_F(ScriptCommandsTest, AddAppendsOrSetsTheValue) {
  Program({"G01 X1.", "G01 X2. F50.", "X3. F60."});
  Run({"ADD F,100"});
  EXPECT_EQ(PaneLine(bench, 1, 1).substr(0, 8), "G01 X1.F");
  EXPECT_NE(PaneLine(bench, 1, 1).find("100"), std::string::npos);

  Program({"G01 X1.", "G01 X2. F50.", "X3. F60."}, 2);
  Run({"ADD F,100"});
  EXPECT_EQ(PaneLine(bench, 1, 1), "G01 X1.");
  EXPECT_NE(PaneLine(bench, 1, 2).find("F100"), std::string::npos);
  EXPECT_NE(PaneLine(bench, 1, 3).find("F100"), std::string::npos);
}

TEST_F(ScriptCommandsTest, ItemAndSaveVarReadWordsOfTheCaretsLine) {
  Program({"X1. Y2. X3."});
  Run({"ITEM 3,X,2", "ITEM 4,X,3", "ITEM 5,Y,1", "SAVEVAR Y,6"});
  EXPECT_DOUBLE_EQ(Var(3), 3);
  EXPECT_DOUBLE_EQ(Var(4), 0);
  EXPECT_DOUBLE_EQ(Var(5), 2);
  EXPECT_DOUBLE_EQ(Var(6), 2);
}

TEST_F(ScriptCommandsTest, ChangeVModes) {
  Program({"X1.", "X7.", "Y1."});
  Run({"CHANGEV X<,5,9"});
  EXPECT_EQ(Lines(), (Text{"X9.", "X7.", "Y1."}));
  Program({"X1.", "X7.", "Y1."});
  Run({"CHANGEV *,1,4"});
  EXPECT_EQ(Lines(), (Text{"X4.", "X7.", "Y4."}));
  Program({"X1.", "X7.", "Y1."});
  Run({"CHANGEV 1,1,4"});  // only "*" and A to Z
  EXPECT_EQ(Lines(), (Text{"X1.", "X7.", "Y1."}));
}

TEST_F(ScriptCommandsTest, FrontRearAndDelstrWorkOnTheSelectedLines) {
  Program({"A1", "B2", "C3", "D4"});
  Run({"SELECT 1,2", "FRONT /", "REAR ;", "SELECT 3,3", "DELSTR 3"});
  EXPECT_EQ(Lines(), (Text{"/A1;", "/B2;", "C", "D4"}));
}

TEST_F(ScriptCommandsTest, StripRemovesRepeatedValuesOfTheGivenLetters) {
  Program({"G01 X1. Y1.", "G01 X1. Y2.", "M30"});
  Run({"STRIP X"});
  EXPECT_EQ(PaneLine(bench, 1, 2).find("X1."), std::string::npos);
  EXPECT_NE(PaneLine(bench, 1, 2).find("Y2."), std::string::npos);
}

TEST_F(ScriptCommandsTest, GetSetsTheModalRegisters) {
  Program({"G01 X12.5 Y-3. A45. I2."});
  Run({"GET X", "GET Y", "GET A", "GET I", "GET Q"});
  const TurretState& t = bench.interp.Current();
  EXPECT_DOUBLE_EQ(t[kRegX], 12.5);
  EXPECT_DOUBLE_EQ(t[kRegY], -3);
  EXPECT_DOUBLE_EQ(t[kRegA], 45);
  EXPECT_DOUBLE_EQ(t[kRegI], 2);
}

TEST_F(ScriptCommandsTest, PauseCancelledStopsTheScript) {
  host.QueueAnswer(Answer::kCancel);
  Run({"PAUSE", "#1=1"});
  EXPECT_EQ(host.Texts(), (Text{kPausePrompt}));
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_DOUBLE_EQ(Var(1), 0);
}

TEST_F(ScriptCommandsTest, MarkerAndReturnInsideARemoveLine) {
  Program({"A", "B", "C"});
  // MARKER comes before REMOVE in the table; its number is the line's first argument.
  ScriptCommand(bench, "REMOVE 3 MARKER");
  EXPECT_EQ(Lines(), (Text{"A", "B", "(M3)", "C"}));
  GoToLine(bench, 1, 4);
  ScriptCommand(bench, "REPSEL 3 RETURN");
  EXPECT_EQ(bench.Pane(1)->SelectedText(), "(M3)");
}

// Renumber, order the words and check the syntax in one script.
TEST_F(ScriptCommandsTest, RenumberOrderAndSyntax) {
  Program({"X1. G01 Y2.", "F100. G00 X0", "M30"});
  Run({"ORDER GXYF", "RENUMBER 1,1", "SYNTAX"});
  // ORDER leaves its lines selected, so RENUMBER numbers the selection.
  EXPECT_EQ(Lines(), (Text{"N1G01 X1. Y2.", "N2G00 X0 F100.", "M30"}));
  EXPECT_FALSE(bench.stop_requested);
}

}  // namespace
}  // namespace vormak
