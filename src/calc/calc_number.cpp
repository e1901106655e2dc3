#include "calc/calc_number.h"

#include <cmath>
#include <cstdio>

#include "nctext/expression.h"

namespace vormak {

namespace {

// An answer that overflowed or had no real value shows as 0 rather than "inf" or "nan".
double Shown(double value) {
  return std::isfinite(value) ? value : 0.0;
}

std::string Printed(const char* format, double value) {
  const int size = std::snprintf(nullptr, 0, format, value);
  std::string text(static_cast<size_t>(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, value);
  text.resize(static_cast<size_t>(size));
  return text;
}

}  // namespace

double ReadCalcField(std::string_view text) {
  const EvalResult r = EvaluateText(text);
  return r.status == EvalStatus::kSucceeded && std::isfinite(r.value) ? r.value : 0.0;
}

std::string FixedForm(double value) {
  return Printed("%8.4f", Shown(value));
}

std::string ShortForm(double value) {
  std::string text = Printed("%.4f", Shown(value));
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.push_back('0');
  if (text.compare(0, 2, "0.") == 0) {
    text.erase(0, 1);
  } else if (text.compare(0, 3, "-0.") == 0) {
    text.erase(1, 1);
  }
  if (text == "-.0") text = ".0";  // a tiny negative rounds to nothing, not to minus nothing
  return text;
}

std::string GeneralForm(double value) {
  std::string text = Printed("%.10G", Shown(value));
  // Two exponent digits at least, no leading zeros beyond: 1E+15, 1E-07 → 1E-7.
  const size_t e = text.find('E');
  if (e != std::string::npos) {
    size_t digits = e + 2;
    while (digits + 1 < text.size() && text[digits] == '0') text.erase(digits, 1);
    if (text[e + 1] == '+') text.erase(e + 1, 1);
  }
  return text;
}

}  // namespace vormak
