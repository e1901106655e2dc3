// The tool placed against the drawing by each placement command, its shown position and
// what the Insert buttons and Auto Insert write from it.
#include "cam/tool_placement.h"

#include "cad/geometry_measure.h"
#include "cam/cam_fixture.h"
#include "interp/run_driver.h"

namespace vormak::test {
namespace {

class ToolPlacementTest : public CamTest {
 protected:
  Xyz At() const { return bench.interp.motion.tool_position[0]; }
};

TEST_F(ToolPlacementTest, TangentKeepsNoseRadiusPlusOffsetOffTheElement) {
  bench.tools.Current().nose_radius = 0.4;
  bench.interp.comp.radius_offset[0] = 0.1;
  const int line = LineEl(0, 0, 4, 0);
  const Point above = ToolTangentPosition(bench, *bench.cad.table.At(line), {4, 0, 0}, {3, 1, 0});
  EXPECT_NEAR(above.x, 4, 1e-9);
  EXPECT_NEAR(above.y, 0.5, 1e-9);
  const Point below = ToolTangentPosition(bench, *bench.cad.table.At(line), {4, 0, 0}, {3, -1, 0});
  EXPECT_NEAR(below.y, -0.5, 1e-9);
  // On an arc the tool stands along the radius through the contact point.
  const int arc = ArcEl(0, 0, 2, 0, 180);
  const Point out = ToolTangentPosition(bench, *bench.cad.table.At(arc), {0, 2, 0}, {0, 3, 0});
  EXPECT_NEAR(out.y, 2.5, 1e-9);
  const Point in = ToolTangentPosition(bench, *bench.cad.table.At(arc), {0, 2, 0}, {0, 1, 0});
  EXPECT_NEAR(in.y, 1.5, 1e-9);
  // The programmed point is the nose centre less the tool's centre offsets.
  bench.tools.Current().centre_x = 0.5;
  bench.tools.Current().centre_z = -0.25;
  const Point shifted = ToolTangentPosition(bench, *bench.cad.table.At(line), {4, 0, 0}, {3, 1, 0});
  EXPECT_NEAR(shifted.x, 4.25, 1e-9);
  EXPECT_NEAR(shifted.y, 0, 1e-9);
}

TEST_F(ToolPlacementTest, GroovingToolIsPlacedByTheCornerThatCuts) {
  LatheMachine();
  ToolNose& tool = bench.tools.Current();
  tool.nose_radius = 0.02;
  tool.width = 0.12;
  tool.angle = 180;
  tool.orientation = 3;
  const int diameter = LineEl(-2, 1, 0, 1);  // a turned diameter, X1 as a radius
  const CadElement& e = *bench.cad.table.At(diameter);
  // From above (direction 90) the far corner cuts: placed by the nose radius, then moved
  // back by the width beyond the nose (0.08) along the nose angle.
  const Point above = ToolTangentPosition(bench, e, {-1, 1, 0}, {-1, 2, 0});
  EXPECT_NEAR(above.x, -1 + 0.08, 1e-9);
  EXPECT_NEAR(above.y, 1.02, 1e-9);
  // From below the usual radius rule holds.
  const Point below = ToolTangentPosition(bench, e, {-1, 1, 0}, {-1, 0, 0});
  EXPECT_NEAR(below.x, -1, 1e-9);
  EXPECT_NEAR(below.y, 0.98, 1e-9);
}

TEST_F(ToolPlacementTest, PositionTextAndInsertsOnALathe) {
  LatheMachine();
  ShowToolPosition(bench, {-3, 1.25, 0});
  EXPECT_EQ(host.command_panel, "X2.5 Z-3.");
  Load("G01X3.Z0\r\nG01");
  GoToLine(bench, 1, 1);
  InsertCommandValue(bench, InsertCommand::kX);
  EXPECT_EQ(PaneLine(bench, 1, 1), "G01X2.5Z0");
  GoToLine(bench, 1, 2);
  InsertCommandValue(bench, InsertCommand::kXZ);
  EXPECT_EQ(PaneLine(bench, 1, 2), "G01X2.5Z-3.");
  bench.settings.lathe_minus = true;
  ShowToolPosition(bench, {-3, 1.25, 0});
  EXPECT_EQ(host.command_panel.substr(0, 5), "X-2.5");
  GoToLine(bench, 1, 1);
  InsertCommandValue(bench, InsertCommand::kX);
  EXPECT_EQ(PaneLine(bench, 1, 1), "G01X-2.5Z0");
}

TEST_F(ToolPlacementTest, ToolAtPointShowsFourDecimalsAndAutoInserts) {
  Load("G00X0Y0");
  bench.cam.auto_insert = true;
  Command("Point");
  EXPECT_EQ(host.command_panel, "TOOL POINT ");
  EXPECT_EQ(host.prompt_panel, "Pick Point");
  Pick(1.25, -0.5);
  EXPECT_EQ(host.command_panel, "X1.2500 Y-0.5000");
  EXPECT_EQ(PaneLine(bench, 1, 2), "X1.25Y-.5");
  Pick(2, 3);
  EXPECT_EQ(PaneLine(bench, 1, 3), "X2.Y3.");
  EXPECT_EQ(At().x, 2);
}

TEST_F(ToolPlacementTest, TangentPickOnNothingKeepsThePromptAndTheEditor) {
  Load("G00X0Y0");
  bench.cam.auto_insert = true;
  bench.tools.Current().nose_radius = 0.25;
  LineEl(0, 0, 4, 0);
  Command("Tangent");
  EXPECT_EQ(host.prompt_panel, "Pick End and Side of Element");
  Pick(2, 2);  // nothing there
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(bench.Pane(1)->GetText(), "G00X0Y0");
  Pick(3.5, 0.02);  // near the end (4, 0), above
  EXPECT_NEAR(At().x, 4, 1e-9);
  EXPECT_NEAR(At().y, 0.25, 1e-9);
  EXPECT_EQ(PaneLine(bench, 1, 2), "X4.Y.25");
  EXPECT_EQ(host.prompt_panel, "Pick End and Side of Element");
}

TEST_F(ToolPlacementTest, TwoElementPlacementsTouchBothOrStandOnTheSecond) {
  bench.tools.Current().nose_radius = 0.5;
  LineEl(-8, 0, 4, 0);      // the floor
  LineEl(4, 0, 4, 4);       // a wall at its end
  ArcEl(-5, 0, 2, 0, 180);  // a boss on it
  Command("Intersection");
  Pick(2, 0.01);
  EXPECT_EQ(host.prompt_panel, "Pick Element and Side");
  Pick(3.99, 2);
  EXPECT_NEAR(At().x, 3.5, 1e-6);
  EXPECT_NEAR(At().y, 0.5, 1e-6);

  // The tool touching the floor with its centre on the wall.
  Command("Tangent-On");
  Pick(2, 0.01);
  Pick(4, 2);
  EXPECT_NEAR(At().x, 4, 1e-6);
  EXPECT_NEAR(At().y, 0.5, 1e-6);

  // Outside the arc and above the floor: 0.5 from each.
  Command("Arc Intersect");
  EXPECT_EQ(host.prompt_panel, "Pick Side of Intersect Element");
  Pick(-1, 0.01);
  EXPECT_EQ(host.prompt_panel, "Pick Side of Arc");
  Pick(-4, 1.74);
  EXPECT_NEAR(At().x, -5 + std::sqrt(6.0), 1e-6);
  EXPECT_NEAR(At().y, 0.5, 1e-6);

  // Parallel offsets never meet: the geometry message, the tool where it was.
  const Xyz before = At();
  LineEl(-8, 1, 4, 1);
  Command("Intersection");
  Pick(1, 0.01);
  Pick(1, 1.01);
  EXPECT_EQ(At(), before);
  EXPECT_FALSE(host.messages.empty());
}

TEST_F(ToolPlacementTest, TangentToLineAtPointDragAndMouseTool) {
  bench.tools.Current().nose_radius = 0.5;
  LineEl(0, 0, 4, 0);
  Command("Tangent-Point");
  Pick(1, -0.01);
  Pick(2.5, 3);
  EXPECT_NEAR(At().x, 2.5, 1e-9);
  EXPECT_NEAR(At().y, -0.5, 1e-9);

  Command("Tangent-Drag");
  EXPECT_EQ(host.prompt_panel, "Pick Side of Element");
  Pick(1, 0.01);
  EXPECT_EQ(host.prompt_panel, "Left Mouse for Location");
  Pick(3, 2);
  EXPECT_NEAR(At().x, 3, 1e-9);
  EXPECT_NEAR(At().y, 0.5, 1e-9);
  EXPECT_EQ(host.prompt_panel, "Left Mouse for Endpoint");
  Pick(1, 5);
  EXPECT_NEAR(At().x, 1, 1e-9);

  Command("Mouse Tool");
  EXPECT_EQ(host.command_panel, "MOUSE TOOL");
  Pick(-1, 2);
  EXPECT_NEAR(At().x, -1, 1e-9);
  EXPECT_NEAR(At().y, 2, 1e-9);
}

// While the button is held the tool goes with the mouse (tangent to the element for Tool
// drag) and its place is shown; nothing is fixed until the pick on letting go.
TEST_F(ToolPlacementTest, DraggedToolFollowsTheMouseBeforeItIsLetGo) {
  bench.tools.Current().nose_radius = 0.5;
  LineEl(0, 0, 4, 0);
  const auto pixel = [this](double x, double y) { return view.WorldToPixel({x, y, 0}); };

  Command("Tangent-Drag");
  EXPECT_FALSE(DragToolPosition(bench, view, pixel(1, 0.01)));  // the element comes first
  Pick(1, 0.01);
  const Xyz fixed = At();
  const auto on_line = DragToolPosition(bench, view, pixel(3, 2));
  ASSERT_TRUE(on_line);
  EXPECT_NEAR(on_line->x, 3, 1e-9);
  EXPECT_NEAR(on_line->y, 0.5, 1e-9);
  EXPECT_TRUE(FollowDraggedTool(bench, view, pixel(2, 7)));
  EXPECT_NE(host.command_panel.find("X2."), std::string::npos) << host.command_panel;
  EXPECT_EQ(At(), fixed);  // following shows, it does not place
  Pick(2, 7);
  EXPECT_NEAR(At().x, 2, 1e-9);
  EXPECT_NEAR(At().y, 0.5, 1e-9);

  Command("Mouse Tool");
  const auto free = DragToolPosition(bench, view, pixel(-1, 2));
  ASSERT_TRUE(free);
  EXPECT_NEAR(free->x, -1, 1e-9);
  EXPECT_NEAR(free->y, 2, 1e-9);

  Command("Tangent");  // a command that places on the press does not follow
  EXPECT_FALSE(FollowDraggedTool(bench, view, pixel(1, 1)));
}

}  // namespace
}  // namespace vormak::test
