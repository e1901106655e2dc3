#include "app/batch_plot_tools.h"

#include <cstdio>

#include "cad/drawing_files.h"
#include "plot/element_draw.h"
#include "plot/plot_window.h"
#include "plot/tool_picture.h"
#include "plot/zoom.h"
#include "workbench/workbench.h"

#ifdef VORMAK_HAVE_UI
#include "ui/raster_canvas.h"
#endif

namespace vormak::batch {

const char kToolPlotUsage[] = "[--tools] [--solid --drawing FILE] [--crash-check]";

bool ToolPlotOptions::Take(const Args& args, size_t& i) {
  const std::string& a = args[i];
  if (a == "--tools") {
    tools = true;
  } else if (a == "--solid") {
    solid = true;
  } else if (a == "--crash-check") {
    crash_check = true;
  } else if (a == "--drawing" && i + 1 < args.size()) {
    drawing = args[++i];
  } else {
    return false;
  }
  return true;
}

bool ToolPlotOptions::Apply(Workbench& bench) const {
  MachineSettings& s = bench.settings;
  if (tools) s.use.Set(kUseTools, true);
  if (crash_check) s.use.Set(kUseCrashCheck, true);
  bench.interp.motion.solid_view = solid || crash_check;
  if (drawing.empty()) return true;
  const auto type = DrawingTypeOfName(drawing).value_or(DrawingFileType::kCdl);
  if (!ReadDrawing(bench, drawing, type)) {
    std::fprintf(stderr, "vormak-batch: cannot read drawing '%s'\n", drawing.c_str());
    return false;
  }
  return true;
}

void ToolPlotOptions::DrawStock(Workbench& bench) const {
  if (drawing.empty() || bench.plot.canvas == nullptr) return;
  DrawElements(bench, bench.plot.current, 0);
}

std::unique_ptr<Canvas> ToolPlotOptions::CrashCanvas(Workbench& bench, int width,
                                                     int height) const {
  if (!crash_check && !solid) return nullptr;
#ifdef VORMAK_HAVE_UI
  auto canvas = std::make_unique<RasterCanvas>(width, height);
  bench.plot.canvas = canvas.get();
  ResizePlotWindow(bench, width, height);
  ZoomCommand(bench, ZoomMode::kAll);  // fits and draws the drawing with its stock
  return canvas;
#else
  std::fprintf(stderr, "vormak-batch: built without the raster canvas: no crash check\n");
  return nullptr;
#endif
}

bool ToolPlotOptions::SavePicture(Canvas* canvas, const std::string& png) const {
#ifdef VORMAK_HAVE_UI
  auto* raster = dynamic_cast<RasterCanvas*>(canvas);
  if (raster != nullptr && raster->Image().save(QString::fromStdString(png), "PNG")) return true;
#endif
  std::fprintf(stderr, "vormak-batch: cannot write '%s'\n", png.c_str());
  return false;
}

void ToolPlotOptions::DrawTools(Workbench& bench) const {
  if (!tools) return;
  for (int turret = 1; turret <= 2; ++turret) {
    if (bench.tools.stand[ToolShapes::Index(turret)].drawn) RestorePicture(bench, turret);
  }
}

bool ToolPlotOptions::ReportCrash(const Workbench& bench) const {
  if (bench.tools.crash_line == 0) return false;
  std::printf("line %d: Rapid move hits part\n", bench.tools.crash_line);
  return true;
}

}  // namespace vormak::batch
