#pragma once
// Constructions on lines and circles: offsets, tangents, fillets and the circles the CAD
// commands build from picks. Error numbers as in the intersections; outputs untouched on
// failure.

#include "cad/geometry_intersect.h"
#include "cad/geometry_types.h"
#include "nctext/host.h"

namespace vormak {

// The parallel line moved by the distance toward the side point.
Line OffsetLine(const Line& line, const Point& side, double distance);

// The line touching both circles on the side of their picks: the outer tangent when both
// picks lie on one side of the line through the centres, else the crossing tangent. The
// circle cut inside shows its own error.
int TangentLineToTwoCircles(Host& host, const Circle& c1, const Point& pick1, const Circle& c2,
                            const Point& pick2, Line& tangent);

// The circle touching three lines: the inscribed circle of their triangle, or, with one
// parallel pair, the circle between the pair on the reference's side of the third line.
// 902 with more than one parallel pair, 908 when the three lines run through one point.
int CircleTangentToThreeLines(const Line& l1, const Line& l2, const Line& l3,
                              const Point& reference, Point& centre, double& radius);

// Radii of the circle around a given centre that touches a line, touches a circle (from
// outside when the reference is nearer the touching point than the centre is to the other
// circle's centre, else around it), or passes through a point.
double CircleCentreTangentToLine(const Point& centre, const Line& line);
double CircleCentreTangentToCircle(const Point& centre, const Circle& circle,
                                   const Point& reference);
double CircleCentreThroughPoint(const Point& centre, const Point& point);

// Centre of the arc of radius r that touches the line or the arc and passes through q, on
// p's side. A line farther than 2r from q shows "Radius is Too Small" with the smallest
// radius and gives 904.
int ArcTangentThroughPoint(Host& host, const Line& line, const Point& q, const Point& p,
                           double radius, Point& centre);
int ArcTangentThroughPoint(const Circle& arc, const Point& q, const Point& p, double radius,
                           Point& centre);

// Centre of the fillet of radius r between two lines, on the sides of s1 and s2.
int FilletCentre(const Line& l1, const Line& l2, const Point& s1, const Point& s2, double radius,
                 Point& centre);

// The circle through q and p that touches the line. Failures of its steps are shown.
int CircleThroughTwoPointsTangentToLine(Host& host, const Point& q, const Point& p,
                                        const Line& line, Point& centre, double& radius);

}  // namespace vormak
