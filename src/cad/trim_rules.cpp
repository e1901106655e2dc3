#include "cad/trim_rules.h"

#include <cmath>

#include "cad/element_geometry.h"
#include "cad/geometry_measure.h"

namespace vormak {

namespace {

constexpr double kOnLine = 0.001;

void MoveEnd(CadElement& line, bool end, const Point& to) {
  const size_t base = end ? 3 : 0;
  line.d[base] = to.x;
  line.d[base + 1] = to.y;
}

}  // namespace

double AngleFrom(double from, double a) {
  double rel = std::fmod(a - from, 360.0);
  if (rel < 0) rel += 360;
  return rel;
}

void TrimLineAt(CadElement& line, const Point& cut, const Point& kept) {
  const Point start{line.d[0], line.d[1], line.d[2]};
  const Point end{line.d[3], line.d[4], line.d[5]};
  const bool end_is_near = Distance2D(cut, end) < Distance2D(cut, start);
  const Point& near = end_is_near ? end : start;
  const Point& far = end_is_near ? start : end;
  const double length = Distance2D(start, end);
  const double to_far = Distance2D(cut, far);
  const bool beyond_near = std::fabs(length + Distance2D(cut, near) - to_far) < kOnLine;
  const bool kept_inside =
      std::fabs(Distance2D(kept, cut) + Distance2D(kept, far) - to_far) < kOnLine;
  if (beyond_near || kept_inside) {
    MoveEnd(line, end_is_near, cut);
  } else {
    MoveEnd(line, !end_is_near, cut);
  }
}

void TrimArcAt(CadElement& arc, const Point& cut, const Point& kept) {
  const Circle c = ElementCircle(arc);
  const double start = c.start_angle;
  double sweep = AngleFrom(start, c.end_angle);
  if (sweep < 0.00001) sweep = 360;  // a full circle
  const double cut_angle = DirectionAngle(c.centre, cut);
  const double at = AngleFrom(start, cut_angle);
  const double pick = AngleFrom(start, DirectionAngle(c.centre, kept));
  bool move_end = false;
  if (at <= sweep) {
    move_end = pick <= at;  // the pick lies between the start and the cut: the end goes
  } else {
    move_end = at - sweep < 360 - at;  // past the end: extend the nearer end
  }
  if (move_end) {
    arc.d[5] = cut_angle;
  } else {
    arc.d[4] = cut_angle;
  }
  if (std::fabs(arc.d[5] - arc.d[4]) < 0.0001) arc.d[5] = arc.d[4] + 360;
}

void TrimArcEndTo(CadElement& arc, const Point& point) {
  const Circle c = ElementCircle(arc);
  const ArcEnds ends = ArcEndPoints(c);
  const double angle = DirectionAngle(c.centre, point);
  if (Distance2D(ends.end, point) < Distance2D(ends.start, point)) {
    arc.d[5] = angle;
  } else {
    arc.d[4] = angle;
  }
}

}  // namespace vormak
