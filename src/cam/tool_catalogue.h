#pragma once
// The tool catalogue: the lathe and mill tools kept as CDL tool files in the tool folder,
// grouped and described in the plain text index tools.txt. A group line starts at the first
// column ("name,icon"); a tool line is indented ("description,icon,file"); the icon is the
// tool-nose orientation 1..12 shown beside the entry (0: none).

#include <string>
#include <vector>

namespace vormak {

class Host;

struct CatalogueTool {
  std::string caption;
  int image = 0;
  std::string file;  // without folder: in the tool folder; without extension: ".CDL"
};

struct CatalogueGroup {
  std::string caption;
  int image = 0;
  std::vector<CatalogueTool> tools;
  // Lines of the index that are neither group nor tool (control characters in front, tool
  // lines before the first group), kept so that saving the index loses nothing.
  std::vector<std::string> kept_lines;
};

struct Catalogue {
  std::vector<CatalogueGroup> groups;
  // Kept lines met before the first group.
  std::vector<std::string> leading_lines;
  bool Empty() const { return groups.empty() && leading_lines.empty(); }
};

inline constexpr const char* kCatalogueFileName = "tools.txt";

// Reads the index; false (and an empty catalogue) when it cannot be opened.
bool LoadCatalogue(const std::string& path, Catalogue& catalogue);
// The index text: every line ends with CR LF.
std::string CatalogueText(const Catalogue& catalogue);
// Writes the index whole (a scratch file renamed over it); on failure the file error is
// reported and the old index stays.
bool SaveCatalogue(Host& host, const std::string& path, const Catalogue& catalogue);

}  // namespace vormak
