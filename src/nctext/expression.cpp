#include "nctext/expression.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "settings/number_text.h"

namespace vormak {

namespace {

enum class Token {
  kNum,
  kFunc,
  kPlus,
  kMinus,
  kTimes,
  kDivide,
  kExpo,
  kOParen,
  kCParen,
  kColon,
  kEol,
  kBad
};

enum class Function {
  kAbs,
  kAcos,
  kAsin,
  kAtan,
  kCos,
  kExp,
  kFix,
  kFup,
  kLn,
  kRound,
  kSin,
  kSqrt,
  kSqr,
  kTan,
  kTrunc
};

// Matched at the current position in this order, so SQRT is found before SQR.
struct FunctionName {
  std::string_view name;
  Function function;
};
constexpr std::array<FunctionName, 15> kFunctions{{{"ABS", Function::kAbs},
                                                   {"ACOS", Function::kAcos},
                                                   {"ASIN", Function::kAsin},
                                                   {"ATAN", Function::kAtan},
                                                   {"COS", Function::kCos},
                                                   {"EXP", Function::kExp},
                                                   {"FIX", Function::kFix},
                                                   {"FUP", Function::kFup},
                                                   {"LN", Function::kLn},
                                                   {"ROUND", Function::kRound},
                                                   {"SIN", Function::kSin},
                                                   {"SQRT", Function::kSqrt},
                                                   {"SQR", Function::kSqr},
                                                   {"TAN", Function::kTan},
                                                   {"TRUNC", Function::kTrunc}}};

constexpr double kDegreesPerRadian = 57.2957795131;
constexpr double kExpLimit = 88;
constexpr double kWholeLimit = 1e9;
constexpr double kSquareLimit = 1e18;
constexpr int kMaxExponentDigits = 3;
// Below this the cosine of an angle is taken as 0: TAN[90] has no value.
constexpr double kTangentPole = 1e-9;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

class Tokenizer {
 public:
  explicit Tokenizer(std::string_view text) : text_(text) {}
  Tokenizer(const ArithmeticToken* tokens, size_t count) : ready_(tokens), ready_count_(count) {}

  // Reads the next token; a number that is no valid number sets `numeric_error`.
  Token Next(double& value, Function& function, bool& numeric_error) {
    if (ready_) return NextReady(value, numeric_error);
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    if (pos_ >= text_.size()) return Token::kEol;
    const char c = text_[pos_];
    if (IsDigit(c) || c == '.') return Number(value, numeric_error);
    if (c >= 'A' && c <= 'Z') {
      for (const auto& f : kFunctions) {
        if (text_.substr(pos_, f.name.size()) == f.name) {
          pos_ += f.name.size();
          function = f.function;
          return Token::kFunc;
        }
      }
      return Token::kBad;
    }
    ++pos_;
    switch (c) {
      case '+':
        return Token::kPlus;
      case '-':
        return Token::kMinus;
      case '*':
        return Token::kTimes;
      case '/':
        return Token::kDivide;
      case '^':
        return Token::kExpo;
      case '(':
        return Token::kOParen;
      case ')':
        return Token::kCParen;
      case ':':
        return Token::kColon;
      default:
        return Token::kBad;
    }
  }

 private:
  Token NextReady(double& value, bool& numeric_error) {
    if (pos_ >= ready_count_) return Token::kEol;
    const ArithmeticToken& t = ready_[pos_++];
    switch (t.op) {
      case 0:
        value = t.value;
        if (t.bad) numeric_error = true;
        return Token::kNum;
      case '+':
        return Token::kPlus;
      case '-':
        return Token::kMinus;
      case '*':
        return Token::kTimes;
      case '/':
        return Token::kDivide;
      default:
        return Token::kBad;
    }
  }

  Token Number(double& value, bool& numeric_error) {
    const size_t start = pos_;
    bool any_digit = false;
    while (pos_ < text_.size() && (IsDigit(text_[pos_]) || text_[pos_] == '.')) {
      any_digit = any_digit || IsDigit(text_[pos_]);
      ++pos_;
    }
    if (!any_digit) return Token::kBad;  // a lone "."
    if (pos_ < text_.size() && text_[pos_] == 'E') {
      ++pos_;
      if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
      for (int n = 0; n < kMaxExponentDigits && pos_ < text_.size() && IsDigit(text_[pos_]); ++n) {
        ++pos_;
      }
    }
    const auto number = ReadNcNumber(text_.substr(start, pos_ - start));
    value = number.value_or(0);
    if (!number) numeric_error = true;
    return Token::kNum;
  }

  std::string_view text_;
  const ArithmeticToken* ready_ = nullptr;
  size_t ready_count_ = 0;
  size_t pos_ = 0;
};

double RoundHalfEven(double x) {
  const double low = std::floor(x);
  const double diff = x - low;
  if (diff > 0.5) return low + 1;
  if (diff < 0.5) return low;
  return std::fmod(low, 2.0) == 0 ? low : low + 1;
}

// The value of a function, or false on a numeric error.
bool ApplyFunction(Function f, double x, double& result) {
  switch (f) {
    case Function::kAbs:
      result = std::fabs(x);
      return true;
    case Function::kAtan:
      result = std::atan(x) * 180.0 / std::numbers::pi;
      return true;
    case Function::kCos:
      result = std::cos(x / kDegreesPerRadian);
      return true;
    case Function::kSin:
      result = std::sin(x / kDegreesPerRadian);
      return true;
    case Function::kTan: {
      const double c = std::cos(x / kDegreesPerRadian);
      if (std::fabs(c) < kTangentPole) return false;
      result = std::sin(x / kDegreesPerRadian) / c;
      return true;
    }
    case Function::kAsin:
      if (x < -1 || x > 1) return false;
      result = std::asin(x) * 180.0 / std::numbers::pi;
      return true;
    case Function::kAcos:
      if (x < -1 || x > 1) return false;
      result = std::acos(x) * 180.0 / std::numbers::pi;
      return true;
    case Function::kExp:
      if (x < -kExpLimit || x > kExpLimit) return false;
      result = std::exp(x);
      return true;
    case Function::kLn:
      if (x <= 0) return false;
      result = std::log(x);
      return true;
    case Function::kRound:
      if (x < -kWholeLimit || x > kWholeLimit) return false;
      result = RoundHalfEven(x);
      return true;
    case Function::kTrunc:
    case Function::kFix:
      if (x < -kWholeLimit || x > kWholeLimit) return false;
      result = std::trunc(x);
      return true;
    case Function::kFup:  // any fraction raises the value away from zero
      if (x < -kWholeLimit || x > kWholeLimit) return false;
      result = x < 0 ? std::floor(x) : std::ceil(x);
      return true;
    case Function::kSqrt:
      if (x < 0) return false;
      result = std::sqrt(x);
      return true;
    case Function::kSqr:
      if (x < -kSquareLimit || x > kSquareLimit) return false;
      result = x * x;
      return true;
  }
  return false;
}

// A shift-reduce parser over the grammar
//   E -> E + T | E - T | T        T -> T * F | T / F | F
//   F -> S ^ F | S                S -> - P | P
//   P -> number | ( E ) | function ( E )
// with a stack of at most kParseStackSize entries, the bottom one included.
class Parser {
 public:
  explicit Parser(std::string_view text) : tokens_(text) {}
  Parser(const ArithmeticToken* tokens, size_t count) : tokens_(tokens, count) {}

  EvalResult Run() {
    Push(0, 0, Function::kAbs);
    Advance();
    while (!error_) {
      if (Step()) break;
    }
    if (error_) return {0, EvalStatus::kFailed};
    if (numeric_error_) return {0, EvalStatus::kNumericError};
    return {stack_[size_ - 1].value, EvalStatus::kSucceeded};
  }

 private:
  struct Entry {
    int state = 0;
    double value = 0;
    Function function = Function::kAbs;
  };
  enum class Symbol { kE, kT, kF, kS, kP };

  void Advance() { token_ = tokens_.Next(token_value_, token_function_, numeric_error_); }

  void Push(int state, double value, Function function) {
    if (size_ == kParseStackSize) {
      error_ = true;
      return;
    }
    stack_[size_++] = {state, value, function};
  }

  void Shift(int state) {
    Push(state, token_value_, token_function_);
    Advance();
  }

  Entry Pop() { return stack_[--size_]; }

  static int Goto(Symbol symbol, int state) {
    switch (symbol) {
      case Symbol::kE:
        return state == 9 ? 19 : state == 20 ? 28 : 1;
      case Symbol::kT:
        return state == 12 ? 21 : state == 13 ? 22 : 2;
      case Symbol::kF:
        return state == 14 ? 23 : state == 15 ? 24 : state == 16 ? 25 : 3;
      case Symbol::kS:
        return 4;
      case Symbol::kP:
        return state == 5 ? 17 : 6;
    }
    return 0;
  }

  void Reduce(Symbol symbol, double value) {
    if (!std::isfinite(value)) {
      numeric_error_ = true;
      value = 0;
    }
    Push(Goto(symbol, stack_[size_ - 1].state), value, Function::kAbs);
  }

  // Reduces `lhs op rhs` for + - * / ^.
  void ReduceBinary(Symbol symbol, Token op) {
    const double b = Pop().value;
    Pop();
    const double a = Pop().value;
    double r = 0;
    switch (op) {
      case Token::kPlus:
        r = a + b;
        break;
      case Token::kMinus:
        r = a - b;
        break;
      case Token::kTimes:
        r = a * b;
        break;
      case Token::kDivide:
        if (b == 0) {
          numeric_error_ = true;
        } else {
          r = a / b;
        }
        break;
      default: {  // power
        const double exponent = a > 0 ? b * std::log(a) : 0;
        if (a <= 0 || exponent < -kExpLimit || exponent > kExpLimit) {
          numeric_error_ = true;
        } else {
          r = std::exp(exponent);
        }
      }
    }
    Reduce(symbol, r);
  }

  void ReduceUnit(Symbol symbol) { Reduce(symbol, Pop().value); }

  bool Operand() {
    switch (token_) {
      case Token::kNum:
        Shift(10);
        break;
      case Token::kFunc:
        Shift(11);
        break;
      case Token::kMinus:
        Shift(5);
        break;
      case Token::kOParen:
        Shift(9);
        break;
      default:
        error_ = true;
    }
    return false;
  }

  bool AddOrClose(int close_state) {
    if (token_ == Token::kPlus) {
      Shift(12);
    } else if (token_ == Token::kMinus) {
      Shift(13);
    } else if (close_state != 0 && token_ == Token::kCParen) {
      Shift(close_state);
    } else {
      error_ = true;
    }
    return false;
  }

  bool MultiplyOr(Token reduce_op) {
    if (token_ == Token::kTimes) {
      Shift(14);
    } else if (token_ == Token::kDivide) {
      Shift(15);
    } else if (reduce_op == Token::kEol) {
      ReduceUnit(Symbol::kE);
    } else {
      ReduceBinary(Symbol::kE, reduce_op);
    }
    return false;
  }

  // One action of the parser; true when the text is accepted.
  bool Step() {
    switch (stack_[size_ - 1].state) {
      case 0:
      case 9:
      case 12:
      case 13:
      case 14:
      case 15:
      case 16:
      case 20:
        return Operand();
      case 1:
        if (token_ == Token::kEol) return true;
        return AddOrClose(0);
      case 2:
        return MultiplyOr(Token::kEol);
      case 3:
        ReduceUnit(Symbol::kT);
        return false;
      case 4:
        if (token_ == Token::kExpo) {
          Shift(16);
        } else {
          ReduceUnit(Symbol::kF);
        }
        return false;
      case 5:
        if (token_ == Token::kMinus) {
          error_ = true;  // two signs in a row
          return false;
        }
        return Operand();
      case 6:
        ReduceUnit(Symbol::kS);
        return false;
      case 10:
        ReduceUnit(Symbol::kP);
        return false;
      case 11:
        if (token_ == Token::kOParen) {
          Shift(20);
        } else {
          error_ = true;
        }
        return false;
      case 17: {
        const double v = Pop().value;
        Pop();
        Reduce(Symbol::kS, -v);
        return false;
      }
      case 19:
        return AddOrClose(27);
      case 21:
        return MultiplyOr(Token::kPlus);
      case 22:
        return MultiplyOr(Token::kMinus);
      case 23:
        ReduceBinary(Symbol::kT, Token::kTimes);
        return false;
      case 24:
        ReduceBinary(Symbol::kT, Token::kDivide);
        return false;
      case 25:
        ReduceBinary(Symbol::kF, Token::kExpo);
        return false;
      case 27: {
        Pop();
        const double v = Pop().value;
        Pop();
        Reduce(Symbol::kP, v);
        return false;
      }
      case 28:
        return AddOrClose(29);
      case 29: {
        Pop();
        const double x = Pop().value;
        Pop();
        const Function f = Pop().function;
        double r = 0;
        if (!ApplyFunction(f, x, r)) numeric_error_ = true;
        Reduce(Symbol::kP, r);
        return false;
      }
      default:
        error_ = true;
        return false;
    }
  }

  Tokenizer tokens_;
  std::array<Entry, kParseStackSize> stack_{};
  int size_ = 0;
  Token token_ = Token::kEol;
  double token_value_ = 0;
  Function token_function_ = Function::kAbs;
  bool error_ = false;
  bool numeric_error_ = false;
};

}  // namespace

namespace {

// A signed decimal number and nothing else: what most words of a program hold.
bool IsPlainNumber(std::string_view text) {
  size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
  bool digit = false;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      digit = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

}  // namespace

EvalResult Evaluate(std::string_view text) {
  // Plain numbers are read without the parser: a million-block program holds millions.
  if (IsPlainNumber(text)) {
    if (const auto number = ReadNcNumber(text)) return {*number, EvalStatus::kSucceeded};
  }
  return Parser(text).Run();
}

EvalResult EvaluateTokens(const ArithmeticToken* tokens, std::size_t count) {
  return Parser(tokens, count).Run();
}

EvalResult EvaluateText(std::string_view text) {
  std::string clean;
  clean.reserve(text.size());
  for (char c : text) {
    if (c != ' ') clean.push_back(c);
  }
  return Evaluate(clean);
}

}  // namespace vormak
