// Drawing and picking over a full element table: a redraw of 2000 elements through the plot
// primitives onto a canvas that discards everything, and a pick that tests every element.

#include <benchmark/benchmark.h>

#include <cmath>

#include "cad/element_pick.h"
#include "nctext/quiet_host.h"
#include "plot/element_draw.h"
#include "plot/plot_window.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

class NullCanvas : public Canvas {
 public:
  int Width() const override { return 1600; }
  int Height() const override { return 1000; }
  void SetPen(const Pen& pen) override { pen_ = pen; }
  Pen CurrentPen() const override { return pen_; }
  void Clear(unsigned) override {}
  void Line(PixelPoint from, PixelPoint to) override { sink_ += from.x + to.y; }
  void Arc(int left, int, int, int, PixelPoint, PixelPoint) override { sink_ += left; }
  void Ellipse(int, int, int, int, bool, unsigned) override {}
  void Polygon(const std::vector<PixelPoint>& points, bool, unsigned) override {
    sink_ += static_cast<long>(points.size());
  }
  void Rectangle(int, int, int, int) override {}
  void Text(PixelPoint, const std::string&, int) override {}
  void SetPixel(PixelPoint, unsigned) override {}
  unsigned GetPixel(PixelPoint) const override { return 0; }
  long sink() const { return sink_; }

 private:
  Pen pen_;
  long sink_ = 0;
};

// The top view seen as the pick needs it: 40 pixels a unit about the window centre.
class TopView : public CadView {
 public:
  void Paint(const CadElement&) override {}
  void Redraw() override {}
  int CurrentSlot() const override { return 1; }
  Point ScreenToView(PixelPoint p) const override {
    return {(p.x - 800) / 40.0, (500 - p.y) / 40.0, 0};
  }
  PixelPoint WorldToPixel(const Point& w) const override {
    return {static_cast<int>(w.x * 40 + 800), static_cast<int>(500 - w.y * 40)};
  }
  double Scale() const override { return 40; }
  unsigned ReadPixel(PixelPoint) const override { return 0; }
};

// 2000 elements: lines, arcs and points spread over a 20 x 12 area, a third of each.
void FillTable(ElementTable& table, Host& host) {
  for (int i = 0; table.high_water < kTableSlots; ++i) {
    const double x = -10 + (i % 40) * 0.5;
    const double y = -6 + ((i / 40) % 24) * 0.5;
    const int kind = i % 3;
    if (kind == 0) {
      MakeElement(table, host, NextFreeSlot(table), ElementKind::kLine, 0xFFFFFF,
                  {x, y, 0, x + 0.4, y + 0.3, 0}, 0, 1, ElementState::kNormal, 1);
    } else if (kind == 1) {
      MakeElement(table, host, NextFreeSlot(table), ElementKind::kArc, 0xFFFFFF,
                  {x, y, 0, 0.2, 30, 300}, 0, 1, ElementState::kNormal, 1);
    } else {
      MakeElement(table, host, NextFreeSlot(table), ElementKind::kPoint, 0xFFFFFF,
                  {x, y, 0, 0, 0, 0}, 0, 1, ElementState::kNormal, 1);
    }
  }
}

void BM_DrawElementsFullTable(benchmark::State& state) {
  QuietHost host;
  Workbench bench(host);
  bench.settings.system_type = SystemType::kMill;
  NullCanvas canvas;
  bench.plot.canvas = &canvas;
  ResizePlotWindow(bench, 1600, 1000);
  FillTable(bench.cad.table, host);
  for (auto _ : state) {
    DrawElements(bench, 1, kDrawVisibleLayers);
  }
  benchmark::DoNotOptimize(canvas.sink());
  state.SetItemsProcessed(state.iterations() * kTableSlots);
}
BENCHMARK(BM_DrawElementsFullTable)->Unit(benchmark::kMicrosecond);

void BM_PickElementFullTable(benchmark::State& state) {
  QuietHost host;
  ElementTable table;
  FillTable(table, host);
  TopView view;
  int found = 0;
  int step = 0;
  for (auto _ : state) {
    const PixelPoint at{400 + (step * 37) % 800, 260 + (step * 53) % 480};
    ++step;
    found += PickElement(table, view, host, at, kPickAnyKind) != nullptr ? 1 : 0;
  }
  benchmark::DoNotOptimize(found);
  state.SetItemsProcessed(state.iterations() * kTableSlots);
}
BENCHMARK(BM_PickElementFullTable)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vormak

BENCHMARK_MAIN();
