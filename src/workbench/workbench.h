#pragma once
// One workbench owns the state of every module, the four editor panes and the host. Functions
// take the narrowest piece they need; the few orchestrators take the whole workbench. Two
// workbenches in one process do not interfere.

#include <string>

#include "cad/cad_state.h"
#include "cam/cam_state.h"
#include "interp/interp_state.h"
#include "interp/macro_variables.h"
#include "interp/tool_shape.h"
#include "nctext/pane_bench.h"
#include "plot/view_state.h"
#include "script/script_state.h"
#include "settings/locations.h"
#include "settings/machine_list.h"

namespace vormak {

// Every module's state over the text side (panes, host, settings, prompt state).
class Workbench : public PaneBench {
 public:
  explicit Workbench(Host& host);
  ~Workbench();
  Workbench(const Workbench&) = delete;
  Workbench& operator=(const Workbench&) = delete;

  Locations locations;
  MachineList machines;
  MacroVariables macro_variables;  // #1..#33 per level, #100..#199, #500..#699
  CadState cad;                    // element table, pick mode, running CAD command
  CamState cam;                    // Auto Insert, Contour and Lathe Rough choices
  ToolShapes tools;                // tool-nose record of each turret, the current turret
  PlotState plot;                  // view slots, zoom, background, the canvas drawn on
  InterpState interp;              // turret registers, modal tables, subprogram stack, run
  ScriptState script;              // place in the script, GOSUB stack, markers, chain

  std::string nc_file_name;   // file in pane 1, empty for a new file
  std::string cad_file_name;  // loaded drawing
};

}  // namespace vormak
