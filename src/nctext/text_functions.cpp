#include "nctext/text_functions.h"

#include <cmath>

#include "nctext/expression.h"
#include "settings/number_text.h"

namespace vormak {

namespace {

std::string Field(int n, std::string_view text, int max_fields) {
  if (n < 1 || n > max_fields || text.find(',') == std::string_view::npos) return {};
  size_t start = 0;
  for (int field = 1; field < n; ++field) {
    const size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) return {};
    start = comma + 1;
  }
  const size_t comma = text.find(',', start);
  return std::string(text.substr(start, comma == std::string_view::npos ? comma : comma - start));
}

}  // namespace

std::string StripBlanks(std::string_view text) {
  std::string out;
  StripBlanksInto(text, out);
  return out;
}

void StripBlanksInto(std::string_view text, std::string& into) {
  into.resize(text.size());
  size_t size = 0;
  for (const char c : text) {
    into[size] = c;
    size += c != ' ' ? 1 : 0;
  }
  into.resize(size);
}

std::string UpperText(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

int CountChar(char c, std::string_view text) {
  int n = 0;
  for (char t : text) n += t == c ? 1 : 0;
  return n;
}

std::string IntText(long long n) {
  return WholeNumberText(n);
}

long long IntegerOfText(std::string_view text) {
  const EvalResult r = EvaluateText(text);
  if (r.failed() || !std::isfinite(r.value)) return 0;
  // Beyond what a whole number holds the value is out of any count or number it can mean.
  if (std::fabs(r.value) >= 9.2e18) return 0;
  return std::llround(r.value);
}

std::string CommaField(int n, std::string_view text) {
  return Field(n, text, 35);
}

std::string ShortCommaField(int n, std::string_view text) {
  std::string field = Field(n, text, 10);
  if (field.size() > 100) field.resize(100);
  return field;
}

}  // namespace vormak
