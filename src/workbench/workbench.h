#pragma once
// One workbench owns the state of every module, the four editor panes and the host. Functions
// take the narrowest piece they need; the few orchestrators take the whole workbench. Two
// workbenches in one process do not interfere.

#include <array>
#include <memory>
#include <string>

#include "cad/cad_state.h"
#include "cam/cam_state.h"
#include "interp/interp_state.h"
#include "interp/macro_variables.h"
#include "interp/tool_shape.h"
#include "nctext/edit_control.h"
#include "nctext/host.h"
#include "nctext/status_services.h"
#include "plot/view_state.h"
#include "script/script_state.h"
#include "settings/machine_list.h"
#include "settings/machine_settings.h"
#include "settings/word_format.h"

namespace vormak {

class TextBuffer;

inline constexpr int kPaneCount = 4;  // 1 main / turret A, 2 turret B, 3 script, 4 contour

// Where the shipped data and the user's settings live.
struct Locations {
  std::string install_dir;  // shipped data: machine files, examples, help
  std::string config_dir;   // holds vormak.ini
  std::string MainIniPath() const;
};

class Workbench {
 public:
  // Panes start as in-memory text buffers; a window host replaces them with its own.
  explicit Workbench(Host& host);
  ~Workbench();
  Workbench(const Workbench&) = delete;
  Workbench& operator=(const Workbench&) = delete;

  Host& host() { return host_; }

  // Pane 1..4; nullptr for any other number.
  EditControl* Pane(int pane);
  const EditControl* Pane(int pane) const;
  // The host installs its own control for a pane (not owned); nullptr restores the buffer.
  void SetPane(int pane, EditControl* control);

  int active_pane = 1;  // 1, 2 or 4
  bool stop_requested = false;

  Locations locations;
  MachineList machines;
  MachineSettings settings;
  WordFormats word_formats;        // format set 1: current machine; set 2: Reformat target
  MacroVariables macro_variables;  // #1..#33 per level, #100..#199, #500..#699
  NcTextState nctext;              // current prompt, focus and run-reset hooks
  CadState cad;                    // element table, pick mode, running CAD command
  CamState cam;                    // Auto Insert, Contour and Lathe Rough choices
  ToolShapes tools;                // tool-nose record of each turret, the current turret
  PlotState plot;                  // view slots, zoom, background, the canvas drawn on
  InterpState interp;              // turret registers, modal tables, subprogram stack, run
  ScriptState script;              // place in the script, GOSUB stack, markers, chain

  std::string nc_file_name;   // file in pane 1, empty for a new file
  std::string cad_file_name;  // loaded drawing

 private:
  Host& host_;
  std::array<std::unique_ptr<TextBuffer>, kPaneCount> buffers_;
  std::array<EditControl*, kPaneCount> panes_{};
};

}  // namespace vormak
