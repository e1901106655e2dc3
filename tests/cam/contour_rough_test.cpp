// Contours picked as chains and inserted with the cutter offset, and lathe roughing passes.
#include "cam/contour.h"

#include "cad/geometry_measure.h"
#include "cam/cam_fixture.h"
#include "cam/lathe_rough.h"
#include "cam/tool_placement.h"

namespace vormak::test {
namespace {

class ContourTest : public CamTest {
 protected:
  // A 4 x 2 rectangle with its corner at the origin, drawn as lines and one arc end.
  void Rectangle() {
    LineEl(0, 0, 4, 0);
    LineEl(4, 0, 4, 2);
    LineEl(4, 2, 0, 2);
    LineEl(0, 2, 0, 0);
  }
  void StartContour(bool right, double radius, double stock = 0) {
    bench.cam.contour.right = right;
    bench.cam.contour.tool_radius = radius;
    bench.cam.contour.leave_stock = stock > 0;
    bench.cam.contour.stock = stock;
    StartCadCommand(bench, view, MakeContourCommand(bench));
  }
  int ContourLines() { return PaneLineCount(bench, kContourPane); }
};

// Distance of p from the rectangle's outline.
double FromRectangle(const Xyz& p) {
  const double dx = std::max({0.0 - p.x, 0.0, p.x - 4});
  const double dy = std::max({0.0 - p.y, 0.0, p.y - 2});
  if (dx > 0 || dy > 0) return std::hypot(dx, dy);
  return std::min({p.x, 4 - p.x, p.y, 2 - p.y});
}

TEST_F(ContourTest, ClosedChainInsertsTheOutlineOffsetByRadiusAndStock) {
  Rectangle();
  Load("G00X-1.Y-1.\r\nM30");
  GoToLine(bench, 1, 2);
  StartContour(false, 0.25, 0.05);
  Pick(0.5, 0);  // the bottom line, from its end at the origin
  // The approach, the four sides, and the first side again to close the corner.
  ASSERT_EQ(ContourLines(), 6);
  EXPECT_EQ(PaneLine(bench, kContourPane, 1), "G1X.0Y.0");
  EXPECT_EQ(PaneLine(bench, kContourPane, 2), "G1X4.0Y.0");
  EXPECT_EQ(PaneLine(bench, kContourPane, 6), "G1X4.0Y.0");
  const std::string pane4 = bench.Pane(kContourPane)->GetText();

  ASSERT_TRUE(InsertContour(bench));
  EXPECT_EQ(bench.Pane(kContourPane)->GetText(), pane4);
  // The approach ends at the corner of the last and the first side's offsets.
  EXPECT_EQ(PaneLine(bench, 1, 2), "G1X.3Y.3");
  // Travelling counter-clockwise with the cutter on the left: inside the rectangle.
  std::vector<std::string> lines;
  for (int n = 1; n <= PaneLineCount(bench, 1); ++n) lines.push_back(PaneLine(bench, 1, n));
  EXPECT_EQ(lines.back(), "M30");  // the moves went in before the caret's line
  lines.insert(lines.begin() + 1, "F10.");
  const auto drawn = PlotBack(lines);
  ASSERT_GE(drawn.size(), 5u);
  ASSERT_EQ(drawn.size(), 6u);  // to the start, the approach, four sides
  for (size_t i = 2; i < drawn.size(); ++i) {
    for (const Xyz& p : Along(drawn[i])) EXPECT_NEAR(FromRectangle(p), 0.3, 0.0005) << i;
  }
  EXPECT_EQ(drawn[5].end, drawn[1].end);  // closed
}

TEST_F(ContourTest, ArcsInTheChainComeOutAsArcsAtTheOffset) {
  LineEl(0, 0, 4, 0);
  ArcEl(4, 1, 1, 270, 90);  // a round end from (4, 0) to (4, 2)
  LineEl(4, 2, 0, 2);
  LineEl(0, 2, 0, 0);
  Load("G00X-1.Y-1.");
  StartContour(true, 0.25);  // clockwise would be inside; counter-clockwise right is outside
  Pick(0.5, 0);
  ASSERT_EQ(ContourLines(), 6);
  EXPECT_EQ(PaneLine(bench, kContourPane, 3).substr(0, 3), "G3X");
  ASSERT_TRUE(InsertContour(bench));
  std::vector<std::string> lines;
  for (int n = 1; n <= PaneLineCount(bench, 1); ++n) lines.push_back(PaneLine(bench, 1, n));
  lines.insert(lines.begin() + 1, "F10.");
  const auto drawn = PlotBack(lines);
  bool arc_seen = false;
  for (const DrawnMove& m : drawn) {
    if (m.direction == 0) continue;
    arc_seen = true;
    for (const Xyz& p : Along(m)) EXPECT_NEAR(std::hypot(p.x - 4, p.y - 1), 1.25, 0.0005);
  }
  EXPECT_TRUE(arc_seen);
}

TEST_F(ContourTest, BranchesLoopsEscapeAndEmptyPaneWriteNothing) {
  Rectangle();
  LineEl(4, 0, 6, -1);  // a second way on from (4, 0)
  Load("G00X0Y0");
  StartContour(false, 0.25);
  Pick(0.5, 0);
  EXPECT_EQ(host.Texts().back(), std::string(kChainBranches) + "X4.0 Y.0");
  EXPECT_EQ(bench.Pane(kContourPane)->GetText(), "");

  // Escape while the chain is followed.
  host.QueueEscape();
  Pick(0, 1);
  EXPECT_EQ(host.Texts().back(), kChainStopped);
  EXPECT_EQ(bench.Pane(kContourPane)->GetText(), "");

  EXPECT_FALSE(InsertContour(bench));
  EXPECT_EQ(host.Texts().back(), kContourEmpty);
  EXPECT_EQ(bench.Pane(1)->GetText(), "G00X0Y0");
}

TEST_F(ContourTest, AnEndEntityStopsTheChainThere) {
  Rectangle();
  EXPECT_EQ(EndEntityText(bench), "End=Off");
  StartContour(false, 0.1);
  StartCadCommand(bench, view, MakeEndEntityCommand(bench));
  EXPECT_EQ(host.prompt_panel, "Pick Ending Entity");
  Pick(4, 1);  // the right-hand side
  EXPECT_EQ(EndEntityText(bench), "End=2");
  // Back in the chain pick, which starts from the bottom line's end at the origin.
  Pick(0.5, 0);
  ASSERT_EQ(ContourLines(), 3);
  EXPECT_EQ(PaneLine(bench, kContourPane, 3), "G1X4.0Y2.0");
}

TEST_F(ContourTest, AFullTableChainIsFollowedToItsEnd) {
  // A closed polygon of 2000 sides.
  const int n = kTableSlots;
  for (int i = 0; i < n; ++i) {
    const double a1 = 2 * kPi * i / n, a2 = 2 * kPi * (i + 1) / n;
    LineEl(10 * std::cos(a1), 10 * std::sin(a1), 10 * std::cos(a2), 10 * std::sin(a2));
  }
  const ChainResult chain = PickChain(bench, 1, {10, 0, 0});
  EXPECT_TRUE(chain.error.empty()) << chain.error;
  EXPECT_EQ(chain.elements, n + 1);
  EXPECT_EQ(ContourLines(), n + 2);
}

class RoughTest : public CamTest {
 protected:
  RoughTest() { LatheMachine(); }
};

TEST_F(RoughTest, PassesAreEqualWithinTheDepthsAndNeverCutBelowTheShape) {
  bench.tools.Current().nose_radius = 0.03;
  // A taper rising away from the face: Z0 X(radius)1 to Z-2 X2; the stock ends at Z0.1.
  const int taper = LineEl(0, 1, -2, 2);
  const CadElement& e = *bench.cad.table.At(taper);
  const RoughPlan plan = PlanRoughing(bench, e, 0.1, 0.3, 0.12);  // exchanged depths
  ASSERT_TRUE(plan.error.empty()) << plan.error;
  EXPECT_EQ(plan.passes, 4);  // 1.0 of depth in passes of at most 0.3
  EXPECT_NEAR(plan.depth, 0.25, 1e-9);
  ASSERT_EQ(plan.feed_ends.size(), 4u);
  const Line shape = ElementLine(e);
  const auto above = [&](const Xyz& p) {
    // Signed distance of the nose centre from the taper, positive on the stock side.
    const double dx = shape.end.x - shape.start.x, dy = shape.end.y - shape.start.y;
    const double len = std::hypot(dx, dy);
    const double d = (dx * (p.y - shape.start.y) - dy * (p.x - shape.start.x)) / len;
    return -d;  // the stock lies to the right of the line as drawn
  };
  for (const Point& end : plan.feed_ends) EXPECT_NEAR(above({end.x, end.y, 0}), 0.03, 1e-6);

  moves.clear();
  RunRoughPlan(bench, plan);
  ASSERT_FALSE(moves.empty());
  int feeds = 0;
  for (const DrawnMove& m : moves) {
    if (m.kind == MoveKind::kRapid) continue;
    ++feeds;
    for (const Xyz& p : Along(m)) {
      if (p.x > -2 && p.x < 0) {
        EXPECT_GE(above(p), 0.03 - 1e-6) << p.x << "," << p.y;
      }
    }
  }
  EXPECT_EQ(feeds, 2 * 4 + 3);  // each pass in and out, then on, along and off the shape
}

TEST_F(RoughTest, ArcShapeAndBadInput) {
  const int bowl = ArcEl(-2, 0, 1.5, 0, 90);  // from Z-0.5 X0 up to Z-2 X1.5
  const CadElement& e = *bench.cad.table.At(bowl);
  const RoughPlan plan = PlanRoughing(bench, e, 0.2, 0.1, 0.5);
  ASSERT_TRUE(plan.error.empty()) << plan.error;
  EXPECT_EQ(plan.passes, 3);
  for (const Point& end : plan.feed_ends) {
    EXPECT_NEAR(std::hypot(end.x + 2, end.y), 1.5, 1e-6);
  }
  moves.clear();
  RunRoughPlan(bench, plan);
  for (const DrawnMove& m : moves) {
    if (m.kind == MoveKind::kRapid) continue;
    for (const Xyz& p : Along(m)) EXPECT_GE(std::hypot(p.x + 2, p.y), 1.5 - 1e-4);
  }
  EXPECT_EQ(PlanRoughing(bench, e, -1, 0.1, 0.5).error, kRoughBoundaryInside);
  EXPECT_EQ(PlanRoughing(bench, e, 0.2, 0, 0.5).error, kRoughBadDepth);
  const std::string before = bench.Pane(1)->GetText();
  bench.cam.rough = {};
  StartCadCommand(bench, view, MakeRoughingCommand(bench));
  EXPECT_EQ(host.prompt_panel, "Pick First Element of Chain");
  Pick(-0.5, 0.01);
  EXPECT_EQ(host.Texts().back(), kRoughNoBoundary);
  EXPECT_EQ(bench.Pane(1)->GetText(), before);
}

}  // namespace
}  // namespace vormak::test
