// Scripts over a 100,000-block program in the engine's own panes: a script that walks the
// program line by line changing feeds, and a 5-line pre-process script over a whole plot run.

#include <benchmark/benchmark.h>

#include "interp/run_driver.h"
#include "nc_workload.h"
#include "nctext/edit_control.h"
#include "nctext/pane_services.h"
#include "nctext/quiet_host.h"
#include "script/script_interpreter.h"
#include "settings/word_format.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

constexpr int kBlocks = 100'000;

constexpr const char* kWalkScript =
    ":1\r\nIFFIND F400,5\r\nJUMP 6\r\n:5\r\n#1=LINENO\r\nSELECT #1,#1\r\nCHANGEV F,400,450\r\n"
    ":6\r\nIFEOF 9\r\nFORWARD\r\nJUMP 1\r\n:9";

constexpr const char* kPreProcessScript = "IFFIND X,10\r\nEXIT\r\n:10\r\n#1=#1+1\r\nPLOT $";

void BM_WalkProgram(benchmark::State& state) {
  QuietHost host;
  Workbench bench(host);
  FillFormatSet1(bench.word_formats, bench.settings);
  const std::string program = bench::GenerateNcProgram(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    bench.Pane(1)->SetText(program);
    bench.Pane(1)->EmptyUndoBuffer();
    GoToLine(bench, 1, 1);
    bench.Pane(3)->SetText(kWalkScript);
    ResetScript(bench);
    state.ResumeTiming();
    RunScript(bench);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WalkProgram)->Arg(kBlocks)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PreProcessPlot(benchmark::State& state) {
  QuietHost host;
  Workbench bench(host);
  bench.settings.use.Set(kUseTools, false);
  FillFormatSet1(bench.word_formats, bench.settings);
  InstallRunDriver(bench);
  bench.Pane(1)->SetText(bench::GenerateNcProgram(static_cast<int>(state.range(0))));
  bench.Pane(3)->SetText(kPreProcessScript);
  bench.settings.custom_script = "x";  // the script is already in pane 3
  for (auto _ : state) {
    ResetProgram(bench);
    ResetScript(bench);
    GoToLine(bench, 1, 1);
    bench.script.preprocess_on = true;
    StartRun(bench, RunCommand::kRunAll);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PreProcessPlot)->Arg(kBlocks)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace vormak

BENCHMARK_MAIN();
