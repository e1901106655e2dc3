#pragma once
// What the twin-turret load, line-up and save ask of one line: its markers, whether it is a
// sync block, and its P number.

#include <string>
#include <string_view>

namespace vormak {

class Workbench;

inline bool Holds(std::string_view line, std::string_view text) {
  return line.find(text) != std::string_view::npos;
}

// Any occurrence of `text` stands before the comment (the whole line without one).
bool HoldsOutsideComment(std::string_view line, std::string_view text, char comment);

// The line's P word taken to the nearest whole number.
long long SyncNumberOf(Workbench& bench, std::string_view line);

// A sync block as the line-up sees it: a P word and no "(".
inline bool IsLineUpSync(std::string_view line) {
  return Holds(line, "P") && !Holds(line, "(");
}

// A sync block as the save sees it: a P word and no comment character.
inline bool IsSaveSync(std::string_view line, char comment) {
  return Holds(line, "P") && line.find(comment) == std::string_view::npos;
}

char TwinCommentChar(const Workbench& bench);

}  // namespace vormak
