#include "nctext/pane_services.h"

#include <gtest/gtest.h>

#include "nctext/order_blocks.h"
#include "nctext/status_services.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

class PaneServices : public ::testing::Test {
 protected:
  FakeHost host;
  Workbench bench{host};
  void Fill(int pane, int lines) {
    std::string text;
    for (int i = 1; i <= lines; ++i) text += (i > 1 ? "\r\n" : "") + ("N" + std::to_string(i));
    bench.Pane(pane)->SetText(text);
  }
  void Caret(int pane, int line, int column = 0) {
    bench.Pane(pane)->SetSelection({{line, column}, {line, column}});
  }
  TextSelection Sel(int pane) { return bench.Pane(pane)->GetSelection(); }
};

TEST_F(PaneServices, SelectedLineRange) {
  Fill(1, 20);
  Caret(1, 5, 1);
  EXPECT_EQ(SelectedLineRange(bench, 1), (LineRange{5, 20}));
  bench.Pane(1)->SetSelection({{1, 0}, {1, 2}});  // inside line 1: the whole text
  EXPECT_EQ(SelectedLineRange(bench, 1), (LineRange{1, 20}));
  bench.Pane(1)->SetSelection({{7, 0}, {7, 2}});  // inside another line: that line
  EXPECT_EQ(SelectedLineRange(bench, 1), (LineRange{7, 7}));
  bench.Pane(1)->SetSelection({{9, 1}, {4, 0}});  // backwards
  EXPECT_EQ(SelectedLineRange(bench, 1), (LineRange{4, 9}));
  Fill(3, 4);
  Caret(3, 2);
  EXPECT_EQ(SelectedLineRange(bench, 3), (LineRange{2, 4}));
  EXPECT_EQ(SelectedLineRange(bench, 5), (LineRange{0, 0}));
}

TEST_F(PaneServices, SelectLinesBounds) {
  Fill(1, 10);
  SelectLines(bench, 1, 3, 50);  // last is limited to the line count - 1
  EXPECT_EQ(Sel(1), (TextSelection{{3, 0}, {9, 2}}));
  Caret(1, 1);
  SelectLines(bench, 1, 0, 0);
  EXPECT_EQ(Sel(1), (TextSelection{{1, 0}, {1, 0}}));
  SelectLines(bench, 1, 6, 4);
  EXPECT_EQ(Sel(1), (TextSelection{{1, 0}, {1, 0}}));
  SelectLines(bench, 1, 10, 10);  // 10 > 9: nothing
  EXPECT_EQ(Sel(1), (TextSelection{{1, 0}, {1, 0}}));
  Fill(3, 10);
  Caret(3, 1);
  SelectLines(bench, 3, 2, 4);  // the script pane is not served
  EXPECT_EQ(Sel(3), (TextSelection{{1, 0}, {1, 0}}));
}

TEST_F(PaneServices, LinesAndUnservedPanes) {
  Fill(1, 3);
  Fill(3, 2);
  EXPECT_EQ(PaneLine(bench, 1, 2), "N2");
  EXPECT_EQ(PaneLine(bench, 1, 9), "");
  EXPECT_EQ(PaneLine(bench, 3, 1), "N1");
  EXPECT_EQ(PaneLine(bench, 0, 1), "");
  EXPECT_EQ(PaneLine(bench, 5, 1), "");
  EXPECT_EQ(PaneLineCount(bench, 1), 3);
  EXPECT_EQ(PaneLineCount(bench, 7), 0);
  EXPECT_EQ(PaneLineLength(bench, 1, 3), 2);
  EXPECT_EQ(PaneLineLength(bench, 3, 1), 0);  // not served for pane 3
  AppendPaneLine(bench, 3, "X");
  EXPECT_EQ(PaneLineCount(bench, 3), 2);
  AppendPaneLine(bench, 1, "N4");
  EXPECT_EQ(PaneLine(bench, 1, 4), "N4");
  DeletePaneLine(bench, 1, 1);
  EXPECT_EQ(PaneLine(bench, 1, 1), "N2");
  SetLineText(bench, 1, 1, "G1");
  EXPECT_EQ(PaneLine(bench, 1, 1), "G1");
  SetLineText(bench, 4, 1, "G1");
  EXPECT_EQ(PaneLine(bench, 4, 1), "");
}

TEST_F(PaneServices, GoToReplaceAndSelections) {
  Fill(1, 5);
  GoToLine(bench, 1, 3);
  EXPECT_EQ(Sel(1), (TextSelection{{3, 0}, {3, 2}}));
  EXPECT_TRUE(HasSelection(bench, 1));
  EXPECT_EQ(CaretLine(bench, 1), 3);
  EXPECT_EQ(SelectionColumns(bench, 1), (ColumnRange{0, 2}));
  ReplacePaneLine(bench, 1, 2, "X1.5");
  EXPECT_EQ(PaneLine(bench, 1, 2), "X1.5");
  EXPECT_EQ(PaneLineCount(bench, 1), 5);
  ReplacePaneLine(bench, 1, 9, "LOST");  // no such line: nothing replaced
  EXPECT_EQ(PaneLine(bench, 1, 5), "N5");
  SelectColumns(bench, 1, 4, 1, 2);
  EXPECT_EQ(Sel(1), (TextSelection{{4, 1}, {4, 2}}));
  MarkPlotLine(bench, 1, 1);  // raised to 2: the whole of line 1
  EXPECT_EQ(Sel(1), (TextSelection{{1, 0}, {2, 0}}));
  Caret(1, 2);
  EXPECT_FALSE(HasSelection(bench, 1));
}

TEST_F(PaneServices, Inserts) {
  Fill(1, 3);
  Caret(1, 1);
  InsertAfterNextLine(bench, 1, "A");
  EXPECT_EQ(bench.Pane(1)->GetText(), "N1\r\nN2\r\nA\r\nN3");
  Fill(1, 3);
  bench.Pane(1)->SetSelection({{2, 0}, {2, 2}});
  InsertAboveCaret(bench, 1, "B");
  EXPECT_EQ(bench.Pane(1)->GetText(), "N1\r\nB\r\nN2\r\nN3");
  EXPECT_EQ(Sel(1), (TextSelection{{3, 0}, {3, 2}}));
  Fill(1, 3);
  InsertBlankLineAt(bench, 1, 2);
  EXPECT_EQ(bench.Pane(1)->GetText(), "N1\r\n\r\nN2\r\nN3");
  Fill(1, 3);
  Caret(1, 1);
  InsertBlankLineBelowCaret(bench, 1);
  EXPECT_EQ(bench.Pane(1)->GetText(), "N1\r\n\r\nN2\r\nN3");
  EXPECT_EQ(CaretLine(bench, 1), 2);
  Caret(1, 4);
  InsertBlankLineBelowCaret(bench, 1);
  EXPECT_EQ(bench.Pane(1)->GetText(), "N1\r\n\r\nN2\r\nN3\r\n");
  EXPECT_EQ(CaretLine(bench, 1), 5);
  bench.active_pane = 1;
  bench.Pane(1)->SetSelection({{1, 0}, {1, 2}});
  InsertAtCaret(bench, "G0");
  EXPECT_EQ(PaneLine(bench, 1, 1), "G0");
}

TEST_F(PaneServices, TwinTurretsScrollTogether) {
  Fill(1, 200);
  Fill(2, 200);
  GoToLine(bench, 1, 150);
  EXPECT_EQ(PaneTopLine(bench, 2), 1);  // not in twin-turret mode
  bench.settings.twin_turrets = true;
  GoToLine(bench, 1, 120);
  EXPECT_NE(PaneTopLine(bench, 1), 1);
  EXPECT_EQ(PaneTopLine(bench, 2), PaneTopLine(bench, 1));
  SelectColumns(bench, 2, 10, 0, 1);
  EXPECT_EQ(PaneTopLine(bench, 1), PaneTopLine(bench, 2));
  SetPaneTopLine(bench, 1, 7);
  EXPECT_EQ(PaneTopLine(bench, 1), 7);
  EXPECT_EQ(PaneTopLine(bench, 4), 0);
}

TEST_F(PaneServices, BookmarksAndFocus) {
  Fill(1, 10);
  bench.Pane(1)->SetBookmark(3, 8);
  EXPECT_EQ(PaneBookmarkLine(bench, 1, 3), 8);
  EXPECT_EQ(PaneBookmarkLine(bench, 3, 3), 0);
  std::vector<int> focused;
  bench.nctext.focus_pane = [&](int pane) { focused.push_back(pane); };
  FocusPane(bench, 2);
  FocusPane(bench, 3);
  FocusPane(bench, 4);
  EXPECT_EQ(focused, (std::vector<int>{2, 1, 4}));
}

TEST_F(PaneServices, StatusServices) {
  ShowCommand(bench, "RENUMBER");
  EXPECT_EQ(host.command_panel, " RENUMBER");
  ShowPrompt(bench, "Pick First Point");
  EXPECT_EQ(host.prompt_panel, " Pick First Point");
  EXPECT_EQ(bench.nctext.current_prompt, "Pick First Point");
  ClearCommand(bench);
  ClearPrompt(bench);
  EXPECT_EQ(host.command_panel, " ");
  EXPECT_EQ(host.prompt_panel, " ");
  EXPECT_EQ(Warn(bench, "Bad G code in\r\nG999"), Answer::kOk);
  EXPECT_FALSE(bench.stop_requested);
  host.QueueAnswer(Answer::kCancel);
  EXPECT_EQ(Warn(bench, "Bad G code in\r\nG999"), Answer::kCancel);
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_EQ(host.messages.back().caption, "Warning");
}

TEST_F(PaneServices, EscapeStopsAndResetsTheRun) {
  int resets = 0;
  bench.nctext.reset_run_state = [&] { ++resets; };
  EXPECT_FALSE(EscapePending(bench));
  host.QueueEscape(0);
  EXPECT_TRUE(EscapePending(bench));
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_EQ(resets, 1);
  EXPECT_FALSE(RightButtonPending(bench));
  host.right_button = true;
  EXPECT_TRUE(RightButtonPending(bench));
  EXPECT_TRUE(RightButtonPending(bench));  // looking does not remove it
}

TEST_F(PaneServices, OrderBlocksSortsAndStripsRepeats) {
  bench.Pane(1)->SetText("Y2 X1 G1\r\nX1 Y3 (X AGAIN)\r\nY3 X[2*1]\r\nZ0\r\n%");
  Caret(1, 1);
  OrderBlocks(bench, 1, "GXY", "XYZ", kOrderBoth);
  EXPECT_EQ(PaneLine(bench, 1, 1), "G1 X1 Y2");
  EXPECT_EQ(PaneLine(bench, 1, 2), "Y3 (X AGAIN)");
  EXPECT_EQ(PaneLine(bench, 1, 3), "X[2*1] ");  // the blank before Y3 stays
  EXPECT_EQ(PaneLine(bench, 1, 4), "");         // Z0 repeats the starting 0
  EXPECT_EQ(PaneLine(bench, 1, 5), "%");
  EXPECT_EQ(Sel(1), (TextSelection{{1, 0}, {4, 0}}));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(PaneServices, OrderBlocksStopsOnCancelAndEscape) {
  bench.Pane(1)->SetText("X1\r\nX#1\r\nX1\r\n");
  Caret(1, 1);
  host.QueueAnswer(Answer::kCancel);
  OrderBlocks(bench, 1, "", "X", kOrderStripUnneeded);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Bad Character in Value\r\nX#1");
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_EQ(PaneLine(bench, 1, 3), "X1");  // never reached
  host.QueueEscape(0);
  bench.Pane(1)->SetText("Y2 X1\r\nY2 X1\r\n");
  Caret(1, 1);
  OrderBlocks(bench, 1, "XY", "", kOrderSortAddresses);
  EXPECT_EQ(PaneLine(bench, 1, 1), "Y2 X1");
}

}  // namespace
}  // namespace vormak
