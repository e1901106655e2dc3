#include "interp/run_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nctext/pane_services.h"
#include "settings/word_format.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

class RunDriverTest : public ::testing::Test {
 protected:
  RunDriverTest() : bench(host) {
    bench.settings.system_type = SystemType::kMill;
    bench.settings.x_radius = true;
    bench.settings.use.Set(kUseTools, false);
    bench.settings.use.Set(kUseSubprograms, true);
    bench.settings.use.Set(kUseMacros, true);
    FillFormatSet1(bench.word_formats, bench.settings);
    InstallRunDriver(bench);
    bench.interp.motion.move_observer = [this](const DrawnMove& m) { moves.push_back(m); };
  }
  void Load(const std::string& text) {
    bench.Pane(1)->SetText(text);
    StartRun(bench, RunCommand::kResetNc);
    moves.clear();
  }
  std::vector<int> MoveLines() const {
    std::vector<int> lines;
    for (const DrawnMove& m : moves) lines.push_back(m.line);
    return lines;
  }
  double X() { return bench.interp.Turret(1)[kRegX]; }

  FakeHost host;
  Workbench bench;
  std::vector<DrawnMove> moves;
};

TEST_F(RunDriverTest, BreakpointStopsBeforeItsLineAndTheNextRunGoesOnFromIt) {
  Load("G90 G00 X1\nX2\nX3\nX4\nX5\nX6\n");
  bench.settings.use.Set(kUseStopBreakpoints, true);
  bench.Pane(1)->SetBookmark(1, 1);  // never stops a run
  bench.Pane(1)->SetBookmark(3, 5);
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_EQ(MoveLines(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(CaretLine(bench, 1), 5);
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_EQ(MoveLines(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

// Plot Auto steps line by line and halts at a breakpoint; it goes on from there next time.
TEST_F(RunDriverTest, PlotAutoHaltsAtABreakpoint) {
  Load("G90 G00 X1\nX2\nX3\nX4\nX5\nX6\n");
  bench.settings.use.Set(kUseStopBreakpoints, true);
  bench.Pane(1)->SetBookmark(2, 4);
  StartRun(bench, RunCommand::kPlotAuto);
  EXPECT_EQ(MoveLines(), (std::vector<int>{1, 2, 3}));
  StartRun(bench, RunCommand::kPlotAuto);
  EXPECT_EQ(MoveLines(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

// After stepping, the marked line is no selection of lines: Record Toolpath records from the
// caret to the end.
TEST_F(RunDriverTest, RecordToolpathAfterSteppingRecordsTheRest) {
  Load("G90 G00 X0 Y0\nG01 X1. F10.\nX2.\nX3.\n");
  StartRun(bench, RunCommand::kPlotCurrentLine);
  StartRun(bench, RunCommand::kPlotCurrentLine);
  moves.clear();
  StartRun(bench, RunCommand::kRecordToolpath);
  EXPECT_EQ(MoveLines(), (std::vector<int>{3, 4}));
  int recorded = 0;
  for (int slot = 1; slot <= bench.cad.table.high_water; ++slot) {
    const CadElement* e = bench.cad.table.At(slot);
    recorded += e && e->state == ElementState::kToolpath ? 1 : 0;
  }
  EXPECT_EQ(recorded, 2);
  EXPECT_FALSE(bench.interp.motion.record_toolpath);
}

TEST_F(RunDriverTest, RepeatCountRunsTheLineAgainAndCallsSubprogramsAgain) {
  Load("G91 G01 X1. F10. L3\nG90\nM98 P100 L3\nM30\nO100\nG91 G01 Y1.\nG90\nM99\n");
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_DOUBLE_EQ(moves.at(2).end.x, 3);
  int sub_moves = 0;
  for (const DrawnMove& m : moves) sub_moves += m.line == 6 ? 1 : 0;
  EXPECT_EQ(sub_moves, 3);
}

TEST_F(RunDriverTest, ProgramStopOnlyWithItsOption) {
  Load("G90 G00 X1\nM00\nX2\nX3\n");
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_EQ(moves.size(), 3u);
  EXPECT_EQ(bench.interp.run.program_stop, -1);

  bench.settings.use.Set(kUseStopM00, true);
  bench.settings.use.Set(kUseStopM01, true);
  Load("G90 G00 X1\nM00\nX2\nM01\nX3\n");
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_EQ(MoveLines(), (std::vector<int>{1}));
  EXPECT_EQ(CaretLine(bench, 1), 3);
  EXPECT_EQ(bench.interp.run.program_stop, 0);
  EXPECT_EQ(bench.interp.run.program_stop_line, 2);
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_EQ(MoveLines(), (std::vector<int>{1, 3}));
  EXPECT_EQ(bench.interp.run.program_stop, 1);
  EXPECT_EQ(bench.interp.run.program_stop_line, 4);
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_EQ(MoveLines(), (std::vector<int>{1, 3, 5}));
  EXPECT_EQ(bench.interp.run.program_stop, -1);  // that run reached the end
}

TEST_F(RunDriverTest, PlotAutoStopsAtTheEndOfTheProgram) {
  Load("G90 G00 X1\nX2\nM30\nX9\nX10\n");
  StartRun(bench, RunCommand::kPlotAuto);
  EXPECT_EQ(MoveLines(), (std::vector<int>{1, 2}));
  EXPECT_TRUE(bench.stop_requested);
}

TEST_F(RunDriverTest, SubprogramRunningOffTheEndIsReported) {
  Load("G90 M98 P100\nM30\nO100\nG00 X1\n");
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_TRUE(host.Showed(kMissingM99));
  EXPECT_EQ(bench.interp.flow.level, 0);
  EXPECT_EQ(MoveLines(), (std::vector<int>{4}));
}

TEST_F(RunDriverTest, EndlessLoopStopsOnEscapeAndOnTheLineLimit) {
  Load("#1=0\nWHILE [1 EQ 1] DO1\nG91 G01 X1. F10.\nEND1\n");
  host.QueueEscape(500);
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_GT(moves.size(), 10u);

  EXPECT_FALSE(bench.interp.run.stopped_at_limit);

  Load("N1 G91 G01 X1. F10.\nGOTO 1\n");
  bench.interp.run.line_limit = 1000;
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_TRUE(bench.interp.run.stopped_at_limit);
  EXPECT_EQ(bench.interp.run.lines_run, 1000);
  EXPECT_GT(moves.size(), 100u);

  // A program that ends on the limit's last line was not cut off; one line more was, and the
  // line held back is the next to run.
  Load("G91 G01 X1. F10.\nX1.\nX1.");
  bench.interp.run.line_limit = 3;
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_FALSE(bench.interp.run.stopped_at_limit);
  EXPECT_EQ(moves.size(), 3u);
  Load("G91 G01 X1. F10.\nX1.\nX1.");
  bench.interp.run.line_limit = 2;
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_TRUE(bench.interp.run.stopped_at_limit);
  EXPECT_EQ(moves.size(), 2u);
  EXPECT_EQ(bench.interp.run.current_line, 3);
}

TEST_F(RunDriverTest, SingleLineMarksTheLineRunAndStepUpGoesBack) {
  Load("G90 G00 X1\nX2\nX3\n");
  StartRun(bench, RunCommand::kPlotCurrentLine);
  StartRun(bench, RunCommand::kPlotCurrentLine);
  EXPECT_EQ(MoveLines(), (std::vector<int>{1, 2}));
  TextSelection sel = bench.Pane(1)->GetSelection();
  EXPECT_EQ(sel.start.line, 2);  // the line just run is marked
  EXPECT_EQ(sel.end.line, 3);
  StartRun(bench, RunCommand::kStepUp);
  sel = bench.Pane(1)->GetSelection();
  EXPECT_EQ(sel.start.line, 1);
  EXPECT_EQ(moves.size(), 2u);
}

TEST_F(RunDriverTest, ResetNcShowsTheSizeAndGoesToLineOne) {
  bench.Pane(1)->SetText("G00 X1\nX2\n");
  GoToLine(bench, 1, 2);
  StartRun(bench, RunCommand::kResetNc);
  EXPECT_EQ(CaretLine(bench, 1), 1);
  EXPECT_EQ(host.prompt_panel, " 12 Chars, 3 Lines");
}

TEST(InsertWords, ReplacesAfterTheLetterOrAppends) {
  EXPECT_EQ(SetWordInLine("G01 X1.5 Y2", 'X', "3."), "G01 X3. Y2");
  EXPECT_EQ(SetWordInLine("G01 X1.5Y2", 'X', "3."), "G01 X3.Y2");
  EXPECT_EQ(SetWordInLine("G01 Y2", 'X', "3."), "G01 Y2X3.");
  EXPECT_EQ(SetWordInLine(std::string(85, 'A'), 'X', "1").size(), 80u);
}

TEST_F(RunDriverTest, InsertTakesTheToolPositionOfALatheInDiameter) {
  bench.settings.system_type = SystemType::kLathe;
  bench.settings.x_radius = false;
  bench.interp.motion.tool_position[0] = {-3, 1.25, 0};  // (Z, X radius)
  bench.Pane(1)->SetText("G01 X0 F.01\n");
  InsertCommandValue(bench, InsertCommand::kXZ);
  const std::string line = PaneLine(bench, 1, 1);
  EXPECT_NE(line.find("X2.5"), std::string::npos) << line;
  EXPECT_NE(line.find("Z-3."), std::string::npos) << line;
  bench.settings.lathe_minus = true;
  InsertCommandValue(bench, InsertCommand::kX);
  EXPECT_NE(PaneLine(bench, 1, 1).find("X-2.5"), std::string::npos) << PaneLine(bench, 1, 1);
}

// A twin-turret lathe runs pane 1 and pane 2 line by line together: each turret keeps its own
// modal state, its moves come from its own pane and the run ends at either program end.
TEST_F(RunDriverTest, TwinTurretsRunBothPanesLineByLine) {
  bench.settings.system_type = SystemType::kLathe;
  bench.settings.x_radius = false;
  bench.settings.twin_turrets = true;
  bench.Pane(2)->SetText("G00 X40. Z5.\nG01 X30. F.1\nZ-10.\nG00 X40.\nM30\n");
  Load("G00 X20. Z2.\nG01 Z-20. F.2\nX24.\nG00 Z2.\nM30\n");
  StartRun(bench, RunCommand::kRunAll);
  std::vector<std::pair<int, int>> order;  // (line, turret)
  for (const DrawnMove& m : moves) order.emplace_back(m.line, m.turret);
  EXPECT_EQ(order, (std::vector<std::pair<int, int>>{
                       {1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 1}, {3, 2}, {4, 1}, {4, 2}}));
  // Turret 2's "Z-10." is a feed move: its G01 stayed with it while turret 1 went on.
  EXPECT_EQ(moves[5].kind, MoveKind::kFeed);
  EXPECT_EQ(moves[5].end, (Xyz{-10, 15, 0}));
  EXPECT_EQ(moves[4].end, (Xyz{-20, 12, 0}));
  EXPECT_TRUE(bench.interp.Turret(2).G(0));
}

// Either turret's program ends the run and either pane's bookmark is a breakpoint; Reset NC
// takes both panes back to line 1.
TEST_F(RunDriverTest, TwinTurretsStopOnEitherPane) {
  bench.settings.system_type = SystemType::kLathe;
  bench.settings.x_radius = false;
  bench.settings.twin_turrets = true;
  bench.settings.use.Set(kUseStopBreakpoints, true);
  bench.Pane(2)->SetText("G00 X40. Z5.\nX42.\nM30\nX44.\n");
  Load("G00 X20. Z2.\nX22.\nX24.\nX26.\n");
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_EQ(MoveLines(), (std::vector<int>{1, 1, 2, 2, 3}));  // M30 in pane 2 ends it

  StartRun(bench, RunCommand::kResetNc);
  EXPECT_EQ(CaretLine(bench, 1), 1);
  EXPECT_EQ(CaretLine(bench, 2), 1);
  bench.Pane(2)->SetText("G00 X40. Z5.\nX42.\nX43.\nX44.\n");
  bench.Pane(2)->SetBookmark(1, 3);
  moves.clear();
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_EQ(MoveLines(), (std::vector<int>{1, 1, 2, 2}));  // stopped before line 3
}

}  // namespace
}  // namespace vormak
