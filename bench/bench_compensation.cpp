// Plotting a 100,000-block contour with and without cutter compensation, and Comp NC over it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "interp/block_interpreter.h"
#include "interp/compensation.h"
#include "interp/compensation_geometry.h"
#include "nctext/edit_control.h"
#include "nctext/pane_services.h"
#include "nctext/quiet_host.h"
#include "settings/word_format.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

constexpr int kBlocks = 100'000;

// A castle-wall contour along X: each tower is six blocks of lines, inside quarter arcs and an
// outside half circle, so every corner of the compensated path is a different case.
std::string ContourProgram() {
  std::string text = "G00X0Y0\r\nG41G01X4.Y0F100.\r\n";
  char line[96];
  for (int i = 0; 6 * i + 2 < kBlocks; ++i) {
    const double x = 10.0 * i;
    std::snprintf(line, sizeof line,
                  "G03X%.1fY1.I0J1.\r\nG01X%.1fY5.\r\nG02X%.1fY5.I1.J0\r\nG01X%.1fY1.\r\n"
                  "G03X%.1fY0I1.J0\r\nG01X%.1fY0\r\n",
                  x + 5, x + 5, x + 7, x + 7, x + 8, x + 14);
    text += line;
  }
  return text;
}

void Setup(Workbench& bench, const std::string& program) {
  bench.settings.system_type = SystemType::kMill;
  bench.settings.x_radius = true;
  FillFormatSet1(bench.word_formats, bench.settings);
  bench.Pane(1)->SetText(program);
}

// Lines from 1 to the end through the interpreter, as Run All takes them.
long long PlotAll(Workbench& bench) {
  for (TurretState& turret : bench.interp.turret) {
    turret = TurretState{};
    SetGDefaults(turret);
  }
  bench.interp.comp.active = false;
  long long moves = 0;
  bench.interp.motion.move_observer = [&moves](const DrawnMove&) { ++moves; };
  RunState& run = bench.interp.run;
  const int count = PaneLineCount(bench, 1);
  for (run.current_line = 1; run.current_line <= count; ++run.current_line) {
    InterpretLine(bench, PaneLine(bench, 1, run.current_line));
  }
  return moves;
}

void BM_PlotContour(benchmark::State& state) {
  QuietHost host;
  Workbench bench(host);
  Setup(bench, ContourProgram());
  const bool compensated = state.range(0) != 0;
  bench.settings.use.Set(kUseCutterComp, compensated);
  bench.interp.comp.radius_offset[0] = 0.25;
  for (auto _ : state) benchmark::DoNotOptimize(PlotAll(bench));
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kBlocks);
  state.SetLabel(compensated ? "Cutter Comp" : "plain");
}
BENCHMARK(BM_PlotContour)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_CompNc(benchmark::State& state) {
  QuietHost host;
  Workbench bench(host);
  const std::string program = ContourProgram();
  for (auto _ : state) {
    state.PauseTiming();
    Setup(bench, program);
    for (TurretState& turret : bench.interp.turret) SetGDefaults(turret);
    state.ResumeTiming();
    RunCompNc(bench, 1, {1, PaneLineCount(bench, 1)}, {0.25, kLeftSide, 0, false});
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kBlocks);
}
BENCHMARK(BM_CompNc)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vormak

BENCHMARK_MAIN();
