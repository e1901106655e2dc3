#include "cad/geometry_project.h"

#include <cmath>

#include "cad/geometry_intersect.h"
#include "cad/geometry_measure.h"

namespace vormak {

int FootOfPerpendicular(const Line& line, const Point& p, Point& foot) {
  const double across = DirectionAngle(line.start, line.end) + 90;
  const Line normal{p, PointOnCircle(p, 1, across)};
  return IntersectLines(line, normal, foot);
}

Point FootOf(const Line& line, const Point& p) {
  Point foot = p;
  FootOfPerpendicular(line, p, foot);
  return foot;
}

Point NearestPointOnCircle(const Circle& circle, const Point& p) {
  return PointOnCircle(circle.centre, circle.radius, DirectionAngle(circle.centre, p));
}

Line PerpendicularThrough(const Point& p, const Line& line) {
  return {p, FootOf(line, p)};
}

int LineNormalForm(const Line& line, NormalForm& form) {
  const double dx = line.end.x - line.start.x;
  const double dy = line.end.y - line.start.y;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (length == 0) return kGeoUndefinedLine;
  form.normal_x = dy / length;
  form.normal_y = -dx / length;
  form.offset = form.normal_x * line.start.x + form.normal_y * line.start.y;
  return kGeoOk;
}

}  // namespace vormak
