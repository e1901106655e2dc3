#include "plot/zoom.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "plot/backplot.h"
#include "plot/view_transform.h"

namespace vormak {

namespace {

void RememberLast(ViewState& view) {
  view.last_plot_height = view.plot_height;
  view.last_centre_x = view.centre_x;
  view.last_centre_y = view.centre_y;
}

double NormalisedAngle(double angle) {
  angle = std::fmod(angle, 360.0);
  return angle < 0 ? angle + 360 : angle;
}

void ZoomAll(PlotState& plot, const MachineSettings& settings, const DrawingExtents& extents,
             int slot) {
  ViewState& view = plot.Slot(slot);
  RememberLast(view);
  if (!plot.backplot.Empty()) {
    ViewBox box = BackplotBox(plot, settings, slot);
    const ViewBox drawing = DrawingBox(plot, settings, slot, extents);
    if (!drawing.Empty()) {
      box.Add(drawing.min_x, drawing.min_y);
      box.Add(drawing.max_x, drawing.max_y);
    }
    FitViewToBox(plot, settings, slot, box);
    return;
  }
  const double width_units = extents.max_x - extents.min_x;
  const double height_units = extents.max_y - extents.min_y;
  const double pixel_width = std::fabs(static_cast<double>(Nearest(width_units * view.scale_x)));
  const double pixel_height = std::fabs(static_cast<double>(Nearest(height_units * view.scale_y)));
  double mid_x = (extents.min_x + extents.max_x) / 2;
  double mid_y = (extents.min_y + extents.max_y) / 2;
  if (width_units < 0 || height_units < 0) {
    // An empty drawing: its box is inverted.
    view.plot_height = kMinPlotHeight;
    mid_x = mid_y = 0;
  } else if (pixel_width <= 0 && pixel_height <= 0) {
    // A single point, or a drawing smaller than a pixel: the smallest view around it.
    view.plot_height = std::max(height_units, kMinPlotHeight);
  } else {
    // A drawing only one pixel high (a horizontal line) is fitted by its width.
    const int smaller = std::min(plot.width, plot.height);
    const double usable = static_cast<double>(smaller - Nearest(0.1 * smaller));
    if (usable > 0) view.plot_height *= std::max(pixel_width, pixel_height) / usable;
  }
  if (settings.vertical_lathe) std::swap(mid_x, mid_y);
  if (slot == kIsometricSlot && Rotated(settings, slot)) {
    const auto& m = view.matrix;
    const double x = mid_x, y = mid_y;
    mid_x = m[0] * x + m[1] * y;
    mid_y = m[3] * x + m[4] * y;
  }
  view.centre_x = mid_x;
  view.centre_y = mid_y;
}

}  // namespace

void Zoom(PlotState& plot, const MachineSettings& settings, const DrawingExtents& extents, int slot,
          ZoomMode mode) {
  ViewState& view = plot.Slot(slot);
  switch (mode) {
    case ZoomMode::kAll:
      ZoomAll(plot, settings, extents, slot);
      break;
    case ZoomMode::kLast:
      std::swap(view.plot_height, view.last_plot_height);
      std::swap(view.centre_x, view.last_centre_x);
      std::swap(view.centre_y, view.last_centre_y);
      break;
    case ZoomMode::kHalf:
      view.plot_height *= 2;
      break;
    case ZoomMode::kRecompute:
      break;
  }
  RecomputeScales(plot, settings, slot);
}

bool ZoomWindow(PlotState& plot, const MachineSettings& settings, int slot, PixelPoint corner1,
                PixelPoint corner2) {
  if (corner1.x == corner2.x || corner1.y == corner2.y) return false;
  ViewState& view = plot.Slot(slot);
  RememberLast(view);
  const int box_width = std::abs(corner1.x - corner2.x);
  const int box_height = std::abs(corner1.y - corner2.y);
  if (box_height < box_width) {
    view.plot_height /= static_cast<double>(plot.width) / box_width;
  } else {
    view.plot_height /= static_cast<double>(plot.height) / box_height;
  }
  if (view.plot_height < kMinPlotHeight) view.plot_height = kMinPlotHeight;
  const auto box_x = Nearest((corner1.x + corner2.x) / 2.0);
  const auto box_y = Nearest((corner1.y + corner2.y) / 2.0);
  view.centre_x += static_cast<double>(box_x - plot.width / 2) / view.scale_x;
  view.centre_y += static_cast<double>(box_y - plot.height / 2) / view.scale_y;
  RecomputeScales(plot, settings, slot);
  return true;
}

void ZoomAbout(PlotState& plot, const MachineSettings& settings, int slot, PixelPoint at,
               double factor) {
  ViewState& view = plot.Slot(slot);
  const double held_x = (at.x - view.off_x) / view.scale_x;
  const double held_y = (at.y - view.off_y) / view.scale_y;
  view.plot_height *= factor;
  RecomputeScales(plot, settings, slot);
  // The centre that brings the held point back under the cursor.
  view.centre_x = held_x - (at.x - plot.width / 2) / view.scale_x;
  view.centre_y = held_y - (at.y - plot.height / 2) / view.scale_y;
  RecomputeOffsets(plot, slot);
}

void Pan(PlotState& plot, int slot, PixelPoint last, PixelPoint now) {
  ViewState& view = plot.Slot(slot);
  view.centre_x += (last.x - now.x) / view.scale_x;
  view.centre_y += (last.y - now.y) / view.scale_y;
  RecomputeOffsets(plot, slot);
}

bool Rotate(PlotState& plot, int slot, PixelPoint last, PixelPoint now) {
  ViewState& view = plot.Slot(slot);
  view.angles.a = NormalisedAngle(view.angles.a - (last.y - now.y) / 8.0);
  view.angles.b = NormalisedAngle(view.angles.b - (last.x - now.x) / 8.0);
  if (slot == kTopSlot) return false;
  RecomputeMatrix(view);
  if (slot == kIsometricSlot) plot.isometric_angles = view.angles;
  return true;
}

bool SelectViewSlot(PlotState& plot, const MachineSettings& settings, int slot) {
  if (settings.system_type == SystemType::kLathe || slot < 1 || slot > kViewSlots) return false;
  ViewState& view = plot.Slot(slot);
  if (slot == kIsometricSlot) {
    if (plot.current == kIsometricSlot) plot.isometric_angles = kIsometricAngles;
    view.angles = plot.isometric_angles;
  } else {
    view.angles = SlotAngles(slot);
  }
  RecomputeMatrix(view);
  plot.current = slot;
  for (int s = 1; s <= kViewSlots; ++s) plot.view_on[static_cast<size_t>(s - 1)] = s == slot;
  RecomputeScales(plot, settings, slot);
  return true;
}

}  // namespace vormak
