#include "settings/number_text.h"

#include <algorithm>
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
  if (!std::isfinite(value)) value = 0;
  // Four decimals as printf's "%.4f" writes them; to_chars does it without the stream
  // machinery, which counts when a utility writes millions of numbers.
  char digits[400];
  const auto written =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 4);
  std::string text(digits, written.ptr);
  // The 15-character field may shorten the decimals of a huge value, never its whole part.
  text.resize(std::min(text.size(), std::max<size_t>(15, text.find('.') + 2)));
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

std::string WholeNumberText(long long value) {
  return std::to_string(value);
}

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

std::optional<double> ReadNcNumber(std::string_view text) {
  size_t i = 0;
  std::string number;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') number.push_back('-');
    ++i;
  }
  bool digits = false;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
    number.push_back(c);
  }
  if (!digits) return std::nullopt;
  if (i < text.size() && text[i] == 'E') {
    number.push_back('e');
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number.push_back(text[i++]);
    int exponent_digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && exponent_digits < 3) {
      number.push_back(text[i++]);
      ++exponent_digits;
    }
    if (exponent_digits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  double value = 0;
  const char* first = number.data();
  const char* last = first + number.size();
  auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    // Too small to hold is zero; too large to hold is no number.
    if (number.find("e-") != std::string::npos) return 0.0;
    return std::nullopt;
  }
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
