#include "plot/zoom.h"
#include "plot_fixture.h"

namespace vormak {
namespace {

using DrawSegmentTest = PlotTest;
using P = PixelPoint;

TEST_F(DrawSegmentTest, PenFollowsTheMoveStyle) {
  const auto draw = [&](int style) {
    DrawSegment(plot(), settings(), 1, palette::kRed, style, {0, 0, 0}, {1, 1, 0});
    return canvas.primitives.back().pen;
  };
  EXPECT_EQ(draw(0).style, PenStyle::kSolid);
  EXPECT_EQ(draw(0).rgb, 0xFF0000u);
  EXPECT_EQ(draw(0).mode, PenMode::kCopy);
  EXPECT_EQ(draw(2).style, PenStyle::kDot);
  EXPECT_EQ(draw(7).style, PenStyle::kDot);  // an unknown style keeps the last one
  EXPECT_EQ(draw(3).style, PenStyle::kDashDot);
  EXPECT_EQ(draw(4).style, PenStyle::kDashDotDot);
  EXPECT_EQ(draw(1).style, PenStyle::kSolid);
}

TEST_F(DrawSegmentTest, DrawnOnlyInTheOpenSlot) {
  DrawSegment(plot(), settings(), 1, 0, 0, {0, 0, 0}, {1, 2, 3});
  ASSERT_EQ(canvas.Count(Kind::kLine), 1u);
  EXPECT_EQ(canvas.Of(Kind::kLine)[0].points[1], (P{430, 240}));
  SelectViewSlot(plot(), settings(), kFrontSlot);
  canvas.Forget();
  DrawSegment(plot(), settings(), 1, 0, 0, {0, 0, 0}, {1, 2, 3});
  ASSERT_EQ(canvas.Count(Kind::kLine), 1u);
  EXPECT_EQ(canvas.Of(Kind::kLine)[0].points[1], (P{430, 210}));  // X right, Z up
}

TEST_F(DrawSegmentTest, WithoutClipDrawFarLinesAreHandedOverAsTheyAre) {
  DrawSegment(plot(), settings(), 1, 0, 0, {100, 0, 0}, {200, 0, 0});
  ASSERT_EQ(canvas.Count(Kind::kLine), 1u);
  EXPECT_EQ(canvas.Of(Kind::kLine)[0].points[0], (P{3400, 300}));
  EXPECT_EQ(canvas.Of(Kind::kLine)[0].points[1], (P{6400, 300}));
}

TEST_F(DrawSegmentTest, ClipDrawDropsLinesBesideTheWindowAndCutsHugeOnes) {
  settings().clip_draw = true;
  settings().max_clip = 1000;
  DrawSegment(plot(), settings(), 1, 0, 0, {100, 0, 0}, {200, 0, 0});  // both right
  DrawSegment(plot(), settings(), 1, 0, 0, {0, -20, 0}, {5, -30, 0});  // both below
  EXPECT_EQ(canvas.Count(Kind::kLine), 0u);
  DrawSegment(plot(), settings(), 1, 0, 0, {0, 0, 0}, {20, 0, 0});  // reaches 1000: kept
  DrawSegment(plot(), settings(), 1, 0, 0, {-1000, 0, 0}, {1000, 0, 0});
  const auto lines = canvas.Of(Kind::kLine);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].points[1], (P{1000, 300}));
  EXPECT_EQ(lines[1].points[0], (P{0, 300}));
  EXPECT_EQ(lines[1].points[1], (P{800, 300}));
  // While printing nothing is clipped.
  plot().printing = true;
  DrawSegment(plot(), settings(), 1, 0, 0, {100, 0, 0}, {200, 0, 0});
  EXPECT_EQ(canvas.Count(Kind::kLine), 3u);
}

TEST_F(DrawSegmentTest, CoordinatesBeyondAnyRasterAreCutEvenWithoutClipDraw) {
  DrawSegment(plot(), settings(), 1, 0, 0, {0, 0, 0}, {1e12, 0, 0});
  ASSERT_EQ(canvas.Count(Kind::kLine), 1u);
  EXPECT_EQ(canvas.Of(Kind::kLine)[0].points[1], (P{800, 300}));
}

TEST_F(DrawSegmentTest, NothingIsDrawnWithoutACanvas) {
  plot().canvas = nullptr;
  DrawSegment(plot(), settings(), 1, 0, 0, {0, 0, 0}, {1, 1, 0});
  DrawArc(plot(), settings(), 1, 0, 0, 1, 90, 0, 1, {0, 0, 0});
  DrawMarker(plot(), settings(), 1, 0, {0, 0, 0});
  EXPECT_TRUE(canvas.primitives.empty());
}

}  // namespace
}  // namespace vormak
