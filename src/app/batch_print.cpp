// vormak-batch print WHAT FILE -o OUT.pdf: the pages the print commands send to the printer,
// written as a PDF file. WHAT: nc, nc-tools, columns, cad, to-scale, tool-list, catalogue
// (and editor, bitmap). FILE is the NC program, a drawing for cad and to-scale, or the
// catalogue's tools.txt.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/batch_commands.h"
#ifdef VORMAK_HAVE_UI
#include "app/batch_host.h"
#include "app/batch_plot_run.h"
#include "cad/drawing_files.h"
#include "cam/tool_catalogue.h"
#include "interp/run_driver.h"
#include "plot/plot_window.h"
#include "plot/zoom.h"
#include "ui/print/catalogue_document.h"
#include "ui/print/print_jobs.h"
#include "ui/raster_canvas.h"
#include "workbench/workbench.h"
#endif

namespace vormak::batch {

const char kPrintUsage[] =
    "print nc|nc-tools|columns|cad|to-scale|tool-list|catalogue|editor|bitmap FILE -o OUT.pdf "
    "[--machine M] [--drawing D] [--columns LETTERS] [--scale MM_PER_UNIT] [--size WxH]";

#ifdef VORMAK_HAVE_UI
namespace {

struct PrintOptions {
  PrintWhat what = PrintWhat::kNc;
  std::string file;
  std::string output;
  std::string machine = "mill";
  std::string drawing;
  std::string letters;
  double scale = 1;
  int width = 1024;
  int height = 768;
};

int Usage() {
  std::fprintf(stderr, "usage: vormak-batch %s\n", kPrintUsage);
  return 2;
}

bool ParsePrintOptions(const Args& args, PrintOptions& o) {
  if (args.empty()) return false;
  const auto what = PrintWhatOf(args[0]);
  if (!what) {
    std::fprintf(stderr, "vormak-batch: cannot print '%s'\n", args[0].c_str());
    return false;
  }
  o.what = *what;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool has_value = i + 1 < args.size();
    if (a == "-o" && has_value) {
      o.output = args[++i];
    } else if (a == "--machine" && has_value) {
      o.machine = args[++i];
    } else if (a == "--drawing" && has_value) {
      o.drawing = args[++i];
    } else if (a == "--columns" && has_value) {
      o.letters = args[++i];
    } else if (a == "--scale" && has_value) {
      char* end = nullptr;
      o.scale = std::strtod(args[++i].c_str(), &end);
      if (end == args[i].c_str() || *end != '\0' || !(o.scale > 0) || o.scale > 1e6) {
        std::fprintf(stderr, "vormak-batch: bad scale '%s'\n", args[i].c_str());
        return false;
      }
    } else if (a == "--size" && has_value) {
      if (std::sscanf(args[++i].c_str(), "%dx%d", &o.width, &o.height) != 2 || o.width < 16 ||
          o.height < 16 || o.width > 20000 || o.height > 20000) {
        std::fprintf(stderr, "vormak-batch: bad size '%s' (WxH)\n", args[i].c_str());
        return false;
      }
    } else if (a.rfind("-", 0) == 0 || !o.file.empty()) {
      std::fprintf(stderr, "vormak-batch: unexpected argument '%s'\n", a.c_str());
      return false;
    } else {
      o.file = a;
    }
  }
  return !o.file.empty() && !o.output.empty();
}

// The program (run through the plotter when the page shows the plot window) or the drawing
// FILE names, and the drawing of --drawing.
bool LoadWhatIsPrinted(Workbench& bench, const PrintOptions& o) {
  const bool drawing_file = DrawingTypeOfName(o.file).has_value();
  if (drawing_file ? !ReadDrawingFile(bench, o.file) : !LoadProgram(bench, o.file)) return false;
  if (!o.drawing.empty() && !ReadDrawingFile(bench, o.drawing)) return false;
  const bool shows_plot =
      o.what == PrintWhat::kCad || o.what == PrintWhat::kToScale || o.what == PrintWhat::kBitmap;
  if (shows_plot && !drawing_file) {
    InstallRunDriver(bench);
    RunProgram(bench, 100'000'000LL);
  }
  return true;
}

// The plot window's picture, as vormak-batch plot --png makes it.
QImage PlotPicture(Workbench& bench, int width, int height) {
  RasterCanvas canvas(width, height);
  bench.plot.canvas = &canvas;
  ResizePlotWindow(bench, width, height);
  Zoom(bench.plot, bench.settings, bench.cad.table.extents, bench.plot.current, ZoomMode::kAll);
  Redraw(bench);
  bench.plot.canvas = nullptr;
  return canvas.Image().copy();
}

std::unique_ptr<PrintDocument> CatalogueFromFile(Workbench& bench, const std::string& file) {
  Catalogue catalogue;
  if (!LoadCatalogue(file, catalogue)) {
    std::fprintf(stderr, "vormak-batch: cannot open '%s'\n", file.c_str());
    return nullptr;
  }
  // The tool files the index names lie beside it.
  bench.settings.tool_path = std::filesystem::absolute(file).parent_path().string();
  return std::make_unique<CatalogueDocument>(bench, CataloguePictures(catalogue));
}

}  // namespace

int RunPrint(const Args& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::printf("usage: vormak-batch %s\n", kPrintUsage);
    return 0;
  }
  PrintOptions o;
  if (!ParsePrintOptions(args, o)) return Usage();
  const auto app = MakePictureApplication();
  ConsoleHost host;
  Workbench bench(host);
  if (!LoadPlotMachine(bench, o.machine)) return 1;
  std::unique_ptr<PrintDocument> document;
  if (o.what == PrintWhat::kCatalogue) {
    document = CatalogueFromFile(bench, o.file);
  } else {
    if (!LoadWhatIsPrinted(bench, o)) return 1;
    PrintRequest request;
    request.what = o.what;
    request.letters = o.letters;
    request.paper_per_unit = o.scale;
    if (o.what == PrintWhat::kBitmap) request.bitmap = PlotPicture(bench, o.width, o.height);
    std::string error;
    document = MakePrintDocument(bench, request, &error);
    if (!document) std::fprintf(stderr, "vormak-batch: %s\n", error.c_str());
  }
  if (!document) return 1;
  int pages = 0;
  const PrintOutcome outcome =
      WritePdf(*document, QString::fromLocal8Bit(o.output.c_str()),
               MarginMillimetres(bench.settings.print_margin), [&pages](int, int count) {
                 pages = count;
                 return true;
               });
  if (outcome != PrintOutcome::kDone) {
    std::fprintf(stderr, "vormak-batch: cannot write '%s'\n", o.output.c_str());
    return 1;
  }
  std::printf("%s: %d page%s\n", o.output.c_str(), pages, pages == 1 ? "" : "s");
  return 0;
}

#else
int RunPrint(const Args&) {
  std::fprintf(stderr, "vormak-batch: built without the desktop libraries: no printing\n");
  return 1;
}
#endif

}  // namespace vormak::batch
