#pragma once
// How a line or an arc is cut back (or extended) to a point, keeping the side the user picked.

#include "cad/cad_element.h"
#include "cad/geometry_types.h"

namespace vormak {

// A LINE cut at X, keeping the part that holds `kept` (a point on the line): the end nearer X
// moves to X when X lies beyond it (an extension) or when `kept` lies between X and the far
// end; otherwise the far end moves. The line keeps its direction and its Z values.
void TrimLineAt(CadElement& line, const Point& cut, const Point& kept);

// An ARC cut at the direction of `cut` from its centre, keeping the part that holds `kept`;
// a cut outside the sweep moves the nearer end round to it.
void TrimArcAt(CadElement& arc, const Point& cut, const Point& kept);

// To Point on an ARC: the end nearer the point turns to the point's direction.
void TrimArcEndTo(CadElement& arc, const Point& point);

// Angle `a` measured counter-clockwise from `from`, 0..360.
double AngleFrom(double from, double a);

}  // namespace vormak
