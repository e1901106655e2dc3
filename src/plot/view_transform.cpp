#include "plot/view_transform.h"

#include <cmath>

namespace vormak {

namespace {
constexpr double kViewDegreesPerRadian = 57.2957795131;
}

ViewAngles SlotAngles(int slot) {
  switch (slot) {
    case kFrontSlot:
      return {-90, 0, 0};
    case kSideSlot:
      return {-90, 0, -90};
    case kIsometricSlot:
      return kIsometricAngles;
    default:
      return {0, 0, 0};
  }
}

PlotState::PlotState() {
  for (int slot = 1; slot <= kViewSlots; ++slot) {
    Slot(slot).angles = SlotAngles(slot);
    RecomputeMatrix(Slot(slot));
  }
}

std::array<double, 9> ViewMatrix(const ViewAngles& angles) {
  const double h = angles.a / kViewDegreesPerRadian;
  const double d = angles.b / kViewDegreesPerRadian;
  const double f = angles.c / kViewDegreesPerRadian;
  const double sh = std::sin(h), ch = std::cos(h), sd = std::sin(d), cd = std::cos(d);
  const double sf = std::sin(f), cf = std::cos(f);
  return {cd * cf,
          -cd * sf,
          sd,
          sh * sd * cf + ch * sf,
          -sh * sd * sf + ch * cf,
          -sh * cd,
          -ch * sd * cf + sh * sf,
          ch * sd * sf + sh * cf,
          ch * cd};
}

void RecomputeMatrix(ViewState& view) {
  view.matrix = ViewMatrix(view.angles);
}

bool Mirrored(const MachineSettings& settings, int turret) {
  return settings.mirror[0] || (settings.twin_turrets && turret == 2);
}

bool Rotated(const MachineSettings& settings, int slot) {
  return slot != kTopSlot && settings.system_type == SystemType::kMill;
}

ViewPoint ProjectToView(const PlotState& plot, const MachineSettings& settings, int slot,
                        int turret, double x, double y, double z) {
  if (Mirrored(settings, turret)) {
    // The lathe's X axis is the drawing's Y.
    if (settings.system_type == SystemType::kLathe) {
      y = -y;
    } else {
      x = -x;
    }
  }
  if (settings.vertical_lathe) std::swap(x, y);
  if (!Rotated(settings, slot)) return {x, y};
  const auto& m = plot.Slot(slot).matrix;
  return {m[0] * x + m[1] * y + m[2] * z, m[3] * x + m[4] * y + m[5] * z};
}

std::int64_t Nearest(double value) {
  if (!std::isfinite(value)) return value < 0 ? INT64_MIN / 2 : INT64_MAX / 2;
  constexpr double kWide = 4e18;
  if (value > kWide) return static_cast<std::int64_t>(kWide);
  if (value < -kWide) return static_cast<std::int64_t>(-kWide);
  // Adding and taking away 1.5 * 2^52 leaves the value rounded to the nearest whole number,
  // halves to even, as nearbyint does, without a library call for every pixel of a repaint.
  constexpr double kRounder = 6755399441055744.0;
  if (std::fabs(value) < 2251799813685248.0)
    return static_cast<std::int64_t>((value + kRounder) - kRounder);
  return static_cast<std::int64_t>(std::nearbyint(value));
}

WidePixel ViewToPixels(const ViewState& view, ViewPoint p) {
  return {Nearest(p.x * view.scale_x + view.off_x), Nearest(p.y * view.scale_y + view.off_y)};
}

bool BeyondPixelLimit(const WidePixel& p) {
  return std::llabs(p.x) > kPixelLimit || std::llabs(p.y) > kPixelLimit;
}

namespace {
int ToInt(std::int64_t v) {
  constexpr std::int64_t kMax = 1 << 30;
  return static_cast<int>(v > kMax ? kMax : v < -kMax ? -kMax : v);
}
}  // namespace

PixelPoint WorldToScreen(const PlotState& plot, const MachineSettings& settings, int slot, double x,
                         double y, double z, int turret) {
  const WidePixel p =
      ViewToPixels(plot.Slot(slot), ProjectToView(plot, settings, slot, turret, x, y, z));
  return {ToInt(p.x), ToInt(p.y)};
}

ViewPoint ScreenToWorld(const PlotState& plot, int slot, PixelPoint pixel) {
  const ViewState& view = plot.Slot(slot);
  return {(pixel.x - view.off_x) / view.scale_x, (pixel.y - view.off_y) / view.scale_y};
}

void RecomputeOffsets(PlotState& plot, int slot) {
  ViewState& view = plot.Slot(slot);
  view.off_x = static_cast<int>(plot.width / 2 - Nearest(view.centre_x * view.scale_x));
  view.off_y = static_cast<int>(plot.height / 2 - Nearest(view.centre_y * view.scale_y));
}

void RecomputeScales(PlotState& plot, const MachineSettings& settings, int slot) {
  ViewState& view = plot.Slot(slot);
  if (!(view.plot_height >= kMinPlotHeight)) view.plot_height = kMinPlotHeight;
  // A window not laid out yet still gets a usable scale.
  const int half_height = plot.height / 2 > 0 ? plot.height / 2 : 1;
  view.scale_x = half_height / view.plot_height;
  view.scale_y = -view.scale_x;
  const double speed = settings.plot_speed * settings.plot_speed_factor;
  plot.animation_step = speed > 0 ? view.plot_height / speed : view.plot_height;
  const int margin = static_cast<int>(Nearest(settings.clip_tool_margin * view.scale_x));
  view.tool_clip_rect = {-margin, -margin, plot.width + margin, plot.height + margin};
  RecomputeOffsets(plot, slot);
}

double VisibleWidth(const PlotState& plot, int slot) {
  return plot.width / plot.Slot(slot).scale_x;
}

}  // namespace vormak
