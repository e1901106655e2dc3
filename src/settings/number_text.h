#pragma once
// Numbers as they appear in settings files, messages and drawing files.

#include <optional>
#include <string>
#include <string_view>

namespace vormak {

// A number written with at most four decimals, trailing zeros and a leading zero removed:
// 12 -> "12.0", 0.5 -> ".5", -0.25 -> "-.25", 0 -> ".0".
std::string PlainNumberText(double value);
// The same text appended to `text`: a line built number by number keeps one buffer.
void AppendPlainNumber(std::string& text, double value);

// `value` with `decimals` decimals exactly as printf's "%.*f" writes it in the C locale,
// written into [out, out_end) (room for 400 characters is always enough); returns the end.
char* WriteFixed(double value, int decimals, char* out, char* out_end);

// Decimal digits with a leading "-" for negatives.
std::string WholeNumberText(long long value);

// The system's number reader for settings values: blanks are removed, then the whole rest
// must be a decimal number (C-locale rules). Empty when it is not.
std::optional<double> ReadNumber(std::string_view text);

// A number as NC text writes it: an optional sign, digits with at most one ".", and an
// optional exponent "E" with an optional sign and one to three digits. The whole text must be
// the number (no blanks). A leading "." reads as "0.", a trailing "." is allowed.
std::optional<double> ReadNcNumber(std::string_view text);

// A whole number in decimal (blanks removed); empty when the text is not one.
std::optional<long long> ReadWholeNumber(std::string_view text);

}  // namespace vormak
