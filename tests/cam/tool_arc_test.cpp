// The tool around an arc and around a corner: every block written is plotted back, and the
// path it draws must keep the tool radius from the drawing.
#include "cam/tool_arc.h"

#include "cam/cam_fixture.h"
#include "cam/tool_placement.h"

namespace vormak::test {
namespace {

class ToolArcTest : public CamTest {
 protected:
  // The block plotted from its start; every point of the drawn arc lies `distance` from
  // the drawing arc's centre (as the executor has it: a lathe's (Z, X radius)).
  void ExpectPathAt(const ToolArc& arc, const Point& centre, double distance) {
    ASSERT_EQ(arc.error, 0) << arc.message;
    const bool lathe = IsLatheBench(bench);
    const std::string to_start =
        lathe ? "G00X" + WordValue(bench, 'X', LatheXValue(bench, arc.start.y)) + "Z" +
                    WordValue(bench, 'Z', arc.start.x)
              : "G00X" + WordValue(bench, 'X', arc.start.x) + "Y" +
                    WordValue(bench, 'Y', arc.start.y);
    const auto drawn = PlotBack({to_start, "F10.", arc.block});
    ASSERT_EQ(drawn.size(), 2u) << arc.block;
    const DrawnMove& m = drawn[1];
    ASSERT_NE(m.direction, 0) << arc.block;
    EXPECT_NEAR(std::fabs(m.sweep), arc.sweep, 0.01) << arc.block;
    for (const Xyz& p : Along(m)) {
      EXPECT_NEAR(std::hypot(p.x - centre.x, p.y - centre.y), distance, 0.0005) << arc.block;
    }
  }
  CadElement& El(int slot) { return *bench.cad.table.At(slot); }
};

TEST_F(ToolArcTest, DirectionFollowsTheEndPickedAndTheSideGivesTheRadius) {
  const int a = ArcEl(1, 1, 2, 0, 90);  // from (3, 1) to (1, 3)
  const ToolArc ccw = BuildToolArc(bench, El(a), {3, 1, 0}, {5, 1, 0}, 0.25);
  EXPECT_EQ(ccw.g, 3);
  EXPECT_EQ(ccw.block.substr(0, 3), "G3X");
  EXPECT_NEAR(ccw.path_radius, 2.25, 1e-12);
  ExpectPathAt(ccw, {1, 1, 0}, 2.25);

  const ToolArc cw = BuildToolArc(bench, El(a), {1, 3, 0}, {1.5, 1.5, 0}, 0.25);
  EXPECT_EQ(cw.g, 2);
  EXPECT_NEAR(cw.path_radius, 1.75, 1e-12);
  EXPECT_NEAR(cw.start.x, 1, 1e-9);
  EXPECT_NEAR(cw.start.y, 2.75, 1e-9);
  ExpectPathAt(cw, {1, 1, 0}, 1.75);
}

TEST_F(ToolArcTest, CentreAndRadiusWordsReadBackAsTheSameArc) {
  const int big = ArcEl(0, 0, 3, 0, 270);
  const int small = ArcEl(0, 0, 3, 0, 90);
  for (int arc_type : {1, 2}) {
    bench.settings.arc_type = arc_type;
    ExpectPathAt(BuildToolArc(bench, El(big), {3, 0, 0}, {4, 0, 0}, 0.5), {0, 0, 0}, 3.5);
  }
  bench.settings.use.Set(kUseArcOutputR, true);
  const ToolArc r_large = BuildToolArc(bench, El(big), {3, 0, 0}, {4, 0, 0}, 0.5);
  EXPECT_NE(r_large.block.find("R-3.5"), std::string::npos) << r_large.block;
  ExpectPathAt(r_large, {0, 0, 0}, 3.5);
  const ToolArc r_small = BuildToolArc(bench, El(small), {3, 0, 0}, {4, 0, 0}, 0.5);
  EXPECT_NE(r_small.block.find("R3.5"), std::string::npos) << r_small.block;
  ExpectPathAt(r_small, {0, 0, 0}, 3.5);

  bench.settings.code_format = 2;  // the control that takes "L" for the radius
  const ToolArc l_large = BuildToolArc(bench, El(big), {3, 0, 0}, {4, 0, 0}, 0.5);
  EXPECT_EQ(l_large.block.find('L'), std::string::npos) << l_large.block;
  EXPECT_NE(l_large.block.find('I'), std::string::npos) << l_large.block;
  const ToolArc l_small = BuildToolArc(bench, El(small), {3, 0, 0}, {4, 0, 0}, 0.5);
  EXPECT_NE(l_small.block.find("L3.5"), std::string::npos) << l_small.block;
}

TEST_F(ToolArcTest, LatheBlocksInDiameterWithMinusAndAbsoluteCentres) {
  LatheMachine();
  // A drawn arc in (Z, X radius): centre Z-2 X1, radius 1, from Z-1 X1 round to Z-2 X2.
  const int a = ArcEl(-2, 1, 1, 0, 90);
  const ToolArc plain = BuildToolArc(bench, El(a), {-1, 1, 0}, {0, 1, 0}, 0.1);
  EXPECT_EQ(plain.block.substr(0, 3), "G3X");
  EXPECT_NE(plain.block.find("X4.2"), std::string::npos) << plain.block;  // diameter
  EXPECT_NE(plain.block.find('K'), std::string::npos) << plain.block;
  ExpectPathAt(plain, {-2, 1, 0}, 1.1);
  bench.settings.arc_type = 2;
  ExpectPathAt(BuildToolArc(bench, El(a), {-1, 1, 0}, {0, 1, 0}, 0.1), {-2, 1, 0}, 1.1);
  bench.settings.arc_type = 1;
  bench.settings.lathe_minus = true;
  const ToolArc minus = BuildToolArc(bench, El(a), {-1, 1, 0}, {0, 1, 0}, 0.1);
  EXPECT_EQ(minus.block.substr(0, 3), "G2X");
  EXPECT_NE(minus.block.find("X-4.2"), std::string::npos) << minus.block;
}

TEST_F(ToolArcTest, ArcsTheToolCannotFollowWriteNothing) {
  const int a = ArcEl(0, 0, 0.2, 0, 90);
  const ToolArc inside = BuildToolArc(bench, El(a), {0.2, 0, 0}, {0.05, 0.05, 0}, 0.25);
  EXPECT_NE(inside.error, 0);
  EXPECT_EQ(inside.message, kArcInsideTooSmall);
  EXPECT_TRUE(inside.block.empty());
  const int zero = ArcEl(0, 0, 0, 0, 90);
  EXPECT_EQ(BuildToolArc(bench, El(zero), {0, 0, 0}, {1, 1, 0}, 0.25).message, kArcZeroRadius);

  // Through the command: a message, no last arc block, the editor untouched.
  Load("G00X0Y0");
  bench.interp.motion.last_arc_block = "G02X1.Y1.I1.J0";
  bench.cam.auto_insert = true;
  bench.tools.Current().nose_radius = 0.25;
  Command("Arc");
  Pick(0.19, 0.01);  // inside, near the start
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.Texts().back(), kArcInsideTooSmall);
  EXPECT_EQ(bench.interp.motion.last_arc_block, "G02X1.Y1.I1.J0");
  EXPECT_EQ(bench.Pane(1)->GetText(), "G00X0Y0");
}

TEST_F(ToolArcTest, AutoInsertWritesTheApproachAndTheArcBelowTheCaret) {
  Load("G00X0Y0");
  bench.cam.auto_insert = true;
  bench.tools.Current().nose_radius = 0.5;
  ArcEl(0, 0, 2, 0, 90);
  Command("Arc");
  EXPECT_EQ(host.command_panel, "TOOL ARC");
  Pick(2, 0.01);  // outside, near the start
  const std::string block = bench.interp.motion.last_arc_block;
  EXPECT_EQ(host.command_panel, block);
  EXPECT_EQ(PaneLine(bench, 1, 2), "G1X2.5Y0");
  EXPECT_EQ(PaneLine(bench, 1, 3), block);
  const auto drawn = PlotBack({"G00X0Y0", "G1X2.5Y0F10.", block});
  ASSERT_FALSE(drawn.empty());
  ASSERT_EQ(drawn.back().direction, 3);
  for (const Xyz& p : Along(drawn.back())) EXPECT_NEAR(std::hypot(p.x, p.y), 2.5, 0.0005);
  // The tool now stands at the arc's end, where Insert XY takes it from.
  EXPECT_NEAR(bench.interp.motion.tool_position[0].y, 2.5, 1e-9);
}

TEST_F(ToolArcTest, AroundCornerGoesRoundTheFilletOutside) {
  bench.settings.corner_radius = 0.2;
  bench.interp.comp.radius_offset[0] = 0.05;
  bench.tools.Current().nose_radius = 0.25;
  LineEl(0, 0, 4, 0);
  LineEl(4, 0, 4, 4);
  Command("Corner");
  Pick(2, 0);
  EXPECT_EQ(host.prompt_panel, "Pick End Line");
  Pick(4, 2);
  const std::string block = bench.interp.motion.last_arc_block;
  ASSERT_FALSE(block.empty());
  // The fillet of 0.25 has its centre at (3.75, 0.25); the cutter (0.3) goes round outside.
  const auto drawn = PlotBack({"G00X3.75Y-0.3", "F10.", block});
  ASSERT_EQ(drawn.size(), 2u) << block;
  EXPECT_EQ(drawn[1].direction, 3);
  for (const Xyz& p : Along(drawn[1]))
    EXPECT_NEAR(std::hypot(p.x - 3.75, p.y - 0.25), 0.55, 0.0005);
  EXPECT_NEAR(drawn[1].end.x, 4.3, 0.0005);
  EXPECT_NEAR(drawn[1].end.y, 0.25, 0.0005);
}

}  // namespace
}  // namespace vormak::test
