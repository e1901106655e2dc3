#include "nctext/pane_services.h"

#include <algorithm>

#include "nctext/pane_bench.h"

namespace vormak {

namespace {

// The panes each group of services serves.
enum PaneSet { kAll, kMainAndContour, kTurrets };

bool Serves(PaneSet set, int pane) {
  switch (set) {
    case kAll:
      return pane >= 1 && pane <= 4;
    case kMainAndContour:
      return pane == 1 || pane == 2 || pane == 4;
    case kTurrets:
      return pane == 1 || pane == 2;
  }
  return false;
}

const EditControl* Get(const PaneBench& bench, PaneSet set, int pane) {
  return Serves(set, pane) ? bench.Pane(pane) : nullptr;
}

EditControl* Get(PaneBench& bench, PaneSet set, int pane) {
  return Serves(set, pane) ? bench.Pane(pane) : nullptr;
}

void TwinScroll(PaneBench& bench, int pane) {
  if (!bench.settings.twin_turrets || (pane != 1 && pane != 2)) return;
  const EditControl* moved = bench.Pane(pane);
  EditControl* other = bench.Pane(3 - pane);
  if (moved && other) other->SetTopLine(moved->TopLine());
}

int ClampLine(const EditControl& e, int n) {
  return std::clamp(n, 1, std::max(e.LineCount(), 1));
}

void Select(PaneBench& bench, EditControl& e, int pane, TextPosition from, TextPosition to) {
  e.SetSelection({from, to});
  TwinScroll(bench, pane);
}

}  // namespace

std::string PaneLine(const PaneBench& bench, int pane, int n) {
  const EditControl* e = Get(bench, kAll, pane);
  return e ? e->GetLine(n) : std::string();
}

void ReadPaneLine(const PaneBench& bench, int pane, int n, std::string& into) {
  if (const EditControl* e = Get(bench, kAll, pane)) {
    e->ReadLine(n, into);
  } else {
    into.clear();
  }
}

int PaneLineCount(const PaneBench& bench, int pane) {
  const EditControl* e = Get(bench, kAll, pane);
  return e ? e->LineCount() : 0;
}

int PaneLineLength(const PaneBench& bench, int pane, int n) {
  const EditControl* e = Get(bench, kMainAndContour, pane);
  return e ? e->LineLength(n) : 0;
}

int CaretLine(const PaneBench& bench, int pane) {
  const EditControl* e = Get(bench, kAll, pane);
  return e ? e->GetSelection().end.line : 0;
}

bool HasSelection(const PaneBench& bench, int pane) {
  const EditControl* e = Get(bench, kMainAndContour, pane);
  if (!e) return false;
  const TextSelection s = e->GetSelection();
  return !(s.start == s.end);
}

ColumnRange SelectionColumns(const PaneBench& bench, int pane) {
  const EditControl* e = Get(bench, kMainAndContour, pane);
  if (!e) return {};
  const TextSelection s = e->GetSelection();
  return {s.start.column, s.end.column};
}

LineRange SelectedLineRange(const PaneBench& bench, int pane) {
  const EditControl* e = Get(bench, kAll, pane);
  if (!e) return {};
  const TextSelection s = e->GetSelection();
  LineRange r{std::min(s.start.line, s.end.line), std::max(s.start.line, s.end.line)};
  if (r.first == r.last && (s.start == s.end || r.first == 1)) r.last = e->LineCount();
  return r;
}

void GoToLine(PaneBench& bench, int pane, int n) {
  EditControl* e = Get(bench, kAll, pane);
  if (!e) return;
  n = ClampLine(*e, n);
  Select(bench, *e, pane, {n, 0}, {n, e->LineLength(n)});
}

void SelectColumns(PaneBench& bench, int pane, int n, int c1, int c2) {
  EditControl* e = Get(bench, kTurrets, pane);
  if (!e) return;
  n = ClampLine(*e, n);
  const int length = e->LineLength(n);
  Select(bench, *e, pane, {n, std::clamp(c1, 0, length)}, {n, std::clamp(c2, 0, length)});
}

void SelectLines(PaneBench& bench, int pane, int first, int last) {
  EditControl* e = Get(bench, kMainAndContour, pane);
  if (!e) return;
  last = std::min(last, e->LineCount() - 1);
  if (first + last == 0 || last < first) return;
  first = std::max(first, 1);
  if (last < first) return;
  Select(bench, *e, pane, {first, 0}, {last, e->LineLength(last)});
}

void ReplacePaneLine(PaneBench& bench, int pane, int n, const std::string& text) {
  EditControl* e = Get(bench, kMainAndContour, pane);
  // A line that is not there is not replaced: the last line must not take its text.
  if (!e || n < 1 || n > e->LineCount()) return;
  GoToLine(bench, pane, n);
  e->ReplaceSelection(text);
}

void SetLineText(PaneBench& bench, int pane, int n, const std::string& text) {
  if (EditControl* e = Get(bench, kTurrets, pane)) e->ReplaceLine(n, text);
}

void DeletePaneLine(PaneBench& bench, int pane, int n) {
  if (EditControl* e = Get(bench, kMainAndContour, pane)) e->DeleteLine(n);
}

void AppendPaneLine(PaneBench& bench, int pane, const std::string& text) {
  if (EditControl* e = Get(bench, kMainAndContour, pane)) e->AppendLine(text);
}

void InsertAfterNextLine(PaneBench& bench, int pane, const std::string& text) {
  if (EditControl* e = Get(bench, kAll, pane)) e->InsertLine(e->GetSelection().end.line + 1, text);
}

void InsertAboveCaret(PaneBench& bench, int pane, const std::string& text) {
  EditControl* e = Get(bench, kTurrets, pane);
  if (!e) return;
  TextSelection s = e->GetSelection();
  const int caret = s.end.line;
  e->InsertLine(caret - 1, text);
  if (s.start.line >= caret) ++s.start.line;
  ++s.end.line;
  Select(bench, *e, pane, s.start, s.end);
}

void InsertBlankLineAt(PaneBench& bench, int pane, int n) {
  EditControl* e = Get(bench, kTurrets, pane);
  if (!e) return;
  n = ClampLine(*e, n);
  Select(bench, *e, pane, {n, 0}, {n, 0});
  e->ReplaceSelection("\r\n");
  TwinScroll(bench, pane);
}

void InsertBlankLineBelowCaret(PaneBench& bench, int pane) {
  EditControl* e = Get(bench, kTurrets, pane);
  if (!e) return;
  const int caret = e->GetSelection().end.line;
  if (caret >= e->LineCount()) {
    e->AppendLine("");
  } else {
    e->SetSelection({{caret + 1, 0}, {caret + 1, 0}});
    e->ReplaceSelection("\r\n");
  }
  GoToLine(bench, pane, caret + 1);
}

void InsertAtCaret(PaneBench& bench, const std::string& text) {
  const int pane = bench.active_pane;
  EditControl* e = Get(bench, kMainAndContour, pane);
  if (!e) return;
  e->ReplaceSelection(text);
  TwinScroll(bench, pane);
}

void MarkPlotLine(PaneBench& bench, int pane, int n) {
  EditControl* e = Get(bench, kTurrets, pane);
  if (!e) return;
  n = std::max(n, 2);
  Select(bench, *e, pane, {n - 1, 0}, {n, 0});
}

void FocusPane(PaneBench& bench, int pane) {
  if (!Serves(kMainAndContour, pane)) pane = 1;
  if (bench.nctext.focus_pane) bench.nctext.focus_pane(pane);
}

int PaneTopLine(const PaneBench& bench, int pane) {
  const EditControl* e = Get(bench, kTurrets, pane);
  return e ? e->TopLine() : 0;
}

void SetPaneTopLine(PaneBench& bench, int pane, int n) {
  if (EditControl* e = Get(bench, kTurrets, pane)) e->SetTopLine(n);
}

int PaneBookmarkLine(const PaneBench& bench, int pane, int k) {
  const EditControl* e = Get(bench, kTurrets, pane);
  return e ? e->BookmarkLine(k) : 0;
}

bool PaneBreakpointAt(const PaneBench& bench, int pane, int line) {
  const EditControl* e = Get(bench, kTurrets, pane);
  if (!e) return false;
  for (int k = 1; k <= 5; ++k) {
    if (e->BookmarkLine(k) == line) return true;
  }
  return false;
}

}  // namespace vormak
