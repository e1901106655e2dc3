#pragma once
// The one evaluator every numeric value of NC text goes through: numbers, + - * / ^,
// parentheses and the functions ABS, ACOS, ASIN, ATAN, COS, EXP, FIX, FUP, LN, ROUND, SIN,
// SQRT, SQR, TAN, TRUNC (angles in degrees). Variables are substituted before; a text of
// any length is read whole.

#include <cstddef>
#include <string_view>

namespace vormak {

enum class EvalStatus {
  kSucceeded,     // value holds the result
  kNumericError,  // the text was a sound expression but its arithmetic was not: value 0
  kFailed,        // syntax error: value 0
};

struct EvalResult {
  double value = 0;
  EvalStatus status = EvalStatus::kFailed;
  bool failed() const { return status == EvalStatus::kFailed; }
};

// The deepest parse the evaluator takes.
inline constexpr int kParseStackSize = 20;

EvalResult Evaluate(std::string_view text);

// A token of plain arithmetic read beforehand, for a statement evaluated over and over: a
// number (`op` 0; `bad` for a number text the reader refuses) or one of + - * /.
struct ArithmeticToken {
  char op = 0;
  double value = 0;
  bool bad = false;
};
// The same result Evaluate gives for the text these tokens were read from.
EvalResult EvaluateTokens(const ArithmeticToken* tokens, std::size_t count);
// Blanks removed first, then Evaluate.
EvalResult EvaluateText(std::string_view text);

}  // namespace vormak
