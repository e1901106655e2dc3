#include "cad/cdl_views.h"

#include <cmath>
#include <utility>

namespace vormak {

namespace {

struct Pattern {
  int code;
  // Entries (index into the row-by-row matrix) and the value each must hold exactly.
  std::array<std::pair<int, double>, 3> entries;
};

// In the order they are tried.
constexpr Pattern kPatterns[] = {
    {1, {{{0, 1}, {4, 1}, {8, 1}}}},
    {2, {{{0, 1}, {5, -1}, {7, 1}}}},
    {3, {{{0, -1}, {5, 1}, {7, 1}}}},
    {4, {{{0, 1}, {4, -1}, {8, -1}}}},
    {5, {{{2, 1}, {3, 1}, {7, 1}}}},
    {6, {{{2, -1}, {3, -1}, {7, 1}}}},
    {kMirroredTopCode, {{{0, -1}, {4, 1}, {8, -1}}}},
};

double Normalized(double angle) {
  if (!std::isfinite(angle)) return 0;
  if (angle >= 0 && angle <= 360) return angle;
  double wrapped = std::fmod(angle, 360.0);
  if (wrapped < 0) wrapped += 360;
  return wrapped;
}

}  // namespace

void CdlViewTable::Reset() {
  for (int n = 0; n <= kCdlViews; ++n) codes_[static_cast<size_t>(n)] = n;
}

void CdlViewTable::Bind(int number, const std::array<double, 9>& matrix) {
  if (number < 1) return;
  if (number > kCdlViews) number = kCdlViews;
  for (const Pattern& pattern : kPatterns) {
    bool match = true;
    for (const auto& [index, value] : pattern.entries) {
      if (matrix[static_cast<size_t>(index)] != value) match = false;
    }
    if (match) {
      codes_[static_cast<size_t>(number)] = pattern.code;
      return;
    }
  }
}

int CdlViewTable::Code(int number) const {
  if (number < 1 || number > kCdlViews) return 1;
  return codes_[static_cast<size_t>(number)];
}

CdlArc ArcFromView(int code, const CdlArc& local) {
  const double u = local.centre.x;
  const double v = local.centre.y;
  const double w = local.centre.z;
  CdlArc arc = local;
  bool turned = false;  // the mapping reverses the sense of rotation
  switch (code) {
    case 2:
      arc.centre = {u, -w, v};
      arc.plane = 2;
      break;
    case 3:
      arc.centre = {-u, w, v};
      arc.start = 180 - local.start;
      arc.end = 180 - local.end;
      arc.plane = 2;
      turned = true;
      break;
    case 4:
      arc.centre = {u, -v, -w};
      arc.start = -local.start;
      arc.end = -local.end;
      arc.plane = 1;
      turned = true;
      break;
    case 5:
      arc.centre = {w, u, v};
      arc.plane = 3;
      break;
    case 6:
      arc.centre = {-w, -u, v};
      arc.start = 180 - local.start;
      arc.end = 180 - local.end;
      arc.plane = 3;
      turned = true;
      break;
    case kMirroredTopCode:
      arc.centre = {-u, v, w};
      arc.start = 180 - local.start;
      arc.end = 180 - local.end;
      arc.plane = 1;
      turned = true;
      break;
    default:  // code 1, and numbers no VIEW record gave a known meaning: the top view
      arc.centre = {u, v, w};
      arc.plane = 1;
      break;
  }
  if (turned) std::swap(arc.start, arc.end);
  arc.start = Normalized(arc.start);
  arc.end = Normalized(arc.end);
  if (arc.plane == 1 && code != 4 && code != kMirroredTopCode && arc.end < arc.start) {
    arc.end += 360;
  }
  return arc;
}

Point LocalCentreOfPlane(int plane, const Point& world) {
  switch (plane) {
    case 2:
      return {world.x, world.z, -world.y};
    case 3:
      return {world.y, world.z, world.x};
    default:
      return world;
  }
}

}  // namespace vormak
