// The window's editor pane on a 1,000,000-block (about 30 MB) program: load, save, and a
// utility run rewriting every line in one undo group.

#include <benchmark/benchmark.h>

#include "edit_pane_cases.h"
#include "ui/sci_edit_control.h"

namespace vormak::bench {
namespace {

void BM_SciEditControlLoad(benchmark::State& state) {
  PaneLoadCase<SciEditControl>(state, "vormak_bench_edit_ui_load.nc");
}
BENCHMARK(BM_SciEditControlLoad)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_SciEditControlSave(benchmark::State& state) {
  PaneSaveCase<SciEditControl>(state, "vormak_bench_edit_ui_save_in.nc");
}
BENCHMARK(BM_SciEditControlSave)
    ->Arg(static_cast<int>(LineBreakStyle::kCrLf))
    ->Arg(static_cast<int>(LineBreakStyle::kLf))
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

void BM_SciEditControlReplaceEveryLine(benchmark::State& state) {
  PaneReplaceEveryLineCase<SciEditControl>(state, "vormak_bench_edit_ui_replace.nc");
}
BENCHMARK(BM_SciEditControlReplaceEveryLine)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);

}  // namespace
}  // namespace vormak::bench
