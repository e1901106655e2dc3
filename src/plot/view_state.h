#pragma once
// The plot window's views: four slots (top, front, side, isometric), each with its own angles
// and zoom, and what the window is drawn on.

#include <array>
#include <cstdint>

#include "plot/canvas.h"
#include "plot/display_list.h"

namespace vormak {

inline constexpr int kTopSlot = 1;
inline constexpr int kFrontSlot = 2;
inline constexpr int kSideSlot = 3;
inline constexpr int kIsometricSlot = 4;
inline constexpr int kViewSlots = 4;

inline constexpr double kMinPlotHeight = 0.02;
// Pixel coordinates beyond this are never handed to the graphics system by markers and arcs.
inline constexpr double kPixelLimit = 120000;

struct ViewAngles {
  double a = 0;
  double b = 0;
  double c = 0;
  friend bool operator==(const ViewAngles&, const ViewAngles&) = default;
};

inline constexpr ViewAngles kIsometricAngles{-70, 0, -20};

// The angles a slot's view command sets.
ViewAngles SlotAngles(int slot);

struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool Contains(PixelPoint p) const {
    return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
  }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct ViewState {
  double plot_height = 10;  // half the visible height, program units
  double centre_x = 0;      // program point at the window centre
  double centre_y = 0;
  double scale_x = 1;  // pixels per unit
  double scale_y = -1;
  int off_x = 0;
  int off_y = 0;
  double last_plot_height = 20;  // the view before the last Zoom All or Zoom Window
  double last_centre_x = 0;
  double last_centre_y = 0;
  PixelRect tool_clip_rect;  // the tool picture is drawn only while its point lies inside
  ViewAngles angles;
  std::array<double, 9> matrix{1, 0, 0, 0, 1, 0, 0, 0, 1};  // rows M0..M8 from the angles
};

struct PlotState {
  PlotState();

  ViewState& Slot(int slot) { return views[static_cast<size_t>(Clamped(slot) - 1)]; }
  const ViewState& Slot(int slot) const { return views[static_cast<size_t>(Clamped(slot) - 1)]; }
  ViewState& Current() { return Slot(current); }
  const ViewState& Current() const { return Slot(current); }
  bool ViewOn(int slot) const { return view_on[static_cast<size_t>(Clamped(slot) - 1)]; }
  static int Clamped(int slot) { return slot < 1 ? 1 : slot > kViewSlots ? kViewSlots : slot; }

  std::array<ViewState, kViewSlots> views;                          // slot n at index n - 1
  std::array<bool, kViewSlots> view_on{true, false, false, false};  // exactly one is on
  int current = kTopSlot;
  ViewAngles isometric_angles = kIsometricAngles;  // remembered by Alt+drag in the isometric view
  int width = 0;                                   // plot window in pixels
  int height = 0;
  std::int32_t background = 0;      // Black or White, red in the low byte as the palette
  double animation_step = 0;        // sweep step of the animation and solid view
  PixelPoint mouse_tool{999, 999};  // where the tool following the mouse was drawn
  unsigned clears = 0;              // times the window was cleared: inverted pictures gone
  bool printing = false;            // no large-coordinate clipping on the printer
  DisplayList backplot;             // what the runs drew, painted again by every redraw
  // The next full run fits the view to what it drew: set when the backplot is reset, cleared
  // once that happened or the user zoomed by hand.
  bool fit_pending = true;
  // Where the window is drawn; set by whoever shows the plot (window, batch program, test).
  // Not owned. Nothing is drawn while it is null.
  Canvas* canvas = nullptr;
};

}  // namespace vormak
