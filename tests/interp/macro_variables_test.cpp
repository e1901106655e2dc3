#include "interp/macro_variables.h"

#include <gtest/gtest.h>

#include <string>

#include "interp/macro_statements.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

TEST(MacroVariables, StoreRangesAndLevels) {
  MacroVariables vars;
  SetVariable(vars, 0, 1, 1.5);
  SetVariable(vars, 2, 1, 7);
  SetVariable(vars, 0, 150, 3);
  SetVariable(vars, 0, 600, 4);
  SetVariable(vars, 0, 700, 5);  // not a variable: ignored
  SetVariable(vars, 0, 34, 5);
  SetVariable(vars, 6, 1, 9);  // no such level
  EXPECT_EQ(GetVariable(vars, 1), 1.5);
  vars.level = 2;
  EXPECT_EQ(GetVariable(vars, 1), 7);
  EXPECT_EQ(GetVariable(vars, 150), 3);
  EXPECT_EQ(GetVariable(vars, 600), 4);
  EXPECT_EQ(GetVariable(vars, 700), 0);
  EXPECT_EQ(GetVariable(vars, 34), 0);
  EXPECT_EQ(GetVariable(vars, 0), 0);
  ClearLocals(vars);
  EXPECT_EQ(vars.level, 0);
  EXPECT_EQ(GetVariable(vars, 1), 0);
  EXPECT_EQ(GetVariable(vars, 150), 3);  // commons and permanents stay
  EXPECT_EQ(GetVariable(vars, 600), 4);
}

TEST(MacroVariables, ScriptNumbersMapIntoTheStore) {
  EXPECT_EQ(ScriptVariableNumber(1), 100);
  EXPECT_EQ(ScriptVariableNumber(99), 198);
  EXPECT_EQ(ScriptVariableNumber(100), 600);
  EXPECT_EQ(ScriptVariableNumber(199), 699);
  EXPECT_EQ(ScriptVariableNumber(0), 0);
  EXPECT_EQ(ScriptVariableNumber(200), 0);
}

TEST(VariableText, FourDecimalsCutToTen) {
  MacroVariables vars;
  SetVariable(vars, 0, 1, 1.5);
  SetVariable(vars, 0, 2, 123456.78901);
  SetVariable(vars, 0, 3, -2.25);
  SetVariable(vars, 0, 4, 12345678901.5);
  EXPECT_EQ(VariableText(vars, 1), "1.5000");
  EXPECT_EQ(VariableText(vars, 2), "123456.789");
  EXPECT_EQ(VariableText(vars, 3), "-2.2500");
  EXPECT_EQ(VariableText(vars, 4), "12345678901");  // whole digits are never cut
  EXPECT_EQ(VariableText(vars, 5), "0.0000");
  EXPECT_EQ(VariableText(vars, 700), "0");
}

TEST(ExactVariableText, ShortestTextThatReadsBackWithAPoint) {
  MacroVariables vars;
  const double values[] = {2, 0.00015, 1.0 / 3, -1.25, 123456.78901, 1e-7, 12345678901.5, -0.0};
  const char* const texts[] = {"2.",           "0.00015",   "0.3333333333333333", "-1.25",
                               "123456.78901", "0.0000001", "12345678901.5",      "0."};
  for (int i = 0; i < 8; ++i) {
    SetVariable(vars, 0, i + 1, values[i]);
    const std::string text = ExactVariableText(vars, i + 1);
    EXPECT_EQ(text, texts[i]);
    EXPECT_EQ(std::stod(text), values[i]) << text;  // reads back to the same double
  }
  EXPECT_EQ(ExactVariableText(vars, 700), "0.");
  // The four-decimal text of watch lists and scripts stays as it was.
  EXPECT_EQ(VariableText(vars, 2), "0.0001");
}

TEST(SubstituteVariables, FullValuesLeftToRight) {
  MacroVariables vars;
  SetVariable(vars, 0, 1, 2);
  SetVariable(vars, 0, 100, 123456.78901);
  EXPECT_EQ(SubstituteVariables(vars, '#', "X#1Y#100"), "X2.Y123456.78901");
  EXPECT_EQ(SubstituteVariables(vars, '#', "X#Y#999"), "X0.Y0.");  // no digits: #0
  EXPECT_EQ(SubstituteVariables(vars, '@', "X@1#1"), "X2.#1");
  // A prefix that is itself a digit cannot feed on the values it inserts.
  EXPECT_EQ(SubstituteVariables(vars, '0', "X01"), "X2.");
  EXPECT_EQ(SubstituteVariables(vars, '#', "#99999999999999999999"), "0.");
  EXPECT_EQ(SubstituteVariables(vars, '#', "X#0000000000001"), "X2.");  // leading zeros
  // Nothing around a variable is cut, however long the block grows.
  const std::string long_text = std::string(100, 'A') + "#1" + std::string(100, 'B');
  EXPECT_EQ(SubstituteVariables(vars, '#', long_text),
            std::string(100, 'A') + "2." + std::string(100, 'B'));
}

TEST(SubstituteVariables, SignBeforeANegativeVariable) {
  MacroVariables vars;
  SetVariable(vars, 0, 4, -1.25);
  SetVariable(vars, 0, 5, 2);
  const std::pair<const char*, const char*> cases[] = {
      {"G1 X-#4 Y[-#4]", "G1 X1.25 Y[1.25]"},  // a minus negates
      {"X[#5-#4]", "X[2.+1.25]"},              // after an operand it subtracts
      {"X[#5 - #4]", "X[2. +1.25]"},
      {"X[3)-#4]", "X[3)+1.25]"},
      {"X+#4", "X-1.25"},
      {"X[#5+#4]", "X[2.-1.25]"},
      {"X[2*-#4]", "X[2*1.25]"},
      {"X-#5 Y#4", "X-2. Y-1.25"},  // a positive value and an unsigned one are left alone
      {"=-#4", "=1.25"},
  };
  for (const auto& [text, want] : cases) {
    EXPECT_EQ(SubstituteVariables(vars, '#', text), want) << text;
  }
  // A prefix that is a sign itself is never folded.
  EXPECT_EQ(SubstituteVariables(vars, '-', "X-4"), "X-1.25");
}

class MacroStatements : public ::testing::Test {
 protected:
  FakeHost host;
  Workbench bench{host};
  double Var(int n) { return GetVariable(bench.macro_variables, n); }
};

TEST_F(MacroStatements, AssignRightSides) {
  SetVariable(bench.macro_variables, 0, 2, 5);
  Assign(bench, "#1=[#2*2+1]");
  EXPECT_DOUBLE_EQ(Var(1), 11);
  Assign(bench, "#3 = #2*2");
  EXPECT_DOUBLE_EQ(Var(3), 10);
  Assign(bench, "#4=[SIN[30]]");
  EXPECT_NEAR(Var(4), 0.5, 1e-9);
  Assign(bench, "#100=-1.5");
  EXPECT_DOUBLE_EQ(Var(100), -1.5);
  Assign(bench, "#700=5");
  EXPECT_DOUBLE_EQ(GetVariable(bench.macro_variables, 700), 0);
  Assign(bench, "#5=#2]");  // a lone closing bracket is dropped
  EXPECT_DOUBLE_EQ(Var(5), 5);
  Assign(bench, "#x=3");  // not a whole number: #0, nothing set
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(MacroStatements, AssignGoesToTheCurrentLevel) {
  bench.macro_variables.level = 3;
  Assign(bench, "#1=4");
  EXPECT_DOUBLE_EQ(bench.macro_variables.locals[3][0], 4);
  EXPECT_DOUBLE_EQ(bench.macro_variables.locals[0][0], 0);
}

TEST_F(MacroStatements, AssignBadRightSideWarnsWithCheckSyntax) {
  bench.settings.use.Set(kUseCheckSyntax, true);
  SetVariable(bench.macro_variables, 0, 1, 9);
  host.QueueAnswer(Answer::kCancel);
  Assign(bench, "#1=[1+]");
  EXPECT_DOUBLE_EQ(Var(1), 0);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Bad Character in Value\r\n=[1+]");
  EXPECT_TRUE(bench.stop_requested);
}

TEST_F(MacroStatements, MacroArgumentsFillTheLocalsOfALevel) {
  LoadMacroArguments(bench, 1, "G65 P9010 A1. B2 C2 D3 X15000 Z-2.5 M4 (Q9)");
  const auto& locals = bench.macro_variables.locals[1];
  EXPECT_DOUBLE_EQ(locals[0], 1);       // A, with its point
  EXPECT_DOUBLE_EQ(locals[1], 2);       // B takes no implied decimal
  EXPECT_DOUBLE_EQ(locals[2], 0.0002);  // C does
  EXPECT_DOUBLE_EQ(locals[6], 3);       // D is read without the implied decimal
  EXPECT_DOUBLE_EQ(locals[23], 1.5);    // X
  EXPECT_DOUBLE_EQ(locals[25], -2.5);   // Z
  EXPECT_DOUBLE_EQ(locals[12], 4);      // M
  EXPECT_DOUBLE_EQ(locals[16], 0);      // Q only in the comment
  EXPECT_DOUBLE_EQ(bench.macro_variables.locals[0][0], 0);
}

TEST_F(MacroStatements, Conditions) {
  SetVariable(bench.macro_variables, 0, 1, 3);
  EXPECT_TRUE(Condition(bench, "[#1 GE 3]"));
  EXPECT_FALSE(Condition(bench, "[#1 GT 3]"));
  EXPECT_TRUE(Condition(bench, "[#1 LE 3]"));
  EXPECT_FALSE(Condition(bench, "[#1 LT 3]"));
  EXPECT_FALSE(Condition(bench, "[#1 NE 3]"));
  SetVariable(bench.macro_variables, 0, 1, 3.0000004);
  EXPECT_TRUE(Condition(bench, "[#1 EQ 3]"));
  EXPECT_FALSE(Condition(bench, "[#1 EQ 3.1]"));
  EXPECT_TRUE(Condition(bench, "[#1 NE 3.1]"));
  EXPECT_FALSE(Condition(bench, "[#1 3]"));  // no operator
  EXPECT_TRUE(Condition(bench, "[#2 EQ 0]"));
  EXPECT_TRUE(Condition(bench, "[ABC EQ 0]"));  // not a number: 0
}

TEST_F(MacroStatements, ValuesKeepTheirFullPrecision) {
  Assign(bench, "#1=.00015");
  Assign(bench, "#2=[#1*10000.]");
  EXPECT_DOUBLE_EQ(Var(2), 1.5);
  Assign(bench, "#3=[1/3]");
  Assign(bench, "#4=#3*3000.");  // no brackets: the substituted text is all number and operators
  EXPECT_NEAR(Var(4), 1000, 1e-9);
  EXPECT_TRUE(Condition(bench, "[#1 GT 0.0001]"));
  EXPECT_TRUE(Condition(bench, "[#3 LT 0.33334]"));
  Assign(bench, "#5=-#1");
  Assign(bench, "#6=[-#5*2]");
  EXPECT_DOUBLE_EQ(Var(6), 0.0003);
  // A long right side is read whole, not cut after its 79th character.
  Assign(bench, "#7=[#1+#1+#1+#1+#1+#1+#1+#1+#1+#1+#1+#1+#1+#1+#1+#1+#1+#1+#1+#1]");
  EXPECT_NEAR(Var(7), 0.003, 1e-15);
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace vormak
