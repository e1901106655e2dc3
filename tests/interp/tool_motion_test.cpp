// The tool at each move's end and the rapid crash check through the stock of the solid view.
#include "interp/interp_fixture.h"
#include "interp/run_driver.h"
#include "interp/tool_load.h"
#include "plot/plot_window.h"
#include "support/recording_canvas.h"

namespace vormak::test {
namespace {

constexpr unsigned kStock = 0xC0C0C0;

// A mill at 30 pixels per unit about (400, 300), a 1-unit cutter (15 pixels radius) and stock
// from X2 to X3, Y-1 to Y1.
class CrashCheckTest : public InterpFixture {
 protected:
  CrashCheckTest() {
    bench.plot.canvas = &canvas;
    ResizePlotWindow(bench, 800, 600);
    bench.settings.use.Set(kUseTools, true);
    bench.settings.use.Set(kUseCrashCheck, true);
    bench.interp.motion.solid_view = true;
    Lines({"(TM 1)"});
    for (int x = 460; x <= 490; ++x) {
      for (int y = 270; y <= 330; ++y) canvas.SetPixel({x, y}, kStock);
    }
  }
  bool Hit() const { return host.Showed("Rapid move hits part"); }

  RecordingCanvas canvas{800, 600};
};

TEST_F(CrashCheckTest, RapidThroughTheStockStopsTheRun) {
  Load("G0 X0. Y0.\nG0 X5.\nG0 Y3.\n");
  RunProgram();
  EXPECT_TRUE(Hit());
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_EQ(bench.tools.crash_line, 2);
  // The yellow cross where it hit, in copy mode.
  bool cross = false;
  for (const auto& p : canvas.Of(RecordingCanvas::Kind::kLine)) {
    cross |= p.pen.rgb == CanvasRgb(palette::kYellow) && p.pen.mode == PenMode::kCopy;
  }
  EXPECT_TRUE(cross);
}

TEST_F(CrashCheckTest, ClearanceIsTheToolRadius) {
  Lines({"G0 X0. Y1.8", "G0 X5."});  // .8 above the stock: the .5 radius passes clear
  EXPECT_FALSE(Hit());
  Lines({"G0 X0. Y1.3", "G0 X-5."});  // the tool's edge sweeps .2 into the stock... going away
  EXPECT_FALSE(Hit());
  Lines({"G0 X5."});  // ... and across it
  EXPECT_TRUE(Hit());
}

TEST_F(CrashCheckTest, FeedsAndTheStartOfARapidAreNoHit) {
  Lines({"G1 X5. Y0. F10."});  // cutting through stock is what feeds are for
  EXPECT_FALSE(Hit());
  // The tool standing in the stock at the start of a rapid leaves without a hit.
  Lines({"G0 X2.1 Y0."});
  bench.stop_requested = false;
  host.messages.clear();
  for (int x = 460; x <= 490; ++x) canvas.SetPixel({x, 300}, kStock);
  Lines({"G0 X2.1 Y-.6"});
  EXPECT_FALSE(Hit());
}

TEST_F(CrashCheckTest, ToolPictureStandsAtEachMoveEnd) {
  bench.interp.motion.solid_view = false;
  Lines({"G1 X1. Y2. F10.", "G2 X3. Y0. I0. J-2."});
  EXPECT_TRUE(bench.tools.stand[0].drawn);
  EXPECT_DOUBLE_EQ(bench.tools.stand[0].at.x, 3);
  EXPECT_DOUBLE_EQ(bench.tools.stand[0].at.y, 0);
  bench.tools.stand[0] = {};
  bench.settings.use.Set(kUseTools, false);
  Lines({"G1 X4. F10."});
  EXPECT_FALSE(bench.tools.stand[0].drawn);  // no picture without the option
}

// The solid view's cut is only in the picture: the first run after Reset NC must not fit the
// window to the path and paint the stock whole again over the fills of the sweep.
TEST_F(CrashCheckTest, FirstRunAfterResetKeepsTheCut) {
  bench.settings.use.Set(kUseCrashCheck, false);
  Load("G1 X3. Y0. F10.\nG2 X3. Y-2. I0. J-1.\nM30\n");
  InstallRunDriver(bench);
  StartRun(bench, RunCommand::kResetNc);
  ASSERT_TRUE(bench.plot.fit_pending);
  canvas.Forget();
  StartRun(bench, RunCommand::kRunAll);
  const auto since_clear = canvas.SinceClear();
  EXPECT_EQ(since_clear.size(), canvas.primitives.size()) << "the window was cleared after the cut";
  // The black fills of the cutter along the line and around the arc are still on the canvas.
  const unsigned black = CanvasRgb(palette::kBlack);
  int fills = 0;
  bool arc_end = false;
  for (const auto& p : since_clear) {
    if (p.kind != RecordingCanvas::Kind::kEllipse || !p.filled || p.rgb != black) continue;
    ++fills;
    arc_end |= (p.left + p.right) / 2 == 490 && (p.top + p.bottom) / 2 == 360;  // X3 Y-2
  }
  EXPECT_GT(fills, 20);
  EXPECT_TRUE(arc_end);
}

}  // namespace
}  // namespace vormak::test
