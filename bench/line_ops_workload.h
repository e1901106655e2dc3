#pragma once
// Line operations, Break Arcs, Rotate NC and Reformat on a 1,000,000-line program, run
// against whatever pane a benchmark installs; each case loads its program (untimed), puts the
// caret on line 1 and runs over the whole program as the menu command does.

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#include "nctext/edit_control.h"
#include "utilities/break_arcs.h"
#include "utilities/line_operations.h"
#include "utilities/reformat.h"
#include "utilities/rotate_nc.h"
#include "utilities_workload.h"

namespace vormak::bench {

// Half circles about X0 Y0 back and forth, each crossing one axis line: every block breaks
// into two.
inline const std::string& MillionArcProgram() {
  static const std::string text = [] {
    std::string t = "G90 G17 G00 X10. Y0\r\n";
    t.reserve(static_cast<size_t>(kMillionBlocks) * 24);
    for (int n = 1; n < kMillionBlocks; ++n) {
      t += n % 2 ? "G03 X-10. Y0 I-10. J0\r\n" : "G03 X10. Y0 I10. J0\r\n";
    }
    return t;
  }();
  return text;
}

struct LineOpCase {
  const char* name;
  const std::string& (*program)();
  std::function<void(Workbench&)> run;
};

inline std::vector<LineOpCase> LineOpCases() {
  return {
      {"Comment", MillionBlockProgram,
       [](Workbench& b) { CommentLines(b, 1, CommentMode::kComment); }},
      {"RemoveSpaces", MillionBlockProgram, [](Workbench& b) { RemoveSpaces(b, 1); }},
      {"AddSpaces", MillionBlockProgram, [](Workbench& b) { AddSpaces(b, 1); }},
      {"RemoveBlanks", MillionBlockProgram, [](Workbench& b) { RemoveBlankLines(b, 1); }},
      {"ReverseLines", MillionBlockProgram, [](Workbench& b) { ReverseRange(b, 1, 1, 1); }},
      {"RemoveTime", MillionBlockProgram, [](Workbench& b) { RemoveTimeComments(b); }},
      {"BreakArcs", MillionArcProgram,
       [](Workbench& b) {
         b.settings.system_type = SystemType::kMill;
         BreakArcs(b);
       }},
      {"RotateZ30", MillionBlockProgram,
       [](Workbench& b) {
         RotateCopies(b, 1, SelectedLineRange(b, 1), {30, 'Z', 0, 0, 0}, 0, false);
       }},
      {"ReformatToAbsoluteCentres", MillionArcProgram,
       [](Workbench& b) {
         MachineSettings target = b.settings;
         target.arc_type = 2;
         target.letter_formats['X' - 'A'] = "0000.000,1,0,1";
         ReformatRange(b, 1, SelectedLineRange(b, 1), target);
       }},
  };
}

inline void RegisterLineOpBenchmarks(const char* prefix, Workbench& bench) {
  for (const LineOpCase& c : LineOpCases()) {
    benchmark::RegisterBenchmark((std::string(prefix) + c.name).c_str(),
                                 [&bench, c](benchmark::State& state) {
                                   EditControl& pane = *bench.Pane(1);
                                   for (auto _ : state) {
                                     state.PauseTiming();
                                     pane.SetText(c.program());
                                     pane.EmptyUndoBuffer();
                                     pane.SetSelection({{1, 0}, {1, 0}});
                                     bench.active_pane = 1;
                                     bench.stop_requested = false;
                                     state.ResumeTiming();
                                     pane.BeginUndoGroup();
                                     c.run(bench);
                                     pane.EndUndoGroup();
                                   }
                                   state.counters["lines"] = pane.LineCount();
                                 })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);
  }
}

}  // namespace vormak::bench
