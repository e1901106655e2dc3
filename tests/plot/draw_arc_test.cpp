#include <cmath>

#include "plot/display_list.h"
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


// An arc read back from the list without its drawing angles is drawn from its ends exactly as
// from the angles: in every view and orientation, for sweeps at the full circle's and the
// chord's limits, and for ends landing half way between two pixels (20 pixels a unit, so a
// stored end at an odd multiple of 0.025 does). The angles are worked out only where needed.
TEST_F(DrawArcTest, KeptArcsDrawFromTheirEndsAsFromTheirAngles) {
  view().plot_height = 15;
  RecomputeScales(plot(), settings(), plot().current);
  ASSERT_EQ(view().scale_x, 20);
  constexpr double kDegree = 3.14159265358979323846 / 180;
  DisplayList list;
  const MoveTag tag;
  const Point centres[] = {{0, 0, 0}, {0.025, 0.025, 0}, {-3.2187, 2.5, 1}, {1000.0003, -7, 0}};
  // Ends on the axes, on 3-4-5 triangles (both landing on half pixels from the second centre)
  // and at odd angles; sweeps about the limits of 1.5 degrees and a degree short of a turn.
  const double starts[] = {0, 90, 180, 270, 36.869897645844, 306.869897645844, 17.3, 359.7};
  const double sweeps[] = {0,   0.7, 1.49, 1.5,  1.51,   2.04, 2.06,  45,     90,
                           180, 300, 358.9, 358.96, 359, 359.04, 359.5, 359.999};
  for (const Point& c : centres) {
    for (const double r : {0.5, 2.0, 7.3331}) {
      for (const double start : starts) {
        for (const double sweep : sweeps) {
          for (const bool clockwise : {false, true}) {
            const double end = start + (clockwise ? -sweep : sweep);
            const auto at = [&](double degrees) {
              return Point{std::round((c.x + r * std::cos(degrees * kDegree)) * 1e4) / 1e4,
                           std::round((c.y + r * std::sin(degrees * kDegree)) * 1e4) / 1e4,
                           c.z};
            };
            const Point from = at(start);
            const Point to = sweep == 0 ? from : at(end);
            list.AddArc(tag, 0, 0, 1, clockwise, r, c, from, to, false);
            list.AddArc(tag, 0, 0, 2, clockwise, r, {c.x, 0, c.y}, {from.x, 0, from.y},
                        {to.x, 0, to.y}, false);
          }
        }
      }
    }
  }
  const auto same = [](const RecordingCanvas::Primitive& p, const RecordingCanvas::Primitive& q) {
    return p.kind == q.kind && p.points == q.points && p.left == q.left && p.top == q.top &&
           p.right == q.right && p.bottom == q.bottom;
  };
  struct Setting {
    const char* name;
    SystemType system;
    bool mirror, vertical, clip;
    int slot;
  };
  const Setting cases[] = {{"mill", SystemType::kMill, false, false, false, kTopSlot},
                           {"mirrored mill", SystemType::kMill, true, false, false, kTopSlot},
                           {"mirrored lathe", SystemType::kLathe, true, false, false, kTopSlot},
                           {"vertical lathe", SystemType::kLathe, false, true, false, kTopSlot},
                           {"clipped mill", SystemType::kMill, false, false, true, kTopSlot},
                           {"isometric mill", SystemType::kMill, false, false, false,
                            kIsometricSlot}};
  for (const Setting& s : cases) {
    SCOPED_TRACE(s.name);
    settings().system_type = s.system;
    settings().mirror[0] = s.mirror;
    settings().vertical_lathe = s.vertical;
    settings().clip_draw = s.clip;
    settings().max_clip = 1000;
    ASSERT_TRUE(SelectViewSlot(plot(), settings(), s.slot) || plot().current == s.slot);
    size_t compared = 0, clear_arcs = 0, from_ends = 0, halves = 0;
    list.ForEachWithoutAngles([&](ListedItem& item) {
      ListedItem exact = item;
      SetArcAngles(exact);
      canvas.Forget();
      DrawArc(plot(), settings(), 1, 0, 0, exact.plane, exact.first, exact.second, exact.radius,
              exact.centre);
      const auto expected = canvas.primitives;
      canvas.Forget();
      item.first = item.second = -1000;
      DrawListedArc(plot(), settings(), item);
      ASSERT_EQ(canvas.primitives.size(), expected.size()) << compared;
      for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(same(canvas.primitives[i], expected[i])) << "arc " << compared << " #" << i;
      }
      // Clear of the limits by far more than any rounding, and off the half-pixel centre.
      bool clear = false;
      if (item.plane == 1 && item.to != item.from && item.centre.x != 0.025) {
        const double a = std::atan2(item.from.y - item.centre.y, item.from.x - item.centre.x);
        const double b = std::atan2(item.to.y - item.centre.y, item.to.x - item.centre.x);
        double ccw = (item.clockwise ? a - b : b - a) / kDegree;
        if (ccw < 0) ccw += 360;
        clear = ccw > 3 && ccw < 358;
      }
      if (item.to == item.from) {
        ++compared;
        return;  // a whole circle needs no angles anywhere
      }
      if (clear) {
        ++clear_arcs;
        if (item.first == -1000) ++from_ends;
      } else if (item.first == -1000 && item.plane != 1) {
        ADD_FAILURE() << "an arc on edge drawn without its angles";
      }
      const double x = item.from.x * view().scale_x + view().off_x;
      if (std::fabs(x - std::floor(x) - 0.5) < 1e-9) ++halves;
      ++compared;
    });
    EXPECT_EQ(compared, 2 * 4 * 3 * 8 * 17 * 2u);
    EXPECT_GT(clear_arcs, 500u);
    if (s.slot == kIsometricSlot) {
      EXPECT_EQ(from_ends, 0u);  // turned views walk chords from the angles
    } else {
      EXPECT_GT(halves, 0u);
      // Every X-Y arc clear of the limits needs no angles, but for the polylines of the
      // circles too large for the graphics system (7.3331 units, 293 pixels across).
      EXPECT_EQ(from_ends, s.clip ? clear_arcs * 2 / 3 : clear_arcs);
    }
  }
}

}  // namespace
}  // namespace vormak
