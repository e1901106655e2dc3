#pragma once
// The settings files' INI text: "[Section]" lines and "Key=value" lines. Sections and keys are
// matched without regard to case; a write changes only the line of the key written, so the
// user's comments, unknown keys and sections, blank lines and line breaks survive byte for byte.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vormak {

class IniFile {
 public:
  IniFile() = default;
  explicit IniFile(std::string_view text);

  // Reads the whole file; false (and an empty file) when it cannot be read.
  bool Load(const std::string& path);
  // Writes through a temporary file renamed over `path`; false with the system's error text.
  bool Save(const std::string& path, std::string& error) const;

  // The value of the first such key in the first such section, blanks around it removed;
  // empty when the key is missing. A key present with nothing after "=" reads as "".
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  std::string Get(std::string_view section, std::string_view key, std::string_view fallback) const;
  bool Has(std::string_view section, std::string_view key) const {
    return Find(section, key).has_value();
  }

  // Rewrites the key's line keeping the file's spelling of the key; a missing key is added at
  // the end of its section, a missing section at the end of the file.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  std::string Text() const;

 private:
  struct Line {
    std::string text;    // without its line break
    std::string ending;  // "\r\n", "\n", "\r" or "" for a last line without one
  };
  struct KeyLine {
    std::string_view key;
    size_t value_start = 0;  // offset of the value in the line, blanks after "=" skipped
  };

  static std::optional<std::string_view> SectionName(std::string_view line);
  static std::optional<KeyLine> ParseKeyLine(std::string_view line);
  std::string_view LineText(size_t index) const;
  std::optional<size_t> KeyIndex(std::string_view section, std::string_view key) const;
  void InsertLine(size_t at, std::string text);

  // Where the first section of each name and each of its keys stand, names folded to lower
  // case: a machine file of a few hundred keys is read key by key, and scanning the whole text
  // for every key made that quadratic. Built on the first lookup, kept in step by Set.
  struct Section {
    size_t append_at = 0;  // after its last key or other content: where a new key goes
  };
  struct Index {
    std::unordered_map<std::string, Section> sections;
    std::unordered_map<std::string, size_t> keys;  // name '\n' key -> the key's line
  };
  Index& Lookup() const;
  static std::string KeyName(std::string_view section, std::string_view key);

  std::vector<Line> lines_;
  mutable std::optional<Index> index_;
  std::string ending_ = "\n";  // the file's own line break, used for added lines
};

}  // namespace vormak
