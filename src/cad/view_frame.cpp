#include "cad/view_frame.h"

namespace vormak {

namespace {

double& Axis(Point& p, int axis) {
  return axis == 0 ? p.x : axis == 1 ? p.y : p.z;
}

// Which drawing axis each view axis (across, up, depth) is.
std::array<int, 3> AxesOf(int slot) {
  switch (slot) {
    case 2:
      return {0, 2, 1};
    case 3:
      return {1, 2, 0};
    default:
      return {0, 1, 2};
  }
}

bool HasPoints(ElementKind kind) {
  return kind == ElementKind::kLine || kind == ElementKind::kArc || kind == ElementKind::kPoint ||
         kind == ElementKind::kArrow;
}

template <typename F>
std::array<double, 6> MapPoints(ElementKind kind, std::array<double, 6> d, F&& map) {
  if (!HasPoints(kind)) return d;
  const Point first = map(Point{d[0], d[1], d[2]});
  d[0] = first.x, d[1] = first.y, d[2] = first.z;
  if (kind == ElementKind::kLine) {
    const Point second = map(Point{d[3], d[4], d[5]});
    d[3] = second.x, d[4] = second.y, d[5] = second.z;
  }
  return d;
}

}  // namespace

std::array<int, 2> AxesOfPlane(int plane) {
  const auto axes = AxesOf(plane);
  return {axes[0], axes[1]};
}

int ViewFrame::WorldAxis(int local_axis) const {
  return AxesOf(slot_)[static_cast<size_t>(local_axis)];
}

Point ViewFrame::ToLocal(const Point& world) const {
  const auto axes = AxesOf(slot_);
  Point w = world, local;
  for (int i = 0; i < 3; ++i) Axis(local, i) = Axis(w, axes[static_cast<size_t>(i)]);
  return local;
}

Point ViewFrame::ToWorld(const Point& local) const {
  const auto axes = AxesOf(slot_);
  Point l = local, world;
  for (int i = 0; i < 3; ++i) Axis(world, axes[static_cast<size_t>(i)]) = Axis(l, i);
  return world;
}

std::array<double, 6> ViewFrame::ToLocal(ElementKind kind, const std::array<double, 6>& d) const {
  return MapPoints(kind, d, [this](const Point& p) { return ToLocal(p); });
}

std::array<double, 6> ViewFrame::ToWorld(ElementKind kind, const std::array<double, 6>& d) const {
  return MapPoints(kind, d, [this](const Point& p) { return ToWorld(p); });
}

CadElement ViewFrame::ToLocal(const CadElement& element) const {
  CadElement local = element;
  local.d = ToLocal(element.kind, element.d);
  return local;
}

CadElement ViewFrame::ToWorld(const CadElement& element) const {
  CadElement world = element;
  world.d = ToWorld(element.kind, element.d);
  return world;
}

}  // namespace vormak
