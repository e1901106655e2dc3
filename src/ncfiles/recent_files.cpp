#include "ncfiles/recent_files.h"

#include <algorithm>

#include "nctext/text_functions.h"
#include "settings/file_access.h"
#include "settings/ini_file.h"

namespace vormak {

namespace {

constexpr const char* kRecentSection = "Recent";
constexpr const char* kCaptionKeys = "1234567890ABCDE";

std::string KeyOf(int position) {
  return "Recent" + std::to_string(position);
}

}  // namespace

void RecentFiles::Add(const std::string& path) {
  if (path.empty()) return;
  std::erase(paths_, path);
  paths_.insert(paths_.begin(), path);
  if (paths_.size() > static_cast<size_t>(kRecentFileCount)) paths_.resize(kRecentFileCount);
}

void RecentFiles::Remove(const std::string& path) {
  std::erase(paths_, path);
}

std::vector<std::string> RecentFiles::Captions() const {
  std::vector<std::string> captions;
  for (size_t i = 0; i < paths_.size(); ++i) {
    captions.push_back(std::string("&") + kCaptionKeys[i] + " " + paths_[i]);
  }
  return captions;
}

void RecentFiles::Read(const IniFile& ini) {
  paths_.clear();
  for (int position = 1; position <= kRecentFileCount; ++position) {
    const std::string path = ini.Get(kRecentSection, KeyOf(position), "");
    // A list edited by hand may hold gaps or repeats; the menu shows each file once.
    if (!path.empty() && std::find(paths_.begin(), paths_.end(), path) == paths_.end()) {
      paths_.push_back(path);
    }
  }
}

void RecentFiles::Write(IniFile& ini) const {
  for (int position = 1; position <= kRecentFileCount; ++position) {
    const size_t i = static_cast<size_t>(position - 1);
    const std::string path = i < paths_.size() ? paths_[i] : std::string();
    // Keys of a list that grew shorter are emptied, so no old entry comes back.
    if (!path.empty() || ini.Has(kRecentSection, KeyOf(position))) {
      ini.Set(kRecentSection, KeyOf(position), path);
    }
  }
}

std::string RecentPathOfCaption(const std::string& caption) {
  return caption.size() > 3 ? caption.substr(3) : std::string();
}

RecentKind RecentKindOf(const std::string& path) {
  const std::string_view name = FileNamePart(path);
  const size_t dot = name.find('.');
  if (dot == std::string_view::npos) return RecentKind::kNc;
  const std::string ext = UpperText(name.substr(dot + 1, 3));
  if (ext == "CDL") return RecentKind::kCdl;
  if (ext == "DXF") return RecentKind::kDxf;
  if (ext == "IGS") return RecentKind::kIges;
  return RecentKind::kNc;
}

}  // namespace vormak
