#pragma once
// The kernel's view of LINE and ARC elements, and the element-level steps the picks and
// constructions use.

#include "cad/cad_element.h"
#include "cad/geometry_intersect.h"
#include "cad/geometry_types.h"
#include "nctext/host.h"

namespace vormak {

// The six numbers in order, as a line and as a circle.
Line ElementLine(const CadElement& element);
Circle ElementCircle(const CadElement& element);

// A drawing point in the two axes of a view slot (1 X-Y, 2 X-Z, 3 Y-Z; others X-Y); Z is 0.
Point ToViewAxes(int view, const Point& world);

// LINE: foot of the perpendicular; ARC: nearest point of its circle; POINT: the point.
// Other kinds give p itself.
Point NearestPointOnElement(const CadElement& element, const Point& p);

// The crossing of two picked LINE or ARC elements nearest to `near`. A failure is shown
// through the geometry warning and its number returned (a line and an arc that do not meet
// give 905).
int IntersectElements(Host& host, const CadElement& a, const CadElement& b, const Point& near,
                      Point& at);

}  // namespace vormak
