// The group transforms over a large drawing: Rotate making 100 copies of a group, and Move
// of a full table of 2000 grouped elements, each recorded as one "Undo Last CAD" step. The
// table holds 2000 elements, so 100 copies fill it from a group of 19.

#include <benchmark/benchmark.h>

#include <array>

#include "cad/cmd_xform.h"
#include "cad/element_table.h"
#include "nctext/quiet_host.h"

namespace vormak {
namespace {

class NoView : public CadView {
 public:
  void Paint(const CadElement&) override {}
  void Redraw() override {}
  int CurrentSlot() const override { return 1; }
  Point ScreenToView(PixelPoint p) const override { return {double(p.x), double(p.y), 0}; }
  PixelPoint WorldToPixel(const Point&) const override { return {}; }
  double Scale() const override { return 1; }
  unsigned ReadPixel(PixelPoint) const override { return 0; }
};

// `count` grouped lines, arcs and points in turn.
void FillGroup(ElementTable& table, Host& host, int count) {
  ClearDrawing(table);
  for (int i = 0; i < count; ++i) {
    const double x = (i % 40) * 0.5, y = (i / 40) * 0.5;
    const auto kind = i % 3 == 0   ? ElementKind::kLine
                      : i % 3 == 1 ? ElementKind::kArc
                                   : ElementKind::kPoint;
    const std::array<double, 6> d =
        kind == ElementKind::kLine  ? std::array<double, 6>{x, y, 0, x + 0.4, y + 0.3, 0}
        : kind == ElementKind::kArc ? std::array<double, 6>{x, y, 0, 0.2, 30, 300}
                                    : std::array<double, 6>{x, y, 0, 0, 0, 0};
    MakeElement(table, host, NextFreeSlot(table), kind, 0xFFFFFF, d, 0, 1, ElementState::kGroup, 1);
  }
}

// The group times 100 copies fits the table: 19 elements and 1900 copies.
void BM_RotateHundredCopies(benchmark::State& state) {
  QuietHost host;
  ElementTable table;
  NoView view;
  CadContext context{table, view, host};
  const int group = static_cast<int>(state.range(0));
  int made = 0;
  for (auto _ : state) {
    state.PauseTiming();
    FillGroup(table, host, group);
    state.ResumeTiming();
    RotateGroup(context, {{0, 0, 0}, 3.6, 100, true});
    made = table.high_water;
  }
  state.counters["elements"] = made;
}
// 19 grouped elements fill the table with their copies; 2000 meet a full table at once and
// the rotation is taken back whole.
BENCHMARK(BM_RotateHundredCopies)
    ->Arg(19)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_MoveFullTable(benchmark::State& state) {
  QuietHost host;
  ElementTable table;
  NoView view;
  CadContext context{table, view, host};
  FillGroup(table, host, kTableSlots);
  for (auto _ : state) {
    MoveGroup(context, {0.001, -0.001, 0});
    state.PauseTiming();
    table.undo_steps.clear();  // each Move keeps its step; the next run starts without
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kTableSlots);
}
BENCHMARK(BM_MoveFullTable)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace vormak

BENCHMARK_MAIN();
