// A 200,000-line two-turret program in the window's two editor panes: load (split and line-up
// included) followed by the save that joins the turrets again.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "ncfiles/twin_turret.h"
#include "nctext/quiet_host.h"
#include "ui/sci_edit_control.h"
#include "workbench/workbench.h"

namespace vormak::bench {
namespace {

constexpr int kSectionsPerTurret = 500;
constexpr int kBlocksPerSection = 198;  // with the marker and one inner sync: 200 lines

// Turret A and turret B sections in turn, each opened by its marker with the section's P
// number and synchronised once more halfway through.
std::string GenerateTwinProgram() {
  std::string text = "%\r\nO9000 (TWIN BENCH)\r\n";
  char block[96];
  for (int s = 1; s <= kSectionsPerTurret; ++s) {
    for (const char* marker : {"G13", "G14"}) {
      const bool a = marker[2] == '3';
      text += std::string(marker) + " P" + std::to_string(s * 10) + "\r\n";
      for (int n = 1; n <= kBlocksPerSection; ++n) {
        if (n == kBlocksPerSection / 2) {
          text += "P" + std::to_string(s * 10 + 5) + "\r\n";
        }
        const int length = std::snprintf(block, sizeof block, "N%d G01 X%.3f Z%.3f F.2", n,
                                         (n % 400) * 0.05, (a ? -1 : -2) * (n % 300) * 0.1);
        text.append(block, static_cast<size_t>(length));
        text += "\r\n";
      }
    }
  }
  return text;
}

void BM_TwinLoadLineUpSave(benchmark::State& state) {
  const auto dir = std::filesystem::temp_directory_path();
  const std::string path = (dir / "vormak_bench_twin.min").string();
  const std::string out = (dir / "vormak_bench_twin_out.min").string();
  const std::string text = GenerateTwinProgram();
  std::ofstream(path, std::ios::binary).write(text.data(), static_cast<long>(text.size()));
  QuietHost host;
  Workbench bench(host);
  SciEditControl pane_a;
  SciEditControl pane_b;
  bench.SetPane(1, &pane_a);
  bench.SetPane(2, &pane_b);
  bench.settings.twin_turrets = true;
  for (auto _ : state) {
    if (!LoadTwinTurretFile(bench, path)) state.SkipWithError("load failed");
    if (!SaveTwinTurretFile(bench, out)) state.SkipWithError("save failed");
  }
  bench.SetPane(1, nullptr);
  bench.SetPane(2, nullptr);
  std::remove(path.c_str());
  std::remove(out.c_str());
  state.SetItemsProcessed(state.iterations() * 2 * kSectionsPerTurret * (kBlocksPerSection + 2));
}
BENCHMARK(BM_TwinLoadLineUpSave)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace vormak::bench
