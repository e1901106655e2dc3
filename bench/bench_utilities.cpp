// The NC utilities on a 1,000,000-block program in the engine's own pane (TextBuffer).

#include "line_ops_workload.h"
#include "utilities_workload.h"

int main(int argc, char** argv) {
  vormak::QuietHost host;
  vormak::Workbench bench(host);
  vormak::FillFormatSet1(bench.word_formats, bench.settings);
  vormak::bench::RegisterUtilityBenchmarks("Engine/", bench);
  vormak::bench::RegisterLineOpBenchmarks("Engine/", bench);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
