#include "settings/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
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

constexpr std::uint64_t kPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000};

// `units` decimal units of 10^-decimals written with their sign.
char* WriteUnits(bool negative, std::uint64_t units, int decimals, char* out, char* out_end) {
  const std::uint64_t whole = units / kPowers[decimals];
  std::uint64_t part = units % kPowers[decimals];
  if (negative) *out++ = '-';
  out = std::to_chars(out, out_end, whole).ptr;
  if (decimals > 0) {
    *out++ = '.';
    for (int d = decimals - 1; d >= 0; --d) {
      out[d] = static_cast<char>('0' + part % 10);
      part /= 10;
    }
    out += decimals;
  }
  return out;
}

}  // namespace

char* WriteFixed(double value, int decimals, char* out, char* out_end) {
  const double magnitude = std::fabs(value);
  if (decimals >= 0 && decimals <= 6 && magnitude < 1e9 && out_end - out >= 40) {
    // Most values are nowhere near a half unit: the product rounded to a whole number of
    // units is printf's number when the exact remainder (one rounding, in fma) is clearly
    // less than a half.
    const auto scale = static_cast<double>(kPowers[decimals]);
    const auto units = static_cast<std::uint64_t>(magnitude * scale + 0.5);
    if (std::fabs(std::fma(magnitude, scale, -static_cast<double>(units))) < 0.4999) {
      return WriteUnits(std::signbit(value), units, decimals, out, out_end);
    }
  }
  // Values a part program holds (under a million million, not vanishingly small) are rounded
  // here in whole numbers: the double is mantissa / 2^shift exactly, so mantissa * 10^decimals
  // / 2^shift rounded half to even is the printed number of decimal units, as printf rounds
  // it. Utilities write millions of numbers; the general writer costs several times more.
  if (decimals >= 0 && decimals <= 6 && magnitude < 1e12 && out_end - out >= 40) {
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int shift = 53 - exponent;
    if (shift > 0 && shift <= 120) {
      using Wide = unsigned __int128;
      const Wide scaled = static_cast<Wide>(mantissa) * kPowers[decimals];
      Wide units = scaled >> shift;
      const Wide rest = scaled - (units << shift);
      const Wide half = static_cast<Wide>(1) << (shift - 1);
      if (rest > half || (rest == half && (units & 1) != 0)) ++units;
      // Under 10^18.
      return WriteUnits(std::signbit(value), static_cast<std::uint64_t>(units), decimals, out,
                        out_end);
    }
  }
  return std::to_chars(out, out_end, value, std::chars_format::fixed, decimals).ptr;
}

void AppendPlainNumber(std::string& text, double value) {
  if (!std::isfinite(value)) value = 0;
  // Four decimals as printf's "%.4f" writes them; to_chars does it without the stream
  // machinery, and the trimming works on the digits in place: utilities write millions.
  char digits[400];
  const char* first = digits;
  const char* last = WriteFixed(value, 4, digits, digits + sizeof digits);
  // The 15-character field may shorten the decimals of a huge value, never its whole part and
  // never below one. What is kept is rounded, not cut: a number read back from the text then
  // writes the same text again, so a drawing saved twice says the same both times.
  const auto length = static_cast<int>(last - first);
  if (length > 15) {
    last = WriteFixed(value, std::max(1, 4 - (length - 15)), digits, digits + sizeof digits);
  }
  while (last[-1] == '0') --last;
  const bool bare_point = last[-1] == '.';
  const bool negative = *first == '-';
  if (negative) ++first;
  if (*first == '0') ++first;  // ".5", "-.5": no zero before the point
  if (negative) text.push_back('-');
  if (first < last) text.append(first, last);
  if (bare_point) text.push_back('0');
}

std::string PlainNumberText(double value) {
  std::string text;
  AppendPlainNumber(text, value);
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
