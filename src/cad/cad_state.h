#pragma once
// The drawing module's state owned by the workbench: the element table, the Pick toolbar's
// mode, the command waiting for picks in the plot window and how elements are drawn.

#include "cad/element_pick.h"
#include "cad/element_table.h"
#include "cad/pick_command.h"

namespace vormak {

struct CadState {
  ElementTable table;
  PickMode pick_mode = PickMode::kCursor;
  CommandRunner commands;
  CadInputs inputs;       // radius, angle, offset, chamfer and text last entered
  bool metafile = false;  // drawing a copy for the clipboard: no state colours
};

}  // namespace vormak
