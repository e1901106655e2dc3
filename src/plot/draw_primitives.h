#pragma once
// The drawing primitives the plotter and the drawing module use: lines, arcs, full circles and
// point markers in program coordinates, drawn in every open view slot. Colours are palette
// values (red in the low byte); styles are move styles: 0 and 1 solid, 2 dotted, 3 dash-dot,
// 4 dash-dot-dot, anything else keeps the pen style last set.

#include <array>
#include <cstdint>

#include "cad/geometry_types.h"
#include "plot/display_list.h"
#include "plot/view_state.h"
#include "plot/view_transform.h"
#include "settings/machine_settings.h"

namespace vormak {

// Sets the canvas pen for a colour and move style (copy mode, width 1).
void SelectPen(PlotState& plot, std::int32_t colour, int style);

// What moves drawn one after another in an unchanged view share: the pen last selected and
// where the last leg ended, in pixels of every view (the next leg mostly starts there).
struct DrawRun {
  bool pen_set = false;
  std::int32_t colour = 0;
  int style = 0;
  bool end_set = false;
  int turret = 0;
  Point end;
  std::array<WidePixel, kViewSlots + 1> end_pixels{};
};

// With a run, the pen is selected only when it changes and the start of a leg beginning where
// the last one ended is not projected again.
void DrawSegment(PlotState& plot, const MachineSettings& settings, int turret, std::int32_t colour,
                 int style, const Point& p1, const Point& p2, DrawRun* run = nullptr);

// The arc runs clockwise from `first_angle` to `second_angle` as seen with the plane's first
// axis to the right, i.e. it covers the counter-clockwise sweep from the second angle to the
// first: an element stored counter-clockwise from its start to its end angle is drawn with
// first = end, second = start. Plane 1 X-Y, 2 X-Z, 3 Y-Z. Angles less than 0.0001 apart, or a
// second angle more than 359 above the first, give the full circle.
void DrawArc(PlotState& plot, const MachineSettings& settings, int turret, std::int32_t colour,
             int style, int plane, double first_angle, double second_angle, double radius,
             const Point& centre, DrawRun* run = nullptr);

// A kept arc drawn from its ends, centre and sense as DrawArc draws it from its drawing angles,
// which are worked out (into the item) only where the ends alone cannot settle the picture.
void DrawListedArc(PlotState& plot, const MachineSettings& settings, ListedItem& arc,
                   DrawRun* run = nullptr);

void DrawCircle(PlotState& plot, const MachineSettings& settings, int turret, std::int32_t colour,
                int style, int plane, double radius, const Point& centre);

// A cross with 5-pixel arms; skipped beyond 120000 pixels.
void DrawMarker(PlotState& plot, const MachineSettings& settings, int turret, std::int32_t colour,
                const Point& p, DrawRun* run = nullptr);

// Chords of an arc's polyline in the projected views: trunc(r * scale / 2), 10 to 360.
int ArcChordCount(double radius, double scale);

}  // namespace vormak
