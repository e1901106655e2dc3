#pragma once
// Where lines and circles meet, and the circles through given points. Every operation
// returns its error number (0 on success) and leaves its outputs untouched on failure.

#include "cad/geometry_types.h"
#include "nctext/host.h"

namespace vormak {

struct PointPair {
  Point first;
  Point second;
};

// 902 when the slopes are exactly equal. A vertical line is given a very steep slope, so the
// result can be off by about a millionth of the coordinates.
int IntersectLines(const Line& a, const Line& b, Point& at);
// The offset commands' variant: parallel lines show the warning "Parallel Lines" instead.
bool IntersectLinesOrWarn(Host& host, const Line& a, const Line& b, Point& at);

// Both points equal the foot of the centre on the line when the line touches; 905 when it
// misses by more than 0.0001.
int IntersectLineCircle(const Line& line, const Circle& circle, PointPair& at);

// 905 when the circles are apart (beyond 0.0001) or one lies inside the other, 906 when
// concentric, 904 when one lies inside the other above or below it.
int IntersectCircles(const Circle& a, const Circle& b, PointPair& at);

// The line from p to the tangent point on the circle nearer the reference (the first on a
// tie); 908 when p lies inside the circle. The circle cut inside shows its own error.
int TangentFromPoint(Host& host, const Point& p, const Circle& circle, const Point& reference,
                     Line& tangent);

// The two centres of an arc of the radius through both points. Points more than 2r + 0.0001
// apart show "Points Too Far Apart to Fit Arc" and give kGeoShownFailure.
int ArcThroughTwoPoints(Host& host, const Point& p1, const Point& p2, double radius,
                        PointPair& centres);
// The centre on the right of the chord p1 -> p2; here the limit is 2r exactly.
int ArcThroughTwoPointsSide(Host& host, const Point& p1, const Point& p2, double radius,
                            Point& centre);

// 908 when the points lie on one line or two of them coincide.
int CircleThroughThreePoints(const Point& a, const Point& b, const Point& c, Point& centre,
                             double& radius);

}  // namespace vormak
