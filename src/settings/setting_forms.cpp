#include "settings/setting_forms.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <vector>

#include "settings/number_text.h"

namespace vormak {

namespace {

// Fields separated by ","; a trailing "," ends the last field rather than starting an empty one.
std::vector<std::string_view> SplitFields(std::string_view text) {
  std::vector<std::string_view> fields;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t comma = text.find(',', pos);
    if (comma == std::string_view::npos) {
      fields.push_back(text.substr(pos));
      break;
    }
    fields.push_back(text.substr(pos, comma - pos));
    pos = comma + 1;
  }
  return fields;
}

}  // namespace

std::optional<int> ReadIntegerValue(std::string_view text) {
  const auto value = ReadWholeNumber(text);
  if (!value || *value < INT_MIN || *value > INT_MAX) return std::nullopt;
  return static_cast<int>(*value);
}

std::optional<long long> ReadRoundedValue(std::string_view text) {
  const auto value = ReadNumber(text);
  if (!value || std::fabs(*value) > 1e15) return std::nullopt;
  return std::llround(*value);
}

std::optional<bool> ReadFlagValue(std::string_view text) {
  const auto value = ReadWholeNumber(text);
  if (!value) return std::nullopt;
  return *value != 0;
}

std::string FullPrecisionText(double value) {
  char buffer[400];
  const double magnitude = std::fabs(value);
  const auto format = value == 0 || (magnitude >= 1e-6 && magnitude < 1e15)
                          ? std::chars_format::fixed
                          : std::chars_format::scientific;
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format);
  return std::string(buffer, result.ptr);
}

UseFlags ParseUseFlags(std::string_view text) {
  UseFlags flags;  // Codes and Tools on, everything else off
  if (text.find(',') == std::string_view::npos) return flags;
  const auto fields = SplitFields(text);
  for (size_t i = 0; i < fields.size() && i < kUseFlagCount; ++i) {
    const int field = static_cast<int>(i) + 1;
    flags.Set(field, field <= kUseTools ? fields[i] != "0" : fields[i] == "1");
  }
  return flags;
}

std::string UseFlagsText(const UseFlags& flags) {
  std::string out;
  for (int field = 1; field <= kUseFlagCount; ++field) out += flags[field] ? "1," : "0,";
  return out;
}

std::array<HighlightPair, 7> ParseHighlight(std::string_view text) {
  std::array<HighlightPair, 7> pairs{};
  const auto fields = SplitFields(text);
  for (size_t i = 0; i < fields.size() && i < 14; ++i) {
    if (fields[i].empty()) continue;
    HighlightPair& pair = pairs[i / 2];
    if (i % 2 == 0) {
      pair.character = fields[i][0];
    } else if (const auto colour = ReadIntegerValue(fields[i])) {
      pair.colour = *colour;
    }
  }
  return pairs;
}

std::string HighlightText(const std::array<HighlightPair, 7>& pairs) {
  std::string out;
  for (const auto& pair : pairs) {
    const auto c = static_cast<unsigned char>(pair.character);
    out += c < ' ' ? ' ' : pair.character;
    out += ',';
    out += std::to_string(pair.colour);
    out += ',';
  }
  return out;
}

ToolBoxButton ParseToolBoxButton(std::string_view text) {
  const size_t comma = text.find(',');
  if (comma == std::string_view::npos) return {"", std::string(text)};
  return {std::string(text.substr(0, comma)), std::string(text.substr(comma + 1))};
}

std::string ToolBoxButtonText(const ToolBoxButton& button) {
  if (button.command.empty() && button.bitmap.empty()) return "";
  return button.command + "," + button.bitmap;
}

MacroCallRow ParseMacroCallRow(std::string_view text) {
  MacroCallRow row;
  const size_t first = text.find(',');
  row.name = std::string(text.substr(0, first)).substr(0, kMaxMacroName);
  if (first == std::string_view::npos) return row;
  const size_t second = text.find(',', first + 1);
  if (second == std::string_view::npos) return row;
  row.value = ReadNumber(text.substr(first + 1, second - first - 1)).value_or(0);
  row.program = ReadIntegerValue(text.substr(second + 1)).value_or(0);
  return row;
}

std::string MacroCallRowText(const MacroCallRow& row) {
  if (row.name.empty()) return "";
  return row.name + "," + PlainNumberText(row.value) + "," + std::to_string(row.program);
}

std::array<double, 3> ParseHomeXyz(std::string_view text) {
  std::array<double, 3> home = MachineSettings{}.home_xyz;
  const auto fields = SplitFields(text);
  for (size_t i = 0; i < fields.size() && i < home.size(); ++i) {
    if (const auto value = ReadNumber(fields[i])) home[i] = *value;
  }
  return home;
}

std::string HomeXyzText(const std::array<double, 3>& home) {
  return PlainNumberText(home[0]) + "," + PlainNumberText(home[1]) + "," + PlainNumberText(home[2]);
}

std::array<bool, 4> ParseFontStyle(std::string_view text) {
  std::array<bool, 4> style{};
  const auto fields = SplitFields(text);
  for (size_t i = 0; i < fields.size() && i < style.size(); ++i) style[i] = fields[i] == "1";
  return style;
}

std::string FontStyleText(const std::array<bool, 4>& style) {
  std::string out;
  for (size_t i = 0; i < style.size(); ++i) {
    if (i > 0) out += ',';
    out += style[i] ? '1' : '0';
  }
  return out;
}

}  // namespace vormak
