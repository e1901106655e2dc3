#include "cam/tool_catalogue.h"

#include <cstdlib>
#include <string_view>

#include "cad/drawing_io.h"
#include "settings/file_access.h"

namespace vormak {

namespace {

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::string Field(std::string_view line, int n) {
  for (int i = 1; i < n; ++i) {
    const size_t comma = line.find(',');
    if (comma == std::string_view::npos) return {};
    line.remove_prefix(comma + 1);
  }
  return std::string(line.substr(0, line.find(',')));
}

int Image(std::string_view text) {
  const int n = std::atoi(std::string(text).c_str());
  return n > 0 ? n : 0;
}

}  // namespace

bool LoadCatalogue(const std::string& path, Catalogue& catalogue) {
  catalogue = Catalogue{};
  std::string bytes;
  if (!ReadWholeFile(FindFileIgnoringCase(path), bytes) &&
      !ReadWholeFile(FindFileIgnoringCase(path), bytes)) {
    return false;
  }
  for (const std::string& line : Lines(bytes)) {
    if (line.empty()) continue;
    const unsigned char first = static_cast<unsigned char>(line.front());
    if (first > ' ') {
      catalogue.groups.push_back({Field(line, 1), Image(Field(line, 2)), {}, {}});
      continue;
    }
    const size_t text = line.find_first_not_of(" \t");
    if ((first == ' ' || first == '\t') && text != std::string::npos && !catalogue.groups.empty()) {
      const std::string_view tool = std::string_view(line).substr(text);
      catalogue.groups.back().tools.push_back(
          {Field(tool, 1), Image(Field(tool, 2)), Field(tool, 3)});
      continue;
    }
    // Nothing the tree can show; kept as it stands.
    if (catalogue.groups.empty()) {
      catalogue.leading_lines.push_back(line);
    } else {
      catalogue.groups.back().kept_lines.push_back(line);
    }
  }
  return true;
}

std::string CatalogueText(const Catalogue& catalogue) {
  std::string text;
  for (const std::string& line : catalogue.leading_lines) text += line + "\r\n";
  for (const CatalogueGroup& group : catalogue.groups) {
    text += group.caption + "," + std::to_string(group.image) + "\r\n";
    for (const CatalogueTool& tool : group.tools) {
      text += " " + tool.caption + "," + std::to_string(tool.image) + "," + tool.file + "\r\n";
    }
    for (const std::string& line : group.kept_lines) text += line + "\r\n";
  }
  return text;
}

bool SaveCatalogue(Host& host, const std::string& path, const Catalogue& catalogue) {
  return WriteDrawingText(host, path, CatalogueText(catalogue));
}

}  // namespace vormak
