#pragma once
// Small text helpers the NC services and the utilities share.

#include <string>
#include <string_view>

namespace vormak {

// Removes every blank.
std::string StripBlanks(std::string_view text);
// The same into `into`, whose room a walk over many lines reuses.
void StripBlanksInto(std::string_view text, std::string& into);
std::string UpperText(std::string_view text);
int CountChar(char c, std::string_view text);
// Decimal digits, "-" for negatives.
std::string IntText(long long n);
// Blanks removed, evaluated as an expression, taken to the nearest whole number; 0 when the
// text is no expression.
long long IntegerOfText(std::string_view text);
// Field n (from 1) of a comma-separated text, up to 35 fields; "" when the text holds no
// comma at all.
std::string CommaField(int n, std::string_view text);
// The same for up to 10 fields, the result cut to 100 characters.
std::string ShortCommaField(int n, std::string_view text);

}  // namespace vormak
