#include "interp/run_driver.h"

#include <algorithm>
#include <string>

#include "cad/element_table.h"
#include "interp/block_interpreter.h"
#include "interp/machining_time.h"
#include "interp/motion_hooks.h"
#include "interp/program_flow.h"
#include "nctext/pane_services.h"
#include "nctext/status_services.h"
#include "nctext/vector_state.h"
#include "plot/backplot.h"
#include "plot/plot_window.h"
#include "plot/tool_picture.h"
#include "settings/word_format.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr const char* kRunCaption = "Vormak";
constexpr int kLinesKeptBelowCaret = 7;
constexpr int kProgressLines = 256;  // lines between two repaint / input checks of a long run
constexpr size_t kTargetLineLength = 90;
constexpr size_t kInsertedLineLength = 80;
constexpr size_t kValueLength = 20;

bool Twin(const Workbench& bench) {
  return bench.settings.twin_turrets;
}

int SourcePane(const Workbench& bench) {
  return bench.interp.run.source_pane == 4 ? 4 : 1;
}

bool OnBreakpoint(const Workbench& bench, int line) {
  if (PaneBreakpointAt(bench, bench.active_pane, line)) return true;
  return Twin(bench) && (PaneBreakpointAt(bench, 1, line) || PaneBreakpointAt(bench, 2, line));
}

bool ProgramEnded(const InterpState& interp, bool twin) {
  const auto ended = [](const TurretState& t) { return t.M(30) || t.M(2); };
  return ended(interp.Turret(1)) || (twin && ended(interp.Turret(2)));
}

// A line's text read into the run's room for it, which goes back when the line is done. A
// line run from inside this one finds the room taken and makes its own.
class LineRoom {
 public:
  LineRoom(const Workbench& bench, std::string& home, int pane, int line)
      : home_(home), text_(std::move(home)) {
    ReadPaneLine(bench, pane, line, text_);
  }
  ~LineRoom() { home_ = std::move(text_); }
  LineRoom(const LineRoom&) = delete;
  LineRoom& operator=(const LineRoom&) = delete;
  const std::string& text() const { return text_; }

 private:
  std::string& home_;
  std::string text_;
};

// kHeld: the run stopped before its current line, which is still to run (a breakpoint, the
// line limit).
enum class LineOutcome { kGoOn, kEnd, kHeld };

// One line of the run; whether the loop goes on. `resumed`: the run's first line, which a
// breakpoint that stopped the last run must let through.
LineOutcome RunOneLine(Workbench& bench, RunMode mode, bool resumed) {
  InterpState& interp = bench.interp;
  RunState& run = interp.run;
  const MachineSettings& s = bench.settings;
  const bool twin = Twin(bench);

  // A breakpoint stops before its line; the run resumed from there passes it.
  if (s.use[kUseStopBreakpoints] && run.current_line >= 2 && !resumed && !interp.time.accounting &&
      OnBreakpoint(bench, run.current_line)) {
    bench.stop_requested = true;
    return LineOutcome::kHeld;
  }
  // A program that loops without end is cut off where the caller set the limit.
  if (run.line_limit > 0 && run.lines_run >= run.line_limit) {
    bench.stop_requested = true;
    run.stopped_at_limit = true;
    return LineOutcome::kHeld;
  }
  if (run.repeat_count < 1) run.repeat_count = 0;

  const int pane = SourcePane(bench);
  const LineRoom room(bench, run.line_room[0], pane, run.current_line);
  const LineRoom room2(bench, run.line_room[1], 2, twin ? run.current_line : 0);
  const std::string& line = room.text();
  const std::string& line2 = room2.text();
  run.last_line += InsertDueTimeReport(bench, line);
  if (!line.empty() || !line2.empty()) {
    run.turret = 1;
    // A comment or macro line takes no time of its own: the last block's time must not be
    // reported again for it.
    if (interp.time.accounting) interp.time.block_time = 0;
    if (twin) {
      InterpretLinePair(bench, line, line2);
      DrawBothTurretTools(bench);
    } else if (PreProcessScriptActive(bench)) {
      RunPreProcessScript(bench, line);
    } else {
      const int before = run.current_line;
      InterpretLine(bench, line);
      // A loop, a jump back or a subprogram: the lines will come round again.
      if (run.current_line < before) interp.line_cache.Wake();
    }
    TimeState& time = interp.time;
    if (time.accounting) {
      if (time.block_observer && time.block_time > 0) {
        time.block_observer(run.current_line, time.block_time);
      }
      InsertBlockTime(bench, run.current_line);
    }
  }
  ++run.lines_run;
  if (run.on_progress && run.lines_run % kProgressLines == 0) {
    run.on_progress();
    ClearVectorUpperHalves();  // the window painted and ran its events
  }

  if (ProgramEnded(interp, twin) && s.use[kUseSubprograms]) {
    if (interp.time.accounting) {
      bench.stop_requested = true;
    } else {
      ResetProgram(bench);
    }
  }
  if (mode == RunMode::kSingleLine && interp.Turret(1).M(30) && interp.flow.level >= 1) {
    GoToLine(bench, pane, run.current_line);
  }
  if (EscapePending(bench) || RightButtonPending(bench)) bench.stop_requested = true;
  if (bench.stop_requested) return LineOutcome::kEnd;

  if (interp.flow.level == 0) --run.repeat_count;
  const bool repeating = interp.flow.level == 0 && run.repeat_count >= 1;
  if (!repeating) ++run.current_line;

  // Past the text's end inside a subprogram: it never returns.
  if (interp.flow.level >= 1 && run.current_line > run.line_count) {
    bench.host().Information(kMissingM99, kRunCaption);
    ResetSubprogramState(bench);
    GoToLine(bench, pane, run.last_line);
    return LineOutcome::kEnd;
  }
  TurretState& t = interp.Turret(1);
  const bool stop_m0 = t.M(0) && s.use[kUseStopM00];
  const bool stop_m1 = t.M(1) && s.use[kUseStopM01];
  if (!interp.time.accounting && (stop_m0 || stop_m1)) {
    bench.stop_requested = true;
    t.SetM(stop_m0 ? 0 : 1, false);
    --run.current_line;
    run.program_stop = stop_m0 ? 0 : 1;
    run.program_stop_line = run.current_line;
    return LineOutcome::kEnd;
  }
  if (s.use[kUseStepSubs]) {
    if (interp.flow.level >= 1) {
      MarkPlotLine(bench, pane, run.current_line);
      if (mode == RunMode::kSingleLine) return LineOutcome::kEnd;
    } else if (mode == RunMode::kSingleLine && t.M(98)) {
      return LineOutcome::kEnd;
    }
  }
  if (interp.flow.level >= 1 || repeating || run.current_line <= run.last_line) {
    return LineOutcome::kGoOn;
  }
  return LineOutcome::kEnd;
}

// Keeps seven lines below the caret in view when the pane shows at least fourteen.
void KeepCaretInView(Workbench& bench, int caret) {
  EditControl* pane = bench.Pane(1);
  if (!pane) return;
  const int visible = pane->VisibleLineCount();
  if (visible < 2 * kLinesKeptBelowCaret) return;
  const int top = pane->TopLine();
  if (top + visible - 1 - caret >= kLinesKeptBelowCaret) return;
  SetPaneTopLine(bench, 1, std::max(1, caret + kLinesKeptBelowCaret - visible + 1));
  if (Twin(bench)) SetPaneTopLine(bench, 2, PaneTopLine(bench, 1));
}

void ShowRunEnd(Workbench& bench, RunMode mode, int first, int last) {
  const int current = bench.interp.run.current_line;
  switch (mode) {
    case RunMode::kSingleLine:
      MarkPlotLine(bench, 1, current);
      if (Twin(bench)) MarkPlotLine(bench, 2, current);
      KeepCaretInView(bench, current);
      break;
    case RunMode::kSelectedLines:
      SelectLines(bench, bench.active_pane, first, last);
      break;
    case RunMode::kCaretToEnd:
      MarkPlotLine(bench, 1, current);
      break;
  }
}

void ResetNc(Workbench& bench) {
  // The path drawn so far goes: what stays on the screen is what a redraw shows.
  ClearBackplot(bench.plot);
  Redraw(bench);
  ResetProgram(bench);
  GoToLine(bench, bench.active_pane, 1);
  if (Twin(bench)) {
    GoToLine(bench, 1, 1);
    GoToLine(bench, 2, 1);
  }
  const EditControl* pane = bench.Pane(1);
  const long long size = pane ? pane->TextSize() : 0;
  ShowPrompt(bench, std::to_string(size) + " Chars, " + std::to_string(PaneLineCount(bench, 1)) +
                        " Lines");
  LoadPreProcessScript(bench);
}

void StepUp(Workbench& bench) {
  const int caret = CaretLine(bench, bench.active_pane);
  MarkPlotLine(bench, 1, caret - 1);
  if (Twin(bench)) MarkPlotLine(bench, 2, caret - 1);
  FocusPane(bench, bench.active_pane);
}

void RecordToolpath(Workbench& bench) {
  ResetRunState(bench);
  // A new recording replaces the last one.
  ElementTable& table = bench.cad.table;
  for (int slot = 1; slot <= table.high_water; ++slot) {
    const CadElement* e = table.At(slot);
    if (e && e->state == ElementState::kToolpath) DiscardElement(table, slot);
  }
  MotionState& motion = bench.interp.motion;
  bool& spindle = bench.interp.machine.spindle_on;
  const bool spindle_was = spindle;
  motion.record_toolpath = true;
  spindle = true;
  const EditControl* pane = bench.Pane(bench.active_pane);
  const TextSelection sel = pane ? pane->GetSelection() : TextSelection{};
  bench.stop_requested = false;
  RunLines(bench, SelectionHoldsLines(sel) ? RunMode::kSelectedLines : RunMode::kCaretToEnd);
  motion.record_toolpath = false;
  spindle = spindle_was;
}

}  // namespace

void RunLines(Workbench& bench, RunMode mode, bool pass_breakpoint) {
  RunState& run = bench.interp.run;
  const int pane = SourcePane(bench);
  int first = CaretLine(bench, bench.active_pane);
  int last = first;
  if (mode == RunMode::kSelectedLines) {
    const EditControl* control = bench.Pane(bench.active_pane);
    const TextSelection sel = control ? control->GetSelection() : TextSelection{};
    first = std::min(sel.start.line, sel.end.line);
    last = std::max(sel.start.line, sel.end.line);
  } else if (mode == RunMode::kCaretToEnd) {
    last = PaneLineCount(bench, pane);
  }
  first = std::max(first, 1);
  run.current_line = first;
  run.last_line = last;
  run.line_count = PaneLineCount(bench, pane);
  run.mode = static_cast<int>(mode);
  run.running = true;
  ClearVectorUpperHalves();

  LineOutcome outcome = LineOutcome::kEnd;
  if (!bench.stop_requested && run.current_line <= run.last_line) {
    bool resumed = pass_breakpoint;
    do {
      outcome = RunOneLine(bench, mode, resumed);
      resumed = false;
    } while (outcome == LineOutcome::kGoOn);
  }
  // A stopped run goes on after the line it stopped on; a breakpoint's line is still to run.
  if (bench.stop_requested && outcome != LineOutcome::kHeld) ++run.current_line;
  run.running = false;
  // The tools stand painted wherever the run ended, stopped or was held.
  ShowStandingPictures(bench);
  ShowRunEnd(bench, mode, first, run.last_line);
  RefreshPlotStatus(bench);
  if (run.on_progress) run.on_progress();
}

void StartRun(Workbench& bench, RunCommand command) {
  RunState& run = bench.interp.run;
  if (run.running) return;
  run.lines_run = 0;
  run.stopped_at_limit = false;
  bench.interp.line_cache.Clear();
  run.program_stop = -1;
  StartTimedRun(bench);
  switch (command) {
    case RunCommand::kPlotCurrentLine:
      ShowPrompt(bench, "Plot Current Line");
      bench.stop_requested = false;
      RunLines(bench, RunMode::kSingleLine);
      ClearPrompt(bench);
      FocusPane(bench, bench.active_pane);
      break;
    case RunCommand::kRunAll:
      ShowPrompt(bench, "Run All");
      bench.stop_requested = false;
      RunLines(bench, RunMode::kCaretToEnd);
      FitFirstBackplot(bench);
      break;
    case RunCommand::kRunSelectedText:
      ShowPrompt(bench, "Run Selected Text");
      bench.stop_requested = false;
      FocusPane(bench, bench.active_pane);
      RunLines(bench, RunMode::kSelectedLines);
      FitFirstBackplot(bench);
      break;
    case RunCommand::kPlotAuto:
      ShowPrompt(bench, "Plot Auto");
      bench.stop_requested = false;
      // A breakpoint stops the steps after the first one.
      for (bool first = true; !bench.stop_requested; first = false) {
        RunLines(bench, RunMode::kSingleLine, first);
        if (run.current_line >= PaneLineCount(bench, bench.active_pane)) break;
      }
      FitFirstBackplot(bench);
      break;
    case RunCommand::kStepUp:
      StepUp(bench);
      break;
    case RunCommand::kResetNc:
      ResetNc(bench);
      break;
    case RunCommand::kRecordToolpath:
      RecordToolpath(bench);
      FitFirstBackplot(bench);
      break;
  }
}

bool SelectionHoldsLines(const TextSelection& selection) {
  const bool caret_last = selection.end.line >= selection.start.line;
  const TextPosition first = caret_last ? selection.start : selection.end;
  const TextPosition last = caret_last ? selection.end : selection.start;
  const int last_line = last.column == 0 ? last.line - 1 : last.line;
  return last_line > first.line;
}

void ResetAndRun(Workbench& bench) {
  // "Reset NC" puts the caret on line 1: the selection is kept for the run.
  EditControl* pane = bench.Pane(bench.active_pane);
  const TextSelection selection = pane ? pane->GetSelection() : TextSelection{};
  const bool selected = SelectionHoldsLines(selection);
  StartRun(bench, RunCommand::kResetNc);
  if (selected) {
    pane->SetSelection(selection);
    StartRun(bench, RunCommand::kRunSelectedText);
  } else {
    GoToLine(bench, bench.active_pane, 1);
    StartRun(bench, RunCommand::kRunAll);
  }
}

void ResetProgram(Workbench& bench) {
  InterpState& interp = bench.interp;
  for (TurretState& t : interp.turret) {
    for (int m = 0; m <= 99; ++m) t.SetM(m, false);
  }
  interp.run.current_line = 1;

  TurretState& t = interp.Current();
  for (TurretRegister r : {kRegA, kRegB, kRegC, kRegPrevA, kRegPrevB, kRegPrevC}) t[r] = 0;
  MachineState& m = interp.machine;
  m.feed_per_rev = true;
  m.spindle_on = false;
  m.coolant_on = false;
  m.trt_flag = false;
  m.comp_nc_mode = false;
  m.axis_swap = false;
  for (int i = 0; i < 4; ++i) m.work_offsets[static_cast<size_t>(i)] = {};
  m.common_offset = {};
  m.work_offset_code = 54;
  // The rotary words of the last run no longer turn the path.
  m.rotation = {};
  m.rotary_word = false;
  MotionState& motion = interp.motion;
  motion.rotary_reverse = false;
  motion.rotary_axis_moved = 0;
  motion.rotary_feed_move = false;
  // A run stopped inside a compensated contour leaves nothing for the next program start.
  CompensationState& comp = interp.comp;
  comp.active = false;
  comp.no_next_move = false;
  comp.passed_arc_lines.clear();

  ResetSubprogramState(bench);

  for (int g : {4, 10, 28, 50, 65, 80, 92}) t.SetG(g, false);
  for (TurretRegister r : {kRegI, kRegJ, kRegK, kRegL}) t[r] = 0;

  const auto& home = bench.settings.home_xyz;
  Xyz& tool = interp.motion.tool_position[interp.run.turret == 2 ? 1 : 0];
  if (bench.settings.system_type == SystemType::kLathe) {
    tool = {home[2], home[0], 0};
  } else {
    tool = {home[0], home[1], home[2]};
  }
  ClearPrompt(bench);
  bench.stop_requested = true;
}

void ResetRunState(Workbench& bench) {
  ClearCommand(bench);
  ClearPrompt(bench);
  bench.cad.commands.End(bench.host());
  bench.stop_requested = true;
}

void InstallRunDriver(Workbench& bench) {
  bench.nctext.reset_run_state = [&bench] { ResetRunState(bench); };
}

std::string SetWordInLine(const std::string& line, char letter, const std::string& value) {
  std::string out = line;
  const size_t at = out.find(letter);
  if (at == std::string::npos) {
    out += letter;
    out += value;
  } else {
    size_t end = at + 1;
    while (end < out.size() && out[end] != ' ' && out[end] >= '!' && out[end] <= '9') ++end;
    out.replace(at + 1, end - at - 1, value);
  }
  if (out.size() > kInsertedLineLength) out.resize(kInsertedLineLength);
  return out;
}

void InsertCommandValue(Workbench& bench, InsertCommand command) {
  const int pane = bench.active_pane;
  const EditControl* control = bench.Pane(pane);
  if (!control) return;
  const TextSelection sel = control->GetSelection();
  const int selection_start = std::min(sel.start.line, sel.end.line);
  const int caret = sel.end.line;
  const int target = caret == selection_start + 1 ? selection_start : caret;
  std::string line = PaneLine(bench, pane, target);
  if (line.size() > kTargetLineLength) line.resize(kTargetLineLength);

  if (command == InsertCommand::kArc) {
    const std::string& arc = bench.interp.motion.last_arc_block;
    if (!arc.empty()) ReplacePaneLine(bench, pane, target, arc);
    return;
  }
  const MachineSettings& s = bench.settings;
  const bool mill = s.system_type == SystemType::kMill;
  const Xyz& at = bench.interp.motion.tool_position[bench.interp.run.turret == 2 ? 1 : 0];
  double x = at.x, y = at.y, z = at.z;
  if (!mill) {
    // Lathe and wire machine: X up the screen, Z across.
    const double minus = s.lathe_minus ? -1 : 1;
    x = at.y * minus;
    z = at.x * minus;
    if (s.system_type == SystemType::kLathe && !s.x_radius) x *= 2;
  }
  const auto value = [&](char letter, double v) {
    std::string text = FormatAddressValue(bench.word_formats, letter, 1, v);
    if (text.size() > kValueLength) text.resize(kValueLength);
    return text;
  };
  const auto put = [&](char letter, double v) {
    line = SetWordInLine(line, letter, value(letter, v));
  };
  switch (command) {
    case InsertCommand::kX:
      put('X', x);
      break;
    case InsertCommand::kY:
      if (mill) put('Y', y);
      break;
    case InsertCommand::kZ:
      put('Z', z);
      break;
    case InsertCommand::kXY:
      put('X', x);
      if (mill) put('Y', y);
      break;
    case InsertCommand::kXZ:
      put('X', x);
      put('Z', z);
      break;
    case InsertCommand::kArc:
      break;
  }
  ReplacePaneLine(bench, pane, target, line);
}

}  // namespace vormak
