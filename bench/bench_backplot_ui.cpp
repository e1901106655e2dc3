// The kept backplot of a long milling program at 1600 x 1000: a repaint from the display list
// (what every zoom, redraw and view change costs), and finding the move under the mouse.
//
// The program is the shared generator's mill_1m.nc (943,181 moves), named by VORMAK_MILL_1M:
//   python3 ../shared/tools/gen_programs.py OUT --only mill_1m.nc
//   VORMAK_MILL_1M=OUT/mill_1m.nc build/release/bench/bench_backplot_ui

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "interp/run_driver.h"
#include "nctext/quiet_host.h"
#include "plot/backplot.h"
#include "plot/plot_window.h"
#include "plot/zoom.h"
#include "ui/raster_canvas.h"
#include "workbench/machine_file.h"
#include "workbench/workbench.h"

namespace vormak::bench {
namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;

// The program plotted once, fitted, drawing on a 1600 x 1000 raster image.
struct KeptPlot {
  KeptPlot() : bench(host), canvas(kWidth, kHeight) {
    bench.locations = FindLocations("");
    bench.machines.Slot(1).path = bench.locations.install_dir + "/machines/mill.ini";
    loaded = LoadMachineSettings(bench, 1);
    const char* program = std::getenv("VORMAK_MILL_1M");
    if (!loaded || program == nullptr) return;
    bench.Pane(1)->LoadFile(program);
    InstallRunDriver(bench);
    bench.plot.width = kWidth;
    bench.plot.height = kHeight;
    StartRun(bench, RunCommand::kResetNc);
    StartRun(bench, RunCommand::kRunAll);
    bench.plot.canvas = &canvas;
    ResizePlotWindow(bench, kWidth, kHeight);
    Zoom(bench.plot, bench.settings, bench.cad.table.extents, bench.plot.current, ZoomMode::kAll);
  }
  bool Ready() const { return loaded && !bench.plot.backplot.Empty(); }

  QuietHost host;
  Workbench bench;
  RasterCanvas canvas;
  bool loaded = false;
};

KeptPlot& Plot() {
  static auto* plot = new KeptPlot;  // built once for all benchmarks, never torn down
  return *plot;
}

void ReportList(benchmark::State& state, const DisplayList& list) {
  state.counters["moves"] = static_cast<double>(list.MoveCount());
  state.counters["bytes_per_move"] =
      static_cast<double>(list.Bytes()) / static_cast<double>(list.MoveCount());
}

void BM_RepaintFromList(benchmark::State& state) {
  KeptPlot& p = Plot();
  if (!p.Ready()) {
    state.SkipWithError("VORMAK_MILL_1M must name mill_1m.nc of the shared generator");
    return;
  }
  for (auto _ : state) {
    Redraw(p.bench);
    benchmark::DoNotOptimize(p.canvas.GetPixel({kWidth / 2, kHeight / 2}));
  }
  ReportList(state, p.bench.plot.backplot);
}
BENCHMARK(BM_RepaintFromList)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MoveUnderTheMouse(benchmark::State& state) {
  KeptPlot& p = Plot();
  if (!p.Ready()) {
    state.SkipWithError("VORMAK_MILL_1M must name mill_1m.nc of the shared generator");
    return;
  }
  int i = 0;
  for (auto _ : state) {
    const PixelPoint at{200 + (i * 37) % 1200, 100 + (i * 53) % 800};
    ++i;
    benchmark::DoNotOptimize(HitBackplot(p.bench.plot, p.bench.settings, at));
  }
}
BENCHMARK(BM_MoveUnderTheMouse)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vormak::bench
