// Loading a two-turret program into panes 1 and 2, and the line tests shared with the line-up
// and the save.
#include "ncfiles/twin_turret.h"

#include <cmath>

#include "ncfiles/nc_files.h"
#include "ncfiles/twin_lines.h"
#include "nctext/block_words.h"
#include "nctext/edit_control.h"
#include "nctext/pane_services.h"
#include "nctext/status_services.h"
#include "nctext/text_file_io.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr const char* kMessageCaption = "Vormak";

std::vector<std::string> PaneLines(const EditControl* pane) {
  std::vector<std::string> lines;
  if (pane == nullptr) return lines;
  const std::string text = pane->GetText();
  size_t start = 0;
  for (;;) {
    const size_t brk = text.find_first_of("\r\n", start);
    if (brk == std::string::npos) {
      lines.emplace_back(text, start);
      break;
    }
    lines.emplace_back(text, start, brk - start);
    start = brk + (text[brk] == '\r' && brk + 1 < text.size() && text[brk + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

void ReplacePaneText(EditControl* pane, const std::vector<std::string>& lines) {
  if (pane == nullptr) return;
  std::string text = JoinLines(lines);
  if (text == pane->GetText()) return;
  pane->BeginUndoGroup();
  pane->SetText(text);
  pane->EndUndoGroup();
}

}  // namespace

bool HoldsOutsideComment(std::string_view line, std::string_view text, char comment) {
  const size_t at = line.find(text);
  if (at == std::string_view::npos) return false;
  return at < line.find(comment);
}

long long SyncNumberOf(Workbench& bench, std::string_view line) {
  return std::llround(AddressValue(bench, "P", line, false));
}

char TwinCommentChar(const Workbench& bench) {
  return CommentCharsOf(bench.settings).begin;
}

TwinPanes ReadTwinPanes(const Workbench& bench) {
  return {PaneLines(bench.Pane(1)), PaneLines(bench.Pane(2))};
}

void WriteTwinPanes(Workbench& bench, const TwinPanes& panes) {
  ReplacePaneText(bench.Pane(1), panes.a);
  ReplacePaneText(bench.Pane(2), panes.b);
}

TwinPanes SplitTwinText(const std::string& bytes, bool& markers) {
  TwinPanes panes;
  markers = false;
  bool turret_b = false;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t brk = bytes.find_first_of("\r\n", start);
    const size_t end = brk == std::string::npos ? bytes.size() : brk;
    const std::string_view line(bytes.data() + start, end - start);
    if (Holds(line, "G14")) {
      turret_b = true;
      markers = true;
    } else if (Holds(line, "G13")) {
      turret_b = false;
      markers = true;
    }
    (turret_b ? panes.b : panes.a).emplace_back(line);
    (turret_b ? panes.a : panes.b).emplace_back();
    if (brk == std::string::npos) break;
    start = brk + (bytes[brk] == '\r' && brk + 1 < bytes.size() && bytes[brk + 1] == '\n' ? 2 : 1);
  }
  return panes;
}

bool LoadTwinTurretFile(Workbench& bench, const std::string& path) {
  std::string bytes;
  if (!ReadFileOnceMore(bench.host(), path, bytes)) return false;
  if (bytes.empty()) {
    bench.host().Information(kTwinEmptyFile, kMessageCaption);
  } else {
    bool markers = false;
    TwinPanes panes = SplitTwinText(bytes, markers);
    if (EscapePending(bench)) bench.stop_requested = true;
    if (!markers) bench.host().Information(kTwinNoMarkers, kMessageCaption);
    LineUpSyncNumbers(bench, panes);
    WriteTwinPanes(bench, panes);
    // A freshly loaded program is not an edit to be undone.
    for (int pane = 1; pane <= 2; ++pane) bench.Pane(pane)->EmptyUndoBuffer();
    bench.interp.run.current_line = 1;
    MarkPlotLine(bench, 1, 1);
    GoToLine(bench, 1, 1);
  }
  for (int pane = 1; pane <= 2; ++pane) bench.Pane(pane)->ClearModified();
  return true;
}

}  // namespace vormak
