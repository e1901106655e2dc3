#include "cad/geometry_intersect.h"

#include <cmath>

#include "cad/geometry_errors.h"
#include "cad/geometry_measure.h"
#include "cad/geometry_project.h"

namespace vormak {

namespace {

constexpr double kTouch = 0.0001;      // how far apart a line and a circle, or two circles, may
                                       // be and still count as touching
constexpr double kTangency = 0.00001;  // closer than this a line touches a circle
constexpr double kNegligible = -1e-8;  // rounding noise below zero under a square root

double Slope(const Line& line) {
  double run = line.start.x - line.end.x;
  if (std::fabs(run) < 1e-6) run = 1e-6;
  return (line.start.y - line.end.y) / run;
}

// The square root of a radicand that may carry rounding noise below zero.
double NoisyRoot(double radicand) {
  if (radicand == 0) radicand = 1e-8;
  return std::sqrt(std::fabs(radicand));
}

}  // namespace

int IntersectLines(const Line& a, const Line& b, Point& at) {
  const double m1 = Slope(a);
  const double m2 = Slope(b);
  if (m1 == m2) return kGeoParallelLines;
  const double b1 = a.start.y - m1 * a.start.x;
  const double b2 = b.start.y - m2 * b.start.x;
  double dm = m1 - m2;
  if (std::fabs(dm) < 1e-6) dm = 1e-6;
  const double x = (b2 - b1) / dm;
  at = {x, b1 + m1 * x, 0};
  return kGeoOk;
}

bool IntersectLinesOrWarn(Host& host, const Line& a, const Line& b, Point& at) {
  if (IntersectLines(a, b, at) == kGeoOk) return true;
  GeometryWarning(host, "Parallel Lines");
  return false;
}

int IntersectLineCircle(const Line& line, const Circle& circle, PointPair& at) {
  Point foot;
  if (const int error = FootOfPerpendicular(line, circle.centre, foot)) return error;
  const double b = Distance2D(circle.centre, foot);
  const double r = circle.radius;
  if (b - r > kTouch) return kGeoRadiusDoesNotIntersect;
  // A line that misses by less than the touch allowance touches: spreading two points along
  // it would invent a crossing that is not there.
  if (std::fabs(b - r) < kTangency || b > r) {
    at = {foot, foot};
    return kGeoOk;
  }
  const double half_chord = std::sqrt(std::fabs(r * r - b * b));
  const double along = DirectionAngle(line.start, line.end);
  at = {PointOnCircle(foot, half_chord, along), PointOnCircle(foot, half_chord, along + 180)};
  at.first.z = at.second.z = 0;
  return kGeoOk;
}

int IntersectCircles(const Circle& a, const Circle& b, PointPair& at) {
  const double d = Distance2D(a.centre, b.centre);
  if (d > a.radius + b.radius + kTouch) return kGeoRadiusDoesNotIntersect;
  // The radical line nx*x + ny*y = c through both crossings, normalised.
  const double x1 = a.centre.x, y1 = a.centre.y, r1 = a.radius;
  const double x2 = b.centre.x, y2 = b.centre.y, r2 = b.radius;
  double nx = 2 * (x1 - x2);
  double ny = 2 * (y1 - y2);
  double c = r2 * r2 - r1 * r1 + x1 * x1 - x2 * x2 + y1 * y1 - y2 * y2;
  const double length = std::sqrt(nx * nx + ny * ny);
  if (length == 0) return kGeoConcentricCircles;
  nx /= length;
  ny /= length;
  c /= length;
  // Circles that touch within the allowance, from outside or from inside, meet in one point
  // even when rounding puts them a hair apart.
  const bool touching = d >= r1 + r2 || std::fabs(d - std::fabs(r1 - r2)) <= kTouch;
  if (std::fabs(nx) < 1e-7) {
    const double y = c / ny;
    const double radicand = r1 * r1 - (y1 - y) * (y1 - y);
    if (radicand < kNegligible && !touching) return kGeoArcDoesNotIntersect;
    const double root = radicand < kNegligible ? 0 : NoisyRoot(radicand);
    at = {{x1 + root, y, 0}, {x1 - root, y, 0}};
    return kGeoOk;
  }
  // x = k - s*y, put into circle a.
  const double s = ny / nx;
  const double k = c / nx - x1;
  const double qa = s * s + 1;
  const double qb = -2 * (k * s + y1);
  const double qc = k * k + y1 * y1 - r1 * r1;
  const double discriminant = qb * qb - 4 * qa * qc;
  if (discriminant < kNegligible && !touching) return kGeoRadiusDoesNotIntersect;
  const double root = discriminant < kNegligible ? 0 : NoisyRoot(discriminant);
  const double ya = (-qb + root) / (2 * qa);
  const double yb = (-qb - root) / (2 * qa);
  at = {{x1 + k - s * ya, ya, 0}, {x1 + k - s * yb, yb, 0}};
  return kGeoOk;
}

int TangentFromPoint(Host& host, const Point& p, const Circle& circle, const Point& reference,
                     Line& tangent) {
  const double d = Distance2D(p, circle.centre);
  const double reach = d * d - circle.radius * circle.radius;
  if (reach < 0) return kGeoThreePointsOnLine;
  PointPair touch;
  const Circle around_p{p, std::sqrt(reach)};
  if (const int error = IntersectCircles(circle, around_p, touch)) {
    ReportGeometryError(host, error);
    return error;
  }
  const bool second = Distance2D(touch.second, reference) < Distance2D(touch.first, reference);
  tangent = {p, second ? touch.second : touch.first};
  return kGeoOk;
}

int ArcThroughTwoPoints(Host& host, const Point& p1, const Point& p2, double radius,
                        PointPair& centres) {
  if (Distance2D(p1, p2) > 2 * radius + kTouch) {
    GeometryWarning(host, "Points Too Far Apart to Fit Arc");
    return kGeoShownFailure;
  }
  const int error = IntersectCircles({p1, radius}, {p2, radius}, centres);
  ReportGeometryError(host, error);
  return error;
}

int ArcThroughTwoPointsSide(Host& host, const Point& p1, const Point& p2, double radius,
                            Point& centre) {
  if (Distance2D(p1, p2) > 2 * radius) {
    GeometryWarning(host, "Points Too Far Apart to Fit Arc");
    return kGeoShownFailure;
  }
  PointPair both;
  if (const int error = IntersectCircles({p1, radius}, {p2, radius}, both)) {
    ReportGeometryError(host, error);
    return error;
  }
  const Point right = PointOnCircle(Midpoint(p1, p2), 1, DirectionAngle(p1, p2) - 90);
  centre =
      Distance2D(both.first, right) < Distance2D(both.second, right) ? both.first : both.second;
  return kGeoOk;
}

int CircleThroughThreePoints(const Point& a, const Point& b, const Point& c, Point& centre,
                             double& radius) {
  // Directions compared round the turn, so a pair just either side of 0 degrees is caught.
  const double turn = 2 * kPi;
  double apart = std::fabs(DirectionAngle(a, c) - DirectionAngle(a, b)) / kDegreesPerRadian;
  if (apart > kPi) apart = turn - apart;
  if (apart < 0.001) return kGeoThreePointsOnLine;
  const auto same = [](const Point& p, const Point& q) { return p.x == q.x && p.y == q.y; };
  if (same(a, b) || same(a, c) || same(b, c)) return kGeoThreePointsOnLine;
  const double a1 = 2 * (a.x - b.x), b1 = 2 * (a.y - b.y);
  const double c1 = a.x * a.x + a.y * a.y - b.x * b.x - b.y * b.y;
  const double a2 = 2 * (b.x - c.x), b2 = 2 * (b.y - c.y);
  const double c2 = b.x * b.x + b.y * b.y - c.x * c.x - c.y * c.y;
  const double determinant = a1 * b2 - a2 * b1;
  if (determinant == 0) return kGeoThreePointsOnLine;
  centre = {(c1 * b2 - c2 * b1) / determinant, (a1 * c2 - a2 * c1) / determinant, 0};
  radius = Distance2D(centre, b);
  return kGeoOk;
}

}  // namespace vormak
