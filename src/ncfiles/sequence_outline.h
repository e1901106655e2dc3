#pragma once
// The sequence outline beside the editor: the program's name, its tool-change comments and its
// turret sections, each section holding its sync blocks, so a programmer can jump through a
// long two-turret program by operation.

#include <string>
#include <vector>

namespace vormak {

class Workbench;

inline constexpr const char* kOutlineNewFile = "New File";
inline constexpr const char* kOutlineNotFound = "Not Found";

struct OutlineNode {
  std::string text;
  int pane = 1;  // where the line stands
  int line = 0;  // its line number when the outline was built; 0 for the root
  std::vector<OutlineNode> children;
};

// Root: the NC file name or "New File". Below it one node per line holding the comment
// character and "TL", or "G13", or "G14"; under the last G13 or G14 node its sync blocks ("P"
// and a digit, no comment). Pane 1 first, then turret B's pane in twin-turret mode.
OutlineNode BuildSequenceOutline(const Workbench& bench);

// Shows the node's line: at the top of its pane with twin turrets, else five lines below
// the top. A line whose text has changed since is searched for from line 1; a text that is
// no longer there is said so. False when it was not found.
bool GoToOutlineNode(Workbench& bench, const OutlineNode& node);

}  // namespace vormak
