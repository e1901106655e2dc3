#include "cad/geometry_construct.h"

#include <cmath>

#include "cad/geometry_errors.h"
#include "cad/geometry_measure.h"
#include "cad/geometry_project.h"
#include "settings/number_text.h"

namespace vormak {

namespace {

// Which side of the directed line a from -> to the point lies on (> 0 left).
double SideOf(const Point& from, const Point& to, const Point& p) {
  return (to.x - from.x) * (p.y - from.y) - (to.y - from.y) * (p.x - from.x);
}

// Angle between two line directions, ignoring which way each line runs: 0..90. Taken from
// the plain arctangent so that lines along the axes compare exactly.
double LineAngleApart(const Line& a, const Line& b) {
  const auto direction = [](const Line& line) {
    return std::atan2(line.end.y - line.start.y, line.end.x - line.start.x) * kDegreesPerRadian;
  };
  double apart = std::fmod(std::fabs(direction(a) - direction(b)), 180.0);
  if (apart > 90) apart = 180 - apart;
  return apart;
}

// Unit vector from p toward q; zero when they coincide.
Point UnitToward(const Point& p, const Point& q) {
  const double dx = q.x - p.x, dy = q.y - p.y;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (length == 0) return {};
  return {dx / length, dy / length, 0};
}

// The bisector through a corner, halfway between the directions to the other two corners.
Line Bisector(const Point& corner, const Point& other1, const Point& other2) {
  const Point u = UnitToward(corner, other1);
  const Point v = UnitToward(corner, other2);
  return {corner, {corner.x + u.x + v.x, corner.y + u.y + v.y, corner.z}};
}

int CircleBetweenParallels(const Line& a, const Line& b, const Line& third, const Point& reference,
                           Point& centre, double& radius) {
  const Point foot = FootOf(b, a.start);
  const double gap = Distance2D(a.start, foot);
  const Line middle = OffsetLine(a, foot, gap / 2);
  Point crossing;
  if (const int error = IntersectLines(middle, third, crossing)) return error;
  // Along the midline, the centre sits where the third line is half the gap away.
  const double sine = std::sin(LineAngleApart(middle, third) / kDegreesPerRadian);
  const double along = DirectionAngle(middle.start, middle.end);
  const Point ahead = PointOnCircle(crossing, gap / 2 / sine, along);
  const Point behind = PointOnCircle(crossing, gap / 2 / sine, along + 180);
  centre = Distance2D(behind, reference) < Distance2D(ahead, reference) ? behind : ahead;
  centre.z = 0;
  radius = gap / 2;
  return kGeoOk;
}

}  // namespace

Line OffsetLine(const Line& line, const Point& side, double distance) {
  const double toward = DirectionAngle(FootOf(line, side), side);
  return {PointOnCircle(line.start, distance, toward), PointOnCircle(line.end, distance, toward)};
}

int TangentLineToTwoCircles(Host& host, const Circle& c1, const Point& pick1, const Circle& c2,
                            const Point& pick2, Line& tangent) {
  const Point n1 = NearestPointOnCircle(c1, pick1);
  const Point n2 = NearestPointOnCircle(c2, pick2);
  const bool same_side =
      (SideOf(c1.centre, c2.centre, n1) > 0) == (SideOf(c1.centre, c2.centre, n2) > 0);
  if (same_side) {
    const bool first_large = c1.radius >= c2.radius;
    const Circle& large = first_large ? c1 : c2;
    const Circle& small = first_large ? c2 : c1;
    const Point& large_pick = first_large ? pick1 : pick2;
    double e = 0;
    if (large.radius - small.radius > 0) {
      Line to_aux;
      const Circle aux{large.centre, large.radius - small.radius};
      if (const int error = TangentFromPoint(host, small.centre, aux, large_pick, to_aux)) {
        return error;
      }
      e = DirectionAngle(large.centre, to_aux.end);
    } else {
      // Equal circles: the tangent runs parallel to the centre line, on the picks' side.
      const double along = DirectionAngle(c1.centre, c2.centre);
      e = SideOf(c1.centre, c2.centre, n1) > 0 ? along + 90 : along - 90;
    }
    tangent = {PointOnCircle(c1.centre, c1.radius, e), PointOnCircle(c2.centre, c2.radius, e)};
    return kGeoOk;
  }
  const double d = Distance2D(c1.centre, c2.centre);
  PointPair corners;
  const Circle aux{c1.centre, c1.radius + c2.radius};
  const Circle over_centres{Midpoint(c1.centre, c2.centre), d / 2};
  if (const int error = IntersectCircles(aux, over_centres, corners)) {
    ReportGeometryError(host, error);
    return error;
  }
  const Point& corner = Distance2D(corners.second, pick1) < Distance2D(corners.first, pick1)
                            ? corners.second
                            : corners.first;
  const double h = DirectionAngle(c1.centre, corner);
  tangent = {PointOnCircle(c1.centre, c1.radius, h), PointOnCircle(c2.centre, c2.radius, h + 180)};
  return kGeoOk;
}

int CircleTangentToThreeLines(const Line& l1, const Line& l2, const Line& l3,
                              const Point& reference, Point& centre, double& radius) {
  constexpr double kParallel = 0.00001;
  const bool p12 = LineAngleApart(l1, l2) < kParallel;
  const bool p13 = LineAngleApart(l1, l3) < kParallel;
  const bool p23 = LineAngleApart(l2, l3) < kParallel;
  if (int(p12) + int(p13) + int(p23) > 1) return kGeoParallelLines;
  if (p12) return CircleBetweenParallels(l1, l2, l3, reference, centre, radius);
  if (p13) return CircleBetweenParallels(l1, l3, l2, reference, centre, radius);
  if (p23) return CircleBetweenParallels(l2, l3, l1, reference, centre, radius);
  Point c12, c13, c23;
  if (const int error = IntersectLines(l1, l2, c12)) return error;
  if (const int error = IntersectLines(l1, l3, c13)) return error;
  if (const int error = IntersectLines(l2, l3, c23)) return error;
  constexpr double kSameCorner = 0.00001;
  if (Distance2D(c12, c13) < kSameCorner || Distance2D(c12, c23) < kSameCorner ||
      Distance2D(c13, c23) < kSameCorner) {
    return kGeoThreePointsOnLine;  // the lines meet in one point: no triangle to fill
  }
  Point inside;
  if (const int error = IntersectLines(Bisector(c12, c13, c23), Bisector(c13, c12, c23), inside)) {
    return error;
  }
  centre = inside;
  radius = Distance2D(inside, FootOf(l1, inside));
  return kGeoOk;
}

double CircleCentreTangentToLine(const Point& centre, const Line& line) {
  const double r = Distance2D(centre, FootOf(line, centre));
  return r <= 0.00001 ? 0 : r;
}

double CircleCentreTangentToCircle(const Point& centre, const Circle& circle,
                                   const Point& reference) {
  const Point touching = NearestPointOnCircle(circle, centre);
  const double d = Distance2D(centre, circle.centre);
  return d >= Distance2D(reference, touching) ? d - circle.radius : d + circle.radius;
}

double CircleCentreThroughPoint(const Point& centre, const Point& point) {
  return Distance2D(centre, point);
}

int ArcTangentThroughPoint(Host& host, const Line& line, const Point& q, const Point& p,
                           double radius, Point& centre) {
  const double a = Distance2D(q, FootOf(line, q));
  if (2 * radius < a) {
    GeometryWarning(host, "Radius is Too Small\r\nMin Size is " + PlainNumberText(a / 2));
    return kGeoArcDoesNotIntersect;
  }
  PointPair candidates;
  const Line shifted = OffsetLine(line, q, radius);
  if (const int error = IntersectLineCircle(shifted, {q, radius}, candidates)) return error;
  centre = Distance2D(candidates.second, p) < Distance2D(candidates.first, p) ? candidates.second
                                                                              : candidates.first;
  return kGeoOk;
}

int ArcTangentThroughPoint(const Circle& arc, const Point& q, const Point& p, double radius,
                           Point& centre) {
  PointPair candidates;
  const Circle outside{arc.centre, arc.radius + radius};
  if (const int error = IntersectCircles(outside, {q, radius}, candidates)) return error;
  centre = Distance2D(candidates.second, p) < Distance2D(candidates.first, p) ? candidates.second
                                                                              : candidates.first;
  return kGeoOk;
}

int FilletCentre(const Line& l1, const Line& l2, const Point& s1, const Point& s2, double radius,
                 Point& centre) {
  return IntersectLines(OffsetLine(l1, s1, radius), OffsetLine(l2, s2, radius), centre);
}

int CircleThroughTwoPointsTangentToLine(Host& host, const Point& q, const Point& p,
                                        const Line& line, Point& centre, double& radius) {
  Point touch;
  if (LineAngleApart(line, {q, p}) < 0.0001) {
    touch = FootOf(line, Midpoint(q, p));
  } else {
    // The touching point lies as far from the crossing X as the geometric mean of X's
    // distances to the two points (the power of X).
    Point crossing;
    if (const int error = IntersectLines(line, {q, p}, crossing)) {
      ReportGeometryError(host, error);
      return error;
    }
    const double t = std::sqrt(Distance2D(crossing, q) * Distance2D(crossing, p));
    const double along = DirectionAngle(line.start, line.end);
    const Point ahead = PointOnCircle(crossing, t, along);
    const Point behind = PointOnCircle(crossing, t, along + 180);
    touch = Distance2D(behind, q) < Distance2D(ahead, q) ? behind : ahead;
  }
  const int error = CircleThroughThreePoints(q, p, touch, centre, radius);
  ReportGeometryError(host, error);
  return error;
}

}  // namespace vormak
