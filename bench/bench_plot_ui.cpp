// The plot window at 1600 x 1000: segments and arcs drawn per second on the raster canvas, a
// full redraw of a 2000-element table, and zoom and pan round trips through the widget.

#include <benchmark/benchmark.h>

#include <cmath>
#include <optional>
#include <string>

#include "cad/element_table.h"
#include "nctext/quiet_host.h"
#include "plot/draw_primitives.h"
#include "plot/plot_window.h"
#include "ui/plot_widget.h"
#include "ui/raster_canvas.h"
#include "workbench/workbench.h"

namespace vormak::bench {
namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;

// A mill workbench drawing on a 1600 x 1000 raster image, 10 units high either side.
struct RasterPlot {
  RasterPlot() : bench(host), canvas(kWidth, kHeight) {
    bench.settings.system_type = SystemType::kMill;
    bench.plot.canvas = &canvas;
    ResizePlotWindow(bench, kWidth, kHeight);
  }
  QuietHost host;
  Workbench bench;
  RasterCanvas canvas;
};

// Lines and arcs of a pocket-like path, half of them rapid (dotted).
void FillTable(Workbench& bench, int count) {
  ElementTable& table = bench.cad.table;
  for (int i = 0; i < count; ++i) {
    const double t = i * 0.37;
    const double x = 8 * std::cos(t), y = 8 * std::sin(t);
    if (i % 2 == 0) {
      MakeElement(table, bench.host(), NextFreeSlot(table), ElementKind::kLine, palette::kLime,
                  {x, y, 0, -y / 2, x / 2, 0}, i % 4 == 0 ? 2 : 0, 1, ElementState::kToolpath, 0);
    } else {
      MakeElement(table, bench.host(), NextFreeSlot(table), ElementKind::kArc, palette::kAqua,
                  {x / 2, y / 2, 0, 1.0 + (i % 7), t * 10, t * 10 + 120}, 0, 1,
                  ElementState::kToolpath, 1);
    }
  }
}

void BM_RasterSegments(benchmark::State& state) {
  RasterPlot p;
  const int style = static_cast<int>(state.range(0));
  int i = 0;
  for (auto _ : state) {
    const double t = ++i * 0.01;
    DrawSegment(p.bench.plot, p.bench.settings, 1, palette::kLime, style,
                {9 * std::cos(t), 9 * std::sin(t), 0}, {-9 * std::sin(t), 9 * std::cos(t), 0});
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RasterSegments)->Arg(0)->Arg(2);

void BM_RasterArcs(benchmark::State& state) {
  RasterPlot p;
  p.bench.plot.current = static_cast<int>(state.range(0));
  p.bench.plot.view_on = {p.bench.plot.current == 1, false, false, p.bench.plot.current == 4};
  ResizePlotWindow(p.bench, kWidth, kHeight);
  int i = 0;
  for (auto _ : state) {
    const double t = ++i * 0.7;
    DrawArc(p.bench.plot, p.bench.settings, 1, palette::kAqua, 0, 1, t + 90, t, 1 + (i % 8),
            {std::cos(t), std::sin(t), 0});
  }
  state.SetItemsProcessed(state.iterations());
}
// Slot 1: the raster's elliptic arc; slot 4: chords through the view rotation.
BENCHMARK(BM_RasterArcs)->Arg(1)->Arg(4);

void BM_RedrawFullTable(benchmark::State& state) {
  RasterPlot p;
  FillTable(p.bench, kTableSlots);
  for (auto _ : state) Redraw(p.bench);
  state.SetItemsProcessed(state.iterations() * kTableSlots);
}
BENCHMARK(BM_RedrawFullTable)->Unit(benchmark::kMillisecond);

// Through the widget: the engine redraws and the widget repaints from its image.
void BM_WidgetZoomRoundTrip(benchmark::State& state) {
  QuietHost host;
  Workbench bench(host);
  bench.settings.system_type = SystemType::kMill;
  PlotWidget widget(bench);
  widget.resize(kWidth, kHeight);
  widget.show();
  FillTable(bench, 500);
  for (auto _ : state) {
    widget.ZoomAll();
    widget.repaint();
    widget.ZoomLast();
    widget.repaint();
  }
}
BENCHMARK(BM_WidgetZoomRoundTrip)->Unit(benchmark::kMillisecond);

void BM_WidgetPanStep(benchmark::State& state) {
  QuietHost host;
  Workbench bench(host);
  bench.settings.system_type = SystemType::kMill;
  PlotWidget widget(bench);
  widget.resize(kWidth, kHeight);
  widget.show();
  FillTable(bench, 500);
  int step = 1;
  for (auto _ : state) {
    PanCommand(bench, {800, 500}, {800 + step, 500});
    step = -step;
    widget.repaint();
  }
}
BENCHMARK(BM_WidgetPanStep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vormak::bench
