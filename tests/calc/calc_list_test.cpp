#include "calc/calc_list.h"

#include <gtest/gtest.h>

namespace vormak {
namespace {

using Lines = std::vector<std::string>;

Lines Entered(std::initializer_list<const char*> inputs) {
  CalcList list;
  for (const char* input : inputs) EnterCalcLine(list, input);
  return list.lines;
}

TEST(CalcList, OperatorsCarryOnFromTheLastAnswer) {
  EXPECT_EQ(Entered({"2*3", "+4", "-1"}), (Lines{"2*3", "=6", "+4", "=10", "-1", "=9"}));
  EXPECT_EQ(Entered({"10", "*3", "/4"}), (Lines{"10", "=10", "*3", "=30", "/4", "=7.5"}));
  // "-" keeps its sign with the operand: minus a negative still takes away.
  EXPECT_EQ(Entered({"10", "-(0-2)"}), (Lines{"10", "=10", "-(0-2)", "=8"}));
  // Nothing to carry on from: the operand itself, -5 for "-5".
  EXPECT_EQ(Entered({"-5"}), (Lines{"-5", "=-5"}));
  EXPECT_EQ(Entered({"*3"}), (Lines{"*3", "=3"}));
  // Leading blanks go before the operator is looked for.
  EXPECT_EQ(Entered({"2", "   +2"}), (Lines{"2", "=2", "+2", "=4"}));
}

TEST(CalcList, BadLinesAddNothing) {
  EXPECT_EQ(Entered({"6", "/0"}), (Lines{"6", "=6"}));
  EXPECT_EQ(Entered({"6", "*abc"}), (Lines{"6", "=6"}));
  EXPECT_EQ(Entered({"2+", "", "   ", "1/0"}), Lines{});
  EXPECT_EQ(Entered({"+"}), Lines{});  // an operator alone is no sum
}

TEST(CalcList, MeanOfTwoLimits) {
  EXPECT_EQ(Entered({"mn(1.0,1.002)"}), (Lines{"MN(1.0,1.002)", "=1.001"}));
  EXPECT_EQ(Entered({"MN(2*2, 6)"}), (Lines{"MN(2*2, 6)", "=5"}));
  EXPECT_EQ(Entered({"MN 1,2", "MN(1,2", "MN(1 2)", "MN(x,2)", "MN"}), Lines{});
}

TEST(CalcList, AnswersAfterTextLinesStartAgain) {
  CalcList list{{"2*3", "note"}};
  ASSERT_TRUE(EnterCalcLine(list, "+4"));
  EXPECT_EQ(list.lines.back(), "=4");
}

TEST(CalcList, RecallAndCopy) {
  EXPECT_EQ(RecalledCalcLine("=10"), "10");
  EXPECT_EQ(RecalledCalcLine("2*3"), "2*3");
  EXPECT_EQ(CopiedCalcLines({"2*3", "=6"}), "2*3\r\n=6\r\n");
}

}  // namespace
}  // namespace vormak
