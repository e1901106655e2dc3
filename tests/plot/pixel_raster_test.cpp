#include "plot/pixel_raster.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace vormak {
namespace {

using P = PixelPoint;
constexpr std::uint32_t kInk = 0xFFFF0000u;

// A window of pixels, all zero to start with.
struct Window {
  Window(int w, int h) : pixels(static_cast<std::size_t>(w) * h), width(w), height(h) {}
  PixelBuffer Buffer() { return {pixels.data(), width, height, width}; }
  bool Lit(int x, int y) const {
    return x >= 0 && y >= 0 && x < width && y < height &&
           pixels[static_cast<std::size_t>(y) * width + x] != 0;
  }
  int Count() const {
    int n = 0;
    for (std::uint32_t p : pixels) n += p != 0 ? 1 : 0;
    return n;
  }
  std::vector<std::uint32_t> pixels;
  int width, height;
};

void Line(Window& w, P from, P to, PenStyle style = PenStyle::kSolid) {
  DashPhase dash(style);
  RasterLine(w.Buffer(), from, to, kInk, dash);
}

void Arc(Window& w, int l, int t, int r, int b, P start, P end, PenStyle style = PenStyle::kSolid) {
  DashPhase dash(style);
  RasterArc(w.Buffer(), l, t, r, b, start, end, kInk, dash);
}

// Every lit pixel of the small window is lit at the same place of the large one and the
// other way round: what is cut to a window is the whole primitive's pixels inside it.
void ExpectSameInside(const Window& small, const Window& large, int dx, int dy) {
  for (int y = 0; y < small.height; ++y) {
    for (int x = 0; x < small.width; ++x) {
      ASSERT_EQ(small.Lit(x, y), large.Lit(x + dx, y + dy)) << "pixel " << x << "," << y;
    }
  }
}

TEST(PixelRasterTest, LineLightsOnePixelPerStepFromEndToEnd) {
  const P centre{50, 50};
  const P ends[] = {{90, 50}, {90, 63}, {90, 90}, {63, 90}, {50, 90}, {37, 90},
                    {10, 90}, {10, 63}, {10, 50}, {10, 37}, {10, 10}, {37, 10},
                    {50, 10}, {63, 10}, {90, 10}, {90, 37}, {50, 50}};
  for (const P end : ends) {
    Window w(101, 101);
    Line(w, centre, end);
    const int steps = std::max(std::abs(end.x - centre.x), std::abs(end.y - centre.y));
    EXPECT_EQ(w.Count(), steps + 1) << end.x << "," << end.y;
    EXPECT_TRUE(w.Lit(centre.x, centre.y));
    EXPECT_TRUE(w.Lit(end.x, end.y));
    // Each pixel lies within half a pixel of the true line.
    for (int y = 0; y <= 100; ++y) {
      for (int x = 0; x <= 100; ++x) {
        if (!w.Lit(x, y) || steps == 0) continue;
        const double ex = end.x - centre.x, ey = end.y - centre.y;
        const double off = std::fabs((x - centre.x) * ey - (y - centre.y) * ex) /
                           std::max(std::fabs(ex), std::fabs(ey));
        EXPECT_LE(off, 0.5) << x << "," << y;
      }
    }
  }
}

TEST(PixelRasterTest, LinesRunningOffTheWindowLightTheirOwnPixelsInIt) {
  Window large(600, 600);
  Window small(100, 80);
  const int dx = 250, dy = 260;  // where the small window sits in the large one
  std::srand(7);
  for (int i = 0; i < 400; ++i) {
    const P a{std::rand() % 600 - dx, std::rand() % 600 - dy};
    const P b{std::rand() % 600 - dx, std::rand() % 600 - dy};
    Line(small, a, b);
    Line(large, {a.x + dx, a.y + dy}, {b.x + dx, b.y + dy});
  }
  ASSERT_GT(small.Count(), 500);
  ExpectSameInside(small, large, dx, dy);
  // Far beyond the window on both sides, and wholly outside it.
  Window w(50, 50);
  Line(w, {-100000000, 25}, {100000000, 25});
  Line(w, {-5, -5}, {-100, 40});
  EXPECT_EQ(w.Count(), 50);
}

TEST(PixelRasterTest, PenPatternsCountPixelsFromTheStartAndRunOnAlongAPolyline) {
  Window w(40, 4);
  Line(w, {0, 0}, {35, 0}, PenStyle::kDot);
  Line(w, {0, 1}, {35, 1}, PenStyle::kDashDot);
  Line(w, {35, 2}, {0, 2}, PenStyle::kDash);  // drawn from the right
  for (int x = 0; x <= 35; ++x) {
    EXPECT_EQ(w.Lit(x, 0), x % 3 == 0) << x;
    const int at = x % 9;  // four on, two off, one on, two off
    EXPECT_EQ(w.Lit(x, 1), at < 4 || at == 6) << x;
    EXPECT_EQ(w.Lit(x, 2), (35 - x) % 6 < 4) << x;
  }
  // Two legs of one polyline: the joint is lit once and the dots keep their spacing.
  Window joint(40, 1);
  DashPhase dash(PenStyle::kDot);
  RasterLine(joint.Buffer(), {0, 0}, {10, 0}, kInk, dash);
  RasterLine(joint.Buffer(), {10, 0}, {30, 0}, kInk, dash, true);
  for (int x = 0; x <= 30; ++x) EXPECT_EQ(joint.Lit(x, 0), x % 3 == 0) << x;
}

// A dotted leg lights the solid leg's pixels whose step from the start, counted on from where
// the pattern stood, falls on a dot: at every slope, length and starting point of the pattern.
TEST(PixelRasterTest, DottedLegsLightEveryThirdPixelOfTheSolidLegAtAnySlope) {
  const P start{30, 30};
  for (int dx = -29; dx <= 29; dx += 4) {
    for (int dy = -29; dy <= 29; dy += 3) {
      const P end{start.x + dx, start.y + dy};
      Window solid(61, 61);
      Line(solid, start, end);
      const bool x_major = std::abs(dx) >= std::abs(dy);
      for (int already = 0; already < 3; ++already) {
        Window dotted(61, 61);
        DashPhase dash(PenStyle::kDot);
        dash.Advance(already);
        RasterLine(dotted.Buffer(), start, end, kInk, dash);
        for (int y = 0; y < 61; ++y) {
          for (int x = 0; x < 61; ++x) {
            const int step = x_major ? std::abs(x - start.x) : std::abs(y - start.y);
            ASSERT_EQ(dotted.Lit(x, y), solid.Lit(x, y) && (step + already) % 3 == 0)
                << "to " << end.x << "," << end.y << " after " << already << " at " << x << ","
                << y;
          }
        }
      }
    }
  }
}

TEST(PixelRasterTest, CircleIsAClosedRingThroughItsExtremePixels) {
  for (int r : {1, 3, 17, 50, 333}) {
    const int size = 2 * r + 21;
    const int c = r + 10;
    Window w(size, size);
    Arc(w, c - r, c - r, c + r, c + r, {c + r, c}, {c + r, c});
    EXPECT_TRUE(w.Lit(c, c - r) && w.Lit(c, c + r) && w.Lit(c - r, c) && w.Lit(c + r, c)) << r;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        if (!w.Lit(x, y)) continue;
        // About a pixel off the true circle at most (rounded corners of quarter-pixel chords),
        // and joined to the ring on both sides.
        EXPECT_NEAR(std::hypot(x - c, y - c), r, 1.1) << r << ": " << x << "," << y;
        int neighbours = 0;
        for (int j = -1; j <= 1; ++j) {
          for (int i = -1; i <= 1; ++i) neighbours += (i || j) && w.Lit(x + i, y + j) ? 1 : 0;
        }
        EXPECT_GE(neighbours, 2) << r << ": " << x << "," << y;
      }
    }
    // No gap: every point of the circle has a lit pixel next to it.
    for (int k = 0; k < 720; ++k) {
      const double t = k * 3.14159265358979 / 360;
      const int x = static_cast<int>(std::lround(c + r * std::cos(t)));
      const int y = static_cast<int>(std::lround(c - r * std::sin(t)));
      bool near = false;
      for (int j = -1; j <= 1; ++j) {
        for (int i = -1; i <= 1; ++i) near = near || w.Lit(x + i, y + j);
      }
      ASSERT_TRUE(near) << r << " at " << k / 2.0 << " degrees";
    }
  }
}

TEST(PixelRasterTest, ArcCoversOnlyItsCounterClockwiseSweep) {
  Window w(201, 201);
  // From the radial to the right round the top to the radial to the left.
  Arc(w, 50, 50, 150, 150, {180, 100}, {0, 100});
  EXPECT_TRUE(w.Lit(100, 50));
  EXPECT_TRUE(w.Lit(150, 100) && w.Lit(50, 100));
  for (int y = 102; y <= 200; ++y) {
    for (int x = 0; x <= 200; ++x) ASSERT_FALSE(w.Lit(x, y)) << x << "," << y;
  }
  // The other way round: the bottom half.
  Window under(201, 201);
  Arc(under, 50, 50, 150, 150, {0, 100}, {180, 100});
  EXPECT_TRUE(under.Lit(100, 150));
  EXPECT_FALSE(under.Lit(100, 50));
  // An ellipse twice as wide as high reaches its box on all four sides.
  Window flat(121, 61);
  Arc(flat, 10, 10, 110, 50, {0, 0}, {0, 0});
  EXPECT_TRUE(flat.Lit(10, 30) && flat.Lit(110, 30) && flat.Lit(60, 10) && flat.Lit(60, 50));
}

TEST(PixelRasterTest, ArcsRunningOffTheWindowLightTheirOwnPixelsInIt) {
  for (PenStyle style : {PenStyle::kSolid, PenStyle::kDashDotDot}) {
    Window large(900, 900);
    Window small(120, 90);
    const int dx = 400, dy = 420;
    // Circles and arcs about points in and around the window, some much larger than it.
    for (int i = 0; i < 40; ++i) {
      const int cx = 60 + (i * 37) % 200 - 100, cy = 45 + (i * 53) % 160 - 80;
      const int r = 5 + (i * 71) % 300;
      const P start{cx + (i % 3) - 1, cy - 1}, end{cx - 1, cy + (i % 5) - 2};
      Arc(small, cx - r, cy - r, cx + r, cy + r, start, end, style);
      Arc(large, cx - r + dx, cy - r + dy, cx + r + dx, cy + r + dy, {start.x + dx, start.y + dy},
          {end.x + dx, end.y + dy}, style);
    }
    ASSERT_GT(small.Count(), 100);
    ExpectSameInside(small, large, dx, dy);
  }
}

// The quick angles place the quarters and count the chords as the library's arctangent does:
// circles and ellipses large and small, whole and partial, running off the window, and arcs
// whose ends lie on the axes, where a stretch ends exactly on a quarter point and the quick
// angles are too close to call.
TEST(PixelRasterTest, QuickArcAnglesLightTheSamePixelsAsTheLibrarys) {
  std::srand(11);
  int lit = 0;
  const auto same = [&](int l, int t, int r, int b, P start, P end, PenStyle style) {
    Window quick(300, 200), exact(300, 200);
    DashPhase quick_dash(style), exact_dash(style);
    RasterArc(quick.Buffer(), l, t, r, b, start, end, kInk, quick_dash, ArcAngles::kQuick);
    RasterArc(exact.Buffer(), l, t, r, b, start, end, kInk, exact_dash, ArcAngles::kExact);
    lit += quick.Count();
    return quick.pixels == exact.pixels;
  };
  const PenStyle styles[] = {PenStyle::kSolid, PenStyle::kDot, PenStyle::kDashDot};
  for (int i = 0; i < 700; ++i) {
    const int cx = std::rand() % 400 - 50, cy = std::rand() % 300 - 50;
    const int rx = i % 7 == 0 ? std::rand() % 3000 : std::rand() % 120;
    const int ry = i % 3 == 0 ? std::rand() % 120 : rx;
    const P start{cx + std::rand() % 41 - 20, cy + std::rand() % 41 - 20};
    const P end = i % 5 == 0 ? start : P{cx + std::rand() % 41 - 20, cy + std::rand() % 41 - 20};
    ASSERT_TRUE(same(cx - rx, cy - ry, cx + rx, cy + ry, start, end, styles[i % 3]))
        << "box " << cx - rx << "," << cy - ry << " " << cx + rx << "," << cy + ry << " from "
        << start.x << "," << start.y << " to " << end.x << "," << end.y;
  }
  const P centre{150, 100};
  const P axes[] = {{250, 100}, {150, 0}, {50, 100}, {150, 200}};
  for (int r : {1, 2, 7, 40, 99}) {
    for (const P from : axes) {
      for (const P to : axes) {
        ASSERT_TRUE(same(centre.x - r, centre.y - r, centre.x + r, centre.y + r, from, to,
                         PenStyle::kDot))
            << r << " from " << from.x << "," << from.y << " to " << to.x << "," << to.y;
      }
    }
  }
  EXPECT_GT(lit, 25000);
}

// Long dotted legs at every kind of slope: the dots walked three steps at a time fall on the
// solid leg's pixels, every third step from where the pattern stood.
TEST(PixelRasterTest, LongDottedLegsKeepTheirDotsOnTheSolidLeg) {
  std::srand(5);
  for (int i = 0; i < 40; ++i) {
    const P start{std::rand() % 257, std::rand() % 257};
    const P end{std::rand() % 257, std::rand() % 257};
    Window solid(257, 257);
    Line(solid, start, end);
    const bool x_major = std::abs(end.x - start.x) >= std::abs(end.y - start.y);
    for (int already = 0; already < 3; ++already) {
      Window dotted(257, 257);
      DashPhase dash(PenStyle::kDot);
      dash.Advance(already);
      RasterLine(dotted.Buffer(), start, end, kInk, dash);
      int expected = 0;
      for (int y = 0; y < 257; ++y) {
        for (int x = 0; x < 257; ++x) {
          const int step = x_major ? std::abs(x - start.x) : std::abs(y - start.y);
          const bool dot = solid.Lit(x, y) && (step + already) % 3 == 0;
          expected += dot ? 1 : 0;
          ASSERT_EQ(dotted.Lit(x, y), dot) << "to " << end.x << "," << end.y << " at " << x
                                            << "," << y;
        }
      }
      ASSERT_EQ(dotted.Count(), expected);
    }
  }
}

TEST(PixelRasterTest, PatternPositionIsThePixelsWalkedRoundItsLength) {
  for (PenStyle style : {PenStyle::kDot, PenStyle::kDashDot, PenStyle::kDashDotDot}) {
    DashPhase dash(style);
    const int length = dash.Length();
    ASSERT_GT(length, 0);
    std::int64_t walked = 0;
    for (std::int64_t steps : {0LL, 1LL, 2LL, 5LL, 11LL, 4LL * 15 + 3, 1000003LL, 7LL, 36LL}) {
      dash.Advance(steps);
      walked += steps;
      for (std::int64_t ahead : {-1000001LL, -4LL, -1LL, 0LL, 2LL, 13LL, 999999LL}) {
        const std::int64_t expected = ((walked + ahead) % length + length) % length;
        ASSERT_EQ(dash.PositionAfter(ahead), expected) << walked << " + " << ahead;
      }
    }
  }
}

}  // namespace
}  // namespace vormak
