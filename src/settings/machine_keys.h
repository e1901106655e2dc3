#pragma once
// The machine file's keys, in the order a save writes them. One table drives the load, the
// save and the batch listing, so a key's form, default and mending live in one place.

#include <functional>
#include <string>
#include <vector>

#include "settings/machine_settings.h"

namespace vormak {

class IniFile;

inline constexpr const char* kMachineSection = "VORMAK";

enum class KeyGroup {
  kMachine,   // written by the Configuration dialog's Save
  kSession,   // CADFile, NCFile and the window placement: also written at shut-down
  kFont,      // the editor font: also written after the Font dialog
  kReadOnly,  // read at load, never written
};

struct MachineKey {
  std::string name;
  KeyGroup group = KeyGroup::kMachine;
  // Takes the key's text from the file. Text that does not parse leaves the member alone, and
  // loading starts from a default-built MachineSettings, so it reads as the default.
  std::function<void(MachineSettings&, const std::string&)> read;
  // The text a save writes (and the form read-only keys are listed in).
  std::function<std::string(const MachineSettings&)> text;
  // Written only when the text is non-empty, or when the file already holds the key: a
  // toolbox button or macro row cleared in the dialog must not come back from the old line.
  bool only_when_set = false;
};

const std::vector<MachineKey>& MachineKeys();

// Every key of the file's "VORMAK" section read into a default-built settings object, then
// mended: out-of-range values, comment characters, the Macros flag, a mill's radius X axis and
// an empty picture directory (which becomes `install_dir`).
MachineSettings ReadMachineSettings(const IniFile& file, const std::string& install_dir);

// The mending a load applies after reading every key.
void MendMachineSettings(MachineSettings& settings, const std::string& install_dir);

// Writes the keys of one group (or of every group but kReadOnly when `group` is kMachine) into
// the file's "VORMAK" section.
void WriteMachineKeys(const MachineSettings& settings, KeyGroup group, IniFile& file);

}  // namespace vormak
