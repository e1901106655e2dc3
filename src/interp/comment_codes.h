#pragma once
// The comment codes of NC programs: a comment whose first characters are a keyword ("TRZ ",
// "TOF ", "TXT " ...) is a statement to the backplotter rather than a remark.

#include <string_view>

namespace vormak {

class Workbench;

enum class CommentCode {
  kNone,
  kTL,
  kTM,
  kTOF,
  kTIB,
  kTIE,
  kTW,
  kTC,
  kTSP,
  kTBT,
  kTBF,
  kTXT,
  kAPT,
  kTRT,
  kTRO,
  kTTM,
  kTOR,
  kTSW,
  kTG,
  kCDL,
  kTMC,
  kTMO,
  kTPT,
  kTS,
};

struct FoundCode {
  CommentCode code = CommentCode::kNone;
  size_t after = 0;  // position after the keyword and its blank
};

// The first code of the list, in the list's order, that the line holds right after a comment
// character.
FoundCode FindCommentCode(std::string_view line, char comment_char);
void RunCommentCode(Workbench& bench, const FoundCode& found, std::string_view line);

// "TRX ", "TRY ", "TRZ " and "TRD " are looked for first; 'X', 'Y', 'Z' for a rotation,
// 'D' for a redraw, 0 for none.
char RotationCodeOf(std::string_view line, char comment_char);
// angle, c1, c2 after the keyword: the plot turns about the axis through (c1, c2).
void RotationLine(Workbench& bench, std::string_view line, char axis);

// G10 L2 P1..P6: the X, Y, Z words present set that work offset.
void G10Line(Workbench& bench, std::string_view line);

}  // namespace vormak
