#include <cmath>

#include "plot/zoom.h"
#include "plot_fixture.h"

namespace vormak {
namespace {

using ViewTransformTest = PlotTest;

TEST_F(ViewTransformTest, StartUpViewOfEverySlot) {
  for (int slot = 1; slot <= kViewSlots; ++slot) {
    const ViewState& v = plot().Slot(slot);
    EXPECT_EQ(v.plot_height, 10);
    EXPECT_EQ(v.last_plot_height, 20);
    EXPECT_EQ(v.centre_x, 0);
    EXPECT_EQ(v.angles, SlotAngles(slot));
  }
  EXPECT_EQ(plot().current, kTopSlot);
  EXPECT_TRUE(plot().ViewOn(1));
  EXPECT_FALSE(plot().ViewOn(2));
  EXPECT_DOUBLE_EQ(view().scale_x, 30);
  EXPECT_DOUBLE_EQ(view().scale_y, -30);
  EXPECT_EQ(view().off_x, 400);
  EXPECT_EQ(view().off_y, 300);
  EXPECT_DOUBLE_EQ(plot().animation_step, 10 / (50 * 5.0));
  // ClipToolMargin 0.75 at 30 pixels a unit: 22.5 rounds to 22.
  EXPECT_EQ(view().tool_clip_rect, (PixelRect{-22, -22, 822, 622}));
}

TEST_F(ViewTransformTest, MatrixRowsOfTheStandardViews) {
  const auto front = ViewMatrix(SlotAngles(kFrontSlot));
  EXPECT_NEAR(front[0], 1, 1e-12);  // X right
  EXPECT_NEAR(front[5], 1, 1e-12);  // Z up
  EXPECT_NEAR(front[4], 0, 1e-12);
  const auto side = ViewMatrix(SlotAngles(kSideSlot));
  EXPECT_NEAR(side[1], 1, 1e-12);  // Y right
  EXPECT_NEAR(side[0], 0, 1e-12);
  EXPECT_NEAR(side[5], 1, 1e-12);  // Z up
  const auto iso = ViewMatrix(kIsometricAngles);
  EXPECT_NEAR(iso[0], std::cos(20 * kPi / 180), 1e-9);
  EXPECT_NEAR(iso[1], std::sin(20 * kPi / 180), 1e-9);
  EXPECT_NEAR(iso[2], 0, 1e-12);
}

TEST_F(ViewTransformTest, ScreenAxesOfEachSlotAndRoundTrips) {
  const Point p{1.3, -2.7, 4.1};
  const struct {
    int slot;
    double right;
    double up;
  } cases[] = {{kTopSlot, p.x, p.y}, {kFrontSlot, p.x, p.z}, {kSideSlot, p.y, p.z}};
  for (const auto& c : cases) {
    SelectViewSlot(plot(), settings(), c.slot);
    const PixelPoint px = Screen(p.x, p.y, p.z);
    EXPECT_EQ(px.x, std::lround(400 + 30 * c.right)) << c.slot;
    EXPECT_EQ(px.y, std::lround(300 - 30 * c.up)) << c.slot;
    const ViewPoint back = ScreenToWorld(plot(), c.slot, px);
    EXPECT_NEAR(back.x, c.right, 0.5 / 30) << c.slot;
    EXPECT_NEAR(back.y, c.up, 0.5 / 30) << c.slot;
  }
  SelectViewSlot(plot(), settings(), kIsometricSlot);
  const auto& m = view().matrix;
  const ViewPoint back = ScreenToWorld(plot(), kIsometricSlot, Screen(p.x, p.y, p.z));
  EXPECT_NEAR(back.x, m[0] * p.x + m[1] * p.y + m[2] * p.z, 0.5 / 30);
  EXPECT_NEAR(back.y, m[3] * p.x + m[4] * p.y + m[5] * p.z, 0.5 / 30);
}

TEST_F(ViewTransformTest, LatheAndEdmDrawEveryViewFlat) {
  settings().system_type = SystemType::kEdm;
  plot().current = kFrontSlot;
  RecomputeScales(plot(), settings(), kFrontSlot);
  EXPECT_EQ(Screen(1, 2, 7), (PixelPoint{430, 240}));
  settings().system_type = SystemType::kLathe;
  EXPECT_FALSE(SelectViewSlot(plot(), settings(), kSideSlot));
}

TEST_F(ViewTransformTest, MirrorAndVerticalOrientation) {
  settings().mirror[0] = true;
  EXPECT_EQ(Screen(1, 2), (PixelPoint{370, 240}));  // mill: X negated
  settings().system_type = SystemType::kLathe;
  EXPECT_EQ(Screen(1, 2), (PixelPoint{430, 360}));  // lathe: its X (drawing Y) negated
  settings().mirror[0] = false;
  settings().twin_turrets = true;
  EXPECT_EQ(Screen(1, 2, 0, 1), (PixelPoint{430, 240}));
  EXPECT_EQ(Screen(1, 2, 0, 2), (PixelPoint{430, 360}));  // turret 2 mirrored
  settings().twin_turrets = false;
  settings().vertical_lathe = true;
  EXPECT_EQ(Screen(1, 2), (PixelPoint{460, 270}));
}

TEST_F(ViewTransformTest, OffsetsRoundHalvesToEven) {
  ResizePlotWindow(bench, 801, 601);  // integer halves 400 and 300
  view().plot_height = 300;           // one pixel per unit
  view().centre_x = 2.5;
  view().centre_y = -3.5;
  RecomputeScales(plot(), settings(), kTopSlot);
  EXPECT_EQ(view().off_x, 398);  // 400 - 2
  EXPECT_EQ(view().off_y, 296);  // 300 - 4
  EXPECT_EQ(Nearest(0.5), 0);
  EXPECT_EQ(Nearest(1.5), 2);
  EXPECT_EQ(Nearest(-2.5), -2);
}

// Pixels are rounded without the library call: the same whole numbers, halves to even, up to
// where a double holds only whole numbers and beyond.
TEST(NearestPixel, RoundsAsTheLibraryDoesFarOutAndNearHalves) {
  const double values[] = {0.0,
                           -0.0,
                           0.49999999999999994,
                           -0.49999999999999994,
                           2.5,
                           -3.5,
                           1234567.5,
                           -1234566.5,
                           4503599627370495.5,
                           -4503599627370495.5,
                           2251799813685248.5,
                           9007199254740993.0,
                           -1e17,
                           3e18};
  for (const double v : values) {
    EXPECT_EQ(Nearest(v), static_cast<std::int64_t>(std::nearbyint(v))) << v;
  }
  std::uint64_t seed = 12345;
  for (int i = 0; i < 20000; ++i) {
    seed = seed * 6364136223846793005u + 1442695040888963407u;
    const double v = (static_cast<double>(seed >> 11) / 9007199254740992.0 - 0.5) *
                     std::ldexp(1.0, static_cast<int>(seed % 60));
    const double half = std::floor(v) + 0.5;  // and the tie next to it
    EXPECT_EQ(Nearest(v), static_cast<std::int64_t>(std::nearbyint(v))) << v;
    EXPECT_EQ(Nearest(half), static_cast<std::int64_t>(std::nearbyint(half))) << half;
  }
}

}  // namespace
}  // namespace vormak
