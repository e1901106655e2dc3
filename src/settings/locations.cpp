#include "settings/locations.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "settings/file_access.h"
#include "settings/ini_file.h"
#include "settings/machine_list.h"

namespace vormak {

namespace fs = std::filesystem;

std::string Locations::MainIniPath() const {
  if (config_dir.empty()) return "vormak.ini";
  if (config_dir.back() == '/') return config_dir + "vormak.ini";
  return config_dir + "/vormak.ini";
}

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::string WithoutTrailingSlash(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

fs::path ProgramFile(const std::string& program_path) {
  std::error_code ec;
  if (HasDirectorySeparator(program_path)) return fs::absolute(program_path, ec);
  // Started through PATH: argv[0] holds no folder.
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : self;
}

std::string FindInstallDir(const std::string& program_path) {
  const std::string home = Environment("VORMAK_HOME");
  if (!home.empty()) return home;
  const fs::path program = ProgramFile(program_path);
  if (!program.empty()) {
    std::error_code ec;
    const fs::path shared = program.parent_path() / ".." / "share" / "vormak";
    if (fs::is_directory(shared, ec)) return fs::weakly_canonical(shared, ec).string();
  }
  return VORMAK_SOURCE_DATA_DIR;
}

std::string FindConfigDir() {
  const std::string xdg = Environment("XDG_CONFIG_HOME");
  if (!xdg.empty() && xdg[0] == '/') return JoinPath(xdg, "vormak");
  const std::string home = Environment("HOME");
  if (!home.empty()) return JoinPath(JoinPath(home, ".config"), "vormak");
  return "";  // vormak.ini in the working folder
}

// The shipped machine files, the usual ones first so machine 1 is the mill.
std::vector<fs::path> ShippedMachineFiles(const std::string& install_dir) {
  const char* preferred[] = {"mill.ini", "lathe.ini", "twin_lathe.ini", "edm.ini"};
  const fs::path folder = fs::path(install_dir) / "machines";
  std::vector<fs::path> others;
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    if (entry.path().extension() == ".ini") others.push_back(entry.path());
  }
  std::sort(others.begin(), others.end());
  for (const char* name : preferred) {
    auto it = std::find(others.begin(), others.end(), folder / name);
    if (it == others.end()) continue;
    files.push_back(*it);
    others.erase(it);
  }
  files.insert(files.end(), others.begin(), others.end());
  if (files.size() > static_cast<size_t>(kMachineSlots)) files.resize(kMachineSlots);
  return files;
}

}  // namespace

Locations FindLocations(const std::string& program_path) {
  Locations locations;
  locations.install_dir = WithoutTrailingSlash(FindInstallDir(program_path));
  locations.config_dir = WithoutTrailingSlash(FindConfigDir());
  return locations;
}

void EnsureUserTools(const Locations& locations) {
  if (locations.config_dir.empty()) return;
  std::error_code ec;
  const fs::path own = fs::path(locations.config_dir) / "tools";
  if (fs::exists(own, ec)) return;  // the user's own: never overwritten
  const fs::path shipped = fs::path(locations.install_dir) / "tools";
  if (!fs::is_directory(shipped, ec)) return;
  fs::create_directories(own, ec);
  for (const auto& entry : fs::directory_iterator(shipped, ec)) {
    if (entry.is_regular_file(ec)) fs::copy_file(entry.path(), own / entry.path().filename(), ec);
  }
}

void EnsureMainSettings(const Locations& locations) {
  std::error_code ec;
  if (!locations.config_dir.empty()) fs::create_directories(locations.config_dir, ec);
  EnsureUserTools(locations);
  const std::string main_path = locations.MainIniPath();
  if (fs::exists(main_path, ec)) return;

  IniFile main("; Machine files listed on the File menu, Machine1 to Machine10.\n[MachineINI]\n");
  int n = 0;
  for (const auto& shipped : ShippedMachineFiles(locations.install_dir)) {
    const fs::path copy = fs::path(JoinPath(locations.config_dir, shipped.filename().string()));
    if (!fs::exists(copy, ec)) fs::copy_file(shipped, copy, ec);
    if (!fs::exists(copy, ec)) continue;
    main.Set("MachineINI", "Machine" + std::to_string(++n), copy.string());
  }
  // A failed write leaves no vormak.ini; the machines list then reads empty and the load of
  // machine 1 reports the file it cannot open.
  std::string error;
  main.Save(main_path, error);
}

}  // namespace vormak
