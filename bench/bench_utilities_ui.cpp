// The NC utilities on a 1,000,000-block program in the window's editor pane (QScintilla), as
// the Utilities1 dialogs run them.

#include <QApplication>

#include "line_ops_workload.h"
#include "ui/sci_edit_control.h"
#include "utilities_workload.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  vormak::QuietHost host;
  vormak::Workbench bench(host);
  vormak::FillFormatSet1(bench.word_formats, bench.settings);
  vormak::SciEditControl pane;
  bench.SetPane(1, &pane);
  vormak::bench::RegisterUtilityBenchmarks("SciPane/", bench);
  vormak::bench::RegisterLineOpBenchmarks("SciPane/", bench);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  bench.SetPane(1, nullptr);
  return 0;
}
