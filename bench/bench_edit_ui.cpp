// The window's editor pane on a 1,000,000-block (about 30 MB) program: load, save, and a
// utility run rewriting every line in one undo group.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "nc_workload.h"
#include "ui/sci_edit_control.h"

namespace vormak::bench {
namespace {

void BM_SciEditControlLoad(benchmark::State& state) {
  const NcProgramFile file(kMillionBlocks, "vormak_bench_edit_ui_load.nc");
  SciEditControl pane;
  for (auto _ : state) {
    pane.LoadFile(file.path());
    benchmark::DoNotOptimize(pane.LineCount());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.bytes()));
}
BENCHMARK(BM_SciEditControlLoad)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_SciEditControlSave(benchmark::State& state) {
  const NcProgramFile file(kMillionBlocks, "vormak_bench_edit_ui_save_in.nc");
  const std::string out = file.path() + ".out";
  SciEditControl pane;
  pane.LoadFile(file.path());
  pane.SetLineBreakStyle(static_cast<LineBreakStyle>(state.range(0)));
  for (auto _ : state) pane.SaveFile(out);
  std::remove(out.c_str());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.bytes()));
}
BENCHMARK(BM_SciEditControlSave)
    ->Arg(static_cast<int>(LineBreakStyle::kCrLf))
    ->Arg(static_cast<int>(LineBreakStyle::kLf))
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

void BM_SciEditControlReplaceEveryLine(benchmark::State& state) {
  const NcProgramFile file(kMillionBlocks, "vormak_bench_edit_ui_replace.nc");
  SciEditControl pane;
  for (auto _ : state) {
    state.PauseTiming();
    pane.LoadFile(file.path());
    state.ResumeTiming();
    pane.BeginUndoGroup();
    const int lines = pane.LineCount();
    for (int n = 1; n < lines; ++n) {
      std::string line = pane.GetLine(n);
      line.append(" M8");
      pane.ReplaceLine(n, line);
    }
    pane.EndUndoGroup();
  }
}
BENCHMARK(BM_SciEditControlReplaceEveryLine)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);

}  // namespace
}  // namespace vormak::bench
