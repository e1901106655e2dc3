#pragma once
// The font a title is punched in: readable letters of holes at the head of a tape, so the
// operator can tell tapes apart without a reader.

#include <string>

namespace vormak {

// Tape columns of one character, one byte a column and one bit a row (bit 6 the top row,
// bit 0 the bottom); empty for a character the font does not hold. The font holds the blank,
// "#", "$", "-", ".", "/", the digits, ":", the letters A to Z and "\".
std::string TitleColumns(unsigned char c);

}  // namespace vormak
