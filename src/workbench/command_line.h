#pragma once
// The program's one optional argument: a machine number, "machine,NC file,drawing", or one
// file name.

#include <string>

namespace vormak {

struct MachineSettings;

struct CommandLineRequest {
  int machine = 0;       // 1..10 when the argument names a machine, else 0
  std::string nc_file;   // as typed, not yet resolved against the NC directory
  std::string cad_file;  // as typed, not yet resolved against the CAD directory
};

// Reads the argument. A whole number 1..10 selects the machine; a text with "," is split into
// machine, NC file and drawing (empty fields skipped); anything else is one file name, a
// drawing when the three characters after its first "." read "CDL" in any case.
CommandLineRequest ParseCommandLine(const std::string& argument);

// True for "/..." and drive forms such as "C:\..." or "C:/...".
bool IsAbsoluteFileName(const std::string& name);

// A name without a folder is taken from `directory` (the machine's NC or CAD directory). When
// the file is not there but exists as typed (relative to the working folder), that one is used,
// so a shell user's "vormak part.nc" still opens the file beside them.
std::string ResolveCommandLineFile(const std::string& name, const std::string& directory);

// The directory a drawing named on the command line is looked for in, by its extension
// ("DXF", "IGS" or else CDL).
std::string DrawingDirectory(const std::string& name, const MachineSettings& settings);

}  // namespace vormak
