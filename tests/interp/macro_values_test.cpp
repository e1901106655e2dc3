// Blocks whose words come from macro variables and expressions: the moves they give.
#include <gtest/gtest.h>

#include <string>

#include "interp/macro_variables.h"
#include "interp_fixture.h"

namespace vormak::test {
namespace {

using MacroValues = InterpFixture;

void ExpectEnd(const DrawnMove& move, double x, double y, double z) {
  EXPECT_NEAR(move.end.x, x, 1e-9);
  EXPECT_NEAR(move.end.y, y, 1e-9);
  EXPECT_NEAR(move.end.z, z, 1e-9);
}

TEST_F(MacroValues, SmallAndRepeatingValuesScaleUpExactly) {
  Load(
      "#1=.00015\n#2=[1/3]\n#3=0.0000123\nG90 G01 X[#1*10000.] Y[#2*3000.] F100.\n"
      "G01 X[#3*100000.] Y#2\n");
  RunProgram();
  ASSERT_EQ(moves.size(), 2u);
  ExpectEnd(moves[0], 1.5, 1000, 0);
  ExpectEnd(moves[1], 1.23, 1.0 / 3, 0);
}

TEST_F(MacroValues, WholeValuesAreNotTakenAsTenThousandths) {
  // X#1 with #1 = 2 is two units, not 0.0002 by the implied decimal point.
  Load("#1=2\nG90 G01 X#1 Y-#1 F100.\n");
  RunProgram();
  ASSERT_EQ(moves.size(), 1u);
  ExpectEnd(moves[0], 2, -2, 0);
}

TEST_F(MacroValues, MinusBeforeANegativeVariableNegatesIt) {
  Load("#4=-1.25\nG90 G01 X-#4 Y[-#4] F100.\nG01 X[2-#4] Y[2*-#4] Z[-#4-1]\n");
  RunProgram();
  ASSERT_EQ(moves.size(), 2u);
  ExpectEnd(moves[0], 1.25, 1.25, 0);
  ExpectEnd(moves[1], 3.25, 2.5, 0.25);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(MacroValues, SubstitutionKeepsTheWholeBlock) {
  Load("#1=1\n#2=2\n#3=3\nG90 G01 X[#1+#2+#3+#1] Y[#1+#2+#3+#2] Z[#1-#2-#3] F[#1*100.]\n");
  RunProgram();
  ASSERT_EQ(moves.size(), 1u);
  ExpectEnd(moves[0], 7, 8, -4);
  EXPECT_DOUBLE_EQ(Reg(kRegF), 100);
}

TEST_F(MacroValues, ExpressionBeyondSeventyNineCharacters) {
  std::string sum = "[1.";
  for (int i = 0; i < 30; ++i) sum += "+0.25";
  sum += "]";  // 154 characters
  Load("G90 G01 X" + sum + " Y2. F100.\n");
  RunProgram();
  ASSERT_EQ(moves.size(), 1u);
  ExpectEnd(moves[0], 8.5, 2, 0);
}

TEST_F(MacroValues, FunctionsOfMacroControlsInWords) {
  Load(
      "#1=2.7\nG90 G01 X[TAN[45.]] Y[FIX[#1]] Z[FUP[-#1]] F100.\n"
      "G01 X[ASIN[0.5]] Y[ACOS[0.5]] Z[FIX[-#1]]\n");
  RunProgram();
  ASSERT_EQ(moves.size(), 2u);
  ExpectEnd(moves[0], 1, 2, -3);
  ExpectEnd(moves[1], 30, 60, -2);
}

TEST_F(MacroValues, UnknownFunctionIsABadValueWithCheckSyntax) {
  Load("G90 G01 X[COT[45.]] F100.\n");
  RunProgram();
  EXPECT_TRUE(host.messages.empty());  // the option off: silent, as every bad value is

  bench.settings.use.Set(kUseCheckSyntax, true);
  host.QueueAnswer(Answer::kCancel);
  RunProgram();
  EXPECT_EQ(host.Texts(),
            (std::vector<std::string>{"Bad Character in Value\r\nG90 G01 X[COT[45.]] F100."}));
  EXPECT_TRUE(bench.stop_requested);
}

}  // namespace
}  // namespace vormak::test
