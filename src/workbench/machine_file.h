#pragma once
// Reading and writing vormak.ini and the machine files.

#include <string>
#include <vector>

#include "settings/locations.h"

namespace vormak {

class Host;
class Workbench;

// Messages the user sees.
inline constexpr const char* kCantOpenIni = "Can't Open ini File: ";
inline constexpr const char* kBadSettingsNumber = "Bad Format Settings Number";

// Fills the ten machine slots from vormak.ini.
void LoadMachineList(Workbench& bench);

// Reads slot `machine`'s file into bench.settings and applies the effects that belong to the
// engine (line-break style and syntax of the panes ...). False, with the message shown, when
// the file cannot be read or the number is not 1..10; the settings are then unchanged.
bool LoadMachineSettings(Workbench& bench, int machine);

// The engine's share of a load, also wanted after the Configuration dialog's Temporary: the
// line-break style of panes 1 and 2, and pane 1 made current and writable without twin turrets.
void ApplyMachineSettings(Workbench& bench);

// The files to reload at start when RecallFiles is 1: each only when no file of its kind is
// named yet (for instance on the command line); empty when there is nothing to reload.
struct RecalledFiles {
  std::string nc_file;
  std::string cad_file;
};
RecalledFiles FilesToRecall(const Workbench& bench);

// Writes the current settings into the current machine's file, key by key.
bool SaveMachineSettings(Workbench& bench);

// Writes FontName, FontSize, FontStyle and FontColor.
bool SaveEditorFont(Workbench& bench);

// Writes CADFile, NCFile and the window placement from bench.settings.
bool SaveSessionSettings(Workbench& bench);

// The window placement to restore, given the screen size.
struct WindowPlacement {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool full_screen = false;     // placed at 0,0 with the screen's size
  bool keep_maximized = false;  // the window is maximized: leave it as it is
};
WindowPlacement RestoreWindowPlacement(Workbench& bench, int machine, int screen_width,
                                       int screen_height, bool maximized);

// The Machines dialog's "Add...": appends `path` unless the list is full ("Maximum 10 Machines"
// shown, false).
bool AddMachineEntry(Host& host, std::vector<std::string>& entries, const std::string& path);

// The Machines dialog's OK: writes the ten MachineINI keys from `paths` and reloads the list.
void WriteMachineList(Workbench& bench, const std::vector<std::string>& paths);

}  // namespace vormak
