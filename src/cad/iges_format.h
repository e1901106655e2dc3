#pragma once
// The fixed 80-column form of IGES files as this system writes and reads them.

#include <string>
#include <string_view>

namespace vormak {

inline constexpr size_t kIgesColumns = 80;
inline constexpr size_t kIgesParameterColumns = 64;  // parameter data ends before column 65

inline constexpr int kIgesArc = 100;
inline constexpr int kIgesLine = 110;
inline constexpr int kIgesPoint = 116;
inline constexpr int kIgesMatrix = 124;

// The content, blanks, and the closing field ending in column 80 (no blanks when the two do
// not fit), then CR LF.
std::string IgesRecord(std::string_view content, std::string_view closing);
// A number right-justified in an 8-column field; a wider number is written whole.
std::string IgesField(long long value);
// Section letter and a seven-digit sequence number: "D0000003".
std::string IgesSequence(char section, long long number);

}  // namespace vormak
