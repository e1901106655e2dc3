#pragma once
// The plot points at the program: the move under the mouse names the block that drew it.

#include <string>

#include "plot/view_state.h"

namespace vormak {

class Workbench;

// Double click: the line that drew the move under the pixel is marked in its pane, as a run
// marks the line it executed, with the caret on it. False when no move lies there.
bool MarkLineOfMoveAt(Workbench& bench, PixelPoint at);

// Hovering: that line's text and the move's end point in the machine's axes ("X.. Y.. Z.."
// on a mill, "Z.. X.." on a lathe, X a diameter unless XAxisDimension is RAD); empty when no
// move lies under the pixel.
std::string MoveTextAt(const Workbench& bench, PixelPoint at);

}  // namespace vormak
