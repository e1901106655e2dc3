#pragma once
// The NC utilities on a 1,000,000-block program, run against whatever pane a benchmark
// installs: each case loads the program (untimed), puts the caret on line 1 and runs one
// utility over the whole program.

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#include "nc_workload.h"
#include "nctext/order_blocks.h"
#include "nctext/quiet_host.h"
#include "settings/word_format.h"
#include "utilities/renumber.h"
#include "utilities/word_transforms.h"
#include "workbench/workbench.h"

namespace vormak::bench {

inline const std::string& MillionBlockProgram() {
  static const std::string text = GenerateNcProgram(kMillionBlocks);
  return text;
}

using UtilityRun = std::function<void(Workbench&)>;

struct UtilityCase {
  const char* name;
  UtilityRun run;
};

inline std::vector<UtilityCase> UtilityCases() {
  return {
      {"Renumber",
       [](Workbench& b) {
         RenumberOptions options;
         RenumberRange(b, 1, options);
       }},
      {"RenumberWhole",
       [](Workbench& b) {
         RenumberOptions options;
         RenumberWhole(b, 1, options);
       }},
      {"ChangeValueAny", [](Workbench& b) { ChangeValue(b, 1, 'F', kChangeAny, 250, 0); }},
      {"ShiftX", [](Workbench& b) { ShiftAddress(b, 1, 'X', 0.5); }},
      {"ScaleXY",
       [](Workbench& b) {
         const LineRange range = SelectedLineRange(b, 1);
         ScaleAddress(b, 1, range, 'X', 2);
         ScaleAddress(b, 1, range, 'Y', 2);
       }},
      {"RemoveN", [](Workbench& b) { RemoveAddressRange(b, 'N', false); }},
      {"SwitchAxesXY",
       [](Workbench& b) {
         AxisSwitch choice;
         choice.new_axis[0] = 'Y';
         choice.new_axis[1] = 'X';
         choice.reverse[0] = true;
         SwitchAxes(b, choice);
       }},
      {"SwitchAddressesXF", [](Workbench& b) { SwitchAddresses(b, 'X', 'F', false, true); }},
      {"OrderSortStrip", [](Workbench& b) { OrderBlocks(b, 1, "GXYF", "F", kOrderBoth); }},
  };
}

// Runs `run` once per iteration on a freshly loaded program in pane 1 of `bench`.
inline void RunUtility(benchmark::State& state, Workbench& bench, const UtilityRun& run) {
  EditControl& pane = *bench.Pane(1);
  for (auto _ : state) {
    state.PauseTiming();
    pane.SetText(MillionBlockProgram());
    pane.EmptyUndoBuffer();
    pane.SetSelection({{1, 0}, {1, 0}});
    bench.stop_requested = false;
    state.ResumeTiming();
    run(bench);
  }
  state.counters["lines"] = pane.LineCount();
}

inline void RegisterUtilityBenchmarks(const char* prefix, Workbench& bench) {
  for (const UtilityCase& c : UtilityCases()) {
    benchmark::RegisterBenchmark(
        (std::string(prefix) + c.name).c_str(),
        [&bench, run = c.run](benchmark::State& state) { RunUtility(state, bench, run); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);
  }
}

}  // namespace vormak::bench
