#include "plot/zoom.h"
#include "plot_fixture.h"

namespace vormak {
namespace {

class ZoomTest : public PlotTest {
 protected:
  void Command(ZoomMode mode) { ZoomCommand(bench, mode); }
  void ExpectView(double height, double x, double y) {
    EXPECT_NEAR(view().plot_height, height, 1e-9);
    EXPECT_NEAR(view().centre_x, x, 1e-9);
    EXPECT_NEAR(view().centre_y, y, 1e-9);
  }
};

TEST_F(ZoomTest, LastAfterStartUpShowsTwentyAndBack) {
  Command(ZoomMode::kLast);
  ExpectView(20, 0, 0);
  EXPECT_DOUBLE_EQ(view().scale_x, 15);
  EXPECT_EQ(host.prompt_panel, " Window Width= 53.33");
  Command(ZoomMode::kLast);
  ExpectView(10, 0, 0);
}

TEST_F(ZoomTest, ZoomAllOnAnEmptyDrawing) {
  ClearDrawing(bench.cad.table);
  view().centre_x = 7;
  Command(ZoomMode::kAll);
  ExpectView(0.02, 0, 0);
  EXPECT_EQ(view().last_plot_height, 10);
  EXPECT_EQ(view().last_centre_x, 7);
}

TEST_F(ZoomTest, ZoomAllFitsTheLargerSideIntoNinetyPercent) {
  Line(0, 0, 10, 5);  // 300 x 150 pixels at the start-up scale
  Command(ZoomMode::kAll);
  // 600 - nearest(60) = 540 pixels for 300 of them.
  ExpectView(10 * 300.0 / 540, 5, 2.5);
  // A horizontal line has no height but is fitted by its width.
  ClearDrawing(bench.cad.table);
  Line(0, 1, 10, 1);
  Command(ZoomMode::kAll);
  EXPECT_NEAR(view().scale_x * 10, 540, 1e-6);
  EXPECT_NEAR(view().centre_x, 5, 1e-9);
  EXPECT_NEAR(view().centre_y, 1, 1e-9);
}

TEST_F(ZoomTest, HalfTwiceThenLastGoesBackBeforeTheZoomAll) {
  Line(0, 0, 10, 5);
  Command(ZoomMode::kAll);
  const double fitted = view().plot_height;
  Command(ZoomMode::kHalf);
  Command(ZoomMode::kHalf);
  ExpectView(fitted * 4, 5, 2.5);
  Command(ZoomMode::kLast);
  ExpectView(10, 0, 0);
  Command(ZoomMode::kLast);
  ExpectView(fitted * 4, 5, 2.5);
}

TEST_F(ZoomTest, ZoomWindowFitsTheBox) {
  EXPECT_TRUE(ZoomWindowCommand(bench, {300, 200}, {500, 300}));  // wider than high
  ExpectView(2.5, 0, 50.0 / 30);
  EXPECT_DOUBLE_EQ(view().scale_x, 120);
  EXPECT_EQ(view().last_plot_height, 10);
  EXPECT_EQ(canvas.Count(RecordingCanvas::Kind::kClear), 1u);
  // Higher than wide; the box centre 301.5 rounds to 302.
  ASSERT_TRUE(ZoomWindow(plot(), settings(), kTopSlot, {301, 200}, {302, 400}));
  EXPECT_NEAR(view().plot_height, 2.5 / 3, 1e-12);
  EXPECT_NEAR(view().centre_x, (302 - 400) / 120.0, 1e-12);
  // Then Last returns to the view before the box.
  Command(ZoomMode::kLast);
  ExpectView(2.5, 0, 50.0 / 30);
}

TEST_F(ZoomTest, EmptyZoomBoxChangesNothing) {
  EXPECT_FALSE(ZoomWindowCommand(bench, {300, 200}, {300, 400}));
  EXPECT_FALSE(ZoomWindowCommand(bench, {300, 200}, {500, 200}));
  ExpectView(10, 0, 0);
  EXPECT_EQ(view().last_plot_height, 20);
  EXPECT_TRUE(canvas.primitives.empty());
}

TEST_F(ZoomTest, TinyBoxStopsAtTheSmallestHeight) {
  ASSERT_TRUE(ZoomWindow(plot(), settings(), kTopSlot, {400, 300}, {401, 301}));
  EXPECT_EQ(view().plot_height, kMinPlotHeight);
}

TEST_F(ZoomTest, PanFollowsTheMouse) {
  PanCommand(bench, {400, 300}, {430, 280});
  ExpectView(10, -1, -20.0 / 30);
  EXPECT_EQ(view().off_x, 430);
  EXPECT_EQ(view().off_y, 280);
  EXPECT_EQ(canvas.Count(RecordingCanvas::Kind::kClear), 1u);
}

TEST_F(ZoomTest, RotateTurnsTheAnglesAndRemembersTheIsometricOnes) {
  EXPECT_FALSE(Rotate(plot(), kTopSlot, {0, 0}, {8, 16}));  // the top view is not redrawn
  SelectView(bench, kIsometricSlot);
  canvas.Forget();
  RotateCommand(bench, {100, 100}, {108, 116});
  EXPECT_DOUBLE_EQ(view().angles.a, 290 + 2);  // -70 + 16/8, into 0..360
  EXPECT_DOUBLE_EQ(view().angles.b, 1);
  EXPECT_EQ(plot().isometric_angles, view().angles);
  EXPECT_EQ(canvas.Count(RecordingCanvas::Kind::kClear), 1u);
  // Leaving and coming back keeps them; Isometric again while current resets them.
  SelectView(bench, kTopSlot);
  SelectView(bench, kIsometricSlot);
  EXPECT_DOUBLE_EQ(view().angles.a, 292);
  SelectView(bench, kIsometricSlot);
  EXPECT_EQ(view().angles, kIsometricAngles);
}

TEST_F(ZoomTest, SelectViewOpensExactlyOneSlot) {
  SelectView(bench, kSideSlot);
  EXPECT_EQ(plot().current, kSideSlot);
  EXPECT_EQ(bench.cad.table.current_view, kSideSlot);
  for (int slot = 1; slot <= kViewSlots; ++slot) EXPECT_EQ(plot().ViewOn(slot), slot == kSideSlot);
}

TEST_F(ZoomTest, ResizeKeepsHeightAndCentre) {
  view().centre_x = 2;
  ResizePlotWindow(bench, 1000, 400);
  ExpectView(10, 2, 0);
  EXPECT_DOUBLE_EQ(view().scale_x, 20);
  EXPECT_EQ(view().off_x, 500 - 40);
}

TEST_F(ZoomTest, PlotHeightAndCentreStatements) {
  view().centre_x = 3;
  PlotHeightStatement(bench, 0.001);
  ExpectView(0.02, 3, 0);
  PlotHeightStatement(bench, 5);
  EXPECT_DOUBLE_EQ(view().scale_x, 60);
  PlotCentreStatement(bench, 10.0, std::nullopt);  // a diameter
  ExpectView(5, 3, 5);
  PlotCentreStatement(bench, std::nullopt, -4.0);
  ExpectView(5, -4, 5);
  EXPECT_EQ(view().off_x, 400 + 240);
  settings().x_radius = true;
  PlotCentreStatement(bench, 10.0, std::nullopt);
  EXPECT_DOUBLE_EQ(view().centre_y, 10);
  EXPECT_EQ(canvas.Count(RecordingCanvas::Kind::kClear), 3u);
}

TEST_F(ZoomTest, RedrawClearsWithTheBackgroundAndDrawsTheTable) {
  Line(0, 0, 1, 0);
  CadElement* gone = Line(0, 0, 0, 1);
  gone->deleted = true;
  ShowPrompt(bench, "Pick Element");
  plot().mouse_tool = {5, 5};
  SetBackground(bench, true);
  const auto drawn = canvas.SinceClear();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].points[1], (PixelPoint{430, 300}));
  EXPECT_EQ(canvas.Of(RecordingCanvas::Kind::kClear).back().rgb, 0xFFFFFFu);
  EXPECT_EQ(settings().background_color, 1);
  EXPECT_EQ(host.prompt_panel, " Pick Element");  // restored after "Redrawing Plot Window"
  EXPECT_EQ(plot().mouse_tool, (PixelPoint{999, 999}));
}

TEST_F(ZoomTest, AxisThroughTheOrigin) {
  Line(-2, 0, 10, 5);
  DrawAxis(bench);
  const auto lines = canvas.Of(RecordingCanvas::Kind::kLine);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].pen.rgb, 0xFF0000u);
  EXPECT_EQ(lines[0].points[0], (PixelPoint{400 + 450, 300}));  // 1.5 x 10
  EXPECT_EQ(lines[1].points[0], (PixelPoint{400, 300 - 450}));
  EXPECT_EQ(host.prompt_panel, " Window(1) Width= 26.67");
}

}  // namespace
}  // namespace vormak
