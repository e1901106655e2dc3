// Printing a long program: 100,000 blocks laid out as a numbered listing and written to a PDF
// file page by page (the target is at most 5 s), and the layout alone.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <cstdio>
#include <string>

#include "nctext/quiet_host.h"
#include "nctext/text_buffer.h"
#include "print/listing_pages.h"
#include "ui/print/print_jobs.h"
#include "workbench/workbench.h"

namespace vormak::bench {
namespace {

std::string Program(int blocks) {
  std::string text = "%\nO1000 (POCKET)\n";
  char line[96];
  for (int n = 1; n < blocks - 2; ++n) {
    std::snprintf(line, sizeof line, "N%d G01 X%.3f Y%.3f F%d\n", n, (n % 5000) * 0.013,
                  (n % 3700) * -0.021, 100 + (n % 9) * 50);
    text += line;
  }
  return text + "M30\n";
}

struct Listing {
  explicit Listing(int blocks) : bench(host) {
    pane.SetText(Program(blocks));
    bench.SetPane(1, &pane);
    bench.nc_file_name = "pocket.nc";
  }
  ~Listing() { bench.SetPane(1, nullptr); }
  QuietHost host;
  Workbench bench;
  TextBuffer pane;
};

void BM_PrintListingToPdf(benchmark::State& state) {
  Listing listing(static_cast<int>(state.range(0)));
  const QString path = QDir::temp().filePath("vormak_bench_print.pdf");
  int pages = 0;
  for (auto _ : state) {
    PrintRequest request;
    auto document = MakePrintDocument(listing.bench, request, nullptr);
    WritePdf(*document, path, 10, [&pages](int, int count) {
      pages = count;
      return true;
    });
  }
  state.counters["pages"] = pages;
  QFile::remove(path);
}
BENCHMARK(BM_PrintListingToPdf)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PaginateListing(benchmark::State& state) {
  std::vector<ListingLine> lines;
  const std::string program = Program(static_cast<int>(state.range(0)));
  long long number = 1;
  for (std::size_t at = 0; at < program.size();) {
    const std::size_t end = program.find('\n', at);
    lines.push_back({number++, program.substr(at, end - at)});
    at = end + 1;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(PaginateListing(lines, {95, 70}));
  }
}
BENCHMARK(BM_PaginateListing)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vormak::bench
