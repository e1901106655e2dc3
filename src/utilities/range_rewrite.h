#pragma once
// Utilities that add or take away lines (break arcs, remove blank lines, reverse, rotated
// copies) read the lines of their range once, build the new lines in memory, and put back only
// the part that changed as one edit: one undo step, however long the program, and no line
// numbers drifting under the walk.

#include <functional>
#include <string>
#include <vector>

#include "nctext/pane_services.h"

namespace vormak {

class Workbench;

// The lines `range` of `pane` (clamped to the pane).
std::vector<std::string> RangeLines(const Workbench& bench, int pane, LineRange range);

// Lines `range` of `pane` become `lines` (any number, none included) as one undo step. Lines
// that stay the same at either end are not touched. Answers the last line of the new text.
int PutRangeLines(Workbench& bench, int pane, LineRange range, std::vector<std::string> lines);

// One line of a walk: the lines it becomes are appended to `out` (the line itself when it
// stays). Setting `stop` on the workbench ends the walk after this line.
using LineMap = std::function<void(const std::string& line, std::vector<std::string>& out)>;

struct MappedRange {
  int last = 0;       // the last line of the range in the new text
  int processed = 0;  // lines of the old range looked at before the walk stopped
};

// Walks `range` of `pane` while the stop flag is clear (Escape sets it between lines); lines
// after a stop stay as they are. The result goes back as one edit.
MappedRange MapRangeLines(Workbench& bench, int pane, LineRange range, const std::string& caption,
                          const LineMap& map);

// The first to the last selected line of the active pane, to the pane's end when they are
// the same line; empty (first 0) when the pane is not there.
LineRange SelectedLinesOrToEnd(const Workbench& bench);

}  // namespace vormak
