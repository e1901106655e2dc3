#pragma once
// The drawing as the user sees it in one view: the view's horizontal and vertical axes taken
// as X and Y, the axis it looks along as Z. The construction and edit commands work out their
// geometry in these axes, so that a line picked in the front view is drawn in X-Z and a circle
// made there stands in X-Z, whatever view the two-axis kernel was written for.

#include <array>

#include "cad/cad_element.h"
#include "cad/geometry_types.h"

namespace vormak {

class ViewFrame {
 public:
  // Slot 1 top (X-Y), 2 front (X-Z), 3 side (Y-Z); the isometric view works in X-Y.
  explicit ViewFrame(int slot) : slot_(slot == 2 || slot == 3 ? slot : 1) {}

  int Plane() const { return slot_; }
  Point ToLocal(const Point& world) const;
  Point ToWorld(const Point& local) const;
  // Which drawing axis (0 X, 1 Y, 2 Z) the view shows across (0) or up (1).
  int WorldAxis(int local_axis) const;

  // The six numbers of an element of the kind, between drawing and view axes: the points of
  // a LINE, the centre of an ARC, a POINT and the tip of an ARROW. TEXT, LEADER and WITNESS
  // already lie in their own view's axes and are left as they are.
  std::array<double, 6> ToLocal(ElementKind kind, const std::array<double, 6>& d) const;
  std::array<double, 6> ToWorld(ElementKind kind, const std::array<double, 6>& d) const;
  CadElement ToLocal(const CadElement& element) const;
  CadElement ToWorld(const CadElement& element) const;

 private:
  int slot_;
};

// The two drawing axes (0 X, 1 Y, 2 Z) of an arc plane or an annotation's view.
std::array<int, 2> AxesOfPlane(int plane);

}  // namespace vormak
