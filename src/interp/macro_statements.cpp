#include "interp/macro_statements.h"

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "interp/macro_variables.h"
#include "nctext/block_words.h"
#include "nctext/expression.h"
#include "nctext/text_functions.h"
#include "settings/number_text.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr size_t kVariableNumberLength = 10;
constexpr double kConditionTolerance = 0.000001;

struct MacroArgument {
  char letter;
  int variable;
  bool implied;
};
constexpr std::array<MacroArgument, 20> kMacroArguments{{
    {'A', 1, true},   {'B', 2, true},  {'C', 3, true},  {'I', 4, true},   {'J', 5, true},
    {'K', 6, true},   {'D', 7, false}, {'E', 8, true},  {'F', 9, true},   {'H', 11, true},
    {'M', 13, false}, {'Q', 17, true}, {'R', 18, true}, {'S', 19, false}, {'T', 20, false},
    {'U', 21, true},  {'W', 23, true}, {'X', 24, true}, {'Y', 25, true},  {'Z', 26, true},
}};

}  // namespace

char VariablePrefix(const Workbench& bench) {
  return bench.settings.var_prefix.empty() ? '#' : bench.settings.var_prefix.front();
}

void Assign(Workbench& bench, std::string_view statement) {
  std::string line = StripBlanks(statement);
  if (line.find(',') != std::string::npos) {
    const size_t open = line.find('[');
    if (open != std::string::npos) line.erase(open, 4);
  }
  const char prefix = VariablePrefix(bench);
  const size_t at = line.find(prefix);
  const size_t equals = line.find('=');
  long long number = 0;
  if (at != std::string::npos && equals != std::string::npos && equals > at) {
    const std::string digits =
        line.substr(at + 1, std::min(equals - at - 1, kVariableNumberLength));
    number = ReadWholeNumber(digits).value_or(0);
  }
  if (!line.empty() && line.back() == ']' && line.find('[') == std::string::npos) line.pop_back();
  if (equals == std::string::npos) return;
  const std::string right =
      SubstituteVariables(bench.macro_variables, prefix, std::string_view(line).substr(equals));
  const double value = AddressValue(bench, "=", right, false);
  SetVariable(bench.macro_variables, bench.macro_variables.level, number, value);
}

namespace {

bool IsDigitChar(char c) {
  return c >= '0' && c <= '9';
}

// The written signs and the operators of a ready statement.
ReadyPiece::Kind OperatorPiece(char c) {
  switch (c) {
    case '+':
      return ReadyPiece::kPlus;
    case '-':
      return ReadyPiece::kMinus;
    case '*':
      return ReadyPiece::kTimes;
    default:
      return ReadyPiece::kDivide;
  }
}

bool IsOperand(const ReadyPiece& piece) {
  return piece.kind == ReadyPiece::kNumber || piece.kind == ReadyPiece::kBadNumber ||
         piece.kind == ReadyPiece::kVariable;
}

// Longest statement taken the quick road: a sign and a number for every piece.
constexpr size_t kReadyTokens = 64;
constexpr size_t kMaxReadyVariableDigits = 9;
constexpr size_t kMaxTargetDigits = 10;

}  // namespace

ReadyAssignment ReadAssignment(const Workbench& bench, std::string_view statement) {
  ReadyAssignment ready;
  const std::string line = StripBlanks(statement);
  const char prefix = VariablePrefix(bench);
  // A prefix that is itself part of a number or an operator reads otherwise after substitution.
  if (IsDigitChar(prefix) || std::string_view(".+-*/=[](),^").find(prefix) != std::string::npos) {
    return ready;
  }
  if (line.find_first_of(",[]()") != std::string::npos) return ready;
  const size_t equals = line.find('=');
  if (line.empty() || line[0] != prefix || equals == std::string::npos || equals < 2 ||
      equals > kMaxTargetDigits + 1) {
    return ready;
  }
  long long target = 0;
  for (size_t i = 1; i < equals; ++i) {
    if (!IsDigitChar(line[i])) return ready;
    target = target * 10 + (line[i] - '0');
  }
  const std::string_view rhs = std::string_view(line).substr(equals + 1);
  // A first "+" is dropped before a number but fails before an expression: the general road.
  if (rhs.empty() || rhs[0] == '+') return ready;
  std::vector<ReadyPiece> pieces;
  for (size_t i = 0; i < rhs.size();) {
    const char c = rhs[i];
    size_t end = i + 1;
    if (IsDigitChar(c) || c == '.') {
      bool digit = false;
      for (end = i; end < rhs.size() && (IsDigitChar(rhs[end]) || rhs[end] == '.'); ++end) {
        digit = digit || IsDigitChar(rhs[end]);
      }
      // A lone point, or a number run on into a variable's value: the general road.
      if (!digit || (end < rhs.size() && rhs[end] == prefix)) return ready;
      const auto number = ReadNcNumber(rhs.substr(i, end - i));
      pieces.push_back(
          {number ? ReadyPiece::kNumber : ReadyPiece::kBadNumber, number.value_or(0), 0});
    } else if (c == prefix) {
      long long n = 0;
      for (; end < rhs.size() && IsDigitChar(rhs[end]); ++end) n = n * 10 + (rhs[end] - '0');
      const size_t digits = end - i - 1;
      if (digits == 0 || digits > kMaxReadyVariableDigits) return ready;
      if (end < rhs.size() && (rhs[end] == '.' || rhs[end] == prefix)) return ready;
      pieces.push_back({ReadyPiece::kVariable, 0, n});
    } else if (c == '+' || c == '-' || c == '*' || c == '/') {
      pieces.push_back({OperatorPiece(c), 0, 0});
    } else {
      return ready;
    }
    i = end;
  }
  if (pieces.size() * 2 > kReadyTokens) return ready;
  ready.usable = true;
  ready.target = target;
  ready.pieces = std::move(pieces);
  return ready;
}

bool AssignReady(Workbench& bench, const ReadyAssignment& ready) {
  static constexpr char kOperatorChars[] = {0, 0, '+', '-', '*', '/'};
  std::array<ArithmeticToken, kReadyTokens> tokens;
  size_t count = 0;
  const std::vector<ReadyPiece>& pieces = ready.pieces;
  for (size_t k = 0; k < pieces.size(); ++k) {
    const ReadyPiece& piece = pieces[k];
    switch (piece.kind) {
      case ReadyPiece::kNumber:
        tokens[count++] = {0, piece.value, false};
        break;
      case ReadyPiece::kBadNumber:
        tokens[count++] = {0, 0, true};
        break;
      case ReadyPiece::kVariable: {
        const double value = GetVariable(bench.macro_variables, piece.variable);
        if (!(value < 0)) {
          tokens[count++] = {0, value == 0 ? 0.0 : value, false};  // -0 is written "0."
          break;
        }
        // A negative value: a sign written just before it folds into its minus, as the text
        // substitution does (X+#4 gives, 1-#4 gives 1+1.25, [-#4] gives [1.25]).
        const bool signed_before = k > 0 && (pieces[k - 1].kind == ReadyPiece::kPlus ||
                                             pieces[k - 1].kind == ReadyPiece::kMinus);
        if (!signed_before) {
          tokens[count++] = {'-', 0, false};
        } else if (pieces[k - 1].kind == ReadyPiece::kPlus) {
          tokens[count - 1].op = '-';
        } else if (k >= 2 && IsOperand(pieces[k - 2])) {
          tokens[count - 1].op = '+';
        } else {
          --count;
        }
        tokens[count++] = {0, -value, false};
        break;
      }
      default:
        tokens[count++] = {kOperatorChars[piece.kind], 0, false};
    }
  }
  const EvalResult result = EvaluateTokens(tokens.data(), count);
  if (result.failed()) return false;
  SetVariable(bench.macro_variables, bench.macro_variables.level, ready.target, result.value);
  return true;
}

void LoadMacroArguments(Workbench& bench, int level, std::string_view block) {
  const std::string words = StripComment(block, CommentCharsOf(bench.settings));
  for (const auto& argument : kMacroArguments) {
    if (words.find(argument.letter) == std::string::npos) continue;
    const double value =
        AddressValue(bench, std::string(1, argument.letter), words, argument.implied);
    SetVariable(bench.macro_variables, level, argument.variable, value);
  }
}

bool Condition(const Workbench& bench, std::string_view text) {
  // Values go in whole: a cut after substitution could drop the right-hand number.
  std::string t = SubstituteVariables(bench.macro_variables, VariablePrefix(bench), text);
  if (const size_t open = t.find('['); open != std::string::npos) t.erase(open, 1);
  if (const size_t close = t.find(']'); close != std::string::npos) t.erase(close, 1);
  static constexpr std::array<std::string_view, 6> kOperators{"EQ", "NE", "GE", "GT", "LT", "LE"};
  for (const std::string_view op : kOperators) {
    if (t.find(op) == std::string::npos) continue;
    const size_t left_end = t.find(op[0]);
    const size_t right_start = t.find(op[1]) + 1;
    const double left = ReadNumber(t.substr(0, left_end)).value_or(0);
    const double right = ReadNumber(t.substr(right_start)).value_or(0);
    const double d = left - right;
    if (op == "EQ") return std::fabs(d) < kConditionTolerance;
    if (op == "NE") return std::fabs(d) > kConditionTolerance;
    if (op == "GE") return d >= -kConditionTolerance;
    if (op == "GT") return d > kConditionTolerance;
    if (op == "LT") return d < -kConditionTolerance;
    return d <= kConditionTolerance;
  }
  return false;
}

}  // namespace vormak
