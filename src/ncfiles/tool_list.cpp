#include "ncfiles/tool_list.h"

#include <algorithm>

#include "nctext/block_words.h"
#include "nctext/edit_control.h"
#include "nctext/pane_services.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kLinesAboveTool = 5;

// The comment's text up to its end character.
std::string CutAtCommentEnd(const Workbench& bench, const std::string& line) {
  const CommentChars chars = CommentCharsOf(bench.settings);
  const size_t end = chars.end == 0 ? std::string::npos : line.find(chars.end);
  return end == std::string::npos ? line : line.substr(0, end);
}

// A note after ":" (not the ":" of a drive letter).
size_t NoteColon(const std::string& text) {
  const size_t colon = text.find(':');
  if (colon == std::string::npos || text.find(":\\") != std::string::npos) return std::string::npos;
  return colon;
}

}  // namespace

std::vector<ToolListEntry> BuildToolList(const Workbench& bench) {
  std::vector<ToolListEntry> entries;
  const EditControl* pane = bench.Pane(1);
  const EditControl* active = bench.Pane(bench.active_pane);
  if (pane == nullptr) return entries;
  const char comment = CommentCharsOf(bench.settings).begin;
  const std::string lathe = std::string(1, comment) + "TL ";
  const std::string mill = std::string(1, comment) + "TM ";
  const int count = std::min(pane->LineCount(), active != nullptr ? active->LineCount() : 0);
  for (int n = 1; n <= count && static_cast<int>(entries.size()) < kToolListEntries; ++n) {
    const std::string line = pane->GetLine(n);
    if (line.find(lathe) == std::string::npos && line.find(mill) == std::string::npos) continue;
    ToolListEntry entry{line, {}};
    const std::string cut = CutAtCommentEnd(bench, line);
    if (const size_t colon = NoteColon(cut); colon != std::string::npos) {
      entry.hint = cut.substr(colon + 1);
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

bool GoToToolLine(Workbench& bench, const ToolListEntry& entry) {
  const int pane = bench.active_pane;
  EditControl* control = bench.Pane(pane);
  if (control == nullptr || entry.text.empty()) return false;
  GoToLine(bench, pane, 1);
  control->SetSelection({{1, 0}, {1, 0}});
  if (!control->FindText(entry.text)) return false;
  const int line = control->GetSelection().end.line;
  SetPaneTopLine(bench, pane, std::max(1, line - kLinesAboveTool));
  return true;
}

std::string ToolPictureName(const Workbench& bench, const std::string& line) {
  if (bench.settings.system_type != SystemType::kLathe) return {};
  const char comment = CommentCharsOf(bench.settings).begin;
  std::string text = CutAtCommentEnd(bench, line);
  if (const size_t colon = NoteColon(text); colon != std::string::npos) text.resize(colon);
  if (text.find(std::string(1, comment) + "TM ") != std::string::npos) return {};
  // "(TL " goes, the tool file's name stays.
  if (text.find(std::string(1, comment) + "TL ") != std::string::npos) {
    text = text.size() > 4 ? text.substr(4) : std::string();
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
  return text;
}

}  // namespace vormak
