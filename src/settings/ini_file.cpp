#include "settings/ini_file.h"

#include <array>

#include "settings/file_access.h"

namespace vormak {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Names fold in ASCII only: the same file matches its keys the same way whatever the locale
// the program was started in. A table, as a machine file's few hundred keys are folded on
// every read and write.
constexpr std::array<char, 256> kLower = [] {
  std::array<char, 256> table{};
  for (int i = 0; i < 256; ++i) {
    table[i] = static_cast<char>(i >= 'A' && i <= 'Z' ? i - 'A' + 'a' : i);
  }
  return table;
}();

char Lower(char c) { return kLower[static_cast<unsigned char>(c)]; }

std::string Folded(std::string_view name) {
  std::string out(name);
  for (char& c : out) c = Lower(c);
  return out;
}

bool IsComment(std::string_view trimmed) {
  return !trimmed.empty() && (trimmed[0] == ';' || trimmed[0] == '#');
}

}  // namespace

IniFile::IniFile(std::string_view text) {
  size_t pos = 0;
  bool ending_known = false;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
      lines_.push_back({std::string(text.substr(pos)), ""});
      break;
    }
    size_t width = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1;
    Line line{std::string(text.substr(pos, end - pos)), std::string(text.substr(end, width))};
    if (!ending_known) {
      ending_ = line.ending;
      ending_known = true;
    }
    lines_.push_back(std::move(line));
    pos = end + width;
  }
}

bool IniFile::Load(const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    *this = IniFile();
    return false;
  }
  *this = IniFile(bytes);
  return true;
}

bool IniFile::Save(const std::string& path, std::string& error) const {
  return WriteFileAtomically(path, Text(), error);
}

std::string IniFile::Text() const {
  std::string out;
  for (const auto& line : lines_) {
    out += line.text;
    out += line.ending;
  }
  return out;
}

std::string_view IniFile::LineText(size_t index) const {
  std::string_view text = lines_[index].text;
  if (index == 0 && text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    text.remove_prefix(kByteOrderMark.size());
  return text;
}

std::optional<std::string_view> IniFile::SectionName(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed[0] != '[') return std::nullopt;
  const size_t close = trimmed.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(trimmed.substr(1, close - 1));
}

std::optional<IniFile::KeyLine> IniFile::ParseKeyLine(std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  const std::string_view key = Trim(line.substr(0, equals));
  if (key.empty() || IsComment(key) || key[0] == '[') return std::nullopt;
  size_t value_start = equals + 1;
  while (value_start < line.size() && IsBlank(line[value_start])) ++value_start;
  return KeyLine{key, value_start};
}

std::string IniFile::KeyName(std::string_view section, std::string_view key) {
  std::string name(section.size() + 1 + key.size(), '\n');
  char* out = name.data();
  for (const char c : section) *out++ = Lower(c);
  ++out;  // the '\n' between the two
  for (const char c : key) *out++ = Lower(c);
  return name;
}

IniFile::Index& IniFile::Lookup() const {
  if (index_) return *index_;
  Index& index = index_.emplace();
  std::string section;
  Section* first = nullptr;  // keys count only in the first section of a name
  for (size_t i = 0; i < lines_.size(); ++i) {
    const std::string_view text = LineText(i);
    if (const auto name = SectionName(text)) {
      section = Folded(*name);
      const auto [entry, added] = index.sections.emplace(section, Section{i + 1});
      first = added ? &entry->second : nullptr;
      continue;
    }
    if (first == nullptr) continue;
    const std::string_view trimmed = Trim(text);
    if (!trimmed.empty() && !IsComment(trimmed)) first->append_at = i + 1;
    if (const auto parsed = ParseKeyLine(text))
      index.keys.emplace(KeyName(section, parsed->key), i);
  }
  return index;
}

std::optional<size_t> IniFile::KeyIndex(std::string_view section, std::string_view key) const {
  const Index& index = Lookup();
  const auto found = index.keys.find(KeyName(section, key));
  if (found == index.keys.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  const auto index = KeyIndex(section, key);
  if (!index) return std::nullopt;
  const std::string_view line = LineText(*index);
  return std::string(Trim(line.substr(ParseKeyLine(line)->value_start)));
}

std::string IniFile::Get(std::string_view section, std::string_view key,
                         std::string_view fallback) const {
  auto value = Find(section, key);
  return value ? *value : std::string(fallback);
}

void IniFile::InsertLine(size_t at, std::string text) {
  // The line before the new one may be a last line without a break.
  if (at > 0 && lines_[at - 1].ending.empty()) lines_[at - 1].ending = ending_;
  if (index_) {
    for (auto& entry : index_->sections) {
      if (entry.second.append_at >= at) ++entry.second.append_at;
    }
    // Every key stands on a line of the file: a line added at the end moves none of them,
    // and a whole machine file written key by key adds nearly every line there.
    if (at < lines_.size()) {
      for (auto& entry : index_->keys) {
        if (entry.second >= at) ++entry.second;
      }
    }
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), ending_});
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view raw_value) {
  // A line break inside a value would start a line of its own and could pose as another key.
  std::string clean(raw_value);
  for (char& c : clean) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  const std::string_view value = clean;
  const auto key_line_text = [&] {
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append(1, '=').append(value);
    return line;
  };
  Index& index = Lookup();
  const auto found = index.sections.find(Folded(section));
  if (found == index.sections.end()) {
    if (!lines_.empty() && !Trim(lines_.back().text).empty()) InsertLine(lines_.size(), "");
    InsertLine(lines_.size(), "[" + std::string(section) + "]");
    InsertLine(lines_.size(), key_line_text());
    index_.reset();  // the section before it ends where it did: simplest to look again
    return;
  }
  std::string name = KeyName(section, key);
  if (const auto key_line = index.keys.find(name); key_line != index.keys.end()) {
    const size_t at = key_line->second;
    std::string& text = lines_[at].text;
    const size_t bom = LineText(at).data() - text.data();
    const size_t start = bom + ParseKeyLine(LineText(at))->value_start;
    if (Trim(std::string_view(text).substr(start)) == value) return;  // nothing to change
    text.replace(start, std::string::npos, value);
    return;
  }
  // After the section's last key or other content, before blank lines and comments that
  // lead into the next section.
  const size_t at = found->second.append_at;
  InsertLine(at, key_line_text());
  index.keys.emplace(std::move(name), at);
}

}  // namespace vormak
