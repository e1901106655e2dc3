#pragma once
// One drawing object of the plot window: geometry drawn with the CAD commands, read from a
// drawing file, copied by a transform, or recorded from the tool path.

#include <array>
#include <cstdint>
#include <string>

namespace vormak {

enum class ElementKind : std::uint8_t {
  kLine = 1,
  kArc = 2,
  kCircle = 3,  // reserved: circles are stored as arcs from 0 to 360
  kPoint = 4,
  kText = 5,
  kArrow = 6,
  kLeader = 7,
  kWitness = 9,
};

enum class ElementState : std::uint8_t {
  kNormal = 0,
  kSelected = 1,  // highlighted by a command's pick
  kGroup = 2,
  kErasing = 3,   // painted out in the background colour while being deleted
  kResult = 5,    // copies made by the transforms and offsets
  kToolpath = 6,  // recorded by the plotter
};

inline constexpr int kMaxTextLength = 24;

// Geometry by kind (drawing units, degrees):
//   LINE    start X, Y, Z, end X, Y, Z
//   ARC     centre X, Y, Z, radius, start angle, end angle (counter-clockwise in its plane)
//   POINT   X, Y, Z
//   TEXT    corner X, Y; the text is held in `text`
//   ARROW   tip X, Y, Z, direction in degrees
//   LEADER  tip X, tip Y, tail X, tail Y, direction tip -> tail in radians
//   WITNESS start X, start Y, 0, end X, end Y, 0
struct CadElement {
  ElementKind kind = ElementKind::kLine;
  std::int32_t colour = 0;
  std::int32_t style = 0;  // 0, 1 solid, 2 dotted, 3 dash-dot, 4 dash-dot-dot
  std::int32_t view = 0;   // ARC: its plane 1 X-Y, 2 X-Z, 3 Y-Z; annotations: their view
  std::uint8_t layer = 1;
  ElementState state = ElementState::kNormal;
  bool deleted = false;
  std::int32_t deletion_number = 0;  // 0 when never deleted or brought back
  std::array<double, 6> d{};
  std::string text;
};

// The plane an arc is drawn in; an arc recorded without one lies in X-Y.
inline int ArcPlane(const CadElement& element) {
  return element.view >= 1 && element.view <= 3 ? element.view : 1;
}

}  // namespace vormak
