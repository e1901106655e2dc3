#pragma once
// The recent-files list of the File menu: at most 15 paths, newest first, kept in vormak.ini
// under [Recent] as Recent1 .. Recent15 in menu order.

#include <string>
#include <vector>

namespace vormak {

class IniFile;

inline constexpr int kRecentFileCount = 15;

class RecentFiles {
 public:
  const std::vector<std::string>& paths() const { return paths_; }

  // The path goes first; an older entry of the same path is dropped, and the oldest entry
  // falls off a full list.
  void Add(const std::string& path);

  // The entry goes, the later ones move up (a file that no longer exists).
  void Remove(const std::string& path);

  // "&1 PATH" ... "&E PATH": the menu captions, one character of "1234567890ABCDE" each.
  std::vector<std::string> Captions() const;

  void Read(const IniFile& ini);
  void Write(IniFile& ini) const;

 private:
  std::vector<std::string> paths_;
};

// The path of a menu caption: the caption without its first three characters.
std::string RecentPathOfCaption(const std::string& caption);

// What choosing an entry loads: a drawing for "CDL", "DXF" and "IGS" after the first ".".
enum class RecentKind { kNc, kCdl, kDxf, kIges };
RecentKind RecentKindOf(const std::string& path);

}  // namespace vormak
