#pragma once
// The Xform menu: Move, Copy, Rotate, Mirror and Scale of the group (Rotate also of one
// picked element). Copies take the source's kind, colour, style, layer and view and the
// Result state.

#include <memory>

#include "cad/cad_command.h"

namespace vormak {

std::unique_ptr<PickCommand> MakeMoveCommand(bool copy);
std::unique_ptr<PickCommand> MakeRotateCommand();
std::unique_ptr<PickCommand> MakeMirrorCommand();
std::unique_ptr<PickCommand> MakeScaleCommand();
// "&Offset...": the Offset CAD dialog's distances and count drive Copy (or Move).
std::unique_ptr<PickCommand> MakeOffsetGroupCommand();

// The group translated by the displacement: Move changes the elements in place, Copy makes
// `times` copies of every LINE, ARC and POINT, each one displacement further. Stops at
// Escape. Recorded as one result.
void MoveGroup(CadContext& context, const Point& by);
void CopyGroup(CadContext& context, const Point& by, int times);

// The centre is given in the axes of the view the rotation is made in (X across, Y up).
struct Rotation {
  Point centre;
  double degrees = 0;
  int times = 1;
  bool leave_original = true;
};
// Rotated copies of the elements in the Group state (or of the one in `only_slot`).
void RotateGroup(CadContext& context, const Rotation& rotation, int only_slot = 0);

}  // namespace vormak
