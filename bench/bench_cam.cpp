// Contour of a full element table: a closed polygon of 2,000 sides picked as one chain and
// inserted at the cutter offset into the main program (the compensated run of 2,002 blocks).
#include <benchmark/benchmark.h>

#include <cmath>

#include "cad/element_table.h"
#include "cam/contour.h"
#include "interp/block_interpreter.h"
#include "nctext/quiet_host.h"
#include "settings/word_format.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

void FillPolygon(Workbench& bench, QuietHost& host) {
  constexpr double kPiHere = 3.14159265358979323846;
  const int n = kTableSlots;
  for (int i = 0; i < n; ++i) {
    const double a1 = 2 * kPiHere * i / n, a2 = 2 * kPiHere * (i + 1) / n;
    MakeElement(bench.cad.table, host, i + 1, ElementKind::kLine, palette::kWhite,
                {10 * std::cos(a1), 10 * std::sin(a1), 0, 10 * std::cos(a2), 10 * std::sin(a2), 0},
                0, 1, ElementState::kNormal, 1);
  }
}

void BM_ContourPickAndInsert2000(benchmark::State& state) {
  QuietHost host;
  Workbench bench(host);
  bench.settings.system_type = SystemType::kMill;
  bench.settings.x_radius = true;
  FillFormatSet1(bench.word_formats, bench.settings);
  for (TurretState& t : bench.interp.turret) SetGDefaults(t);
  FillPolygon(bench, host);
  bench.cam.contour.tool_radius = 0.25;
  for (auto _ : state) {
    bench.Pane(kContourPane)->SetText("");
    bench.Pane(1)->SetText("G90G17\r\nM30");
    const ChainResult chain = PickChain(bench, 1, {10, 0, 0});
    const bool inserted = InsertContour(bench);
    benchmark::DoNotOptimize(chain.elements);
    benchmark::DoNotOptimize(inserted);
  }
}
BENCHMARK(BM_ContourPickAndInsert2000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vormak

BENCHMARK_MAIN();
