#include "cad/geometry_measure.h"

#include <cmath>

namespace vormak {

double Distance2D(const Point& p, const Point& q) {
  const double dx = q.x - p.x;
  const double dy = q.y - p.y;
  if (std::fabs(dx) > 100000 || std::fabs(dy) > 100000) return 0;
  return std::sqrt(dx * dx + dy * dy);
}

double Distance3D(const Point& p, const Point& q) {
  const double dx = q.x - p.x;
  const double dy = q.y - p.y;
  const double dz = q.z - p.z;
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

double DirectionAngle(const Point& p, const Point& q) {
  double dx = q.x - p.x;
  double dy = q.y - p.y;
  if (dx == 0 && dy == 0) return 0;
  // A tiny stand-in keeps the arctangent finite; the sign of the other axis picks the side.
  if (dx == 0) dx = 1e-7;
  if (dy == 0) dy = 1e-7;
  const double a = std::atan(std::fabs(dy) / std::fabs(dx)) * kDegreesPerRadian;
  if (dx > 0 && dy > 0) return a;
  if (dx < 0 && dy > 0) return 180 - a;
  if (dx < 0 && dy < 0) return 180 + a;
  return 360 - a;
}

double NormalizeAngle(double angle) {
  for (int i = 0; i < 2 && angle > 360; ++i) angle -= 360;
  for (int i = 0; i < 2 && angle < 0; ++i) angle += 360;
  return angle;
}

double ArcSweep(ArcDirection direction, double start, double end) {
  if (start == end) return 360;
  const double ccw = end > start ? end - start : 360 - (start - end);
  return direction == ArcDirection::kCounterClockwise ? ccw : 360 - ccw;
}

double ArcLength(ArcDirection direction, double start, double end, double radius) {
  return 2 * kPi * radius * ArcSweep(direction, start, end) / 360;
}

ArcEnds ArcEndPoints(const Circle& arc) {
  return {PointOnCircle(arc.centre, arc.radius, arc.start_angle),
          PointOnCircle(arc.centre, arc.radius, arc.end_angle)};
}

Point PointOnCircle(const Point& centre, double radius, double angle) {
  const double a = angle / kDegreesPerRadian;
  return {centre.x + radius * std::cos(a), centre.y + radius * std::sin(a), centre.z};
}

Point Midpoint(const Point& p, const Point& q) {
  return {(p.x + q.x) / 2, (p.y + q.y) / 2, (p.z + q.z) / 2};
}

}  // namespace vormak
