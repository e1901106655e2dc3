#pragma once
// The three tape codes a program is punched in: ASCII as it is, EIA RS-244 (the old
// odd-parity tape code, one table entry per character) and ISO (ASCII with even parity).

#include <optional>
#include <string>

namespace vormak {

enum class TapeCode { kAscii = 1, kEia = 2, kIso = 3 };

// PunchType 2 is EIA, 3 ISO, anything else ASCII.
TapeCode TapeCodeFromPunchType(int punch_type);
const char* TapeCodeName(TapeCode code);  // "ASCII", "EIA", "ISO"

inline constexpr unsigned char kLeaderByte = 0;  // blank tape
inline constexpr unsigned char kDC1 = 17;        // reader start
inline constexpr unsigned char kDC2 = 18;        // punch on
inline constexpr unsigned char kDC3 = 19;
inline constexpr unsigned char kDC4 = 20;  // punch off
inline constexpr unsigned char kEiaBlank = 0x10;
inline constexpr unsigned char kEiaEndOfBlock = 0x80;

// The EIA code of a character; the EIA blank for a character the code does not hold.
unsigned char EiaCode(unsigned char c);
// The character of an EIA code; nothing for a code outside the table.
std::optional<unsigned char> EiaCharacter(unsigned char code);
// The byte with bit 8 set when that makes the number of holes even.
unsigned char IsoCode(unsigned char c);

// One block as it goes on tape, end of block included: ASCII adds CR LF, EIA the end-of-block
// code, ISO CR and LF with their parity.
std::string EncodeBlock(TapeCode code, const std::string& text);

}  // namespace vormak
