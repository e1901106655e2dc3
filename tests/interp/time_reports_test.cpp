// The Time dialog's run: reports between the lines, the time of every block in front of it and
// the total at the end, written into the program.
#include "interp/time_reports.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "interp/run_driver.h"
#include "nctext/pane_services.h"
#include "settings/word_format.h"
#include "support/fake_host.h"
#include "support/test_paths.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

class TimeReports : public ::testing::Test {
 protected:
  TimeReports() : bench(host) {
    bench.settings.system_type = SystemType::kMill;
    bench.settings.x_radius = true;
    bench.settings.use.Set(kUseTools, false);
    bench.settings.use.Set(kUseSubprograms, true);
    FillFormatSet1(bench.word_formats, bench.settings);
    InstallRunDriver(bench);
  }
  std::string Text() const { return bench.Pane(1)->GetText(); }

  FakeHost host;
  Workbench bench;
};

// Two tools of 0.102 + 0.108 and 0.204 minutes; reports after each M06 show the total and the
// time since the last report, and the run still reaches the end of the grown program.
TEST_F(TimeReports, AfterEveryToolChange) {
  bench.Pane(1)->SetText(
      "T1 M06\nG90 G00 X0 Y0\nG01 X10. F100.\nG00 X50.\nT2 M06\nG01 X70. F100.\nM30\n");
  TimeDialogChoices choices;
  choices.reports = true;
  choices.after_m06 = true;
  choices.total_at_end = true;
  RunTimeDialog(bench, choices);
  // Each report follows the line after the tool change, the segment first.
  EXPECT_EQ(
      Text(),
      "T1 M06\r\nG90 G00 X0 Y0\r\n(* SEGMENT TIME= 0 HOURS 0 MINS)\r\n"
      "(* TOTAL TIME= 0 HOURS 0 MINS)\r\nG01 X10. F100.\r\nG00 X50.\r\nT2 M06\r\n"
      "G01 X70. F100.\r\n(* SEGMENT TIME= 0 HOURS 0 MINS)\r\n(* TOTAL TIME= 0 HOURS 0 MINS)\r\n"
      "M30\r\n(* TOTAL TIME= 0 HOURS 0 MINS)\r\n");
  EXPECT_NEAR(bench.interp.time.total_time, 0.102 + 0.108 + 0.202, 1e-12);
  EXPECT_FALSE(bench.interp.time.accounting);
}

// A comment right after the tool change gets the one report and the run goes on.
TEST_F(TimeReports, OneReportForAToolChangeFollowedByComments) {
  bench.settings.use.Set(kUseCodes, true);
  bench.Pane(1)->SetText("T1 M06\n(TOOL ONE)\n(ROUGHING)\nG01 X10. F100.\nM30\n");
  TimeDialogChoices choices;
  choices.reports = true;
  choices.after_m06 = true;
  bench.interp.run.line_limit = 100;
  RunTimeDialog(bench, choices);
  EXPECT_EQ(Text(),
            "T1 M06\r\n(TOOL ONE)\r\n(* SEGMENT TIME= 0 HOURS 0 MINS)\r\n"
            "(* TOTAL TIME= 0 HOURS 0 MINS)\r\n(ROUGHING)\r\nG01 X10. F100.\r\nM30\r\n");
  EXPECT_NEAR(bench.interp.time.total_time, 0.102, 1e-12);
}

TEST_F(TimeReports, BeforeEveryTWordAndAtAText) {
  bench.Pane(1)->SetText("G01 X600. F10.\nT2 (T IN A COMMENT)\nT3\nG01 X0\n(ROUGH)\nM30\n");
  TimeDialogChoices choices;
  choices.reports = true;
  choices.before_t = true;
  RunTimeDialog(bench, choices);
  // 60 minutes and the allowance before T3; a T in a comment line is no tool call.
  EXPECT_EQ(PaneLine(bench, 1, 4), "(* SEGMENT TIME= 1 HOURS 0 MINS)");
  EXPECT_EQ(PaneLine(bench, 1, 5), "(* TOTAL TIME= 1 HOURS 0 MINS)");
  EXPECT_EQ(PaneLineCount(bench, 1), 9);

  bench.Pane(1)->SetText("G01 X600. F10.\n(ROUGH)\nG01 X0\n(ROUGH)\nM30\n");
  choices.before_t = false;
  choices.text = "ROUGH";
  RunTimeDialog(bench, choices);
  EXPECT_EQ(PaneLine(bench, 1, 3), "(* SEGMENT TIME= 1 HOURS 0 MINS)");
  EXPECT_EQ(PaneLine(bench, 1, 4), "(* TOTAL TIME= 1 HOURS 0 MINS)");
  // The inserted lines hold "* ", so the second report does not count them.
  EXPECT_EQ(PaneLine(bench, 1, 7), "(* SEGMENT TIME= 1 HOURS 0 MINS)");
  EXPECT_EQ(PaneLine(bench, 1, 8), "(* TOTAL TIME= 2 HOURS 0 MINS)");
}

TEST_F(TimeReports, EveryLineGetsItsTimeCutTo90Characters) {
  const std::string long_line = "G01 X10. F100. (" + std::string(100, 'A') + ")";
  bench.Pane(1)->SetText("G90 G00 X0 Y0\n" + long_line + "\nM30\n");
  TimeDialogChoices choices;
  choices.every_line = true;
  RunTimeDialog(bench, choices);
  EXPECT_EQ(PaneLine(bench, 1, 1), "G90 G00 X0 Y0");  // a move of zero length takes no time
  const std::string timed = PaneLine(bench, 1, 2);
  EXPECT_EQ(timed.size(), 90u);
  EXPECT_EQ(timed.rfind("(* .102)G01 X10. F100. (AAA", 0), 0u) << timed;
}

// Block times, reports and the total of one run come off with a single undo.
TEST_F(TimeReports, OneRunIsOneUndoStep) {
  const std::string program = "G90 G00 X0 Y0\r\nG01 X10. F100.\r\n(ROUGH)\r\nG00 X50.\r\nM30\r\n";
  bench.Pane(1)->SetText(program);
  bench.Pane(1)->EmptyUndoBuffer();
  TimeDialogChoices choices;
  choices.reports = true;
  choices.text = "ROUGH";
  choices.every_line = true;
  choices.total_at_end = true;
  RunTimeDialog(bench, choices);
  ASSERT_NE(Text(), program);
  const std::string timed = Text();
  bench.interp.time.accounting = true;  // the status window counts time on a plain plot
  ResetAndRun(bench);
  EXPECT_EQ(Text(), timed);
  bench.Pane(1)->Undo();
  EXPECT_EQ(Text(), program);
  EXPECT_FALSE(bench.Pane(1)->CanUndo());
}

// The shipped example (two tools, a subprogram called three times): a report follows the line
// after each tool change, and the inserted lines change neither the path nor the total.
TEST_F(TimeReports, ReportsInARealProgramLeaveThePathAndTotalAlone) {
  std::ifstream in(test::SourceDataDir() + "/examples/example.nc", std::ios::binary);
  std::stringstream program;
  program << in.rdbuf();
  ASSERT_FALSE(program.str().empty());
  int moves = 0;
  bench.interp.motion.move_observer = [&moves](const DrawnMove&) { ++moves; };

  // Every run starts where the last one left the tool: compare two runs that start alike.
  for (int run = 0; run < 2; ++run) {
    moves = 0;
    bench.Pane(1)->SetText(program.str());
    RunTimeDialog(bench, TimeDialogChoices{});
  }
  const double plain_total = bench.interp.time.total_time;
  const int plain_moves = moves;
  const int plain_lines = PaneLineCount(bench, 1);
  ASSERT_GT(plain_total, 0);

  moves = 0;
  bench.Pane(1)->SetText(program.str());
  TimeDialogChoices choices;
  choices.reports = true;
  choices.after_m06 = true;
  choices.total_at_end = true;
  RunTimeDialog(bench, choices);
  EXPECT_EQ(moves, plain_moves);
  EXPECT_DOUBLE_EQ(bench.interp.time.total_time, plain_total);
  EXPECT_EQ(PaneLineCount(bench, 1), plain_lines + 5);
  EXPECT_EQ(PaneLine(bench, 1, 4), "T1 M06 (1/2 END MILL)");
  EXPECT_EQ(PaneLine(bench, 1, 6).rfind("(* SEGMENT TIME= ", 0), 0u);
  EXPECT_EQ(PaneLine(bench, 1, 7).rfind("(* TOTAL TIME= ", 0), 0u);
  EXPECT_EQ(PaneLine(bench, 1, 35), "T2 M06 (#7 DRILL)");
  EXPECT_EQ(PaneLine(bench, 1, 37).rfind("(* SEGMENT TIME= ", 0), 0u);
  const std::string total = TimeCommentLine(bench, "TOTAL TIME= ", plain_total);
  // The example ends with the "%" tape mark: the total goes in front of it.
  int last = PaneLineCount(bench, 1);
  if (PaneLine(bench, 1, last).empty()) --last;
  EXPECT_EQ(PaneLine(bench, 1, last), "%");
  EXPECT_EQ(PaneLine(bench, 1, last - 1), total);
}

// The total stays inside the program: before a closing "%" (blank lines after it passed over),
// and after the last line of a program that has no tape mark at its end.
TEST_F(TimeReports, TotalGoesBeforeTheClosingPercentLine) {
  TimeDialogChoices choices;
  choices.total_at_end = true;
  bench.Pane(1)->SetText("%\nO1\nG01 X10. F100.\nM30\n%\n\n");
  RunTimeDialog(bench, choices);
  EXPECT_EQ(Text(),
            "%\r\nO1\r\nG01 X10. F100.\r\nM30\r\n(* TOTAL TIME= 0 HOURS 0 MINS)\r\n%\r\n\r\n");

  bench.Pane(1)->SetText("O1\nG01 X10. F100.\nM30 (% DONE)");
  RunTimeDialog(bench, choices);
  EXPECT_EQ(Text(), "O1\r\nG01 X10. F100.\r\nM30 (% DONE)\r\n(* TOTAL TIME= 0 HOURS 0 MINS)");
}

TEST_F(TimeReports, TotalLineRoundsTheMinutes) {
  EXPECT_EQ(TimeCommentLine(bench, "TOTAL TIME= ", 135.75), "(* TOTAL TIME= 2 HOURS 16 MINS)");
  bench.settings.comment_char = ";";
  bench.settings.end_comment_char = "";
  EXPECT_EQ(TimeCommentLine(bench, "TOTAL TIME= ", 59.4), ";* TOTAL TIME= 0 HOURS 59 MINS");
}

}  // namespace
}  // namespace vormak
