#pragma once
// Projections of a point onto lines and circles.

#include "cad/geometry_types.h"

namespace vormak {

// The foot of the perpendicular from p, found by cutting the line with a unit-long line
// through p at the line's direction + 90 degrees. 0, or the error of that cut.
int FootOfPerpendicular(const Line& line, const Point& p, Point& foot);
// The same, when the caller has no use for an error number (only parallel lines fail, and a
// perpendicular is never parallel): p itself on failure.
Point FootOf(const Line& line, const Point& p);

Point NearestPointOnCircle(const Circle& circle, const Point& p);

// The line from p to its foot on the given line.
Line PerpendicularThrough(const Point& p, const Line& line);

// Unit normal (dY, -dX)/length and offset; 903 when the two points coincide.
int LineNormalForm(const Line& line, NormalForm& form);

}  // namespace vormak
