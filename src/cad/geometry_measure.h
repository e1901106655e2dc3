#pragma once
// Distances, directions, angles and points on circles.

#include "cad/geometry_types.h"

namespace vormak {

// 0 when the points are more than 100000 apart in X or in Y: such a pair never comes from a
// drawing and the caller treats it as "no distance".
double Distance2D(const Point& p, const Point& q);
double Distance3D(const Point& p, const Point& q);

// Direction of q seen from p, 0..360; 0 when the points coincide.
double DirectionAngle(const Point& p, const Point& q);

// Brings an angle into 0..360 with at most two turns either way (360 itself stays).
double NormalizeAngle(double angle);

// Degrees swept from start to end in the given direction; equal angles sweep a full turn.
double ArcSweep(ArcDirection direction, double start, double end);
double ArcLength(ArcDirection direction, double start, double end, double radius);

struct ArcEnds {
  Point start;
  Point end;
};
ArcEnds ArcEndPoints(const Circle& arc);

Point PointOnCircle(const Point& centre, double radius, double angle);
Point Midpoint(const Point& p, const Point& q);

}  // namespace vormak
