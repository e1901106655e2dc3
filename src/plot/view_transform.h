#pragma once
// From program coordinates to pixels of the plot window and back.

#include <cstdint>

#include "plot/view_state.h"
#include "settings/machine_settings.h"

namespace vormak {

// Rotation rows M0..M8 of a view's angles (degrees).
std::array<double, 9> ViewMatrix(const ViewAngles& angles);
void RecomputeMatrix(ViewState& view);

// A program point, before the scale: mirror, vertical orientation and, in the front, side and
// isometric views of a mill, the view rotation. `turret` 2 mirrors in twin-turret mode.
struct ViewPoint {
  double x = 0;
  double y = 0;
};
ViewPoint ProjectToView(const PlotState& plot, const MachineSettings& settings, int slot,
                        int turret, double x, double y, double z);

// Whether points of this turret are mirrored (MirrorX, or turret 2 in twin-turret mode).
bool Mirrored(const MachineSettings& settings, int turret);
// The rotation applies in the front, side and isometric views of a mill only.
bool Rotated(const MachineSettings& settings, int slot);

// Pixels of a projected point, 64-bit, unrounded to int range.
struct WidePixel {
  std::int64_t x = 0;
  std::int64_t y = 0;
};
WidePixel ViewToPixels(const ViewState& view, ViewPoint p);

// Nearest integer, ties to even.
std::int64_t Nearest(double value);

PixelPoint WorldToScreen(const PlotState& plot, const MachineSettings& settings, int slot, double x,
                         double y, double z, int turret = 1);
bool BeyondPixelLimit(const WidePixel& p);

// The program point under a pixel, in the slot's two screen axes.
ViewPoint ScreenToWorld(const PlotState& plot, int slot, PixelPoint pixel);

// Scales, offsets, tool clip rectangle and animation step from PlotHeight and the centre;
// PlotHeight is first raised to 0.02.
void RecomputeScales(PlotState& plot, const MachineSettings& settings, int slot);
// Offsets alone, from the centre.
void RecomputeOffsets(PlotState& plot, int slot);

// The visible width in program units.
double VisibleWidth(const PlotState& plot, int slot);

}  // namespace vormak
