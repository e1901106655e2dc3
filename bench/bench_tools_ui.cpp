// The tool picture's cost on a plot: a program of plain milling blocks (1,000,000 by default,
// or the file named by VORMAK_MILL_PROGRAM, e.g. mill_1m.nc of the shared workload generator)
// plotted on a 1600 x 1000 raster without and with the "Tools" option and a 1/2" cutter
// (animation off); and the solid view over a stock polygon, 100,000 moves.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "cad/element_table.h"
#include "interp/run_driver.h"
#include "interp/tool_load.h"
#include "nctext/quiet_host.h"
#include "plot/plot_window.h"
#include "ui/raster_canvas.h"
#include "workbench/workbench.h"

namespace vormak::bench {
namespace {

std::string MillProgram(int blocks) {
  if (const char* file = std::getenv("VORMAK_MILL_PROGRAM")) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    if (!s.str().empty()) return s.str();
  }
  std::string text = "%\nG90 G17 G00 X0 Y0 Z0 M03 M08\n";
  char line[96];
  for (int n = 1; n < blocks; ++n) {
    std::snprintf(line, sizeof line, "N%d G01 X%.3f Y%.3f F%d\n", n, (n % 5000) * 0.013,
                  (n % 3700) * -0.021, 100 + (n % 9) * 50);
    text += line;
  }
  return text + "M30\n";
}

struct PlotRun {
  explicit PlotRun(const std::string& program) : bench(host), canvas(1600, 1000) {
    bench.settings.system_type = SystemType::kMill;
    bench.settings.x_radius = true;
    bench.plot.canvas = &canvas;
    ResizePlotWindow(bench, 1600, 1000);
    bench.plot.Current().plot_height = 60;
    bench.plot.Current().centre_x = 30;
    bench.plot.Current().centre_y = -30;
    ResizePlotWindow(bench, 1600, 1000);
    bench.Pane(1)->SetText(program);
    InstallRunDriver(bench);
  }
  void Run() {
    StartRun(bench, RunCommand::kResetNc);
    StartRun(bench, RunCommand::kRunAll);
  }
  QuietHost host;
  Workbench bench;
  RasterCanvas canvas;
};

void BM_PlotWithToolPicture(benchmark::State& state) {
  const std::string program = MillProgram(1'000'000);
  PlotRun p(program);
  const bool tools = state.range(0) != 0;
  p.bench.settings.use.Set(kUseTools, tools);
  if (tools) DefineMillTool(p.bench, "TM .5");
  for (auto _ : state) p.Run();
  state.SetItemsProcessed(state.iterations() * p.bench.interp.run.lines_run);
  state.SetLabel(tools ? "tool picture on" : "tool picture off");
}
BENCHMARK(BM_PlotWithToolPicture)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

void BM_SolidViewPlot(benchmark::State& state) {
  const std::string program = MillProgram(100'000);
  PlotRun p(program);
  p.bench.settings.use.Set(kUseTools, true);
  p.bench.interp.motion.solid_view = true;
  ElementTable& table = p.bench.cad.table;
  for (const auto& [x, y] : {std::pair{-5.0, 5.0}, {70.0, 5.0}, {70.0, -85.0}, {-5.0, -85.0}}) {
    MakeElement(table, p.host, NextFreeSlot(table), ElementKind::kPoint, palette::kWhite,
                {x, y, 0, 0, 0, 0}, 0, p.bench.settings.solid_layer, ElementState::kNormal, 0);
  }
  DefineMillTool(p.bench, "TM .5");
  for (auto _ : state) {
    Redraw(p.bench);
    p.Run();
  }
  state.SetItemsProcessed(state.iterations() * p.bench.interp.run.lines_run);
}
BENCHMARK(BM_SolidViewPlot)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace vormak::bench
