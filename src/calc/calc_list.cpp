#include "calc/calc_list.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "calc/calc_number.h"
#include "nctext/expression.h"

namespace vormak {

namespace {

std::optional<double> Worked(std::string_view text) {
  const EvalResult r = EvaluateText(text);
  if (r.status != EvalStatus::kSucceeded || !std::isfinite(r.value)) return std::nullopt;
  return r.value;
}

void AddAnswer(CalcList& list, std::string_view input, double value) {
  list.lines.emplace_back(input);
  list.lines.push_back("=" + GeneralForm(value));
}

// MN(a,b): the mean of the two limits; anything else holding MN does not work out.
bool EnterMean(CalcList& list, std::string_view input) {
  const size_t open = input.find('(', input.find("MN"));
  const size_t comma = open == std::string_view::npos ? open : input.find(',', open);
  const size_t close = comma == std::string_view::npos ? comma : input.find(')', comma);
  if (close == std::string_view::npos) return false;
  const auto a = Worked(input.substr(open + 1, comma - open - 1));
  const auto b = Worked(input.substr(comma + 1, close - comma - 1));
  if (!a || !b) return false;
  AddAnswer(list, input, (*a + *b) / 2);
  return true;
}

// The answer the next operator carries on from: the last line when it is an answer.
double RunningValue(const CalcList& list) {
  if (list.lines.empty() || list.lines.back().empty() || list.lines.back()[0] != '=') return 0;
  return std::strtod(list.lines.back().c_str() + 1, nullptr);
}

bool EnterContinuation(CalcList& list, std::string_view input) {
  const char op = input[0];
  // "-5" subtracts five: the sign belongs to the operand.
  const auto operand = Worked(op == '-' ? input : input.substr(1));
  if (!operand || *operand == 0) return false;
  const double running = RunningValue(list);
  double value = *operand;
  if (running != 0) {
    switch (op) {
      case '*':
        value = running * *operand;
        break;
      case '+':
        value = running + *operand;
        break;
      case '-':
        value = running - std::fabs(*operand);
        break;
      default:
        value = running / *operand;
        break;
    }
  }
  if (!std::isfinite(value)) return false;
  AddAnswer(list, input, value);
  return true;
}

}  // namespace

bool EnterCalcLine(CalcList& list, std::string_view input) {
  std::string text(input);
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (text.find("MN") != std::string::npos) return EnterMean(list, text);
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  text.erase(0, first);
  if (text.size() >= 2 && std::string_view("*+-/").find(text[0]) != std::string_view::npos) {
    return EnterContinuation(list, text);
  }
  const auto value = Worked(text);
  if (!value) return false;
  AddAnswer(list, text, *value);
  return true;
}

std::string RecalledCalcLine(std::string_view line) {
  if (!line.empty() && line[0] == '=') line.remove_prefix(1);
  return std::string(line);
}

std::string CopiedCalcLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace vormak
