#include "interp/word_reader.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "nctext/block_words.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr size_t kQuickNumberLength = 24;

bool IsValueRunChar(char c) {
  return (c >= '0' && c <= '9') || c == '*' || c == '+' || c == '-' || c == '.' || c == '/';
}

bool TakesImpliedDecimal(char letter) {
  return std::string_view("CFIJKUVWXYZ").find(letter) != std::string_view::npos;
}

// The value characters after the address with the blanks left out, when they form a plain
// number: an optional "-" or "+", digits and at most one ".". Empty otherwise.
std::string_view PlainNumberAfter(std::string_view block, size_t at,
                                  char (&buffer)[kQuickNumberLength]) {
  size_t n = 0;
  bool digit = false;
  bool point = false;
  bool plus = false;  // X+1.25 reads as X1.25
  for (size_t i = at + 1; i < block.size(); ++i) {
    const char c = block[i];
    if (c == ' ') continue;
    if (c == '[') return {};
    if (!IsValueRunChar(c)) break;
    if (n == kQuickNumberLength) return {};
    if (c == '+' && n == 0 && !plus) {
      plus = true;
      continue;
    }
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else if (!(c == '-' && n == 0 && !plus)) {
      return {};
    }
    buffer[n++] = c;
  }
  if (!digit) return {};
  return {buffer, n};
}

// A plain decimal (digits and at most one "."), read exactly without the general reader
// when it can be: a whole number below 2^53 and a power of ten a double holds exactly give
// the correctly rounded value from one division, the same value from_chars gives.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,
                                  1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};

bool QuickDecimal(std::string_view text, double& value) {
  std::uint64_t whole = 0;
  int digits = 0;
  int decimals = 0;
  bool point = false;
  for (const char c : text) {
    if (c == '.') {
      point = true;
      continue;
    }
    if (++digits > 18) return false;
    whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
    if (point) ++decimals;
  }
  if (whole > (std::uint64_t{1} << 53)) return false;
  value = static_cast<double>(whole) / kPowersOfTen[decimals];
  return true;
}

// The usual word in one pass: an optional "-", digits and at most one "." running to the next
// letter or the block's end, read as PlainNumberAfter and QuickDecimal read it. False for
// anything else (blanks inside the value, "+", brackets, operators, long or empty numbers):
// the caller then takes the general road, so results never differ.
bool QuickWord(std::string_view block, size_t at, double& value, bool& point) {
  const char* p = block.data() + at + 1;
  const char* const end = block.data() + block.size();
  const bool negative = p != end && *p == '-';
  if (negative) ++p;
  std::uint64_t whole = 0;
  int digits = 0;
  int decimals = 0;
  point = false;
  for (; p != end; ++p) {
    const char c = *p;
    if (c >= '0' && c <= '9') {
      if (++digits > 18) return false;
      whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
      decimals += point ? 1 : 0;
    } else if (c == '.' && !point) {
      point = true;
    } else if (c == ' ') {
      // Blanks end the word unless more of its value follows them.
      const char* next = p;
      while (next != end && *next == ' ') ++next;
      if (next != end && (*next == '[' || IsValueRunChar(*next))) return false;
      break;
    } else if (c == '[' || IsValueRunChar(c)) {
      return false;
    } else {
      break;
    }
  }
  if (digits == 0 || whole > (std::uint64_t{1} << 53)) return false;
  value = static_cast<double>(whole) / kPowersOfTen[decimals];
  if (negative) value = -value;
  return true;
}

// AddressValue of the word at `at`. AddressValue reads the letter's first occurrence; one
// inside an earlier bracket expression is not this word, so the text starts at the word then.
double FullAddressValue(Workbench& bench, std::string_view block, size_t at, bool implied) {
  const std::string_view from = block.find(block[at]) == at ? block : block.substr(at);
  return AddressValue(bench, std::string_view(&block[at], 1), from, implied);
}

// A value written without a point counts in ten-thousandths, unless the letter's format says
// whole units.
double ImpliedDecimal(Workbench& bench, char letter, double value) {
  const LetterFormat& f = bench.word_formats.Get(1, letter);
  const bool whole_units = f.decimal_digits == 0 && f.decimal_point && f.integer_digits > 0;
  return whole_units ? value : value / 10000;
}

}  // namespace

size_t FindWordLetter(std::string_view block, char letter, size_t from) {
  const size_t at = block.find(letter, from);
  const size_t open = block.find('[', from);
  if (at == std::string_view::npos || open == std::string_view::npos || at < open) return at;
  int depth = 0;
  for (size_t i = open; i < block.size(); ++i) {
    const char c = block[i];
    if (c == '[') {
      ++depth;
    } else if (c == ']') {
      if (depth > 0) --depth;
    } else if (c == letter && depth == 0) {
      return i;
    }
  }
  return std::string_view::npos;
}

WordReader::WordReader(std::string_view block) : block_(block) {
  first_.fill(std::string_view::npos);
  const bool expressions = block.find('[') != std::string_view::npos;
  int depth = 0;
  for (size_t i = 0; i < block.size(); ++i) {
    if (expressions) {
      if (block[i] == '[') ++depth;
      if (block[i] == ']' && depth > 0) --depth;
      if (depth > 0) continue;
    }
    const int slot = AddressSlot(block[i]);
    if (slot >= 0 && first_[static_cast<size_t>(slot)] == std::string_view::npos) {
      first_[static_cast<size_t>(slot)] = i;
    }
  }
}

double WordReader::Value(Workbench& bench, char address, bool implied) const {
  const size_t at = FirstAt(address);
  if (at == std::string_view::npos) return 0;
  return LetterValueAt(bench, block_, at, implied);
}

double LetterValue(Workbench& bench, char address, std::string_view block, bool implied) {
  const size_t at = FindWordLetter(block, address);
  if (at == std::string_view::npos) return 0;
  return LetterValueAt(bench, block, at, implied);
}

double LetterValueAt(Workbench& bench, std::string_view block, size_t at, bool implied) {
  const char letter = block[at];
  double value = 0;
  bool point = false;
  if (QuickWord(block, at, value, point)) {
    if (implied && !point && TakesImpliedDecimal(letter)) return ImpliedDecimal(bench, letter, value);
    return value;
  }
  char buffer[kQuickNumberLength];
  const std::string_view text = PlainNumberAfter(block, at, buffer);
  if (text.empty()) return FullAddressValue(bench, block, at, implied);
  const char* first = text.data();
  const char* last = first + text.size();
  // from_chars takes no leading "-" before a ".", so the sign is read apart.
  const bool negative = *first == '-';
  if (negative) ++first;
  if (!QuickDecimal({first, static_cast<size_t>(last - first)}, value)) {
    const auto result = std::from_chars(first, last, value, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != last) {
      return FullAddressValue(bench, block, at, implied);
    }
  }
  if (negative) value = -value;
  if (implied && TakesImpliedDecimal(letter) && text.find('.') == std::string_view::npos) {
    return ImpliedDecimal(bench, letter, value);
  }
  return value;
}

}  // namespace vormak
