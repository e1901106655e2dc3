#pragma once
// The plot window's entry points into the running CAD command: picks, windows and Escape.

#include "cad/cad_view.h"
#include "cad/pick_command.h"
#include "workbench/workbench.h"

namespace vormak {

// The context of the bench's drawing; the pick mode a command leaves is copied back by the
// entry points below.
CadContext CadContextOf(Workbench& bench, CadView& view);

// Starts a command, ending the one that was running.
void StartCadCommand(Workbench& bench, CadView& view, std::unique_ptr<PickCommand> command);
// A left-button pick in the plot window; false when no command waits for one.
bool CadPick(Workbench& bench, CadView& view, PixelPoint at);
// A window dragged in the "Pick Inside Window" mode.
bool CadWindow(Workbench& bench, CadView& view, PixelPoint corner1, PixelPoint corner2);
// A point typed into the Key In dialog (or given to vormak-batch), fed to the running command;
// the pick mode returns to "Pick at Cursor Location".
bool CadKeyIn(Workbench& bench, CadView& view, const Point& point);
// Escape ends the running command.
void CadEscape(Workbench& bench);

}  // namespace vormak
