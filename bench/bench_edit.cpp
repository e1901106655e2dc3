// The engine's text buffer on a 1,000,000-block (about 30 MB) program: loading, saving, and
// the two shapes of utility run that touch every line (rewrite each line, add a line after
// each), which must stay linear in the program's length.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "edit_pane_cases.h"
#include "nc_workload.h"
#include "nctext/text_buffer.h"

namespace vormak::bench {
namespace {

void BM_TextBufferLoad(benchmark::State& state) {
  PaneLoadCase<TextBuffer>(state, "vormak_bench_edit_load.nc");
}
BENCHMARK(BM_TextBufferLoad)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_TextBufferSave(benchmark::State& state) {
  PaneSaveCase<TextBuffer>(state, "vormak_bench_edit_save_in.nc");
}
BENCHMARK(BM_TextBufferSave)
    ->Arg(static_cast<int>(LineBreakStyle::kCrLf))
    ->Arg(static_cast<int>(LineBreakStyle::kLf))
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

void BM_ReplaceEveryLineInOneGroup(benchmark::State& state) {
  PaneReplaceEveryLineCase<TextBuffer>(state, "vormak_bench_edit_replace.nc");
}
BENCHMARK(BM_ReplaceEveryLineInOneGroup)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->Repetitions(5);

void BM_UndoReplaceEveryLine(benchmark::State& state) {
  const NcProgramFile file(kMillionBlocks, "vormak_bench_edit_undo.nc");
  TextBuffer pane;
  for (auto _ : state) {
    state.PauseTiming();
    pane.LoadFile(file.path());
    pane.BeginUndoGroup();
    const int lines = pane.LineCount();
    for (int n = 1; n < lines; ++n) pane.ReplaceLine(n, std::to_string(n));
    pane.EndUndoGroup();
    state.ResumeTiming();
    pane.Undo();
  }
}
BENCHMARK(BM_UndoReplaceEveryLine)->Unit(benchmark::kMillisecond)->Iterations(2)->Repetitions(5);

void BM_InsertLineAfterEveryLine(benchmark::State& state) {
  const NcProgramFile file(kMillionBlocks, "vormak_bench_edit_insert.nc");
  TextBuffer pane;
  for (auto _ : state) {
    state.PauseTiming();
    pane.LoadFile(file.path());
    state.ResumeTiming();
    pane.BeginUndoGroup();
    for (int n = 1; n < pane.LineCount(); n += 2) pane.InsertLine(n, "M01");
    pane.EndUndoGroup();
  }
}
BENCHMARK(BM_InsertLineAfterEveryLine)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->Repetitions(5);

}  // namespace
}  // namespace vormak::bench

BENCHMARK_MAIN();
