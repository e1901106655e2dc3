// Throughput of the readers and writers every NC value goes through, and of colouring a
// million-line program.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "nctext/block_words.h"
#include "nctext/expression.h"
#include "nctext/nc_colouring.h"
#include "nctext/quiet_host.h"
#include "settings/word_format.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

const std::vector<std::string> kExpressions = {
    "1.5",           "-12.25*2",       "(1+2)*3/4-5",    "SIN(30)*10+COS(60)",
    "2^-2+SQRT(16)", "ROUND(2.5)+1.5", "ATAN(1)/45*100", "((((1+2)*3)-4)/5)^2",
};

void BM_Evaluate(benchmark::State& state) {
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Evaluate(kExpressions[i++ % kExpressions.size()]));
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_Evaluate);

void BM_AddressValue(benchmark::State& state) {
  QuietHost host;
  Workbench bench(host);
  const std::vector<std::string> blocks = {
      "N100 G01 X1.5 Y-2.25 Z0.1 F250", "N110 G02 X12500 Y-3000 I5000 J0",
      "N120 G01 X[1.5+2*3] Y[SIN[30]] F100.", "N130 G00 Z1. M09 (RETRACT)"};
  size_t i = 0;
  for (auto _ : state) {
    const std::string& block = blocks[i++ % blocks.size()];
    benchmark::DoNotOptimize(AddressValue(bench, "X", block, true));
    benchmark::DoNotOptimize(AddressValue(bench, "Y", block, true));
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 2);
}
BENCHMARK(BM_AddressValue);

void BM_FormatAddressValue(benchmark::State& state) {
  WordFormats formats;
  formats.Get(1, 'Y') = ReadLetterFormat('Y', "000.0000,0,1,0");
  const double values[] = {1.5, -0.25, 0.123456, 12, 123.45678, -0.99996, 0, 7.00005};
  size_t i = 0;
  for (auto _ : state) {
    const double v = values[i++ % 8];
    benchmark::DoNotOptimize(FormatAddressValue(formats, 'X', 1, v));
    benchmark::DoNotOptimize(FormatAddressValue(formats, 'Y', 1, v));
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 2);
}
BENCHMARK(BM_FormatAddressValue);

// Colouring the whole of a 1,000,000-line program at once: the most the editor can ever
// ask for in one go (a jump to the last line).
void BM_ColourMillionLines(benchmark::State& state) {
  MachineSettings s;
  s.highlight[0] = {'X', 1};
  s.highlight[1] = {'Y', 2};
  s.highlight[2] = {'G', 3};
  s.highlight[6] = {'(', 5};
  const NcColouring colouring = MakeNcColouring(BuildSyntaxDescriptor(s), s.highlight);
  std::string text;
  for (int i = 0; i < 1000000; ++i) text += "N" + std::to_string(i) + " G01 X1.5 Y-2.25 (CUT)\r\n";
  std::string styles(text.size(), '\0');
  for (auto _ : state) {
    StyleNcText(colouring, text, styles.data());
    benchmark::DoNotOptimize(styles.data());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 1000000);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ColourMillionLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vormak

BENCHMARK_MAIN();
