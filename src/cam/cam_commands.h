#pragma once
// The CA&M menu's tool-placement commands and the Cam toolbar's buttons: each a pick command
// that places the tool against the drawing, shows it and its position, and with "Auto
// Insert" writes the position (or the arc block) into the editor.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cad/pick_command.h"

namespace vormak {

class Workbench;

struct CamMenuCommand {
  std::string item;    // "&Point"; empty for a command reached by its code only
  std::string button;  // Cam toolbar hint, "Tool at Point"; empty when there is none
  std::string code;    // the name vormak-batch and scripts give: the item without "&"
};

// In menu order, then the commands that have no menu item ("Tangent-On", "Mouse Tool").
const std::vector<CamMenuCommand>& CamMenuCommands();

// A command by its code ("Point", "Tangent", "Arc", "Arc Intersect", "Intersection",
// "Tangent-Point", "Tangent-On", "Corner", "Tangent-Drag", "Mouse Tool"); nullptr for another.
std::unique_ptr<PickCommand> MakeCamCommand(Workbench& bench, const std::string& code);

class CadView;

// Tool drag and Mouse tool while the left button is held: where the tool stands for the mouse
// at `at` (tangent to the picked element for Tool drag, at the cursor for Mouse tool); nothing
// when the running command is not one of them at its location step.
std::optional<Point> DragToolPosition(Workbench& bench, const CadView& view, PixelPoint at);

// Shows the tool of the current turret following the mouse at the position DragToolPosition
// gives, with its coordinates in the command panel; false when nothing follows the mouse.
bool FollowDraggedTool(Workbench& bench, const CadView& view, PixelPoint at);

}  // namespace vormak
