#include "settings/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace vormak {

namespace {

std::string WithoutBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t') out.push_back(c);
  }
  return out;
}

}  // namespace

std::string PlainNumberText(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.4f", value);
  std::string text(buffer);
  if (text.size() > 15) text.resize(15);
  if (text.find('.') != std::string::npos) {
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.push_back('0');
  }
  if (!text.empty() && text[0] == '0') {
    text.erase(0, 1);
  } else if (text.compare(0, 2, "-0") == 0) {
    text.erase(1, 1);
  }
  return text;
}

std::string WholeNumberText(long long value) { return std::to_string(value); }

std::optional<double> ReadNumber(std::string_view text) {
  const std::string clean = WithoutBlanks(text);
  if (clean.empty()) return std::nullopt;
  const char* first = clean.data();
  const char* last = first + clean.size();
  if (*first == '+') ++first;  // from_chars takes no plus sign
  double value = 0;
  auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<long long> ReadWholeNumber(std::string_view text) {
  const std::string clean = WithoutBlanks(text);
  if (clean.empty()) return std::nullopt;
  const char* first = clean.data();
  const char* last = first + clean.size();
  if (*first == '+') ++first;
  long long value = 0;
  auto [end, error] = std::from_chars(first, last, value, 10);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

}  // namespace vormak
