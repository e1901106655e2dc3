// How script lines are read: normalisation, arguments, variables and bracket conditions.
#include "script/script_args.h"

#include "interp/macro_variables.h"
#include "script_fixture.h"

namespace vormak {
namespace {

using ScriptArgsTest = ScriptTest;

TEST_F(ScriptArgsTest, OnlyTheStatementWordIsUpperCasedWhenArgumentsHaveCommas) {
  EXPECT_EQ(NormaliseScriptLine("message Hello, world"), "MESSAGE Hello, world");
  EXPECT_EQ(NormaliseScriptLine("message hello world"), "MESSAGE HELLO WORLD");
  EXPECT_EQ(NormaliseScriptLine("findstr g01"), "FINDSTR G01");
  EXPECT_EQ(NormaliseScriptLine("replace,x1. ,y"), "REPLACE,x1. ,y");
}

TEST_F(ScriptArgsTest, TextArgumentsKeepBlanksAndEndAtCommas) {
  EXPECT_EQ(TextArg(1, "MESSAGE Hello, world"), "Hello");
  EXPECT_EQ(TextArg(2, "MESSAGE Hello, world"), " world");
  EXPECT_EQ(TextArg(1, "REPLACE X1., X2."), "X1.");
  EXPECT_EQ(TextArg(2, "REPLACE X1., X2."), " X2.");
  // A comma before the first blank: the blank belongs to the argument.
  EXPECT_EQ(TextArg(1, "INSERT,G01 X10."), "G01 X10.");
  EXPECT_EQ(TextArg(1, "HOME"), "");
  EXPECT_EQ(TextArg(3, "ADD F,100"), "");
}

TEST_F(ScriptArgsTest, NumbersAreEvaluatedWithVariables) {
  SetScriptVariable(bench, 4, 2.5);
  EXPECT_DOUBLE_EQ(NumberArg(bench, 2, "ADD F,100*2"), 200);
  EXPECT_DOUBLE_EQ(NumberArg(bench, 2, "ADD F,#4+1"), 3.5);
  EXPECT_DOUBLE_EQ(NumberArg(bench, 2, "ADD F,X"), 0);
  EXPECT_DOUBLE_EQ(NumberArg(bench, 3, "ADD F,1"), 0);
}

TEST_F(ScriptArgsTest, WholeNumbersSplitAtBlanksAndRoundHalfToEven) {
  EXPECT_EQ(IntegerArg(bench, 1, "RENUMBER 10,5"), 10);
  EXPECT_EQ(IntegerArg(bench, 2, "RENUMBER 10, ,  5"), 5);
  EXPECT_EQ(IntegerArg(bench, 1, "JUMP 2.5"), 2);
  EXPECT_EQ(IntegerArg(bench, 1, "JUMP 3.5"), 4);
  EXPECT_EQ(IntegerArg(bench, 1, "JUMP"), 0);
  SetScriptVariable(bench, 7, 30);
  EXPECT_EQ(IntegerArg(bench, 1, "JUMP #7"), 30);
  // Arguments 4 and 5 take no variables.
  EXPECT_EQ(IntegerArg(bench, 4, "RENUMBER 1,1,N,#7"), 0);
}

TEST_F(ScriptArgsTest, ScriptVariablesShareTheMacroStore) {
  SetScriptVariable(bench, 1, 5);
  SetScriptVariable(bench, 150, 7);
  EXPECT_DOUBLE_EQ(GetVariable(bench.macro_variables, 100), 5);
  EXPECT_DOUBLE_EQ(GetVariable(bench.macro_variables, 650), 7);
  EXPECT_EQ(SubstituteScriptVariables(bench, "X#1 Y#150 Z#0"), "X5.0000 Y7.0000 Z0");
}

TEST_F(ScriptArgsTest, VariablesFrom200AreRefused) {
  SetScriptVariable(bench, 250, 1);
  SetScriptVariable(bench, 300, 1);
  EXPECT_TRUE(host.Showed("Script Variable 250 Out of Range"));
  EXPECT_TRUE(host.Showed("Script Variable 300 Out of Range"));
  EXPECT_DOUBLE_EQ(GetScriptVariable(bench, 250), 0);
  SetScriptVariable(bench, 0, 1);
  EXPECT_EQ(host.messages.size(), 2u);
}

TEST_F(ScriptArgsTest, BracketConditionsCompareExactly) {
  EXPECT_EQ(EvaluateBrackets(bench, "[3>2]"), "1.0");
  EXPECT_EQ(EvaluateBrackets(bench, "[2<>2]"), ".0");
  // ">=" is ">" against a right side that is no expression.
  EXPECT_EQ(EvaluateBrackets(bench, "[2>=3]"), "1.0");
  EXPECT_EQ(EvaluateBrackets(bench, "#2=[4*[1+2]]"), "#2=12.0");
  SetScriptVariable(bench, 1, 2.0001);
  EXPECT_EQ(EvaluateBrackets(bench, "[#1=2]"), ".0");
  SetScriptVariable(bench, 1, 2.00001);
  EXPECT_EQ(EvaluateBrackets(bench, "[#1=2]"), "1.0");
  EXPECT_TRUE(host.messages.empty());
  EvaluateBrackets(bench, "[(1+2]");
  EXPECT_TRUE(host.Showed(kMismatchedBrackes));
}

}  // namespace
}  // namespace vormak
