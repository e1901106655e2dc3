#include "workbench/command_line.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

#include "settings/machine_settings.h"

namespace vormak {
namespace {

// 1..10 when the whole text is such a number, else 0.
int MachineNumber(const std::string& text) {
  if (text.empty() || text.size() > 2) return 0;
  if (!std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
    return 0;
  const int n = std::stoi(text);
  return n >= 1 && n <= 10 ? n : 0;
}

std::vector<std::string> SplitAtCommas(const std::string& text) {
  std::vector<std::string> fields;
  std::string::size_type start = 0;
  while (true) {
    const auto comma = text.find(',', start);
    fields.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return fields;
}

std::string UpperExtensionAfterFirstDot(const std::string& name) {
  const auto dot = name.find('.');
  if (dot == std::string::npos) return {};
  std::string ext = name.substr(dot + 1, 3);
  for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return ext;
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

CommandLineRequest ParseCommandLine(const std::string& argument) {
  CommandLineRequest request;
  if (argument.empty()) return request;
  request.machine = MachineNumber(argument);
  if (request.machine != 0) return request;

  if (argument.find(',') != std::string::npos) {
    const auto fields = SplitAtCommas(argument);
    request.machine = MachineNumber(fields[0]);
    if (fields.size() > 1) request.nc_file = fields[1];
    if (fields.size() > 2) request.cad_file = fields[2];
    return request;
  }
  // One name: "0", "11" or "part" are file names, not machine numbers.
  if (UpperExtensionAfterFirstDot(argument) == "CDL") {
    request.cad_file = argument;
  } else {
    request.nc_file = argument;
  }
  return request;
}

bool IsAbsoluteFileName(const std::string& name) {
  if (name.empty()) return false;
  if (name[0] == '/' || name[0] == '\\') return true;
  return name.size() >= 3 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':' &&
         (name[2] == '\\' || name[2] == '/');
}

std::string ResolveCommandLineFile(const std::string& name, const std::string& directory) {
  if (name.empty() || IsAbsoluteFileName(name) || directory.empty()) return name;
  std::string joined = directory;
  if (joined.back() != '/' && joined.back() != '\\') joined += '/';
  joined += name;
  if (!Exists(joined) && Exists(name)) return name;
  return joined;
}

std::string DrawingDirectory(const std::string& name, const MachineSettings& settings) {
  const std::string ext = UpperExtensionAfterFirstDot(name);
  if (ext == "DXF") return settings.dxf_path;
  if (ext == "IGS") return settings.iges_path;
  return settings.cdl_path;
}

}  // namespace vormak
