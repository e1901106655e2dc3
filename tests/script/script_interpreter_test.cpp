// The interpreter's own statements: labels and jumps, GOSUB/RSUB, IF, assignments, markers,
// loops down a program and the stop rules.
#include "script/script_interpreter.h"

#include "script_fixture.h"

namespace vormak {
namespace {

using ScriptInterpreterTest = ScriptTest;

TEST_F(ScriptInterpreterTest, MessageTakesItsTextUpToTheComma) {
  Run({"message Hello, world", "message hello world", "MESSAGE LIFT"});
  // MESSAGE LIFT holds IF: it is an IF statement whose condition is false.
  EXPECT_EQ(host.Texts(), (Text{"Hello", "HELLO WORLD"}));
  EXPECT_TRUE(bench.script.ended);
  EXPECT_FALSE(bench.stop_requested);
}

TEST_F(ScriptInterpreterTest, AssignmentsEvaluateConditionsAndRefuseHighNumbers) {
  Run({"#1=5", "#2=[3>2]", "#3=[2>=3]", "#4=#1*2+1", "#0=7", "#300=1", "#5=[1<>1]"});
  EXPECT_DOUBLE_EQ(Var(1), 5);
  EXPECT_DOUBLE_EQ(Var(2), 1);
  EXPECT_DOUBLE_EQ(Var(3), 1);
  EXPECT_DOUBLE_EQ(Var(4), 11);
  EXPECT_DOUBLE_EQ(Var(5), 0);
  EXPECT_EQ(host.Texts(), (Text{"Script Variable 300 Out of Range"}));
}

TEST_F(ScriptInterpreterTest, IfIsTrueOnlyForExactlyOne) {
  SetScriptVariable(bench, 1, 2.0001);
  SetScriptVariable(bench, 3, 2);
  Run({"IF [#1=2],20", "#10=1", "IF #3,20", "#11=1", "EXIT", ":20", "#12=1"});
  EXPECT_DOUBLE_EQ(Var(10), 1);
  EXPECT_DOUBLE_EQ(Var(11), 1);
  EXPECT_DOUBLE_EQ(Var(12), 0);
  // Substituted with four decimals, 2.00001 reads as 2.
  SetScriptVariable(bench, 1, 2.00001);
  Run({"IF [#1=2],20", "#13=1", ":20", "#14=1"});
  EXPECT_DOUBLE_EQ(Var(13), 0);
  EXPECT_DOUBLE_EQ(Var(14), 1);
}

TEST_F(ScriptInterpreterTest, JumpPassesOverALongerLabelWithTheSameDigits) {
  Run({"JUMP 10", ":100", "#1=100", "EXIT", ":10", "#1=10"});
  EXPECT_DOUBLE_EQ(Var(1), 10);
}

TEST_F(ScriptInterpreterTest, BadJumpWarnsAndStops) {
  Run({"#1=1", "JUMP 77", "#2=1"});
  EXPECT_EQ(host.Texts(), (Text{"Bad JUMP in  JUMP 77"}));
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_DOUBLE_EQ(Var(2), 0);
  EXPECT_EQ(CaretLine(bench, kScriptPane), 2);
}

TEST_F(ScriptInterpreterTest, GosubReturnsAfterItsLineAndNestsNineDeep) {
  Run({"GOSUB 10", "#1=#1+1", "EXIT", ":10", "#2=#2+1", "RSUB"});
  EXPECT_DOUBLE_EQ(Var(1), 1);
  EXPECT_DOUBLE_EQ(Var(2), 1);

  // Nine nested calls come back through every level.
  Text nested;
  for (int i = 1; i <= 9; ++i) {
    nested.push_back(":" + std::to_string(i));
    nested.push_back("#" + std::to_string(i) + "=1");
    if (i < 9) nested.push_back("GOSUB " + std::to_string(i + 1));
    nested.push_back("#" + std::to_string(20 + i) + "=1");
    nested.push_back("RSUB");
  }
  nested.insert(nested.begin(), {"GOSUB 1", "#50=1", "EXIT"});
  Run(nested);
  for (int i = 1; i <= 9; ++i) EXPECT_DOUBLE_EQ(Var(20 + i), 1) << i;
  EXPECT_DOUBLE_EQ(Var(50), 1);
  EXPECT_EQ(bench.script.stack_index, 1);
}

TEST_F(ScriptInterpreterTest, TenGosubsWrapTheStackSoTheNextRsubDoesNothing) {
  Text script;
  for (int i = 0; i < 10; ++i) script.push_back("GOSUB " + std::to_string(i + 1));
  for (int i = 1; i <= 10; ++i) script.insert(script.begin() + 2 * i - 1, ":" + std::to_string(i));
  script.push_back("RSUB");
  script.push_back("#1=1");
  Run(script);
  EXPECT_EQ(bench.script.stack_index, 1);
  EXPECT_DOUBLE_EQ(Var(1), 1);
}

TEST_F(ScriptInterpreterTest, EndlessLoopIsCutOffAtTheStepLimit) {
  bench.script.max_steps = 500;
  Run({":1", "#1=#1+1", "JUMP 1"});
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_EQ(bench.script.fault, "Script stopped after 500 steps");
}

TEST_F(ScriptInterpreterTest, EscapeStopsTheRunAfterTheCurrentLine) {
  host.QueueEscape(3);
  Run({":1", "#1=#1+1", "JUMP 1"});
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_GE(Var(1), 1);
  EXPECT_LE(Var(1), 3);
}

TEST_F(ScriptInterpreterTest, LineNumberLengthAndCountOfTheCaretsLine) {
  Program({"%", "G01 X1. Y2. X3.", "M30"}, 2);
  Run({"#1=LINENO", "#2=LENGTH", "#3=NUMBEROF,X", "#4=NUMBEROF,"});
  EXPECT_DOUBLE_EQ(Var(1), 2);
  EXPECT_DOUBLE_EQ(Var(2), 15);
  EXPECT_DOUBLE_EQ(Var(3), 2);
  EXPECT_DOUBLE_EQ(Var(4), 0);
}

TEST_F(ScriptInterpreterTest, SelectionEndsGoIntoVariables) {
  Program({"A", "B", "C", "D", "E"});
  SelectLines(bench, 1, 2, 4);
  Run({"#1=STARTSEL", "#2=ENDSEL"});
  EXPECT_DOUBLE_EQ(Var(1), 2);
  EXPECT_DOUBLE_EQ(Var(2), 4);
}

TEST_F(ScriptInterpreterTest, MarkersRememberLinesAndIgnoreBadNumbers) {
  Program({"A", "B", "C", "D"}, 3);
  Run({"MARKER 2", "HOME", "RETURN 2", "#1=LINENO", "HOME", "RETURN 5", "RETURN 11", "#2=LINENO"});
  EXPECT_DOUBLE_EQ(Var(1), 3);
  EXPECT_DOUBLE_EQ(Var(2), 1);
}

// A find-and-change loop down the program that ends on the last line.
TEST_F(ScriptInterpreterTest, LoopDownTheProgramWithIfEof) {
  Program({"N1 G00 X0 Y0", "N2 G01 X1. F100.", "(T1)", "N3 X2. Y1.", "N4 X3.", "M30"});
  Run({":1", "IFFIND X,5", "JUMP 6", ":5", "#1=#1+1", ":6", "IFEOF 9", "FORWARD", "JUMP 1", ":9",
       "#2=LINENO"});
  EXPECT_DOUBLE_EQ(Var(1), 4);
  EXPECT_DOUBLE_EQ(Var(2), 6);
  EXPECT_FALSE(bench.stop_requested);
}

TEST_F(ScriptInterpreterTest, IfFindLooksInCommentsOnlyWhenAsked) {
  Program({"G01 X1. (T1)"});
  Run({"IFFIND T1,5", "#1=1", ":5", "IFFIND T1,6,1", "#2=1", ":6"});
  EXPECT_DOUBLE_EQ(Var(1), 1);
  EXPECT_DOUBLE_EQ(Var(2), 0);
}

TEST_F(ScriptInterpreterTest, StepExecutesOneLineAndMarksTheNext) {
  bench.Pane(3)->SetText("#1=1\r\n#2=2\r\n#3=3");
  ResetScript(bench);
  ScriptStep(bench);
  EXPECT_DOUBLE_EQ(Var(1), 1);
  EXPECT_DOUBLE_EQ(Var(2), 0);
  EXPECT_EQ(CaretLine(bench, kScriptPane), 2);
  EXPECT_EQ(bench.Pane(3)->SelectedText(), "#1=1\r\n");
  ScriptStep(bench);
  EXPECT_DOUBLE_EQ(Var(2), 2);
  EXPECT_EQ(CaretLine(bench, kScriptPane), 3);
}

TEST_F(ScriptInterpreterTest, CommentsAreStrippedBeforeStatements) {
  Run({"#1=4 (set #2 here)", "JUMP 5 (to the end)", "#1=9", ":5"});
  EXPECT_DOUBLE_EQ(Var(1), 4);
  EXPECT_DOUBLE_EQ(Var(2), 0);
}

}  // namespace
}  // namespace vormak
