#include "settings/word_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

#include "settings/number_text.h"

namespace vormak {

namespace {

constexpr size_t kStoredLength = 80;
constexpr size_t kFieldLength = 20;

void CountDigits(std::string_view pattern, int& integer_digits, int& decimal_digits) {
  const size_t dot = pattern.find('.');
  if (dot == std::string_view::npos) {
    integer_digits = static_cast<int>(pattern.size());
    decimal_digits = 0;
  } else {
    integer_digits = static_cast<int>(dot);
    decimal_digits = static_cast<int>(pattern.size() - dot - 1);
  }
}

// One flag field off the rest of a stored format: up to the next comma; without a comma
// the first character, and the same text stays for the next field.
std::string NextFlagField(std::string_view& rest, const char* missing) {
  if (rest.empty()) return missing;
  const size_t comma = rest.find(',');
  if (comma == std::string_view::npos) return std::string(rest.substr(0, 1));
  std::string field(rest.substr(0, std::min(comma, kFieldLength)));
  rest.remove_prefix(comma + 1);
  return field;
}

bool IsDigitChar(char c) {
  return c >= '0' && c <= '9';
}

int DecimalsIn(const std::string& text) {
  const size_t dot = text.find('.');
  return dot == std::string::npos ? 0 : static_cast<int>(text.size() - dot - 1);
}

void StripTrailingZeros(std::string& text) {
  size_t size = text.size();
  while (size > 0 && text[size - 1] == '0') --size;
  text.resize(size);
}

// 10 to the power -decimals, the same double std::pow gives, without computing it each time.
double DecimalUnit(int decimals) {
  static const auto units = [] {
    std::array<double, 24> table{};
    for (size_t d = 0; d < table.size(); ++d) table[d] = std::pow(10.0, -static_cast<double>(d));
    return table;
  }();
  const auto d = static_cast<size_t>(decimals);
  return d < units.size() ? units[d] : std::pow(10.0, -decimals);
}

// Step 2 of the writer: the magnitude with five decimals, bare of needless zeros.
std::string MagnitudeText(double magnitude) {
  char digits[400];
  const char* first = digits;
  const char* last = WriteFixed(magnitude, 5, digits, digits + sizeof digits);
  // Five decimals always follow the point. A magnitude too large for the 20-character field
  // keeps every integer digit.
  const auto dot = static_cast<size_t>(last - first) - 6;
  last = first + std::min(static_cast<size_t>(last - first), std::max(kFieldLength, dot + 1));
  while (last > first && last[-1] == '0') --last;
  const bool bare_point = last > first && last[-1] == '.';
  if (*first == '0') ++first;
  if (bare_point && last - first == 1) return "0.0";
  std::string text;
  text.reserve(static_cast<size_t>(last - first) + 8);
  text.assign(first, last);
  if (bare_point) text.push_back('0');
  return text;
}

// The number a cut value text stands for; 0 when it is none (a bare ".").
double CutValue(const char* first, const char* last) {
  double value = 0;
  const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error != std::errc() || end != last || !std::isfinite(value)) return 0;
  return value;
}

// Step 5: more decimals than the format keeps. The cut part decides: above half a unit of
// the last kept decimal rounds up, exactly half does not.
std::string RoundToDecimals(const std::string& text, double magnitude, int decimals) {
  const size_t dot = text.find('.');
  const size_t cut = std::min(text.size(), dot + 1 + static_cast<size_t>(decimals));
  double kept = CutValue(text.data(), text.data() + cut);
  const double unit = DecimalUnit(decimals);
  const double rest = magnitude - kept;
  // The text was written with five decimals, so a remainder within a rounding hair of the
  // half is the half itself.
  if (rest - 0.5 * unit > 1e-9 * unit) kept += unit;
  char digits[400];
  const char* first = digits;
  const char* last = WriteFixed(kept, 5, digits, digits + sizeof digits);
  last = std::min(last, first + (last - first - 6) + 1 + decimals);
  if (magnitude < 1 && magnitude != 0 && *first == '0') ++first;
  return std::string(first, last);
}

}  // namespace

WordFormats::WordFormats() {
  // Every letter starts from the same stored default: read it once, not 52 times per workbench.
  static const LetterFormat kDefault = ReadLetterFormat('A', kDefaultLetterFormat);
  for (auto& set : sets) {
    for (int i = 0; i < kLetterCount; ++i) {
      LetterFormat& format = set[static_cast<size_t>(i)];
      format = kDefault;
      format.letter = static_cast<char>('A' + i);
    }
  }
}

const LetterFormat& WordFormats::Get(int set, char letter) const {
  const auto& table = sets[set == 2 ? 1 : 0];
  return table[IsAddressLetter(letter) ? static_cast<size_t>(letter - 'A') : 0];
}

LetterFormat& WordFormats::Get(int set, char letter) {
  auto& table = sets[set == 2 ? 1 : 0];
  return table[IsAddressLetter(letter) ? static_cast<size_t>(letter - 'A') : 0];
}

LetterFormat ReadLetterFormat(char letter, std::string_view stored) {
  stored = stored.substr(0, std::min(stored.size(), kStoredLength));
  LetterFormat format;
  format.letter = letter;
  const size_t comma = stored.find(',');
  std::string_view pattern = stored.substr(0, comma);
  pattern = pattern.substr(0, std::min(pattern.size(), kFieldLength));
  CountDigits(pattern, format.integer_digits, format.decimal_digits);
  if (format.integer_digits == 0 && format.decimal_digits == 0) {
    format.integer_digits = 3;
    format.decimal_digits = 4;
  }
  std::string_view rest = comma == std::string_view::npos ? stored : stored.substr(comma + 1);
  format.decimal_point = NextFlagField(rest, "1") != "0";
  format.leading_zeros = NextFlagField(rest, "0") == "1";
  const std::string_view last =
      rest.empty() ? std::string_view("0") : rest.substr(0, std::min(rest.size(), kFieldLength));
  format.trailing_zeros = last == "1";
  return format;
}

void SetDigitsFromPattern(LetterFormat& format, std::string_view pattern) {
  CountDigits(pattern, format.integer_digits, format.decimal_digits);
}

std::string LetterPattern(const LetterFormat& format) {
  std::string pattern(static_cast<size_t>(std::max(format.integer_digits, 0)), '0');
  if (format.decimal_digits > 0 || format.decimal_point) pattern.push_back('.');
  pattern.append(static_cast<size_t>(std::max(format.decimal_digits, 0)), '0');
  return pattern;
}

std::string StoredLetterFormat(const LetterFormat& format) {
  std::string text = LetterPattern(format);
  text += format.decimal_point ? ",1" : ",0";
  text += format.leading_zeros ? ",1" : ",0";
  text += format.trailing_zeros ? ",1" : ",0";
  return text;
}

void FillFormatSet(WordFormats& formats, int set,
                   const std::array<std::string, kLetterCount>& stored) {
  auto& table = formats.sets[set == 2 ? 1 : 0];
  for (size_t i = 0; i < table.size(); ++i) {
    table[i] = ReadLetterFormat(static_cast<char>('A' + i), stored[i]);
  }
}

void FillFormatSet1(WordFormats& formats, const MachineSettings& settings) {
  FillFormatSet(formats, 1, settings.letter_formats);
}

void StoreFormatSet1(const WordFormats& formats, MachineSettings& settings) {
  for (size_t i = 0; i < settings.letter_formats.size(); ++i) {
    settings.letter_formats[i] = StoredLetterFormat(formats.sets[0][i]);
  }
}

std::string FormatAddressValue(const WordFormats& formats, char letter, int set, double value) {
  if (!IsAddressLetter(letter)) return PlainNumberText(value);
  if (!std::isfinite(value)) value = 0;
  if (value == 0 && letter != 'G' && letter != 'M') return "0";
  const LetterFormat& f = formats.Get(set, letter);
  const int want = std::max(f.decimal_digits, 0);
  const double magnitude = std::fabs(value);
  const bool negative = value < 0;

  std::string text = MagnitudeText(magnitude);
  if (f.trailing_zeros || !f.decimal_point) {
    for (int d = DecimalsIn(text); d < want; ++d) text.push_back('0');
  }
  if (DecimalsIn(text) > want) text = RoundToDecimals(text, magnitude, want);
  if (f.leading_zeros) {
    size_t before = text.find('.');
    if (before == std::string::npos) before = text.size();
    if (static_cast<int>(before) < f.integer_digits) {
      text.insert(0, static_cast<size_t>(f.integer_digits) - before, '0');
    }
  }
  if (!f.decimal_point) {
    const size_t dot = text.find('.');
    if (dot != std::string::npos) text.erase(dot, 1);
    if (!f.leading_zeros) {
      const size_t first_kept = std::min(text.find_first_not_of('0'), text.size() - 1);
      if (first_kept > 0 && first_kept != std::string::npos) text.erase(0, first_kept);
    }
  }
  if (!f.trailing_zeros && text.find('.') != std::string::npos) StripTrailingZeros(text);
  // A value that rounds away to nothing ("." or no text at all) is written as 0, never as a
  // word without digits that no control could read back.
  if (std::none_of(text.begin(), text.end(), IsDigitChar)) return "0";
  if (negative) text.insert(text.begin(), '-');
  return text;
}

double ReadAddressValue(const WordFormats& formats, char letter, std::string_view text, int set) {
  std::string clean;
  clean.reserve(text.size());
  for (char c : text) {
    if (c != ' ') clean.push_back(c);
  }
  if (clean.find('.') != std::string::npos || !IsAddressLetter(letter)) {
    return ReadNcNumber(clean).value_or(0);
  }
  const bool negative = !clean.empty() && clean.front() == '-';
  if (negative) clean.erase(0, 1);
  const LetterFormat& f = formats.Get(set, letter);
  const size_t decimals = static_cast<size_t>(std::max(f.decimal_digits, 0));
  if (f.trailing_zeros || !f.leading_zeros) {
    if (clean.size() < decimals) clean.insert(0, decimals - clean.size(), '0');
    clean.insert(clean.size() - decimals, ".");
  } else {
    clean.insert(std::min(clean.size(), static_cast<size_t>(std::max(f.integer_digits, 0))), ".");
  }
  if (negative) clean.insert(0, "-");
  return ReadNcNumber(clean).value_or(0);
}

std::string BuildSyntaxDescriptor(const MachineSettings& settings) {
  const std::string c = settings.comment_char.substr(0, 1);
  const std::string e = settings.end_comment_char.substr(0, 1);
  std::string d;
  if (settings.highlight[6].character == '(') {
    if (c.empty()) {
      d = "00000";
    } else {
      d = "1" + c + (e.empty() ? "0000" : "1" + e + "000");
    }
  } else if (!c.empty() && !e.empty()) {
    d = "0001" + c + "1" + e;
  } else if (!c.empty()) {
    d = "001" + c + "00";
  } else {
    d = "00000";
  }
  return d + "3A3B3C3D3E3F3G3H3I3J3K3L3M3N3O3P3Q3R3S3T3U3V3W3X3Y3Z3#1";
}

SyntaxRules ParseSyntaxDescriptor(std::string_view d) {
  SyntaxRules rules;
  size_t words = 0;
  if (d.substr(0, 4) == "0001" && d.size() >= 7) {
    rules.comment_char = d[4];
    rules.end_comment_char = d[6];
    words = 7;
  } else if (d.substr(0, 3) == "001" && d.size() >= 6) {
    rules.comment_char = d[3];
    words = 6;
  } else if (d.substr(0, 5) == "00000") {
    words = 5;
  } else if (!d.empty() && d[0] == '1' && d.size() >= 6) {
    rules.colour_comments = true;
    rules.comment_char = d[1];
    if (d[2] == '1' && d.size() >= 7) {
      rules.end_comment_char = d[3];
      words = 7;
    } else {
      words = 6;
    }
  }
  for (size_t i = words; i + 1 < d.size(); i += 2) {
    if (d[i] == '3') rules.word_starts.push_back(d[i + 1]);
  }
  return rules;
}

unsigned HighlightRgb(int colour_number) {
  switch (colour_number) {
    case 1:
      return 0xFF0000;
    case 2:
      return 0x0000FF;
    case 3:
      return 0x008000;
    case 4:
      return 0xFF00FF;
    case 5:
      return 0xFF8000;
    default:
      return 0x000000;
  }
}

std::optional<unsigned> HighlightColour(const std::array<HighlightPair, 7>& pairs, PieceKind kind,
                                        std::string_view piece) {
  if (kind == PieceKind::kComment) {
    if (pairs[6].character == '(') return HighlightRgb(pairs[6].colour);
    return std::nullopt;
  }
  if (piece.empty()) return std::nullopt;
  for (size_t i = 0; i < 6; ++i) {
    if (pairs[i].character != 0 && pairs[i].character == piece.front()) {
      return HighlightRgb(pairs[i].colour);
    }
  }
  return std::nullopt;
}

}  // namespace vormak
