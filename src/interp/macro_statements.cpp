#include "interp/macro_statements.h"

#include <array>
#include <cmath>
#include <string>

#include "interp/macro_variables.h"
#include "nctext/block_words.h"
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
