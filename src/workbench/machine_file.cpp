#include "workbench/machine_file.h"

#include <algorithm>

#include "cad/element_table.h"
#include "settings/file_access.h"
#include "settings/ini_file.h"
#include "settings/machine_keys.h"
#include "settings/setting_forms.h"
#include "settings/word_format.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr const char* kCaption = "Vormak";
constexpr const char* kMachineListSection = "MachineINI";
constexpr const char* kNoName = "No Name";

bool ValidMachine(int machine) {
  return machine >= 1 && machine <= kMachineSlots;
}

// A machine file that cannot be read is tried once more before the user is told: a file on a
// network share may be held for a moment by a save on another workstation.
bool LoadMachineFile(const std::string& path, IniFile& file) {
  if (path.empty()) return false;
  const std::string on_disk = FindFileIgnoringCase(path);
  return file.Load(on_disk) || file.Load(on_disk);
}

std::string DisplayName(const IniFile& file) {
  const auto name = file.Find(kMachineSection, "MachineName");
  return name && !name->empty() ? *name : kNoName;
}

// The install folder that bare machine file names live in.
std::string InstallDir(const Locations& locations) {
  return locations.install_dir.empty() ? locations.config_dir : locations.install_dir;
}

// Opens the current machine's file for a write; false with the message shown.
bool OpenForWrite(Workbench& bench, IniFile& file, std::string& path) {
  const int machine = bench.machines.current;
  if (!ValidMachine(machine)) {
    bench.host().Information(kBadSettingsNumber, kCaption);
    return false;
  }
  path = bench.machines.Slot(machine).path;
  if (!LoadMachineFile(path, file)) {
    bench.host().Information(kCantOpenIni + path, kCaption);
    return false;
  }
  path = FindFileIgnoringCase(path);
  return true;
}

bool SaveFile(Workbench& bench, const IniFile& file, const std::string& path) {
  std::string error;
  if (file.Save(path, error)) return true;
  bench.host().Information(std::string(kCantOpenIni) + path + "\r\n" + error, kCaption);
  return false;
}

bool WriteGroup(Workbench& bench, KeyGroup group) {
  IniFile file;
  std::string path;
  if (!OpenForWrite(bench, file, path)) return false;
  WriteMachineKeys(bench.settings, group, file);
  return SaveFile(bench, file, path);
}

// The window placement keys read 0 when missing or unreadable.
int ReadInteger(const IniFile& file, const char* key) {
  const auto value = file.Find(kMachineSection, key);
  return value ? ReadIntegerValue(*value).value_or(0) : 0;
}

}  // namespace

void LoadMachineList(Workbench& bench) {
  const std::string install_dir = InstallDir(bench.locations);
  IniFile main;
  main.Load(FindFileIgnoringCase(bench.locations.MainIniPath()));
  for (auto& slot : bench.machines.slots) slot = MachineSlot{};
  for (int n = 1; n <= kMachineSlots; ++n) {
    std::string name =
        WithForwardSlashes(main.Get(kMachineListSection, "Machine" + std::to_string(n), ""));
    if (name.empty()) break;  // a gap ends the list
    if (FileNamePart(name).find('.') == std::string_view::npos) name += ".ini";
    if (!HasDirectorySeparator(name)) name = JoinPath(install_dir, name);
    MachineSlot& slot = bench.machines.Slot(n);
    slot.path = name;
    IniFile machine_file;
    LoadMachineFile(name, machine_file);
    slot.name = DisplayName(machine_file);
  }
}

bool LoadMachineSettings(Workbench& bench, int machine) {
  // The number is checked first: an out-of-range slot has no file to name.
  if (!ValidMachine(machine)) {
    bench.host().Information(kBadSettingsNumber, kCaption);
    return false;
  }
  MachineSlot& slot = bench.machines.Slot(machine);
  IniFile file;
  if (!LoadMachineFile(slot.path, file)) {
    bench.host().Information(kCantOpenIni + slot.path, kCaption);
    return false;
  }
  MachineSettings loaded = ReadMachineSettings(file, bench.locations.install_dir);
  loaded.tool_library_file = bench.settings.tool_library_file;
  bench.settings = std::move(loaded);
  bench.machines.current = machine;
  slot.name = DisplayName(file);
  ApplyMachineSettings(bench);
  return true;
}

void ApplyMachineSettings(Workbench& bench) {
  const MachineSettings& s = bench.settings;
  const LineBreakStyle style = s.file_save_style == 2   ? LineBreakStyle::kCr
                               : s.file_save_style == 3 ? LineBreakStyle::kLf
                                                        : LineBreakStyle::kCrLf;
  // Colouring of NC words and comments follows the comment characters and highlight pairs.
  const std::string syntax = BuildSyntaxDescriptor(s);
  for (int pane : {1, 2}) {
    EditControl* control = bench.Pane(pane);
    control->SetLineBreakStyle(style);
    control->SetSyntax(syntax);
    control->SetHighlight(s.use[kUseHighlight]);
  }
  // Format set 1 is what values are written in; the stored texts are kept in its canonical
  // form so a save writes exactly what is in force.
  FillFormatSet1(bench.word_formats, bench.settings);
  StoreFormatSet1(bench.word_formats, bench.settings);
  HideSolidLayer(bench.cad.table, s.solid_layer);
  // G28 goes to the machine's home; a G50 in a program moves it until the settings load again.
  bench.interp.machine.home = {s.home_xyz[0], s.home_xyz[1], s.home_xyz[2]};
  if (!s.twin_turrets) {
    bench.active_pane = 1;
    bench.Pane(1)->SetReadOnly(false);
  }
}

RecalledFiles FilesToRecall(const Workbench& bench) {
  RecalledFiles files;
  if (!bench.settings.recall_files) return files;
  if (bench.nc_file_name.empty()) files.nc_file = bench.settings.nc_file;
  if (bench.cad_file_name.empty()) files.cad_file = bench.settings.cad_file;
  return files;
}

bool SaveMachineSettings(Workbench& bench) {
  return WriteGroup(bench, KeyGroup::kMachine);
}

bool SaveEditorFont(Workbench& bench) {
  return WriteGroup(bench, KeyGroup::kFont);
}

bool SaveSessionSettings(Workbench& bench) {
  const int machine = bench.machines.current;
  if (!ValidMachine(machine)) {
    bench.host().Information(kBadSettingsNumber, kCaption);
    return false;
  }
  // A machine file that has gone away is not created again just for the window placement.
  IniFile file;
  if (!LoadMachineFile(bench.machines.Slot(machine).path, file)) return false;
  WriteMachineKeys(bench.settings, KeyGroup::kSession, file);
  return SaveFile(bench, file, FindFileIgnoringCase(bench.machines.Slot(machine).path));
}

WindowPlacement RestoreWindowPlacement(Workbench& bench, int machine, int screen_width,
                                       int screen_height, bool maximized) {
  const WindowPlacement full_screen{0, 0, screen_width, screen_height, true, false};
  if (!ValidMachine(machine)) {
    bench.host().Information(kBadSettingsNumber, kCaption);
    return full_screen;
  }
  MachineSlot& slot = bench.machines.Slot(machine);
  IniFile file;
  if (!LoadMachineFile(slot.path, file)) {
    bench.host().Information(kCantOpenIni + slot.path, kCaption);
    return full_screen;
  }
  slot.name = DisplayName(file);
  if (maximized) {
    WindowPlacement keep;
    keep.keep_maximized = true;
    return keep;
  }
  const int width = std::min(ReadInteger(file, "StartWidth"), screen_width);
  const int height = std::min(ReadInteger(file, "StartHeight"), screen_height);
  // A window saved too small to find again comes back full-screen.
  if (width < 100 || height < 100) return full_screen;
  return {
      ReadInteger(file, "StartLeft"), ReadInteger(file, "StartTop"), width, height, false, false};
}

bool AddMachineEntry(Host& host, std::vector<std::string>& entries, const std::string& path) {
  if (static_cast<int>(entries.size()) >= kMachineSlots) {
    host.Information("Maximum " + std::to_string(kMachineSlots) + " Machines", kCaption);
    return false;
  }
  entries.push_back(path);
  return true;
}

void WriteMachineList(Workbench& bench, const std::vector<std::string>& paths) {
  const std::string path = FindFileIgnoringCase(bench.locations.MainIniPath());
  IniFile main;
  main.Load(path);
  for (int n = 1; n <= kMachineSlots; ++n) {
    const auto i = static_cast<size_t>(n - 1);
    main.Set(kMachineListSection, "Machine" + std::to_string(n), i < paths.size() ? paths[i] : "");
  }
  SaveFile(bench, main, path);
  LoadMachineList(bench);
}

}  // namespace vormak
