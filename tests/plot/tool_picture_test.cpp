// The tool picture over the plot and its sweep along a move.
#include <algorithm>
#include <cmath>

#include "interp/tool_load.h"
#include "plot/animation.h"
#include "plot/plot_fixture.h"
#include "plot/tool_picture.h"

namespace vormak {
namespace {

class ToolPictureTest : public PlotTest {
 protected:
  ToolPictureTest() {
    for (TurretState& t : bench.interp.turret) {
      t.SetG(1, true);
      t[kRegF] = 10;
    }
  }
  // A cutter of the given diameter on the turret; its picture stands at the origin.
  void Cutter(int turret, double diameter) {
    bench.interp.run.turret = turret;
    DefineMillTool(bench, "TM" + std::to_string(diameter));
    bench.interp.run.turret = 1;
    canvas.Forget();
  }
  // Centres of the outline circles drawn (each draw and each erase is one).
  std::vector<PixelPoint> Circles(int radius_px) const {
    std::vector<PixelPoint> found;
    for (const auto& p : canvas.Of(Kind::kEllipse)) {
      if (p.filled || p.right - p.left != 2 * radius_px) continue;
      found.push_back({(p.left + p.right) / 2, (p.top + p.bottom) / 2});
    }
    return found;
  }
  const PictureStand& Stand(int turret = 1) const {
    return bench.tools.stand[ToolShapes::Index(turret)];
  }
};

TEST_F(ToolPictureTest, DrawnTwiceWithTheInvertingPenTheSameWay) {
  Cutter(1, 2);
  ToolPicture& shape = bench.tools.shape[0];
  shape.entries[1].d = {kToolLine, 0, 0, 0, 1, 1, 0, 0, 1};
  shape.entries[2].d = {kToolArc, 0, 0, 0, .5, 0, 90, 1, 1};
  shape.entries[3].d = {kToolPoint, .5, 0, 0, 0, 0, palette::kRed, 0, 1};
  DrawToolShape(bench, 1, kTopSlot, true, {1, 2, 0});
  const auto drawn = canvas.primitives;
  canvas.Forget();
  DrawToolShape(bench, 1, kTopSlot, false, {1, 2, 0});
  ASSERT_FALSE(drawn.empty());
  ASSERT_EQ(canvas.primitives.size(), drawn.size());
  for (size_t i = 0; i < drawn.size(); ++i) {
    EXPECT_EQ(drawn[i].pen.mode, PenMode::kXor);
    EXPECT_EQ(drawn[i].pen.rgb, 0xFFFFFFu);
    EXPECT_EQ(canvas.primitives[i].points, drawn[i].points);
  }
  // The circle of radius 1 at (1, 2): 30 pixels per unit about (400, 300).
  EXPECT_EQ(Circles(30), (std::vector<PixelPoint>{{430, 240}}));
  EXPECT_EQ(canvas.CurrentPen().mode, PenMode::kCopy);  // the plot draws on as before
}

TEST_F(ToolPictureTest, SolidViewPaintsTheOutlineBeneathThePicture) {
  Cutter(1, 2);
  bench.interp.motion.solid_view = true;
  bench.plot.background = palette::kBlack;
  DrawToolShape(bench, 1, kTopSlot, true, {0, 0, 0});
  ASSERT_GE(canvas.primitives.size(), 2u);
  const auto& fill = canvas.primitives.front();
  EXPECT_TRUE(fill.filled);
  EXPECT_EQ(fill.rgb, CanvasRgb(palette::kBlack));  // SolidToolColor 0 on black
  EXPECT_EQ(fill.pen.mode, PenMode::kCopy);
  EXPECT_EQ(canvas.primitives.back().pen.mode, PenMode::kXor);  // outline over the fill
  canvas.Forget();
  DrawToolShape(bench, 1, kTopSlot, false, {0, 0, 0});
  for (const auto& p : canvas.primitives) EXPECT_FALSE(p.filled);  // erasing paints nothing

  // Without "Tools" the solid view still removes material, with no outline.
  bench.settings.use.Set(kUseTools, false);
  canvas.Forget();
  DrawToolShape(bench, 1, kTopSlot, true, {0, 0, 0});
  ASSERT_EQ(canvas.primitives.size(), 1u);
  EXPECT_TRUE(canvas.primitives[0].filled);
}

TEST_F(ToolPictureTest, RapidAndZeroFeedPlaceTheToolAtTheEnd) {
  Cutter(1, 2);
  bench.interp.turret[0].SetG(1, false);
  bench.interp.turret[0].SetG(0, true);
  AnimateLine(bench, 1, {0, 0, 0}, {5, 0, 0});
  EXPECT_EQ(Circles(30), (std::vector<PixelPoint>{{400, 300}, {550, 300}}));
  bench.interp.turret[0].SetG(0, false);
  bench.interp.turret[0].SetG(1, true);
  bench.interp.turret[0][kRegF] = 0;
  canvas.Forget();
  AnimateLine(bench, 1, {5, 0, 0}, {0, 0, 0});
  EXPECT_EQ(Circles(30), (std::vector<PixelPoint>{{550, 300}, {400, 300}}));  // erase, draw
  EXPECT_EQ(host.command_panel, " " + PositionReadout(bench, {0, 0, 0}));
}

TEST_F(ToolPictureTest, FeedMoveIsSteppedAndEndsAtItsEndPoint) {
  Cutter(1, 2);
  AnimateLine(bench, 1, {0, 0, 0}, {1, 0, 0});  // 25 steps of .04
  const auto circles = Circles(30);
  // The picture standing at the start erased; each step draws and erases the one before; the
  // end drawn.
  EXPECT_EQ(circles.size(), 1u + 25 + 25 + 1);
  EXPECT_TRUE(std::is_sorted(circles.begin(), circles.end(),
                             [](PixelPoint a, PixelPoint b) { return a.x < b.x; }));
  EXPECT_EQ(circles.back(), (PixelPoint{430, 300}));
  EXPECT_TRUE(Stand().drawn);
  EXPECT_EQ(Stand().at.x, 1);
}

TEST_F(ToolPictureTest, StartOutsideIsFastForwardedAndLeavingEndsTheSweep) {
  Cutter(1, 2);
  const int clip_left = view().tool_clip_rect.left;
  AnimateLine(bench, 1, {-20, 0, 0}, {0, 0, 0});  // 500 steps, 150 of them outside
  auto circles = Circles(30);
  for (PixelPoint c : circles) EXPECT_GE(c.x, clip_left);
  EXPECT_LT(circles.size(), 2u * 400);
  EXPECT_EQ(circles.back(), (PixelPoint{400, 300}));

  canvas.Forget();
  AnimateLine(bench, 1, {0, 0, 0}, {30, 0, 0});
  circles = Circles(30);
  ASSERT_GE(circles.size(), 2u);
  EXPECT_EQ(circles.back(), (PixelPoint{1300, 300}));  // placed at the end at once
  const int right = view().tool_clip_rect.right;
  for (size_t i = 1; i + 1 < circles.size(); ++i) EXPECT_LE(circles[i].x, right);
}

TEST_F(ToolPictureTest, EscapeStopsTheSweepAndTheRun) {
  Cutter(1, 2);
  host.QueueEscape(3);
  AnimateLine(bench, 1, {0, 0, 0}, {5, 0, 0});
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_LT(Circles(30).size(), 20u);
  EXPECT_EQ(Circles(30).back(), (PixelPoint{550, 300}));  // the tool still stands at the end
}

TEST_F(ToolPictureTest, ArcSweepFollowsTheCircle) {
  Cutter(1, 2);
  AnimateArc(bench, 1, 3, {2, 0, 0}, {0, 2, 0}, {0, 0, 0});  // quarter, counter-clockwise
  auto circles = Circles(30);
  ASSERT_GT(circles.size(), 20u);
  circles.erase(circles.begin());  // the picture that stood at the origin
  for (PixelPoint c : circles) {
    const double r = std::hypot(c.x - 400, c.y - 300);
    EXPECT_NEAR(r, 60, 1.5);
    EXPECT_GE(c.x, 399);
    EXPECT_LE(c.y, 301);
  }
  EXPECT_EQ(circles.back(), (PixelPoint{400, 240}));
}

TEST_F(ToolPictureTest, PairSweepStopsTheShorterMoveAtItsEnd) {
  settings().twin_turrets = true;
  Cutter(1, 2);
  Cutter(2, 4);
  const SweptMove longer{1, {0, 0, 0}, {4, 0, 0}, {}, 0};
  const SweptMove shorter{1, {0, 0, 0}, {1, 0, 0}, {}, 0};
  AnimatePair(bench, longer, shorter);
  const auto first = Circles(30), second = Circles(60);
  EXPECT_EQ(first.size(), 1u + 2 * 100 + 1);
  EXPECT_EQ(second.size(), 1u + 2 * 25 + 1);
  for (PixelPoint c : second) EXPECT_LE(c.x, 430);
  EXPECT_EQ(Stand(1).at.x, 4);
  EXPECT_EQ(Stand(2).at.x, 1);
}

TEST_F(ToolPictureTest, NothingIsSweptWhileTimingAndNothingWithoutATool) {
  Cutter(1, 2);
  bench.interp.time.accounting = true;
  AnimateLine(bench, 1, {0, 0, 0}, {1, 0, 0});
  EXPECT_TRUE(canvas.primitives.empty());
  bench.interp.time.accounting = false;
  bench.tools.loaded[0] = false;
  AnimateLine(bench, 1, {0, 0, 0}, {1, 0, 0});
  EXPECT_TRUE(Circles(30).empty());
}

TEST_F(ToolPictureTest, ClipRectAndStepDelay) {
  EXPECT_TRUE(ToolInClipRect(bench, 1, kTopSlot, {0, 0, 0}));
  EXPECT_TRUE(ToolInClipRect(bench, 1, kTopSlot, {14, 0, 0}));  // within the margin
  EXPECT_FALSE(ToolInClipRect(bench, 1, kTopSlot, {15, 0, 0}));
  EXPECT_FALSE(ToolInClipRect(bench, 1, kTopSlot, {1e300, 0, 0}));
  EXPECT_LT(StepDelayMicroseconds(1), StepDelayMicroseconds(50));
  EXPECT_LT(StepDelayMicroseconds(50), StepDelayMicroseconds(100));
  EXPECT_EQ(StepDelayMicroseconds(1000), StepDelayMicroseconds(100));
}

}  // namespace
}  // namespace vormak
