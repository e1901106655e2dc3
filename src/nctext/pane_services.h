#pragma once
// Pane-numbered access to editor lines and selections. Pane 1 is the main program (turret A),
// 2 turret B, 3 the script window, 4 the contour output. A pane a service does not serve
// reads as empty and takes no writes. With twin turrets, a service that moves the caret in
// pane 1 or 2 gives the other of the two the same top line, so both programs scroll together.

#include <string>

namespace vormak {

class Workbench;

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

std::string PaneLine(const Workbench& bench, int pane, int n);
// PaneLine into `into`, reusing its room ("" when there is no such pane or line).
void ReadPaneLine(const Workbench& bench, int pane, int n, std::string& into);
int PaneLineCount(const Workbench& bench, int pane);
int PaneLineLength(const Workbench& bench, int pane, int n);
int CaretLine(const Workbench& bench, int pane);
bool HasSelection(const Workbench& bench, int pane);
ColumnRange SelectionColumns(const Workbench& bench, int pane);
// The lines a utility works on: the selected lines, or with only a caret (or a selection
// inside line 1) from the caret's line to the end.
LineRange SelectedLineRange(const Workbench& bench, int pane);

void GoToLine(Workbench& bench, int pane, int n);
void SelectColumns(Workbench& bench, int pane, int n, int c1, int c2);
void SelectLines(Workbench& bench, int pane, int first, int last);
void ReplacePaneLine(Workbench& bench, int pane, int n, const std::string& text);
void SetLineText(Workbench& bench, int pane, int n, const std::string& text);
void DeletePaneLine(Workbench& bench, int pane, int n);
void AppendPaneLine(Workbench& bench, int pane, const std::string& text);
void InsertAfterNextLine(Workbench& bench, int pane, const std::string& text);
void InsertAboveCaret(Workbench& bench, int pane, const std::string& text);
void InsertBlankLineAt(Workbench& bench, int pane, int n);
void InsertBlankLineBelowCaret(Workbench& bench, int pane);
// Into the active pane: replaces the selection, or inserts at the caret.
void InsertAtCaret(Workbench& bench, const std::string& text);
// Selects the whole of line n - 1 (n at least 2): the block the plot has just run.
void MarkPlotLine(Workbench& bench, int pane, int n);
void FocusPane(Workbench& bench, int pane);
int PaneTopLine(const Workbench& bench, int pane);
void SetPaneTopLine(Workbench& bench, int pane, int n);
int PaneBookmarkLine(const Workbench& bench, int pane, int k);

}  // namespace vormak
