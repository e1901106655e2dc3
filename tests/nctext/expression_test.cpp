#include "nctext/expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vormak {
namespace {

double Value(const std::string& text) {
  const EvalResult r = Evaluate(text);
  EXPECT_EQ(r.status, EvalStatus::kSucceeded) << text;
  return r.value;
}

void ExpectNumericError(const std::string& text) {
  const EvalResult r = Evaluate(text);
  EXPECT_EQ(r.status, EvalStatus::kNumericError) << text;
  EXPECT_EQ(r.value, 0) << text;
}

void ExpectFailed(const std::string& text) {
  const EvalResult r = Evaluate(text);
  EXPECT_EQ(r.status, EvalStatus::kFailed) << text;
  EXPECT_EQ(r.value, 0) << text;
}

TEST(Evaluate, PrecedenceAndAssociation) {
  EXPECT_DOUBLE_EQ(Value("1+2*3"), 7);
  EXPECT_DOUBLE_EQ(Value("10-2-3"), 5);
  EXPECT_DOUBLE_EQ(Value("8/2/2"), 2);
  EXPECT_DOUBLE_EQ(Value("2^3^2"), 512);  // right-associative
  EXPECT_DOUBLE_EQ(Value("2^-2"), 0.25);
  EXPECT_DOUBLE_EQ(Value("2*-3"), -6);
  EXPECT_DOUBLE_EQ(Value("2--3"), 5);
  EXPECT_DOUBLE_EQ(Value("-(1+2)*2"), -6);
  EXPECT_DOUBLE_EQ(Value(" ( 1 + 2 ) * 3 "), 9);
  EXPECT_DOUBLE_EQ(Value("2*3^2"), 18);
}

TEST(Evaluate, SignBindsToOnePrimaryBeforePower) {
  // (-2)^2: the base is not positive, so a numeric error and 0.
  ExpectNumericError("-2^2");
  EXPECT_DOUBLE_EQ(Value("-(2^2)"), -4);
  EXPECT_DOUBLE_EQ(Value("0-2^2"), -4);
}

TEST(Evaluate, SyntaxErrorsFail) {
  for (const char* text : {"", "(1+", "5X", "--1", "+1", "2---3", "1:2", ".", "1 2", "ABS 1", "ABS",
                           "1+)", "()", "1,5", "sin(30)", "#1", "[1]", "1)", "*2"}) {
    ExpectFailed(text);
  }
}

TEST(Evaluate, Numbers) {
  EXPECT_DOUBLE_EQ(Value(".5"), 0.5);
  EXPECT_DOUBLE_EQ(Value("1."), 1);
  EXPECT_DOUBLE_EQ(Value("1E2"), 100);
  EXPECT_DOUBLE_EQ(Value("1.5E+2"), 150);
  EXPECT_DOUBLE_EQ(Value("25E-2"), 0.25);
  EXPECT_DOUBLE_EQ(Value("-12.5"), -12.5);
  EXPECT_DOUBLE_EQ(Value("-.5"), -0.5);
  EXPECT_DOUBLE_EQ(Value("007"), 7);
  EXPECT_TRUE(std::signbit(Value("-0")));
  ExpectFailed("-");
  ExpectFailed("5-");
  ExpectNumericError("1.2.3");
  ExpectNumericError("1E");
  ExpectNumericError("1E+");
  ExpectFailed("1E1234");  // three exponent digits, then a second number
}

TEST(Evaluate, NumericRules) {
  ExpectNumericError("1/0");
  ExpectNumericError("0^2");
  ExpectNumericError("10^39");  // 39 ln 10 is beyond 88
  EXPECT_NEAR(Value("10^38"), 1e38, 1e25);
  ExpectNumericError("EXP(89)");
  EXPECT_NEAR(Value("EXP(1)"), 2.718281828459045, 1e-12);
  ExpectNumericError("LN(0)");
  ExpectNumericError("SQRT(-1)");
  EXPECT_DOUBLE_EQ(Value("SQRT(16)"), 4);
  EXPECT_DOUBLE_EQ(Value("SQR(3)"), 9);  // SQRT is matched before SQR
  ExpectNumericError("SQR(2E18)");
  ExpectNumericError("ROUND(2E9)");
  ExpectNumericError("TRUNC(-2E9)");
  ExpectNumericError("1E300*1E300");  // too large to hold
  // A numeric error anywhere makes the whole value 0.
  ExpectNumericError("5+1/0*2");
}

TEST(Evaluate, Functions) {
  EXPECT_DOUBLE_EQ(Value("ROUND(2.5)"), 2);
  EXPECT_DOUBLE_EQ(Value("ROUND(3.5)"), 4);
  EXPECT_DOUBLE_EQ(Value("ROUND(-2.5)"), -2);
  EXPECT_DOUBLE_EQ(Value("ROUND(2.51)"), 3);
  EXPECT_DOUBLE_EQ(Value("TRUNC(-1.7)"), -1);
  EXPECT_DOUBLE_EQ(Value("ATAN(1)"), 45);
  EXPECT_DOUBLE_EQ(Value("SIN(90)"), 1);
  EXPECT_NEAR(Value("COS(60)"), 0.5, 1e-12);
  EXPECT_DOUBLE_EQ(Value("ABS(-3)"), 3);
  EXPECT_NEAR(Value("LN(EXP(2))"), 2, 1e-12);
  EXPECT_DOUBLE_EQ(Value("-ABS(-3)"), -3);
}

TEST(Evaluate, FunctionsOfMacroControls) {
  EXPECT_NEAR(Value("TAN(45)"), 1, 1e-12);
  EXPECT_NEAR(Value("TAN(-30)"), -0.5773502691896258, 1e-12);
  EXPECT_NEAR(Value("ASIN(0.5)"), 30, 1e-9);
  EXPECT_NEAR(Value("ACOS(0.5)"), 60, 1e-9);
  EXPECT_NEAR(Value("ACOS(-1)"), 180, 1e-9);
  EXPECT_NEAR(Value("ASIN(SIN(20))"), 20, 1e-6);
  EXPECT_DOUBLE_EQ(Value("FIX(2.7)"), 2);
  EXPECT_DOUBLE_EQ(Value("FIX(-2.7)"), -2);
  EXPECT_DOUBLE_EQ(Value("FUP(2.2)"), 3);
  EXPECT_DOUBLE_EQ(Value("FUP(-2.2)"), -3);
  EXPECT_DOUBLE_EQ(Value("FUP(4)"), 4);  // no fraction, nothing to raise
  EXPECT_DOUBLE_EQ(Value("FIX(FUP(1.1)*2.5)"), 5);
  // ROUND keeps its half-to-even rule beside them.
  EXPECT_DOUBLE_EQ(Value("ROUND(2.5)+FUP(2.5)"), 5);
  ExpectNumericError("TAN(90)");
  ExpectNumericError("TAN(-270)");
  ExpectNumericError("ASIN(1.5)");
  ExpectNumericError("ACOS(-1.01)");
  ExpectNumericError("FUP(2E9)");
  ExpectNumericError("FIX(-2E9)");
  // A name no control knows is a syntax error, not a silent 0.
  for (const char* text : {"COT(1)", "FUPP(1)", "FIX 1", "TAN", "ATAN2(1)"}) ExpectFailed(text);
}

TEST(Evaluate, LongExpressionsAreReadWhole) {
  std::string sum;
  for (int i = 0; i < 60; ++i) sum += "1+";
  sum += "1";  // 121 characters
  EXPECT_DOUBLE_EQ(Value(sum), 61);
  // A fault far beyond the 79th character still fails the whole.
  ExpectFailed(std::string(90, ' ') + "+1");
  ExpectFailed(sum + "+");
  const std::string values = "(0.33333333333333331+0.33333333333333331+0.33333333333333331)*3000.";
  EXPECT_DOUBLE_EQ(Value(values + "+" + values), 6000);
}

TEST(Evaluate, TwentyEntryStack) {
  // 17 parentheses deep still fit the stack with their closing ")"; 18 do not.
  EXPECT_DOUBLE_EQ(Value(std::string(17, '(') + "1" + std::string(17, ')')), 1);
  ExpectFailed(std::string(18, '(') + "1" + std::string(18, ')'));
  // Each pending "^" holds two entries.
  EXPECT_DOUBLE_EQ(Value("1^1^1^1^1^1^1^1^1^1"), 1);
  ExpectFailed("1^1^1^1^1^1^1^1^1^1^1");
  // Left-associative chains are reduced as they go and never fill it.
  EXPECT_DOUBLE_EQ(Value("1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1"), 25);
}

TEST(EvaluateText, BlanksRemovedFirst) {
  EXPECT_DOUBLE_EQ(EvaluateText("1 0 + 2").value, 12);
  ExpectFailed("1 0");
}

}  // namespace
}  // namespace vormak
