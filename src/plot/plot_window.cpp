#include "plot/plot_window.h"

#include <algorithm>
#include <cstdio>

#include "cad/palette.h"
#include "nctext/status_services.h"
#include "plot/backplot.h"
#include "plot/draw_primitives.h"
#include "plot/element_drawing.h"
#include "plot/view_transform.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

std::string TwoDecimals(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

}  // namespace

std::string WindowWidthText(const PlotState& plot, int slot) {
  return "Window Width= " + TwoDecimals(VisibleWidth(plot, slot));
}

void ResizePlotWindow(Workbench& bench, int width, int height) {
  bench.plot.width = std::max(width, 0);
  bench.plot.height = std::max(height, 0);
  Zoom(bench.plot, bench.settings, bench.cad.table.extents, bench.plot.current,
       ZoomMode::kRecompute);
}

void ClearPlotWindow(PlotState& plot) {
  ++plot.clears;
  if (plot.canvas) plot.canvas->Clear(CanvasRgb(plot.background));
}

void Redraw(Workbench& bench) {
  PlotState& plot = bench.plot;
  RecomputeMatrix(plot.Current());
  plot.mouse_tool = {999, 999};
  const std::string previous = bench.nctext.current_prompt;
  ShowPrompt(bench, "Redrawing Plot Window");
  ClearPlotWindow(plot);
  DrawTableElements(bench);
  RepaintBackplot(plot, bench.settings);
  ShowPrompt(bench, previous);
}

void FitFirstBackplot(Workbench& bench) {
  PlotState& plot = bench.plot;
  // The cut of the solid view lives only in the picture: fitting would paint the stock whole
  // again. The window stays where the stock was zoomed to.
  if (bench.interp.motion.solid_view) return;
  // Without a window there is nothing to fit yet: the fit waits for the first picture.
  if (!plot.canvas || !plot.fit_pending || plot.backplot.Empty()) return;
  plot.fit_pending = false;
  Zoom(plot, bench.settings, bench.cad.table.extents, plot.current, ZoomMode::kAll);
  Redraw(bench);
}

void ZoomCommand(Workbench& bench, ZoomMode mode) {
  bench.plot.fit_pending = false;
  Zoom(bench.plot, bench.settings, bench.cad.table.extents, bench.plot.current, mode);
  Redraw(bench);
  ShowPrompt(bench, WindowWidthText(bench.plot, bench.plot.current));
}

bool ZoomWindowCommand(Workbench& bench, PixelPoint corner1, PixelPoint corner2) {
  if (!ZoomWindow(bench.plot, bench.settings, bench.plot.current, corner1, corner2)) return false;
  bench.plot.fit_pending = false;
  Redraw(bench);
  return true;
}

void SelectView(Workbench& bench, int slot) {
  if (SelectViewSlot(bench.plot, bench.settings, slot)) {
    bench.cad.table.current_view = slot;
    Redraw(bench);
  }
}

void PanCommand(Workbench& bench, PixelPoint last, PixelPoint now) {
  bench.plot.fit_pending = false;
  Pan(bench.plot, bench.plot.current, last, now);
  Redraw(bench);
}

void ZoomAboutCommand(Workbench& bench, PixelPoint at, double factor) {
  bench.plot.fit_pending = false;
  ZoomAbout(bench.plot, bench.settings, bench.plot.current, at, factor);
  Redraw(bench);
  ShowPrompt(bench, WindowWidthText(bench.plot, bench.plot.current));
}

void RotateCommand(Workbench& bench, PixelPoint last, PixelPoint now) {
  if (Rotate(bench.plot, bench.plot.current, last, now)) Redraw(bench);
}

void DrawAxis(Workbench& bench) {
  const DrawingExtents& e = bench.cad.table.extents;
  const double length = 1.5 * std::max({e.max_x, e.max_y, -e.min_x, -e.min_y});
  PlotState& plot = bench.plot;
  const auto axis = [&](const Point& a, const Point& b) {
    DrawSegment(plot, bench.settings, 1, palette::kRed, 0, a, b);
  };
  axis({length, 0, 0}, {-length, 0, 0});
  axis({0, length, 0}, {0, -length, 0});
  axis({0, 0, length}, {0, 0, -length});
  ShowPrompt(bench, "Window(" + std::to_string(plot.current) +
                        ") Width= " + TwoDecimals(VisibleWidth(plot, plot.current)));
}

std::int32_t BackgroundOfScheme(int scheme) {
  switch (scheme) {
    case 1:
      return palette::kWhite;
    case 2:
      return Rgb(0, 0, 64);
    case 3:
      return palette::kSilver;
    default:
      return palette::kBlack;
  }
}

void SetBackground(Workbench& bench, bool white) {
  bench.settings.background_color = white ? 1 : 0;
  bench.plot.background = BackgroundOfScheme(bench.settings.background_color);
  Redraw(bench);
}

void PlotHeightStatement(Workbench& bench, double height) {
  PlotState& plot = bench.plot;
  // The program chose its view: the run does not fit it afterwards.
  plot.fit_pending = false;
  plot.Current().plot_height = height >= kMinPlotHeight ? height : kMinPlotHeight;
  RecomputeScales(plot, bench.settings, plot.current);
}

void PlotCentreStatement(Workbench& bench, std::optional<double> x, std::optional<double> z) {
  PlotState& plot = bench.plot;
  ViewState& view = plot.Current();
  plot.fit_pending = false;
  if (x) view.centre_y = bench.settings.x_radius ? *x : *x / 2;
  if (z) view.centre_x = *z;
  RecomputeOffsets(plot, plot.current);
  Redraw(bench);
}

}  // namespace vormak
