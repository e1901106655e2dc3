// vormak-batch plot FILE: runs an NC program through the backplotter without a window and
// writes the moves as CSV, the plot as PNG and a summary line.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/batch_commands.h"
#include "app/batch_host.h"
#include "app/batch_model_link.h"
#include "app/batch_nc_file.h"
#include "app/batch_plot_run.h"
#include "app/batch_plot_tools.h"
#include "cad/palette.h"
#include "interp/machining_time.h"
#include "interp/macro_out.h"
#include "interp/run_driver.h"
#include "ncfiles/twin_turret.h"
#include "plot/plot_window.h"
#include "plot/view_transform.h"
#include "plot/zoom.h"
#include "settings/word_format.h"
#include "workbench/machine_file.h"
#include "workbench/workbench.h"

#ifdef VORMAK_HAVE_UI
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "ui/raster_canvas.h"
#endif

namespace vormak::batch {

const char kPlotUsage[] =
    "plot FILE [--machine M] [--png OUT] [--size WxH] [--view top|front|side|iso] [--moves CSV] "
    "[--max-lines N] [--cancel] [--time] [--block-times CSV] [--macro-out FILE [--incremental]] "
    "[--tools] [--solid --drawing FILE] [--crash-check] [--model-link OUT]";

namespace {

// A program that loops for ever still ends: no real program runs this many lines.
constexpr long long kDefaultMaxLines = 100'000'000LL;

struct PlotOptions {
  std::string file;
  std::string machine = "mill";
  std::string png;
  std::string moves;
  std::string block_times;
  std::string macro_out;
  std::string model_link;
  bool incremental = false;
  bool time = false;
  int width = 1024;
  int height = 768;
  int slot = kTopSlot;
  long long max_lines = kDefaultMaxLines;
  bool cancel = false;
  ToolPlotOptions tool;
};

// Answers warnings as the user of the batch run asked.
class PlotHost : public ConsoleHost {
 public:
  explicit PlotHost(bool cancel) : cancel_(cancel) {}
  Answer Warning(const std::string& text, const std::string& caption) override {
    ConsoleHost::Warning(text, caption);
    return cancel_ ? Answer::kCancel : Answer::kOk;
  }

 private:
  bool cancel_;
};

int Usage() {
  std::fprintf(stderr, "usage: vormak-batch %s\n", kPlotUsage);
  return 2;
}

std::optional<int> ViewSlot(const std::string& name) {
  if (name == "top") return kTopSlot;
  if (name == "front") return kFrontSlot;
  if (name == "side") return kSideSlot;
  if (name == "iso") return kIsometricSlot;
  return std::nullopt;
}

std::optional<PlotOptions> ParsePlotOptions(const Args& args) {
  PlotOptions o;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool has_value = i + 1 < args.size();
    if (o.tool.Take(args, i)) {
      continue;
    } else if (a == "--cancel") {
      o.cancel = true;
    } else if (a == "--macro-out" && has_value) {
      o.macro_out = args[++i];
    } else if (a == "--model-link" && has_value) {
      o.model_link = args[++i];
    } else if (a == "--incremental") {
      o.incremental = true;
    } else if (a == "--time") {
      o.time = true;
    } else if (a == "--block-times" && has_value) {
      o.block_times = args[++i];
    } else if (a == "--machine" && has_value) {
      o.machine = args[++i];
    } else if (a == "--png" && has_value) {
      o.png = args[++i];
    } else if (a == "--moves" && has_value) {
      o.moves = args[++i];
    } else if (a == "--size" && has_value) {
      if (std::sscanf(args[++i].c_str(), "%dx%d", &o.width, &o.height) != 2 || o.width < 16 ||
          o.height < 16 || o.width > 20000 || o.height > 20000) {
        std::fprintf(stderr, "vormak-batch: bad size '%s' (WxH)\n", args[i].c_str());
        return std::nullopt;
      }
    } else if (a == "--view" && has_value) {
      const auto slot = ViewSlot(args[++i]);
      if (!slot) {
        std::fprintf(stderr, "vormak-batch: unknown view '%s'\n", args[i].c_str());
        return std::nullopt;
      }
      o.slot = *slot;
    } else if (a == "--max-lines" && has_value) {
      char* end = nullptr;
      o.max_lines = std::strtoll(args[++i].c_str(), &end, 10);
      if (end == args[i].c_str() || *end != '\0' || o.max_lines < 1) {
        std::fprintf(stderr, "vormak-batch: bad line count '%s'\n", args[i].c_str());
        return std::nullopt;
      }
    } else if (a.rfind("--", 0) == 0 || !o.file.empty()) {
      std::fprintf(stderr, "vormak-batch: unexpected argument '%s'\n", a.c_str());
      return std::nullopt;
    } else {
      o.file = a;
    }
  }
  if (o.file.empty() || (o.incremental && o.macro_out.empty())) return std::nullopt;
  return o;
}

// Fixed decimals (six unless told); a value that rounds to nothing is written without a minus
// sign.
void PrintNumber(FILE* out, double v, int decimals = 6) {
  if (std::fabs(v) < 0.5 * std::pow(10.0, -decimals)) v = 0;
  std::fprintf(out, "%.*f", decimals, v);
}

void PrintMove(FILE* out, const DrawnMove& m) {
  static const char* const kKinds[] = {"rapid", "feed", "arc"};
  std::fprintf(out, "%d,%d,%s", m.line, m.turret, kKinds[static_cast<int>(m.kind)]);
  for (double v : {m.start.x, m.start.y, m.start.z, m.end.x, m.end.y, m.end.z}) {
    std::fputc(',', out);
    PrintNumber(out, v);
  }
  if (m.kind == MoveKind::kArc) {
    for (double v : {m.centre.x, m.centre.y, m.centre.z, m.radius}) {
      std::fputc(',', out);
      PrintNumber(out, v);
    }
    std::fprintf(out, ",%d", m.direction);
  } else {
    std::fputs(",,,,,", out);
  }
  const unsigned rgb = CanvasRgb(m.colour);
  std::fprintf(out, ",#%02X%02X%02X,%d,", (rgb >> 16) & 0xFFu, (rgb >> 8) & 0xFFu, rgb & 0xFFu,
               m.style);
  // Degrees to four decimals: the angles an arc is drawn between carry a millionth of noise.
  if (m.kind == MoveKind::kArc) PrintNumber(out, m.sweep, 4);
  std::fputc('\n', out);
}

struct Summary {
  long long moves = 0;
  long long rapids = 0;
  long long arcs = 0;
};

// A CSV named on the command line ("-" for standard output) with its header; null when none is
// asked for or it cannot be written (said on stderr).
FILE* OpenCsv(const std::string& path, const char* header) {
  if (path.empty()) return nullptr;
  FILE* file = path == "-" ? stdout : std::fopen(path.c_str(), "w");
  if (!file) {
    std::fprintf(stderr, "vormak-batch: cannot write '%s'\n", path.c_str());
    return nullptr;
  }
  std::fputs(header, file);
  return file;
}

bool CloseCsv(FILE* file, const std::string& path) {
  if (file == nullptr || file == stdout) return true;
  if (std::fclose(file) == 0) return true;
  std::fprintf(stderr, "vormak-batch: cannot write '%s'\n", path.c_str());
  return false;
}

// How the run ended when it did not reach the program's end: the exit status.
int ReportRunEnd(const RunState& run) {
  if (run.program_stop >= 0) {
    std::fprintf(stderr, "stopped at M0%d on line %d\n", run.program_stop, run.program_stop_line);
  }
  if (!run.stopped_at_limit) return 0;
  std::fprintf(stderr, "stopped after %lld lines\n", run.lines_run);
  return 1;
}

std::unique_ptr<Workbench> MakeBench(Host& host, const PlotOptions& o) {
  auto bench = std::make_unique<Workbench>(host);
  if (!LoadPlotMachine(*bench, o.machine) || !LoadProgram(*bench, o.file) ||
      !o.tool.Apply(*bench)) {
    return nullptr;
  }
  InstallRunDriver(*bench);
  return bench;
}

#ifdef VORMAK_HAVE_UI
// The picture of what the run drew, fitted as Zoom All fits it in the window.
bool RenderPng(Workbench& bench, const PlotOptions& o) {
  RasterCanvas canvas(o.width, o.height);
  bench.plot.canvas = &canvas;
  ResizePlotWindow(bench, o.width, o.height);
  Zoom(bench.plot, bench.settings, bench.cad.table.extents, o.slot, ZoomMode::kAll);
  Redraw(bench);
  o.tool.DrawTools(bench);
  bench.plot.canvas = nullptr;
  // Quality 80 asks zlib for its fastest level: a plot's few flat colours still pack to a few
  // percent of the raw picture, and the default level took longer than drawing the backplot.
  if (!canvas.Image().save(QString::fromStdString(o.png), "PNG", 80)) {
    std::fprintf(stderr, "vormak-batch: cannot write '%s'\n", o.png.c_str());
    return false;
  }
  return true;
}

#else
bool RenderPng(Workbench&, const PlotOptions&) {
  std::fprintf(stderr, "vormak-batch: built without the raster canvas: no PNG\n");
  return false;
}
#endif

}  // namespace

// A machine file, the name of a shipped one ("mill", "lathe", "edm", "twin_lathe"), or a
// machine number of vormak.ini as the utilities take it.
bool LoadPlotMachine(Workbench& bench, const std::string& machine) {
  return LoadNamedMachine(bench, machine);
}

bool LoadProgram(Workbench& bench, const std::string& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    std::fprintf(stderr, "vormak-batch: cannot open '%s'\n", file.c_str());
    return false;
  }
  // A twin-turret machine reads the file as the window does: each turret's sections in its own
  // pane, lined up on their P numbers, so both turrets are plotted.
  if (bench.settings.twin_turrets) {
    if (!LoadTwinTurretFile(bench, file)) return false;
    bench.nc_file_name = file;
    return true;
  }
  try {
    bench.Pane(1)->LoadFile(file);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vormak-batch: cannot read '%s': %s\n", file.c_str(), e.what());
    return false;
  }
  bench.nc_file_name = file;
  return true;
}

// Reset NC, then Plot Run from line 1.
void RunProgram(Workbench& bench, long long max_lines) {
  bench.interp.run.line_limit = max_lines;
  StartRun(bench, RunCommand::kResetNc);
  StartRun(bench, RunCommand::kRunAll);
}

#ifdef VORMAK_HAVE_UI
// The raster canvas draws text, which needs a GUI application; without a display it is offscreen.
std::unique_ptr<QGuiApplication> MakePictureApplication() {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Outside a desktop session Qt wants a runtime folder and says so on standard error; a
  // private one, removed when the run ends, keeps the output to what the run has to say.
  static std::unique_ptr<QTemporaryDir> runtime;
  if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
    runtime = std::make_unique<QTemporaryDir>();
    if (runtime->isValid()) qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
  }
  static int argc = 1;
  static char name[] = "vormak-batch";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}
#endif

int RunPlot(const Args& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::printf("usage: vormak-batch %s\n", kPlotUsage);
    return 0;
  }
  const auto options = ParsePlotOptions(args);
  if (!options) return Usage();
  const PlotOptions& o = *options;

#ifdef VORMAK_HAVE_UI
  const auto picture_app = o.png.empty() ? nullptr : MakePictureApplication();
#endif
  PlotHost host(o.cancel);
  auto bench = MakeBench(host, o);
  if (!bench) return 1;

  FILE* csv = OpenCsv(
      o.moves, "line,turret,kind,x1,y1,z1,x2,y2,z2,cx,cy,cz,radius,dir,colour,style,sweep\n");
  FILE* times = OpenCsv(o.block_times, "line,minutes\n");
  if ((!o.moves.empty() && !csv) || (!o.block_times.empty() && !times)) return 1;
  if (!o.macro_out.empty()) {
    if (!OpenMacroOut(*bench, o.macro_out)) {
      std::fprintf(stderr, "vormak-batch: cannot write '%s'\n", o.macro_out.c_str());
      return 1;
    }
    bench->interp.motion.macro_out_incremental = o.incremental;
  }
  BatchModelLink link;
  if (!o.model_link.empty() && !link.Open(*bench, o.model_link)) return 1;
  TimeState& time = bench->interp.time;
  time.accounting = o.time || times != nullptr;
  if (times) {
    time.block_observer = [times](int line, double minutes) {
      std::fprintf(times, "%d,%.6f\n", line, minutes);
    };
  }
  // The view is chosen before the run: cycle 200 waits while the top view is shown.
  PlotState& plot = bench->plot;
  plot.width = o.width;
  plot.height = o.height;
  SelectViewSlot(plot, bench->settings, o.slot);
  Summary summary;
  bench->interp.motion.move_observer = [&](const DrawnMove& m) {
    ++summary.moves;
    if (m.kind == MoveKind::kRapid) ++summary.rapids;
    if (m.kind == MoveKind::kArc) ++summary.arcs;
    if (csv) PrintMove(csv, m);
  };
  const auto crash_canvas = o.tool.CrashCanvas(*bench, o.width, o.height);
  RunProgram(*bench, o.max_lines);
  const int status = ReportRunEnd(bench->interp.run);
  const long long lines = bench->interp.run.lines_run;
  const bool echoed = o.macro_out.empty() || (MacroOutOpen(*bench) & CloseMacroOut(*bench));
  const bool written =
      CloseCsv(csv, o.moves) & CloseCsv(times, o.block_times) & echoed & link.Close();
  if (!written) return 1;
  // The solid view and the crash check drew during the run: that picture is the one saved.
  if (!o.png.empty() &&
      !(crash_canvas ? o.tool.SavePicture(crash_canvas.get(), o.png) : RenderPng(*bench, o))) {
    return 1;
  }
  FILE* out = csv == stdout || times == stdout ? stderr : stdout;
  std::fprintf(out, "lines run %lld, moves %lld, rapids %lld, arcs %lld\n", lines, summary.moves,
               summary.rapids, summary.arcs);
  if (o.time) {
    std::fprintf(out, "total minutes: %.6f\n", time.total_time);
    std::fprintf(out, "Total Time: %s\n", TotalTimeText(time.total_time).c_str());
  }
  if (o.tool.ReportCrash(*bench)) return 1;
  return status;
}

}  // namespace vormak::batch
