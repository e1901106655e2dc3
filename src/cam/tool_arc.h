#pragma once
// The tool taken around a drawing arc as one circular-interpolation block: direction from
// the end the move starts at, the tool outside or inside the arc, centre words incremental or
// absolute, or a radius word ("R", "R-" beyond a half circle, the "L" form of the control
// that takes it), lathe words in X (diameter, "LatheMinus") and Z.

#include <string>

#include "cad/cad_element.h"
#include "cad/geometry_types.h"

namespace vormak {

class Workbench;

struct ToolArc {
  int error = 0;        // 0, or the geometry error number when no block can be built
  std::string message;  // a failure the user is told about; empty when built
  int g = 3;            // 2 clockwise, 3 counter-clockwise as drawn
  Point start;          // programmed points
  Point end;
  Point centre;
  double path_radius = 0;
  double sweep = 0;  // degrees turned, 0 < sweep <= 360
  std::string block;
};

inline constexpr const char* kArcInsideTooSmall = "Tool Radius Larger than Arc";
inline constexpr const char* kArcZeroRadius = "Error: Radius = 0";

// The block for the tool of radius `r` around `arc` (an ARC element), starting at the end
// `start_pick` lies on (within 0.0001 of the arc's start point: counter-clockwise from there,
// else clockwise from its end point), outside the arc when `side` is at least the radius away
// from its centre.
ToolArc BuildToolArc(const Workbench& bench, const CadElement& arc, const Point& start_pick,
                     const Point& side, double r);

// The block made the last arc block and shown; with "Auto Insert" a line "G1" with the start
// position below the caret and the arc block on the line after it. The tool stands at the
// arc's end afterwards.
void TakeToolArc(Workbench& bench, const ToolArc& arc);

}  // namespace vormak
