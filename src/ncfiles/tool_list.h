#pragma once
// The "Sequence" toolbar's list: the tool-change comments of the program ("(TL ..." for a
// lathe tool, "(TM ..." for a mill tool), each with the jump to its line and the tool picture
// it names.

#include <string>
#include <vector>

namespace vormak {

class Workbench;

inline constexpr int kToolListEntries = 50;
inline constexpr int kToolListButtons = 14;

struct ToolListEntry {
  std::string text;  // the whole line
  std::string hint;  // what follows the first ":" of the comment, as a note on the tool
};

// Up to 50 entries, in line order, from pane 1.
std::vector<ToolListEntry> BuildToolList(const Workbench& bench);

// Goes to the entry's line in the active pane (searched for from line 1) and shows it five
// lines below the top. False when the text is no longer there.
bool GoToToolLine(Workbench& bench, const ToolListEntry& entry);

// The tool file whose picture shows for a tool-change line; empty for a mill tool ("TM ") and
// for a line naming nothing.
std::string ToolPictureName(const Workbench& bench, const std::string& line);

}  // namespace vormak
