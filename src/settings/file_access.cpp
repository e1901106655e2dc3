#include "settings/file_access.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace vormak {

namespace fs = std::filesystem;

namespace {

bool IsSeparator(char c) {
  return c == '/' || c == '\\';
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

bool Exists(const fs::path& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

// The entry of `dir` whose name equals `name` without regard to case; empty when none.
std::string MatchInFolder(const fs::path& dir, std::string_view name) {
  std::error_code ec;
  fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
  if (ec) return {};
  for (const auto& entry : it) {
    const std::string candidate = entry.path().filename().string();
    if (SameIgnoringCase(candidate, name)) return candidate;
  }
  return {};
}

}  // namespace

std::string WithForwardSlashes(std::string_view name) {
  std::string out(name);
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

bool IsAbsolutePath(std::string_view name) {
  if (!name.empty() && IsSeparator(name[0])) return true;
  return name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':';
}

bool HasDirectorySeparator(std::string_view name) {
  return name.find_first_of("/\\") != std::string_view::npos;
}

std::string_view FileNamePart(std::string_view name) {
  const size_t cut = name.find_last_of("/\\");
  return cut == std::string_view::npos ? name : name.substr(cut + 1);
}

std::string JoinPath(std::string_view dir, std::string_view name) {
  if (dir.empty()) return std::string(name);
  std::string out(dir);
  if (!IsSeparator(out.back())) out.push_back('/');
  size_t skip = 0;
  while (skip < name.size() && IsSeparator(name[skip])) ++skip;
  out.append(name.substr(skip));
  return out;
}

std::string FindFileIgnoringCase(std::string_view name) {
  const std::string path = WithForwardSlashes(name);
  if (path.empty() || Exists(path)) return path;

  fs::path found;
  size_t pos = 0;
  if (path[0] == '/') {
    found = "/";
    pos = 1;
  }
  while (pos <= path.size()) {
    size_t next = path.find('/', pos);
    if (next == std::string::npos) next = path.size();
    const std::string part = path.substr(pos, next - pos);
    pos = next + 1;
    if (part.empty() || part == ".") continue;
    fs::path candidate = found / part;
    if (!Exists(candidate) && part != "..") {
      const std::string match = MatchInFolder(found, part);
      if (match.empty()) return path;
      candidate = found / match;
    }
    found = candidate;
  }
  return found.string();
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return false;  // a folder opens, but reads as nothing
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  bytes = std::move(text);
  return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error) {
  std::error_code ec;
  fs::path target(path);
  if (fs::is_symlink(target, ec)) {
    const fs::path resolved = fs::canonical(target, ec);
    if (!ec) target = resolved;
  }
  fs::path temp = target;
  temp += ".vormak-new";

  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
      error = std::strerror(errno);
      return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      error = std::strerror(errno);
      out.close();
      fs::remove(temp, ec);
      return false;
    }
  }
  const auto perms = fs::status(target, ec).permissions();
  if (!ec && perms != fs::perms::unknown) fs::permissions(temp, perms, ec);
  if (std::rename(temp.c_str(), target.c_str()) != 0) {
    error = std::strerror(errno);
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace vormak
