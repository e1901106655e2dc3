#include "interp/macro_variables.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace vormak {

namespace {

constexpr size_t kVariableTextLength = 10;
// Below this every whole double is exact as a long long: 2^53.
constexpr double kExactWholeLimit = 9007199254740992.0;
// More digits than this cannot name a variable; reading stops so the number cannot overflow.
constexpr int kMaxNumberDigits = 12;

double* Slot(MacroVariables& vars, int level, long long n) {
  if (n >= 1 && n <= kLocalCount) {
    if (level < 0 || level >= kMacroLevels) return nullptr;
    return &vars.locals[static_cast<size_t>(level)][static_cast<size_t>(n - 1)];
  }
  if (n >= kFirstCommon && n <= kLastCommon)
    return &vars.commons[static_cast<size_t>(n - kFirstCommon)];
  if (n >= kFirstPermanent && n <= kLastPermanent) {
    return &vars.permanents[static_cast<size_t>(n - kFirstPermanent)];
  }
  return nullptr;
}

}  // namespace

bool IsVariableNumber(long long n) {
  return (n >= 1 && n <= kLocalCount) || (n >= kFirstCommon && n <= kLastCommon) ||
         (n >= kFirstPermanent && n <= kLastPermanent);
}

double GetVariable(const MacroVariables& vars, long long n) {
  const double* slot = Slot(const_cast<MacroVariables&>(vars), vars.level, n);
  return slot ? *slot : 0.0;
}

void SetVariable(MacroVariables& vars, int level, long long n, double value) {
  if (double* slot = Slot(vars, level, n)) *slot = value;
}

void ClearLocals(MacroVariables& vars) {
  for (auto& set : vars.locals) set.fill(0);
  vars.level = 0;
}

long long ScriptVariableNumber(long long script_number) {
  if (script_number >= 1 && script_number <= 99) return script_number + 99;
  if (script_number >= 100 && script_number <= 199) return script_number + 500;
  return 0;
}

std::string VariableText(const MacroVariables& vars, long long n) {
  if (!IsVariableNumber(n)) return "0";
  // %.4f of the largest double needs 309 digits, a sign, a point and four decimals.
  char buffer[330];
  const int size = std::snprintf(buffer, sizeof buffer, "%.4f", GetVariable(vars, n));
  const size_t length = size < 0 ? 0 : std::min(static_cast<size_t>(size), sizeof buffer - 1);
  const std::string_view text(buffer, length);
  // The ten-character cut drops decimals of a large value; it must not drop whole digits,
  // which would make #1 = 12345678901 read as 1234567890.
  const size_t dot = text.find('.');
  return std::string(text.substr(0, std::max(kVariableTextLength, dot)));
}

std::string ExactVariableText(const MacroVariables& vars, long long n) {
  const double value = GetVariable(vars, n);
  if (value == 0) return "0.";  // -0 too: a sign on nothing would only confuse a reader
  // A whole value (a loop counter, a count) is its digits and a point: the same text as the
  // shortest form below, found without the search for the shortest digits.
  if (std::fabs(value) < kExactWholeLimit && std::trunc(value) == value) {
    char digits[24];
    const auto whole =
        std::to_chars(digits, digits + sizeof digits - 1, static_cast<long long>(value));
    *whole.ptr = '.';
    return std::string(digits, whole.ptr + 1);
  }
  // The shortest fixed text of the largest double has 309 digits.
  char buffer[340];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  std::string text(buffer, result.ec == std::errc() ? result.ptr : buffer);
  if (text.find('.') == std::string::npos) text.push_back('.');
  return text;
}

namespace {

bool IsOperandEnd(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == ')' || c == ']';
}

// A negative value after a written sign: the two make one sign. `before_sign` is the text in
// front of the written sign, `magnitude` the value without its "-". Returns the text that
// replaces the written sign, the prefix and the digits.
std::string FoldSign(std::string_view before_sign, char sign, const std::string& magnitude) {
  if (sign == '+') return "-" + magnitude;
  // A minus after an operand subtracts; anywhere else it negates.
  size_t i = before_sign.size();
  while (i > 0 && before_sign[i - 1] == ' ') --i;
  const bool subtracts = i > 0 && IsOperandEnd(before_sign[i - 1]);
  return subtracts ? "+" + magnitude : magnitude;
}

}  // namespace

std::string SubstituteVariables(const MacroVariables& vars, char prefix, std::string_view text) {
  std::string out(text);
  size_t from = 0;
  while (true) {
    const size_t at = out.find(prefix, from);
    if (at == std::string::npos) break;
    size_t end = at + 1;
    long long n = 0;
    int digits = 0;
    while (end < out.size() && out[end] >= '0' && out[end] <= '9') {
      if (digits < kMaxNumberDigits) n = n * 10 + (out[end] - '0');
      if (n > 0) ++digits;  // leading zeros do not make the number larger
      ++end;
    }
    if (digits > kMaxNumberDigits) n = 0;
    std::string value = ExactVariableText(vars, n);
    size_t replaced_from = at;
    if (value.front() == '-') {
      size_t sign = at;
      while (sign > 0 && out[sign - 1] == ' ') --sign;
      if (sign > 0 && (out[sign - 1] == '-' || out[sign - 1] == '+') && prefix != '-' &&
          prefix != '+') {
        replaced_from = sign - 1;
        value = FoldSign(std::string_view(out).substr(0, replaced_from), out[replaced_from],
                         value.substr(1));
      }
    }
    // Scanning goes on after the inserted value, so a prefix that is itself a digit, a sign
    // or a point cannot make the replacement feed on its own output.
    out.replace(replaced_from, end - replaced_from, value);
    from = replaced_from + value.size();
  }
  return out;
}

}  // namespace vormak
