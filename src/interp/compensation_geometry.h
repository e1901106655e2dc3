#pragma once
// The corner arithmetic of cutter compensation in the plot plane: where the cutter centre
// stands at the end of one element of the part contour, given the element after it. Lines and
// arcs are offset sideways by the cutter radius; the compensated end is where the offset of
// the current element meets the offset of the next one.

namespace vormak {

struct Vec2 {
  double x = 0;
  double y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(double k, Vec2 a) { return {k * a.x, k * a.y}; }
double Length(Vec2 v);
// Direction of v in degrees, 0 to 360.
double AngleOf(Vec2 v);

inline constexpr int kLeftSide = 41;   // G41: left of the direction of travel
inline constexpr int kRightSide = 42;  // G42

// One element of the contour: a line (kind 1) or an arc, clockwise (2) or counter-clockwise
// (3), from start to end about centre.
struct PathElement {
  int kind = 1;
  Vec2 start;
  Vec2 end;
  Vec2 centre;
  bool IsArc() const { return kind == 2 || kind == 3; }
  double Radius() const;
};

// Unit vector from `at` on the element towards the side the cutter sits on.
Vec2 OffsetNormal(const PathElement& e, Vec2 at, int side);
// Radius of the arc's offset: side 41 G02 + r, G03 - r; side 42 the other way.
double OffsetRadius(const PathElement& e, double r, int side);
// An inside arc for the side (G02 under G42, G03 under G41) too small for the cutter.
bool ArcTooSmallForCutter(const PathElement& e, double r, int side);

// Which construction ends the current element.
enum class CornerRule {
  kCorner,     // meet the next element's offset
  kLeadIn,     // end where the next element's offset starts
  kEndOfPath,  // end on the current element's own perpendicular offset
};

struct Corner {
  Vec2 end;
  bool parallel = false;  // two lines in a row that never meet: no corner
};

// The compensated end of `current` (ending at current.end = next.start).
Corner CompensatedCorner(const PathElement& current, const PathElement& next, double r, int side,
                         CornerRule rule);

// The grooving-tool correction: with D = width - 2 x nose radius along `angle` degrees, the
// end moves back by D when it lies behind the corner for the direction of the cut.
Vec2 ToolWidthCorrection(const PathElement& current, const PathElement& next, Vec2 end,
                         double width, double nose_radius, double angle);

// Where the infinite lines of two line elements cross; false when they are parallel.
bool LineCrossing(const PathElement& a, const PathElement& b, Vec2& at);

}  // namespace vormak
