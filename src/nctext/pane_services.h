#pragma once
// Pane-numbered access to editor lines and selections. Pane 1 is the main program (turret A),
// 2 turret B, 3 the script window, 4 the contour output. A pane a service does not serve
// reads as empty and takes no writes. With twin turrets, a service that moves the caret in
// pane 1 or 2 gives the other of the two the same top line, so both programs scroll together.

#include <string>

namespace vormak {

class PaneBench;

struct LineRange {
  int first = 0;
  int last = 0;
  friend bool operator==(const LineRange&, const LineRange&) = default;
};

struct ColumnRange {
  int start = 0;
  int end = 0;
  friend bool operator==(const ColumnRange&, const ColumnRange&) = default;
};

std::string PaneLine(const PaneBench& bench, int pane, int n);
// PaneLine into `into`, reusing its room ("" when there is no such pane or line).
void ReadPaneLine(const PaneBench& bench, int pane, int n, std::string& into);
int PaneLineCount(const PaneBench& bench, int pane);
int PaneLineLength(const PaneBench& bench, int pane, int n);
int CaretLine(const PaneBench& bench, int pane);
bool HasSelection(const PaneBench& bench, int pane);
ColumnRange SelectionColumns(const PaneBench& bench, int pane);
// The lines a utility works on: the selected lines, or with only a caret (or a selection
// inside line 1) from the caret's line to the end.
LineRange SelectedLineRange(const PaneBench& bench, int pane);

void GoToLine(PaneBench& bench, int pane, int n);
void SelectColumns(PaneBench& bench, int pane, int n, int c1, int c2);
void SelectLines(PaneBench& bench, int pane, int first, int last);
void ReplacePaneLine(PaneBench& bench, int pane, int n, const std::string& text);
void SetLineText(PaneBench& bench, int pane, int n, const std::string& text);
void DeletePaneLine(PaneBench& bench, int pane, int n);
void AppendPaneLine(PaneBench& bench, int pane, const std::string& text);
void InsertAfterNextLine(PaneBench& bench, int pane, const std::string& text);
void InsertAboveCaret(PaneBench& bench, int pane, const std::string& text);
void InsertBlankLineAt(PaneBench& bench, int pane, int n);
void InsertBlankLineBelowCaret(PaneBench& bench, int pane);
// Into the active pane: replaces the selection, or inserts at the caret.
void InsertAtCaret(PaneBench& bench, const std::string& text);
// Selects the whole of line n - 1 (n at least 2): the block the plot has just run.
void MarkPlotLine(PaneBench& bench, int pane, int n);
void FocusPane(PaneBench& bench, int pane);
int PaneTopLine(const PaneBench& bench, int pane);
void SetPaneTopLine(PaneBench& bench, int pane, int n);
int PaneBookmarkLine(const PaneBench& bench, int pane, int k);
// Whether one of the bookmarks 1 to 5 of the pane marks `line` (the run's breakpoints).
bool PaneBreakpointAt(const PaneBench& bench, int pane, int line);

}  // namespace vormak
