#include "interp/compensation_geometry.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace vormak {

namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;
// Two lines whose unit directions cross by less than this are taken as parallel.
constexpr double kParallel = 1e-9;

double Cross(Vec2 a, Vec2 b) {
  return a.x * b.y - a.y * b.x;
}
double Dot(Vec2 a, Vec2 b) {
  return a.x * b.x + a.y * b.y;
}
Vec2 Unit(Vec2 v) {
  const double l = Length(v);
  return l > 0 ? Vec2{v.x / l, v.y / l} : Vec2{};
}
Vec2 LeftOf(Vec2 v) {
  return {-v.y, v.x};
}
double SideSign(int side) {
  return side == kRightSide ? -1.0 : 1.0;
}

// Direction of travel at `at`.
Vec2 Tangent(const PathElement& e, Vec2 at) {
  if (!e.IsArc()) return Unit(e.end - e.start);
  const Vec2 radial = Unit(at - e.centre);
  return e.kind == 3 ? LeftOf(radial) : Vec2{radial.y, -radial.x};
}

// An element offset sideways: a line through `point` along `dir`, or a circle.
struct Offset {
  bool circle = false;
  Vec2 point;
  Vec2 dir;
  Vec2 centre;
  double radius = 0;
};

Offset OffsetOf(const PathElement& e, double r, int side, Vec2 at) {
  Offset o;
  if (e.IsArc()) {
    o.circle = true;
    o.centre = e.centre;
    o.radius = std::max(0.0, OffsetRadius(e, r, side));
  } else {
    o.dir = Tangent(e, at);
    o.point = at + r * OffsetNormal(e, at, side);
  }
  return o;
}

void LineCircle(Vec2 p, Vec2 d, Vec2 c, double radius, std::vector<Vec2>& out) {
  const Vec2 f = p - c;
  const double b = Dot(f, d);
  const double cc = Dot(f, f) - radius * radius;
  double disc = b * b - cc;
  // A line that only touches the circle may miss it by a rounding error.
  if (disc < 0 && disc > -1e-9 * std::max(1.0, radius * radius)) disc = 0;
  if (disc < 0) return;
  const double s = std::sqrt(disc);
  out.push_back(p + (-b - s) * d);
  out.push_back(p + (-b + s) * d);
}

void CircleCircle(Vec2 c1, double r1, Vec2 c2, double r2, std::vector<Vec2>& out) {
  const Vec2 d = c2 - c1;
  const double dist = Length(d);
  if (dist == 0) return;
  const double a = (r1 * r1 - r2 * r2 + dist * dist) / (2 * dist);
  double h2 = r1 * r1 - a * a;
  if (h2 < 0 && h2 > -1e-9 * std::max(1.0, r1 * r1)) h2 = 0;
  if (h2 < 0) return;
  const double h = std::sqrt(h2);
  const Vec2 u = Unit(d);
  const Vec2 m = c1 + a * u;
  out.push_back(m + h * LeftOf(u));
  out.push_back(m - h * LeftOf(u));
}

std::vector<Vec2> Crossings(const Offset& a, const Offset& b) {
  std::vector<Vec2> out;
  if (!a.circle && !b.circle) {
    const double den = Cross(a.dir, b.dir);
    if (std::fabs(den) < kParallel) return out;
    const double t = Cross(b.point - a.point, b.dir) / den;
    out.push_back(a.point + t * a.dir);
  } else if (a.circle && b.circle) {
    CircleCircle(a.centre, a.radius, b.centre, b.radius, out);
  } else {
    const Offset& line = a.circle ? b : a;
    const Offset& circle = a.circle ? a : b;
    LineCircle(line.point, line.dir, circle.centre, circle.radius, out);
  }
  return out;
}

Vec2 Nearest(const std::vector<Vec2>& points, Vec2 to) {
  Vec2 best = points.front();
  for (const Vec2& p : points) {
    if (Length(p - to) < Length(best - to)) best = p;
  }
  return best;
}

}  // namespace

double Length(Vec2 v) {
  return std::hypot(v.x, v.y);
}

double AngleOf(Vec2 v) {
  if (v.x == 0 && v.y == 0) return 0;
  double a = std::atan2(v.y, v.x) * kDegrees;
  if (a < 0) a += 360;
  return a >= 360 ? a - 360 : a;
}

double PathElement::Radius() const {
  return Length(start - centre);
}

Vec2 OffsetNormal(const PathElement& e, Vec2 at, int side) {
  return SideSign(side) * LeftOf(Tangent(e, at));
}

double OffsetRadius(const PathElement& e, double r, int side) {
  // Left of a clockwise arc is away from its centre.
  const double outward = (e.kind == 2 ? 1.0 : -1.0) * SideSign(side);
  return e.Radius() + outward * r;
}

bool ArcTooSmallForCutter(const PathElement& e, double r, int side) {
  const bool inside = (e.kind == 2 && side == kRightSide) || (e.kind == 3 && side == kLeftSide);
  return inside && e.Radius() - r < 0.0001;
}

bool LineCrossing(const PathElement& a, const PathElement& b, Vec2& at) {
  const Vec2 da = Unit(a.end - a.start);
  const Vec2 db = Unit(b.end - b.start);
  const double den = Cross(da, db);
  if (std::fabs(den) < kParallel) return false;
  at = a.start + (Cross(b.start - a.start, db) / den) * da;
  return true;
}

Corner CompensatedCorner(const PathElement& current, const PathElement& next, double r, int side,
                         CornerRule rule) {
  const Vec2 p = current.end;
  const Vec2 own = p + r * OffsetNormal(current, p, side);
  Corner corner;
  if (rule == CornerRule::kEndOfPath) {
    corner.end = own;
    return corner;
  }
  if (rule == CornerRule::kLeadIn) {
    corner.end = next.start + r * OffsetNormal(next, next.start, side);
    return corner;
  }
  std::vector<Vec2> points =
      Crossings(OffsetOf(current, r, side, p), OffsetOf(next, r, side, next.start));
  if (!points.empty()) {
    corner.end = Nearest(points, own);
    return corner;
  }
  if (!current.IsArc() && !next.IsArc()) {
    corner.parallel = true;
    corner.end = p;
    return corner;
  }
  // An arc whose offset misses the other offset: meet its tangent line at the corner instead.
  PathElement a = current, b = next;
  if (a.IsArc()) a = {1, p - Tangent(current, p), p, {}};
  if (b.IsArc()) b = {1, next.start, next.start + Tangent(next, next.start), {}};
  points = Crossings(OffsetOf(a, r, side, p), OffsetOf(b, r, side, next.start));
  corner.end = points.empty() ? own : points.front();
  return corner;
}

Vec2 ToolWidthCorrection(const PathElement& current, const PathElement& next, Vec2 end,
                         double width, double nose_radius, double angle) {
  if (width <= 0) return end;
  const double d = width - 2 * nose_radius;
  bool behind = false;
  if (!next.IsArc()) {
    const double a = AngleOf(end - current.end);
    behind = a > 90 && a < 270;
  } else if (!current.IsArc()) {
    const double a = AngleOf(current.end - current.start);
    behind = next.kind == 2 ? a > 180.001 && a < 360 : a > 0.001 && a < 180;
  }
  if (!behind) return end;
  const double rad = angle / kDegrees;
  return end - d * Vec2{std::cos(rad), std::sin(rad)};
}

}  // namespace vormak
