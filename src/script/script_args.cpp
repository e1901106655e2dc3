#include "script/script_args.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "interp/macro_variables.h"
#include "nctext/expression.h"
#include "nctext/text_functions.h"
#include "settings/number_text.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr const char* kMessageCaption = "Vormak";

// The line with the blank that stands for the first comma made into one.
std::string WithArgumentComma(std::string_view line) {
  std::string text(line);
  const size_t blank = text.find(' ');
  const size_t comma = text.find(',');
  if (blank != std::string::npos && (comma == std::string::npos || blank < comma))
    text[blank] = ',';
  return text;
}

// Field n (from 1) between commas; "" when there is no such field.
std::string Field(std::string_view text, int n) {
  size_t from = 0;
  for (int i = 1; i < n; ++i) {
    const size_t comma = text.find(',', from);
    if (comma == std::string_view::npos) return {};
    from = comma + 1;
  }
  const size_t end = text.find(',', from);
  return std::string(text.substr(from, end == std::string_view::npos ? text.npos : end - from));
}

double ValueOf(std::string_view text) {
  const EvalResult result = Evaluate(text);
  return result.failed() ? 0 : result.value;
}

}  // namespace

std::string NormaliseScriptLine(std::string_view line) {
  const size_t blank = line.find(' ');
  const size_t comma = line.find(',');
  if (blank == std::string_view::npos || comma == std::string_view::npos) return UpperText(line);
  const size_t word_end = std::min(blank, comma);
  return UpperText(line.substr(0, word_end)) + std::string(line.substr(word_end));
}

std::string TextArg(int k, std::string_view line) {
  if (k < 1 || line.find_first_of(" ,") == std::string_view::npos) return {};
  return Field(WithArgumentComma(line), k + 1);
}

double NumberArg(const Workbench& bench, int k, std::string_view line) {
  if (k < 1 || line.find_first_of(" ,") == std::string_view::npos) return 0;
  std::string field = Field(WithArgumentComma(line), k + 1);
  if (field.find('#') != std::string::npos) field = SubstituteScriptVariables(bench, field);
  return ValueOf(field);
}

long long IntegerArg(const Workbench& bench, int k, std::string_view line) {
  if (k < 1 || k > 5) return 0;
  std::string text;
  for (char c : line) {
    const char d = c == ' ' ? ',' : c;
    if (d == ',' && !text.empty() && text.back() == ',') continue;
    text += d;
  }
  if (text.find(',') == std::string::npos) return 0;
  std::string field = Field(text, k + 1);
  if (field.empty()) return 0;
  if (k <= 3 && field.find('#') != std::string::npos) {
    field = SubstituteScriptVariables(bench, field);
  }
  const double value = ValueOf(field);
  if (!std::isfinite(value) || std::fabs(value) > 9e15) return 0;
  return static_cast<long long>(std::nearbyint(value));
}

double GetScriptVariable(const Workbench& bench, long long n) {
  return GetVariable(bench.macro_variables, ScriptVariableNumber(n));
}

void SetScriptVariable(Workbench& bench, long long n, double value) {
  if (n < 1) return;
  if (n >= kScriptVariableLimit) {
    bench.host().Information("Script Variable " + IntText(n) + " Out of Range", kMessageCaption);
    return;
  }
  SetVariable(bench.macro_variables, bench.macro_variables.level, ScriptVariableNumber(n), value);
}

std::string ScriptVariableText(const Workbench& bench, long long n) {
  return VariableText(bench.macro_variables, ScriptVariableNumber(n));
}

std::string SubstituteScriptVariables(const Workbench& bench, std::string_view text) {
  std::string out(text);
  size_t from = 0;
  for (;;) {
    const size_t hash = out.find('#', from);
    if (hash == std::string::npos) break;
    size_t end = hash + 1;
    while (end < out.size() &&
           (std::isdigit(static_cast<unsigned char>(out[end])) || out[end] == '.')) {
      ++end;
    }
    const double number = std::atof(out.substr(hash + 1, end - hash - 1).c_str());
    const long long n =
        std::fabs(number) < 1e9 ? static_cast<long long>(std::nearbyint(number)) : 0;
    const std::string value = ScriptVariableText(bench, n);
    out.replace(hash, end - hash, value);
    from = hash + value.size();
  }
  return out;
}

std::string EvaluateBrackets(Workbench& bench, std::string_view text) {
  const size_t open = text.find('[');
  if (open == std::string_view::npos) return std::string(text);
  size_t close = text.rfind(']');
  if (close == std::string_view::npos || close < open) close = text.size();
  std::string inside = SubstituteScriptVariables(bench, text.substr(open + 1, close - open - 1));
  if (inside.size() > 80) inside.resize(80);
  std::replace(inside.begin(), inside.end(), '[', '(');
  std::replace(inside.begin(), inside.end(), ']', ')');
  if (CountChar('(', inside) != CountChar(')', inside)) {
    bench.host().Information(kMismatchedBrackes, kMessageCaption);
  }
  std::string result = inside;
  size_t at = inside.find("<>");
  size_t width = 2;
  char op = '!';
  if (at == std::string::npos) {
    width = 1;
    for (char c : {'>', '<', '='}) {
      at = inside.find(c);
      if (at != std::string::npos) {
        op = c;
        break;
      }
    }
  }
  if (at != std::string::npos) {
    const EvalResult l = EvaluateText(inside.substr(0, at));
    const EvalResult r = EvaluateText(inside.substr(at + width));
    const double left = l.failed() ? 0 : l.value;
    const double right = r.failed() ? 0 : r.value;
    bool holds = false;
    switch (op) {
      case '>':
        holds = left > right;
        break;
      case '<':
        holds = left < right;
        break;
      case '=':
        holds = left == right;
        break;
      default:
        holds = left != right;
        break;
    }
    result = holds ? "1" : "0";
  }
  const EvalResult value = EvaluateText(result);
  const std::string out = PlainNumberText(value.failed() ? 0 : value.value);
  std::string whole(text);
  whole.replace(open, std::min(close + 1, whole.size()) - open, out);
  return whole;
}

long long WholeNumberOf(std::string_view text, long long fallback) {
  std::string t = StripBlanks(text);
  if (t.empty()) return fallback;
  char* end = nullptr;
  const long long n = std::strtoll(t.c_str(), &end, 10);
  return *end == 0 ? n : fallback;
}

}  // namespace vormak
