#include "cad/element_geometry.h"

#include "cad/geometry_errors.h"
#include "cad/geometry_measure.h"
#include "cad/geometry_project.h"

namespace vormak {

Line ElementLine(const CadElement& element) {
  const auto& d = element.d;
  return {{d[0], d[1], d[2]}, {d[3], d[4], d[5]}};
}

Circle ElementCircle(const CadElement& element) {
  const auto& d = element.d;
  return {{d[0], d[1], d[2]}, d[3], d[4], d[5]};
}

Point ToViewAxes(int view, const Point& world) {
  switch (view) {
    case 2:
      return {world.x, world.z, 0};
    case 3:
      return {world.y, world.z, 0};
    default:
      return {world.x, world.y, 0};
  }
}

Point NearestPointOnElement(const CadElement& element, const Point& p) {
  switch (element.kind) {
    case ElementKind::kLine:
      return FootOf(ElementLine(element), p);
    case ElementKind::kArc:
      return NearestPointOnCircle(ElementCircle(element), p);
    case ElementKind::kPoint:
      return {element.d[0], element.d[1], element.d[2]};
    default:
      return p;
  }
}

namespace {

const Point& Nearer(const PointPair& pair, const Point& near) {
  return Distance2D(pair.second, near) < Distance2D(pair.first, near) ? pair.second : pair.first;
}

int Cross(const CadElement& a, const CadElement& b, const Point& near, Point& at) {
  const bool a_line = a.kind == ElementKind::kLine;
  const bool b_line = b.kind == ElementKind::kLine;
  PointPair both;
  int error = kGeoOk;
  if (a_line && b_line) return IntersectLines(ElementLine(a), ElementLine(b), at);
  if (a_line) {
    error = IntersectLineCircle(ElementLine(a), ElementCircle(b), both);
  } else if (b_line) {
    error = IntersectLineCircle(ElementLine(b), ElementCircle(a), both);
  } else {
    error = IntersectCircles(ElementCircle(a), ElementCircle(b), both);
  }
  if (error == kGeoOk) at = Nearer(both, near);
  return error;
}

}  // namespace

int IntersectElements(Host& host, const CadElement& a, const CadElement& b, const Point& near,
                      Point& at) {
  const int error = Cross(a, b, near, at);
  ReportGeometryError(host, error);
  return error;
}

}  // namespace vormak
