#include "ncfiles/nc_file_names.h"

#include "nctext/text_functions.h"
#include "settings/file_access.h"

namespace vormak {

namespace {

// Where the file's own name starts in `path`.
size_t NameStart(const std::string& path) {
  return path.size() - FileNamePart(path).size();
}

}  // namespace

std::string BackupName(const std::string& path) {
  const size_t start = NameStart(path);
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot <= start) return path + ".bak";
  return path.substr(0, dot) + ".bak";
}

std::string RevisionName(const std::string& path) {
  const size_t start = NameStart(path);
  const size_t first = path.find('.', start);
  if (first == std::string::npos) return path + ".0";
  const size_t second = path.find('.', first + 1);
  if (second == std::string::npos) {
    return path.substr(0, first) + ".0." + path.substr(first + 1);
  }
  const long long revision = IntegerOfText(path.substr(first + 1, second - first - 1));
  return path.substr(0, first) + "." + IntText(revision + 1) + "." + path.substr(second + 1);
}

std::string NcFileFilter(const std::string& nc_extension) {
  const std::string e = nc_extension.empty() ? "*" : nc_extension;
  return "NC Files (*." + e + ")|*." + e + "|Text files (*.TXT)|*.TXT|All files (*.*)|*.*";
}

std::string WithNcExtension(const std::string& path, const std::string& nc_extension) {
  if (nc_extension.empty() || FileNamePart(path).find('.') != std::string_view::npos) return path;
  return path + "." + nc_extension;
}

std::string MergeFileName(const std::string& name, const std::string& nc_directory) {
  std::string path = name;
  if (FileNamePart(path).find('.') == std::string_view::npos) path += ".nc";
  if (!HasDirectorySeparator(path)) path = JoinPath(nc_directory, path);
  return FindFileIgnoringCase(path);
}

}  // namespace vormak
