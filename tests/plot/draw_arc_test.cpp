#include <cmath>

#include "plot/zoom.h"
#include "plot_fixture.h"

namespace vormak {
namespace {

using DrawArcTest = PlotTest;
using P = PixelPoint;

TEST_F(DrawArcTest, TopViewArcRunsFromTheSecondAngleCounterClockwise) {
  // Clockwise from 90 to 0: the quarter in the first quadrant.
  Arc(1, 90, 0, 2, {0, 0, 0});
  const auto arcs = canvas.Of(Kind::kArc);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0].left, 340);
  EXPECT_EQ(arcs[0].top, 240);
  EXPECT_EQ(arcs[0].right, 460);
  EXPECT_EQ(arcs[0].bottom, 360);
  EXPECT_EQ(arcs[0].points[0], (P{460, 300}));  // the point at 0
  EXPECT_EQ(arcs[0].points[1], (P{400, 240}));  // the point at 90
}

TEST_F(DrawArcTest, FullCircleCases) {
  Arc(1, 45, 45.00005, 1, {0, 0, 0});  // angles within 0.0001
  Arc(1, 0, 359.5, 1, {0, 0, 0});      // second more than 359 above the first
  DrawCircle(plot(), settings(), 1, 0, 0, 1, 1, {0, 0, 0});
  const auto arcs = canvas.Of(Kind::kArc);
  ASSERT_EQ(arcs.size(), 3u);
  for (const auto& arc : arcs) EXPECT_EQ(arc.points[0], arc.points[1]);  // the whole ellipse
  // 359 below the first is a real arc.
  canvas.Forget();
  Arc(1, 359.5, 0, 100, {0, 0, 0});
  ASSERT_EQ(canvas.Count(Kind::kArc), 1u);
  EXPECT_NE(canvas.Of(Kind::kArc)[0].points[0], canvas.Of(Kind::kArc)[0].points[1]);
}

TEST_F(DrawArcTest, SweepBelowOneAndAHalfDegreesIsItsChord) {
  Arc(1, 1.4, 0, 10, {0, 0, 0});
  EXPECT_EQ(canvas.Count(Kind::kArc), 0u);
  ASSERT_EQ(canvas.Count(Kind::kLine), 1u);
  const auto chord = canvas.Of(Kind::kLine)[0];
  EXPECT_EQ(chord.points[1], (P{700, 300}));  // the point at 0
  canvas.Forget();
  Arc(1, 1.5, 0, 10, {0, 0, 0});
  EXPECT_EQ(canvas.Count(Kind::kArc), 1u);
  EXPECT_EQ(canvas.Count(Kind::kLine), 0u);
}

TEST_F(DrawArcTest, ArcsOnEdgeInTheTopViewAreStraightLines) {
  Arc(2, 90, 0, 2, {0, 0, 0});  // X-Z: from (0, 0, 2) to (2, 0, 0)
  Arc(3, 90, 0, 2, {0, 0, 0});  // Y-Z: from (0, 0, 2) to (0, 2, 0)
  EXPECT_EQ(canvas.Count(Kind::kArc), 0u);
  const auto lines = canvas.Of(Kind::kLine);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].points[0], (P{400, 300}));
  EXPECT_EQ(lines[0].points[1], (P{460, 300}));
  EXPECT_EQ(lines[1].points[1], (P{400, 240}));
  // A full circle on edge shows its diameter, not a dot.
  canvas.Forget();
  DrawCircle(plot(), settings(), 1, 0, 0, 2, 2, {0, 0, 0});
  ASSERT_EQ(canvas.Count(Kind::kLine), 1u);
  EXPECT_EQ(canvas.Of(Kind::kLine)[0].points[0], (P{460, 300}));
  EXPECT_EQ(canvas.Of(Kind::kLine)[0].points[1], (P{340, 300}));
}

TEST_F(DrawArcTest, ProjectedViewsDrawChordsInTheArcsPlane) {
  SelectViewSlot(plot(), settings(), kFrontSlot);
  Arc(2, 90, 0, 2, {0, 0, 0});  // X-Z quarter seen face on
  auto lines = canvas.Of(Kind::kLine);
  ASSERT_EQ(lines.size(), 30u);                       // trunc(2 * 30 / 2)
  EXPECT_EQ(lines.front().points[0], (P{460, 300}));  // from the second angle ...
  EXPECT_EQ(lines.back().points[1], (P{400, 240}));   // ... round to the first
  for (size_t i = 1; i < lines.size(); ++i) EXPECT_EQ(lines[i].points[0], lines[i - 1].points[1]);
  canvas.Forget();
  Arc(1, 90, 0, 0.1, {0, 0, 0});
  EXPECT_EQ(canvas.Count(Kind::kLine), 10u);  // at least 10
  canvas.Forget();
  Arc(1, 90, 0, 100, {0, 0, 0});
  EXPECT_EQ(canvas.Count(Kind::kLine), 360u);  // at most 360
  canvas.Forget();
  Arc(3, 10, 10, 2, {0, 0, 0});  // full circle, in the isometric view too
  SelectViewSlot(plot(), settings(), kIsometricSlot);
  Arc(3, 10, 10, 2, {0, 0, 0});
  EXPECT_EQ(canvas.Count(Kind::kLine), 60u);
  EXPECT_EQ(canvas.Count(Kind::kArc), 0u);
}

TEST_F(DrawArcTest, MirroredArcMeetsTheMirroredLines) {
  settings().mirror[0] = true;
  Arc(1, 90, 0, 1, {1, 0, 0});  // from (2, 0) round to (1, 1)
  const auto arc = canvas.Of(Kind::kArc).at(0);
  EXPECT_EQ(arc.left, 340);
  EXPECT_EQ(arc.right, 400);
  // Reflected, the sweep runs the other way round: from the image of (1, 1) to that of (2, 0).
  EXPECT_EQ(arc.points[0], Screen(1, 1));
  EXPECT_EQ(arc.points[1], Screen(2, 0));
  EXPECT_EQ(arc.points[0], (P{370, 270}));
}

TEST_F(DrawArcTest, VerticalOrientationExchangesTheAxes) {
  settings().vertical_lathe = true;
  Arc(1, 90, 0, 1, {1, 0, 0});
  const auto arc = canvas.Of(Kind::kArc).at(0);
  EXPECT_EQ(arc.points[0], Screen(1, 1));
  EXPECT_EQ(arc.points[1], Screen(2, 0));
  EXPECT_EQ(arc.points[1], (P{400, 240}));
}

TEST_F(DrawArcTest, BeyondThePixelLimitArcsAndMarkersAreSkipped) {
  Arc(1, 90, 0, 1, {5000, 0, 0});  // 150400 pixels to the right
  DrawMarker(plot(), settings(), 1, 0, {5000, 0, 0});
  EXPECT_TRUE(canvas.primitives.empty());
  // Far outside but under the limit, and ClipDraw off: handed over unclipped.
  DrawMarker(plot(), settings(), 1, 0, {3000, 0, 0});
  const auto lines = canvas.Of(Kind::kLine);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].points[0], (P{90395, 300}));
  EXPECT_EQ(lines[0].points[1], (P{90405, 300}));
  EXPECT_EQ(lines[1].points[0], (P{90400, 295}));
}

TEST_F(DrawArcTest, ClipDrawTurnsLargeArcsIntoPolylines) {
  settings().clip_draw = true;
  settings().max_clip = 1000;
  Arc(1, 90, 0, 4, {0, 0, 0});  // 240 pixels across: under 1000 / 4
  EXPECT_EQ(canvas.Count(Kind::kArc), 1u);
  canvas.Forget();
  Arc(1, 90, 0, 5, {0, 0, 0});  // 300 pixels across
  EXPECT_EQ(canvas.Count(Kind::kArc), 0u);
  EXPECT_EQ(canvas.Count(Kind::kLine), 75u);
}

// The end radials handed to the canvas are the pixels of the end points worked out with the
// library's cosine and sine, whatever the angle, including ends landing exactly half way
// between two pixels (32 pixels a unit, centre 1/64 right of and above the origin) where the
// quick cosine's exact zero at a quarter turn would round the other way.
TEST_F(DrawArcTest, EndRadialsAreThePixelsOfTheLibrarysEndPoints) {
  view().plot_height = 9.375;
  RecomputeScales(plot(), settings(), plot().current);
  ASSERT_EQ(view().scale_x, 32);
  constexpr double kDegree = 3.14159265358979323846 / 180;
  const auto expected = [&](const Point& c, double r, double degrees) {
    const WidePixel p = ViewToPixels(
        view(), {c.x + r * std::cos(degrees * kDegree), c.y + r * std::sin(degrees * kDegree)});
    return P{static_cast<int>(p.x), static_cast<int>(p.y)};
  };
  const Point centres[] = {{1.0 / 64, 1.0 / 64, 0}, {0, 0, 0}, {-3.21875, 2.5, 0},
                           {0.3337, -4.0001, 0}};
  const double radii[] = {0.03125, 0.75, 2.5, 7.3331, 1000.5};
  const double angles[] = {0,   0.0001, 30,   45,   89.9999, 90,  135, 180,
                           225, 270,    271.5, 300, 359.25,  360, -90, -179.5,
                           450, 539.9,  630,  719.75};
  int halves = 0;
  for (const Point& c : centres) {
    for (const double r : radii) {
      for (const double second : angles) {
        const double first = second + 97.5;  // clockwise from first to second
        canvas.Forget();
        Arc(1, first, second, r, c);
        const auto arcs = canvas.Of(Kind::kArc);
        ASSERT_EQ(arcs.size(), 1u) << r << " at " << second;
        EXPECT_EQ(arcs[0].points[0], expected(c, r, second)) << r << " at " << second;
        EXPECT_EQ(arcs[0].points[1], expected(c, r, first)) << r << " at " << first;
        const double x = (c.x + r * std::cos(second * kDegree)) * view().scale_x + view().off_x;
        halves += std::fabs(x - std::floor(x) - 0.5) < 1e-9 ? 1 : 0;
      }
    }
  }
  EXPECT_GT(halves, 0);  // some ends did land half way
}

}  // namespace
}  // namespace vormak
