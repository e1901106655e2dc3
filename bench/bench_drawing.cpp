// Reading and writing a full drawing of 2000 elements in every drawing format.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <string>

#include "cad/drawing_files.h"
#include "cad/element_table.h"
#include "nctext/quiet_host.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

// Lines, arcs in the three planes and points, filling every slot.
void FillTable(Workbench& bench) {
  ElementTable& table = bench.cad.table;
  for (int i = 0; i < kTableSlots; ++i) {
    const double x = -9000 + i * 9.1234;
    const auto kind = i % 3 == 0   ? ElementKind::kLine
                      : i % 3 == 1 ? ElementKind::kArc
                                   : ElementKind::kPoint;
    const std::array<double, 6> d =
        kind == ElementKind::kArc ? std::array<double, 6>{x, 1234.5678, -9.8765, 25.5, 12.3456, 300}
                                  : std::array<double, 6>{x, -x / 2, 1.5, x + 3, 7.5, -1.5};
    MakeElement(table, bench.host(), NextFreeSlot(table), kind, palette::kAqua, d, 0, 1 + i % 254,
                ElementState::kNormal, kind == ElementKind::kArc ? 1 + i % 3 : 0);
  }
}

std::string ScratchFile(const char* ext) {
  return "/tmp/vormak-bench-drawing-" + std::to_string(getpid()) + ext;
}

void BM_Write(benchmark::State& state, DrawingFileType type, const char* ext) {
  QuietHost host;
  Workbench bench(host);
  FillTable(bench);
  const std::string file = ScratchFile(ext);
  for (auto _ : state) {
    if (!WriteDrawing(bench, file, type)) state.SkipWithError("write failed");
  }
  std::remove(file.c_str());
}

void BM_Read(benchmark::State& state, DrawingFileType type, const char* ext) {
  QuietHost host;
  Workbench bench(host);
  FillTable(bench);
  const std::string file = ScratchFile(ext);
  if (!WriteDrawing(bench, file, type)) state.SkipWithError("write failed");
  for (auto _ : state) {
    if (!ReadDrawing(bench, file, type)) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(bench.cad.table.high_water);
  }
  std::remove(file.c_str());
}

void BM_ReadT4g(benchmark::State& state) {
  const std::string file = ScratchFile(".t4g");
  if (std::FILE* f = std::fopen(file.c_str(), "wb")) {
    for (int i = 0; i < kTableSlots; ++i) {
      std::fprintf(f, "OBJ Line\nheader\n0,1,0,0,%d.5,0,\n0,1,0,0,%d.5,25.4,\n", i, i);
    }
    std::fclose(f);
  }
  QuietHost host;
  Workbench bench(host);
  for (auto _ : state) {
    if (!ReadDrawing(bench, file, DrawingFileType::kT4g)) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(bench.cad.table.high_water);
  }
  std::remove(file.c_str());
}

BENCHMARK_CAPTURE(BM_Write, cdl, DrawingFileType::kCdl, ".cdl");
BENCHMARK_CAPTURE(BM_Read, cdl, DrawingFileType::kCdl, ".cdl");
BENCHMARK_CAPTURE(BM_Write, dxf, DrawingFileType::kDxf, ".dxf");
BENCHMARK_CAPTURE(BM_Read, dxf, DrawingFileType::kDxf, ".dxf");
BENCHMARK_CAPTURE(BM_Write, iges, DrawingFileType::kIges, ".igs");
BENCHMARK_CAPTURE(BM_Read, iges, DrawingFileType::kIges, ".igs");
BENCHMARK(BM_ReadT4g);

}  // namespace
}  // namespace vormak

BENCHMARK_MAIN();
