#pragma once
// Where the shipped data and the user's settings live, and how they are found and first set up.

#include <string>

namespace vormak {

struct Locations {
  std::string install_dir;  // shipped data: machine files, examples, help
  std::string config_dir;   // holds vormak.ini
  std::string MainIniPath() const;
};

// Finds the shipped data folder (VORMAK_HOME, ../share/vormak beside the program, or the source
// tree's data/) and the settings folder ($XDG_CONFIG_HOME/vormak or ~/.config/vormak).
Locations FindLocations(const std::string& program_path);

// Creates the settings folder and, when vormak.ini does not exist, writes one whose machines
// list points at copies of the shipped machine files. Existing files are never touched.
void EnsureMainSettings(const Locations& locations);
// The shipped tool files and their catalogue copied into the user's tool folder
// (config_dir/tools) when that folder does not exist yet.
void EnsureUserTools(const Locations& locations);

}  // namespace vormak
