#pragma once
// The drawing file commands of the main window: Load CAD, Merge, Save CAD, Save CAD As and
// Get Tool, with their dialogs and prompts, and the question asked before a modified drawing
// is thrown away.

#include <functional>
#include <string>

namespace vormak {

class Workbench;

// What the window does around the commands.
struct DrawingCommandHooks {
  std::function<void()> redraw;                        // the plot window, after a read
  std::function<void()> caption;                       // rebuilt after a load or save
  std::function<void(const std::string&)> add_recent;  // a loaded drawing enters the list
  std::function<void(bool)> busy;                      // the hourglass on (true) and off
};

inline constexpr const char* kCadOpenFilter =
    "CDL Files (*.cdl)|*.cdl|DXF Files (*.dxf)|*.dxf|IGES Files (*.igs)|*.igs|ALL Files (*.*)|*.*";
inline constexpr const char* kCadSaveFilter =
    "CADL Files (*.CDL)|*.CDL|DXF files (*.DXF)|*.DXF|IGES files (*.IGS)|*.IGS|ALL files "
    "(*.*)|*.*";
inline constexpr const char* kToolFilter = "CDL Files (*.cdl)|*.cdl|All Files (*.*)|*.*";

// The Quit dialog for a modified drawing: true when the caller may go on (No, or Yes and the
// drawing was saved). An unmodified drawing asks nothing.
bool ConfirmDrawingSaved(Workbench& bench, const DrawingCommandHooks& hooks,
                         const std::string& caption);

// Load CAD (F7) and Merge. A merge reads the chosen file by its own extension (an unknown
// extension by the CAD file type), adds to the drawing and keeps the drawing's name and type.
bool LoadCad(Workbench& bench, const DrawingCommandHooks& hooks);
bool MergeCad(Workbench& bench, const DrawingCommandHooks& hooks);
// Loads a named drawing by its extension, as Load CAD does after its dialog.
bool LoadCadFile(Workbench& bench, const DrawingCommandHooks& hooks, const std::string& name);

// Save CAD (Alt+F7): to the drawing's name in the CAD file type, Save As when unnamed.
bool SaveCad(Workbench& bench, const DrawingCommandHooks& hooks);
bool SaveCadAs(Workbench& bench, const DrawingCommandHooks& hooks);

// "Get Tool...": a CDL tool file into the current turret's tool-nose record and the drawing.
bool GetTool(Workbench& bench, const DrawingCommandHooks& hooks);

}  // namespace vormak
