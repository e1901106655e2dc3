// Comp NC: the selected blocks rewritten for the cutter centre, once in place or as a row of
// copies each offset once more than the one above it.

#include <string>

#include "interp/block_interpreter.h"
#include "interp/compensation.h"
#include "interp/compensation_geometry.h"
#include "nctext/edit_control.h"
#include "nctext/status_services.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

// One pass of the selected lines with compensation rewriting the blocks; nothing is drawn.
// Answers the range as it stands afterwards (inside arcs may have been deleted).
LineRange CompensatePass(Workbench& bench, int pane, LineRange range) {
  InterpState& interp = bench.interp;
  RunState& run = interp.run;
  CompensationState& comp = interp.comp;
  const RunState saved = run;
  run.source_pane = pane;
  run.turret = 1;
  run.running = true;
  interp.machine.comp_nc_mode = true;
  comp.active = false;
  comp.no_next_move = false;
  comp.lines_removed = 0;
  comp.passed_arc_lines.clear();
  for (run.current_line = range.first;
       !bench.stop_requested && run.current_line <= range.last - comp.lines_removed;
       ++run.current_line) {
    run.repeat_count = 0;
    InterpretLine(bench, PaneLine(bench, pane, run.current_line));
    if (EscapePending(bench) || RightButtonPending(bench)) bench.stop_requested = true;
  }
  interp.machine.comp_nc_mode = false;
  range.last -= comp.lines_removed;
  comp.lines_removed = 0;
  comp.active = false;
  run.source_pane = saved.source_pane;
  run.turret = saved.turret;
  run.running = saved.running;
  run.current_line = saved.current_line;
  return range;
}

// The lines of `range` copied below it; answers the copy's range.
LineRange CopyBelow(Workbench& bench, int pane, LineRange range) {
  EditControl* edit = bench.Pane(pane);
  std::string copy;
  for (int n = range.first; n <= range.last; ++n) copy += "\r\n" + PaneLine(bench, pane, n);
  const TextPosition end{range.last, edit->LineLength(range.last)};
  edit->SetSelection({end, end});
  edit->ReplaceSelection(copy);
  return {range.last + 1, 2 * range.last - range.first + 1};
}

}  // namespace

LineRange RunCompNc(Workbench& bench, int pane, LineRange range, const CompNcRequest& request) {
  EditControl* edit = bench.Pane(pane);
  if (!edit || range.first < 1 || range.last < range.first) return range;
  CompensationState& comp = bench.interp.comp;
  comp.side = request.side == kRightSide ? kRightSide : kLeftSide;
  comp.amount = request.amount;
  bench.stop_requested = false;
  edit->BeginUndoGroup();
  if (request.times <= 0) {
    range = CompensatePass(bench, pane, range);
  } else {
    for (int pass = 0; pass < request.times && !bench.stop_requested; ++pass) {
      if (pass > 0 || request.leave_original) range = CopyBelow(bench, pane, range);
      range = CompensatePass(bench, pane, range);
    }
  }
  edit->EndUndoGroup();
  SelectLines(bench, pane, range.first, range.last);
  return range;
}

}  // namespace vormak
