#pragma once
// The backplot in the plot window: the moves a run draws go through here, are kept in the
// plot's display list and drawn from what was kept; a redraw paints them again. Zoom All
// fits them together with the drawing, and a pixel of the window finds the move under it.

#include <optional>

#include "cad/element_table.h"
#include "plot/view_state.h"
#include "settings/machine_settings.h"

namespace vormak {

void PlotSegment(PlotState& plot, const MachineSettings& settings, const MoveTag& tag,
                 std::int32_t colour, int style, const Point& from, const Point& to);
// `clockwise` as the arc runs on the screen (the program's sense, reversed below the axis).
void PlotArc(PlotState& plot, const MachineSettings& settings, const MoveTag& tag,
             std::int32_t colour, int style, int plane, bool clockwise, double radius,
             const Point& centre, const Point& from, const Point& to);
void PlotMarker(PlotState& plot, const MachineSettings& settings, const MoveTag& tag,
                std::int32_t colour, const Point& at);

// Draws every kept move again in the open views, in the order the runs drew them.
void RepaintBackplot(PlotState& plot, const MachineSettings& settings);

// Forgets the backplot (Reset NC, a new program, Delete Toolpath, another machine); the next
// full run fits the view to what it draws unless the view is zoomed by hand before it ends.
void ClearBackplot(PlotState& plot);

// What the backplot and the drawing cover in a slot's screen axes (before the scale).
struct ViewBox {
  double min_x = 0;
  double min_y = 0;
  double max_x = -1;
  double max_y = -1;
  bool Empty() const { return min_x > max_x; }
  void Add(double x, double y);
};
ViewBox BackplotBox(const PlotState& plot, const MachineSettings& settings, int slot);
// The drawing's extents as the slot shows them (nothing when the drawing is empty).
ViewBox DrawingBox(const PlotState& plot, const MachineSettings& settings, int slot,
                   const DrawingExtents& extents);

// Fits the box into nine tenths of the window's width and height, about its middle.
void FitViewToBox(PlotState& plot, const MachineSettings& settings, int slot, const ViewBox& box);

// The move nearest to a pixel of the current view, within `tolerance` pixels.
std::optional<ListedItem> HitBackplot(const PlotState& plot, const MachineSettings& settings,
                                      PixelPoint at, double tolerance = 4);

}  // namespace vormak
