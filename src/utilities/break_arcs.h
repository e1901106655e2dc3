#pragma once
// Break Arcs: controls that take only circular moves within one quadrant get every arc block
// (G02, G03) cut where it crosses the axis lines through its centre, so each piece stays in one
// quadrant; on the way the radius is checked against the start and end points. A lathe arc is
// worked in its X-Z plane, a mill arc in the X-Y plane.

#include <string>

#include "nctext/pane_services.h"

namespace vormak {

class Workbench;

inline constexpr const char* kBreakArcsCommand = "BREAK ARCS";
inline constexpr const char* kRadiusZero = "Radius=0 in\r\n";
inline constexpr const char* kStartOffCircle = "Radius does not match startpoint by ";
inline constexpr const char* kEndOffCircle = "Radius does not match endpoint by ";
inline constexpr double kArcTolerance = 0.0002;

// Quadrant code of a direction (degrees, from the second plane axis toward the first): 1 to 4
// inside a quadrant, 0 on 0 or 360, 5 on 90, 6 on 180, 7 on 270. Within 0.001 of a whole
// degree the angle counts as that degree.
int QuadrantCode(double angle);

// One arc in its plane: "x" is the first coordinate (lathe X as a radius, mill Y), "z" the
// second (lathe Z, mill X); i and k the centre's offsets from the start point.
struct PlaneArc {
  int direction = 2;  // 2 clockwise, 3 counter-clockwise
  double start_x = 0;
  double start_z = 0;
  double end_x = 0;
  double end_z = 0;
  double i = 0;
  double k = 0;
};

// The replacement for one arc block (its comment set aside): pieces joined with "\r\n", or
// the block unchanged when the arc needs no cut, cannot be cut safely, or is off its circle
// (a warning, OK or Cancel, says which). The machine's system type gives the letters.
std::string BreakOneArc(Workbench& bench, const std::string& block, const PlaneArc& arc);

// Every arc block of `range` of `pane` broken, as one undo step; Escape stops between lines.
void BreakArcs(Workbench& bench, int pane, LineRange range);
// The first to the last selected line of the active pane (to the end when they are one line).
void BreakArcs(Workbench& bench);

}  // namespace vormak
