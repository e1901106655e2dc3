// NC files and the syntax check on a 1,000,000-block (about 30 MB) program in the window's
// editor pane: Load NC, Save NC with its backup, and Check Syntax over every line.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "interp/syntax_check.h"
#include "nc_workload.h"
#include "ncfiles/nc_files.h"
#include "nctext/quiet_host.h"
#include "ui/sci_edit_control.h"
#include "workbench/workbench.h"

namespace vormak::bench {
namespace {

struct PaneBench {
  QuietHost host;
  Workbench bench{host};
  SciEditControl pane;
  PaneBench() { bench.SetPane(1, &pane); }
  ~PaneBench() { bench.SetPane(1, nullptr); }
};

void BM_PaneLoadNCFile(benchmark::State& state) {
  const NcProgramFile file(kMillionBlocks, "vormak_bench_ncfiles_ui_load.nc");
  PaneBench b;
  for (auto _ : state) {
    if (!LoadNCFile(b.bench, file.path())) state.SkipWithError("load failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.bytes()));
}
BENCHMARK(BM_PaneLoadNCFile)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_PaneSaveNCFileWithBackup(benchmark::State& state) {
  const NcProgramFile file(kMillionBlocks, "vormak_bench_ncfiles_ui_save.nc");
  PaneBench b;
  b.bench.settings.use.Set(kUseSaveBackup, true);
  LoadNCFile(b.bench, file.path());
  b.bench.nc_file_name = file.path() + ".out.nc";
  for (auto _ : state) {
    if (!SaveNCFile(b.bench, {})) state.SkipWithError("save failed");
  }
  std::remove(b.bench.nc_file_name.c_str());
  std::remove((file.path() + ".out.bak").c_str());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.bytes()));
}
BENCHMARK(BM_PaneSaveNCFileWithBackup)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_PaneCheckSyntax(benchmark::State& state) {
  const NcProgramFile file(kMillionBlocks, "vormak_bench_ncfiles_ui_check.nc");
  PaneBench b;
  b.bench.word_formats.Get(1, 'F').decimal_point = false;
  LoadNCFile(b.bench, file.path());
  for (auto _ : state) {
    b.pane.SetSelection({{1, 0}, {1, 0}});
    benchmark::DoNotOptimize(CheckSyntax(b.bench, 1));
  }
  state.SetItemsProcessed(state.iterations() * kMillionBlocks);
}
BENCHMARK(BM_PaneCheckSyntax)->Unit(benchmark::kMillisecond)->Repetitions(3);

}  // namespace
}  // namespace vormak::bench
