// The block interpreter alone: plain milling blocks line by line through InterpretLine and the
// move executor (no window to draw on), and a macro WHILE loop run by a bare run loop.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "interp/block_interpreter.h"
#include "interp/interp_state.h"
#include "nc_workload.h"
#include "nctext/pane_services.h"
#include "nctext/quiet_host.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

void MillBench(Workbench& bench) {
  bench.settings.system_type = SystemType::kMill;
  bench.settings.x_radius = true;
  bench.settings.use.Set(kUseMacros, true);
  for (TurretState& ts : bench.interp.turret) SetGDefaults(ts);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return lines;
}

void BM_InterpretPlainBlocks(benchmark::State& state) {
  const std::vector<std::string> lines =
      Lines(bench::GenerateNcProgram(static_cast<int>(state.range(0))));
  QuietHost host;
  Workbench bench(host);
  MillBench(bench);
  InterpretLine(bench, "M3 M8");
  for (auto _ : state) {
    for (const std::string& line : lines) InterpretLine(bench, line);
    benchmark::DoNotOptimize(bench.interp.turret[0].reg);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}
BENCHMARK(BM_InterpretPlainBlocks)->Arg(bench::kMillionBlocks)->Unit(benchmark::kMillisecond);

void BM_WhileLoop(benchmark::State& state) {
  QuietHost host;
  Workbench bench(host);
  MillBench(bench);
  const int iterations = static_cast<int>(state.range(0));
  bench.Pane(1)->SetText("#1=0\r\nWHILE [#1 LT " + std::to_string(iterations) +
                         "] DO1\r\nG1 X[#1/1000] Y1. F100.\r\n#1=[#1+1]\r\nEND1\r\nM30\r\n");
  int64_t lines = 0;
  for (auto _ : state) {
    RunState& run = bench.interp.run;
    run.current_line = 1;
    const int count = PaneLineCount(bench, 1);
    while (run.current_line >= 1 && run.current_line <= count) {
      InterpretLine(bench, PaneLine(bench, 1, run.current_line));
      ++run.current_line;
      ++lines;
    }
  }
  state.SetItemsProcessed(lines);
}
BENCHMARK(BM_WhileLoop)->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vormak

BENCHMARK_MAIN();
