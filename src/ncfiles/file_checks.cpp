#include "ncfiles/file_checks.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "settings/file_access.h"

namespace vormak {
namespace {

// An NC program is text: a NUL byte near the start means a picture, an archive or a program
// for another computer was picked by mistake. Tape codes with their parity bit set are text
// here.
bool LooksBinary(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  char buffer[65536];
  const size_t got = std::fread(buffer, 1, sizeof buffer, file);
  std::fclose(file);
  for (size_t i = 0; i < got; ++i) {
    if (buffer[i] == '\0') return true;
  }
  return false;
}

}  // namespace

std::string FileOpenProblem(const std::string& path, FileKind kind) {
  const std::string found = FindFileIgnoringCase(path);
  std::error_code error;
  const auto status = std::filesystem::status(found, error);
  const std::string head = "Cannot open " + path + "\r\n";
  if (!std::filesystem::exists(status)) return head + "The file no longer exists.";
  if (std::filesystem::is_directory(status)) return head + "It is a folder, not a file.";
  if (kind == FileKind::kNcProgram && LooksBinary(found)) {
    return head + "It is not an NC program: it holds binary data.";
  }
  return {};
}

}  // namespace vormak
