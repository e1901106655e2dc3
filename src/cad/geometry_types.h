#pragma once
// Plane geometry on the drawing: everything is worked in two axes (X, Y of the caller's
// plane); a Z value rides along where a point carries one. Angles are degrees,
// counter-clockwise.

namespace vormak {

struct Point {
  double x = 0;
  double y = 0;
  double z = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Line {
  Point start;
  Point end;
  friend bool operator==(const Line&, const Line&) = default;
};

// A circle, or an arc running counter-clockwise from its start to its end angle.
struct Circle {
  Point centre;
  double radius = 0;
  double start_angle = 0;
  double end_angle = 360;
  friend bool operator==(const Circle&, const Circle&) = default;
};

// A line in normal form: normal_x * x + normal_y * y = offset, with a unit normal.
struct NormalForm {
  double normal_x = 0;
  double normal_y = 0;
  double offset = 0;
};

enum class ArcDirection { kCounterClockwise, kClockwise };

// Error numbers of the geometry operations; 0 is success.
inline constexpr int kGeoOk = 0;
inline constexpr int kGeoParallelLines = 902;
inline constexpr int kGeoUndefinedLine = 903;
inline constexpr int kGeoArcDoesNotIntersect = 904;
inline constexpr int kGeoRadiusDoesNotIntersect = 905;
inline constexpr int kGeoConcentricCircles = 906;
inline constexpr int kGeoNoMemory = 907;
inline constexpr int kGeoThreePointsOnLine = 908;
// A failure whose own message was already shown to the user; callers pass it on silently.
inline constexpr int kGeoShownFailure = -1;

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kDegreesPerRadian = 57.2957795131;

}  // namespace vormak
