#include "nctext/edit_control.h"

#include <algorithm>

namespace vormak {

void EditControl::ReplaceLines(int first, int last, std::vector<std::string> lines) {
  size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  last = std::min(last, LineCount());
  SetSelection({{first, 0}, {last, LineLength(last)}});
  ReplaceSelection(text);
}

}  // namespace vormak
