#include "interp/time_reports.h"

#include <cmath>
#include <string_view>

#include "interp/interp_state.h"
#include "interp/motion_hooks.h"
#include "interp/run_driver.h"
#include "nctext/block_words.h"
#include "nctext/edit_control.h"
#include "nctext/pane_services.h"
#include "settings/number_text.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kReportsAskedNoChoice = 489;
constexpr int kReportAfterM06 = 490;
constexpr int kReportBeforeT = 491;
constexpr int kReportAtText = 492;
constexpr size_t kTimedLineLength = 90;

bool ReportDue(const Workbench& bench, std::string_view line) {
  const TimeState& time = bench.interp.time;
  // Reports belong to the Time dialog's run; a plot with the status window open writes none.
  if (!time.accounting || line.empty()) return false;
  switch (time.report_mode) {
    case kReportAfterM06:
      return bench.interp.Turret(bench.interp.run.turret).M(6);
    case kReportBeforeT:
      return line.find('T') != std::string_view::npos &&
             line.find(CommentCharsOf(bench.settings).begin) == std::string_view::npos;
    case kReportAtText:
      return !time.report_text.empty() && line.find(time.report_text) != std::string_view::npos &&
             line.find("* ") == std::string_view::npos;
    default:
      return false;
  }
}

}  // namespace

std::string TimeCommentLine(const Workbench& bench, const std::string& label, double minutes) {
  const CommentChars chars = CommentCharsOf(bench.settings);
  const double hours = std::trunc(minutes / 60);
  const double rest = std::round((minutes / 60 - hours) * 60);
  std::string line(1, chars.begin);
  line += "* " + label + WholeNumberText(static_cast<long long>(hours)) + " HOURS " +
          WholeNumberText(static_cast<long long>(rest)) + " MINS";
  if (chars.end != 0) line += chars.end;
  return line;
}

int InsertDueTimeReport(Workbench& bench, std::string_view line) {
  if (!ReportDue(bench, line)) return 0;
  TimeState& time = bench.interp.time;
  RunState& run = bench.interp.run;
  const int pane = run.source_pane;
  const std::string total = TimeCommentLine(bench, "TOTAL TIME= ", time.total_time);
  const std::string segment =
      TimeCommentLine(bench, "SEGMENT TIME= ", time.total_time - time.total_at_report);
  // Both follow the line about to run, the segment first.
  GoToLine(bench, pane, run.current_line - 1);
  InsertAfterNextLine(bench, pane, total);
  InsertAfterNextLine(bench, pane, segment);
  time.total_at_report = time.total_time;
  run.line_count += 2;
  // One report a tool change: the lines that follow without a block of their own (comments, the
  // report lines themselves) leave the M06 standing.
  if (time.report_mode == kReportAfterM06) bench.interp.Turret(run.turret).SetM(6, false);
  return 2;
}

void InsertBlockTime(Workbench& bench, int n) {
  const TimeState& time = bench.interp.time;
  if (!time.insert_every_line || !time.accounting || !(time.block_time > 0)) return;
  const int pane = bench.interp.run.source_pane;
  const CommentChars chars = CommentCharsOf(bench.settings);
  std::string text(1, chars.begin);
  text += "* " + PlainNumberText(time.block_time);
  if (chars.end != 0) text += chars.end;
  text += PaneLine(bench, pane, n);
  if (text.size() > kTimedLineLength) text.resize(kTimedLineLength);
  ReplacePaneLine(bench, pane, n, text);
}

namespace {

// The total belongs inside the program: a closing "%" tape mark (blank lines after it aside)
// stays the last line, so the tape still ends where the control expects it.
void InsertTotalLine(Workbench& bench, const std::string& total) {
  int last = PaneLineCount(bench, 1);
  while (last > 0 && PaneLine(bench, 1, last).find_first_not_of(" \t") == std::string::npos) {
    --last;
  }
  const std::string text = last > 0 ? PaneLine(bench, 1, last) : std::string();
  const size_t first = text.find_first_not_of(" \t");
  EditControl* pane = bench.Pane(1);
  if (pane != nullptr && first != std::string::npos && text[first] == '%') {
    pane->InsertLine(last - 1, total);
  } else {
    AppendPaneLine(bench, 1, total);
  }
}

}  // namespace

void RunTimeDialog(Workbench& bench, const TimeDialogChoices& choices) {
  // The lines written by one run undo as one step in every pane they go into.
  for (int pane = 1; pane <= kPaneCount; ++pane) {
    if (EditControl* control = bench.Pane(pane)) control->BeginUndoGroup();
  }
  TimeState& time = bench.interp.time;
  bench.interp.motion.solid_view = false;  // rapids are timed only outside the solid view
  time.accounting = true;
  time.insert_every_line = choices.every_line;
  time.report_mode = 0;
  if (choices.reports) {
    time.report_mode = kReportsAskedNoChoice;
    if (choices.after_m06) {
      time.report_mode = kReportAfterM06;
    } else if (choices.before_t) {
      time.report_mode = kReportBeforeT;
    } else if (choices.after_text) {
      time.report_mode = kReportAtText;
      time.report_text = choices.text;
    }
  }
  ResetAndRun(bench);
  if (choices.total_at_end)
    InsertTotalLine(bench, TimeCommentLine(bench, "TOTAL TIME= ", time.total_time));
  // The report choices end with the run: a later plot with the status window open counts time
  // but writes nothing into the program.
  time.accounting = false;
  time.report_mode = 0;
  time.insert_every_line = false;
  for (int pane = 1; pane <= kPaneCount; ++pane) {
    if (EditControl* control = bench.Pane(pane)) control->EndUndoGroup();
  }
}

}  // namespace vormak
