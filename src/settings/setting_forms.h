#pragma once
// The text forms of machine-file values that hold more than one field, and the readers of the
// simple forms. Readers answer nullopt for text that does not parse, so the caller keeps the
// key's default.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "settings/machine_settings.h"

namespace vormak {

// A decimal integer that fits an int (blanks removed).
std::optional<int> ReadIntegerValue(std::string_view text);
// A "whole-number text" key: any number, rounded to the nearest whole number.
std::optional<long long> ReadRoundedValue(std::string_view text);
// A "1"/"0" key: any whole number, on when not 0.
std::optional<bool> ReadFlagValue(std::string_view text);

// DecelFactor's full-precision form: the shortest text that reads back to the same value.
std::string FullPrecisionText(double value);

// `Use`: 29 fields, each followed by ",". Fields 1 and 2 are on unless exactly "0", the rest
// only when exactly "1"; text without any "," has no fields at all.
UseFlags ParseUseFlags(std::string_view text);
std::string UseFlagsText(const UseFlags& flags);

// `Highlight`: seven pairs of a character and a colour number, each field followed by ",".
std::array<HighlightPair, 7> ParseHighlight(std::string_view text);
std::string HighlightText(const std::array<HighlightPair, 7>& pairs);

// `ToolBox`n: command, "," and bitmap; text without "," is all bitmap.
ToolBoxButton ParseToolBoxButton(std::string_view text);
std::string ToolBoxButtonText(const ToolBoxButton& button);  // "" for an unused button

// `Macro`n: name, value, program number. Without a second "," value and program stay 0.
MacroCallRow ParseMacroCallRow(std::string_view text);
std::string MacroCallRowText(const MacroCallRow& row);  // "" for a row without a name

// `HomeXYZ`: three numbers; a field that does not parse keeps its default.
std::array<double, 3> ParseHomeXyz(std::string_view text);
std::string HomeXyzText(const std::array<double, 3>& home);

// `FontStyle`: bold, italic, underline, strike-out; a field equal to "1" sets the style.
std::array<bool, 4> ParseFontStyle(std::string_view text);
std::string FontStyleText(const std::array<bool, 4>& style);

inline constexpr size_t kMaxAddressOrder = 32;
inline constexpr size_t kMaxStamp = 30;
inline constexpr size_t kMaxMacroName = 10;

}  // namespace vormak
