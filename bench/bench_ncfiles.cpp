// NC files and the syntax check on a 1,000,000-block (about 30 MB) program in the engine's
// text buffer: Load NC, Save NC (date stamp, backup and scratch-file rename included), a merge
// of the whole program at the caret, and Check Syntax over every line.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "interp/syntax_check.h"
#include "nc_workload.h"
#include "ncfiles/nc_files.h"
#include "nctext/edit_control.h"
#include "nctext/quiet_host.h"
#include "workbench/workbench.h"

namespace vormak::bench {
namespace {

void BM_LoadNCFile(benchmark::State& state) {
  const NcProgramFile file(kMillionBlocks, "vormak_bench_ncfiles_load.nc");
  QuietHost host;
  Workbench bench(host);
  for (auto _ : state) {
    if (!LoadNCFile(bench, file.path())) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(bench.Pane(1)->LineCount());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.bytes()));
}
BENCHMARK(BM_LoadNCFile)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_SaveNCFileWithBackup(benchmark::State& state) {
  const NcProgramFile file(kMillionBlocks, "vormak_bench_ncfiles_save.nc");
  QuietHost host;
  Workbench bench(host);
  bench.settings.use.Set(kUseSaveBackup, true);
  LoadNCFile(bench, file.path());
  bench.nc_file_name = file.path() + ".out.nc";
  for (auto _ : state) {
    if (!SaveNCFile(bench, {})) state.SkipWithError("save failed");
  }
  std::remove(bench.nc_file_name.c_str());
  std::remove((file.path() + ".out.bak").c_str());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.bytes()));
}
BENCHMARK(BM_SaveNCFileWithBackup)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_MergeNCFile(benchmark::State& state) {
  const NcProgramFile file(kMillionBlocks, "vormak_bench_ncfiles_merge.nc");
  QuietHost host;
  Workbench bench(host);
  for (auto _ : state) {
    state.PauseTiming();
    bench.Pane(1)->SetText("O1000\r\nM30\r\n%");
    bench.Pane(1)->SetSelection({{2, 0}, {2, 0}});
    state.ResumeTiming();
    if (!MergeNCFile(bench, file.path())) state.SkipWithError("merge failed");
  }
}
BENCHMARK(BM_MergeNCFile)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_CheckSyntax(benchmark::State& state) {
  const NcProgramFile file(kMillionBlocks, "vormak_bench_ncfiles_check.nc");
  QuietHost host;
  Workbench bench(host);
  bench.word_formats.Get(1, 'F').decimal_point = false;  // every block's F is looked at
  LoadNCFile(bench, file.path());
  for (auto _ : state) {
    bench.Pane(1)->SetSelection({{1, 0}, {1, 0}});
    benchmark::DoNotOptimize(CheckSyntax(bench, 1));
  }
  state.SetItemsProcessed(state.iterations() * kMillionBlocks);
}
BENCHMARK(BM_CheckSyntax)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace
}  // namespace vormak::bench

BENCHMARK_MAIN();
