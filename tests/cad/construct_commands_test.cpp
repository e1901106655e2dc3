#include "cad/cad_undo.h"
#include "cad/element_edit.h"
#include "command_fixture.h"

namespace vormak {
namespace {

using ConstructTest = CommandTest;

TEST_F(ConstructTest, PointInputByPickMode) {
  Line(0, 0, 10, 0);
  Circle(20, 0, 5, 0, 90);
  Run("Points/1. X, Y, Z");
  EXPECT_EQ(host.command_panel, "POINT X,Y");
  EXPECT_EQ(host.prompt_panel, "Pick Point");
  context.pick_mode = PickMode::kEndPoint;
  Pick(8, 0.2);  // nearer the line's end
  ExpectData(Last(), {10, 0, 0, 0, 0, 0});
  context.pick_mode = PickMode::kMidPoint;
  Pick(2, 0);
  ExpectData(Last(), {5, 0, 0, 0, 0, 0});
  Pick(25, 0.1);  // the middle of the quarter arc
  ExpectData(Last(), {20 + 5 * std::cos(kPi / 4), 5 * std::sin(kPi / 4), 0, 0, 0, 0});
  context.pick_mode = PickMode::kCentre;
  Pick(25, 0.1);
  ExpectData(Last(), {20, 0, 0, 0, 0, 0});
  context.pick_mode = PickMode::kClosestPoint;
  Pick(3, 0.3);
  ExpectData(Last(), {3, 0, 0, 0, 0, 0});
  context.pick_mode = PickMode::kCursor;
  Pick(-4, 7);
  ExpectData(Last(), {-4, 7, 0, 0, 0, 0});
  // Existing points: only the points made above can be picked.
  context.pick_mode = PickMode::kExistingPoints;
  const int before = table.high_water;
  Pick(3, 0.1);
  ExpectData(Last(), {3, 0, 0, 0, 0, 0});
  EXPECT_EQ(table.high_water, before + 1);
}

TEST_F(ConstructTest, IntersectionTakesTwoPicksAndMarksFirstPoint) {
  Line(0, 0, 10, 0);
  Line(4, -5, 4, 5);
  Run("Lines/1. 2 Points");
  context.pick_mode = PickMode::kIntersection;
  Pick(2, 0);
  EXPECT_EQ(host.prompt_panel, "Pick Second Entity");
  Pick(4, 3);
  EXPECT_EQ(host.prompt_panel, "Pick Second Point");
  // The first point is marked in Yellow, by a mark that is no element of the drawing.
  ASSERT_FALSE(view.paints.empty());
  EXPECT_EQ(view.paints.back().state, ElementState::kSelected);
  for (CadElement* e : Live()) EXPECT_NE(view.paints.back().element, e);
  context.pick_mode = PickMode::kCursor;
  Pick(4, 6);
  ExpectData(Last(), {4, 0, 0, 4, 6, 0}, 1e-4);
  EXPECT_EQ(host.prompt_panel, "Pick First Point");
}

TEST_F(ConstructTest, PickOnNothingOrOnTextLeavesTheStep) {
  Add(ElementKind::kText, {5, 5, 0, 0, 0, 0});
  Run("Lines/Horizontal");
  context.pick_mode = PickMode::kEndPoint;
  Pick(30, 30);
  Pick(5, 5);  // a text gives no point
  EXPECT_EQ(host.beeps, 2);
  EXPECT_EQ(host.prompt_panel, "Pick Point");
  EXPECT_EQ(table.high_water, 1);
}

TEST_F(ConstructTest, KeyInOnALatheHalvesTheDiameter) {
  context.lathe = true;
  context.diameter_x = true;
  context.pick_mode = PickMode::kKeyboard;
  Run("Points/1. X, Y, Z");
  host.QueueForm({{"X Diameter", "10"}, {"Z Position", "-3"}});
  Pick(0, 0);
  ASSERT_EQ(host.forms.size(), 1u);
  EXPECT_EQ(host.forms[0].dialog_class, "TKey_In");
  EXPECT_FALSE(host.forms[0].Field("Y Position")->visible);
  ExpectData(Last(), {-3, 5, 0, 0, 0, 0});
  EXPECT_EQ(context.pick_mode, PickMode::kCursor);  // back to the cursor after the dialog
}

TEST_F(ConstructTest, HorizontalAndVerticalKeepTheFirstPoint) {
  Run("Lines/Horizontal");
  runner.KeyIn(context, {1, 2, 3});
  runner.KeyIn(context, {5, 7, 0});
  ExpectData(Last(), {1, 2, 3, 5, 2, 3});
  Run("Lines/Vertical");
  runner.KeyIn(context, {1, 2, 3});
  runner.KeyIn(context, {5, 7, 0});
  ExpectData(Last(), {1, 2, 3, 1, 7, 3});
  EXPECT_EQ(Last()->state, ElementState::kNormal);
  EXPECT_EQ(Last()->colour, table.current_colour);
}

TEST_F(ConstructTest, LinesFromOtherElements) {
  Line(0, 0, 10, 0);
  Run("Lines/5. Parallel, Point");
  EXPECT_EQ(context.pick_mode, PickMode::kCursor);
  Pick(5, 0);
  Pick(3, 4);
  ExpectData(Last(), {0, 4, 0, 10, 4, 0}, 1e-4);
  Run("Lines/6. Parallel, Offset");
  host.QueueForm({{"Offset Distance", "2"}});
  Pick(5, -0.2);  // the side below
  ExpectData(Last(), {0, -2, 0, 10, -2, 0}, 1e-4);
  EXPECT_EQ(host.forms.back().caption, "Offset Element");
  Run("Lines/4. Perpendicular, Point");
  Pick(7, 0);
  Pick(7, 9);
  ExpectData(Last(), {7, 9, 0, 7, 0, 0}, 1e-5);
  const int before = table.high_water;
  Run("Lines/3. Point, Tan to Arc");
  Circle(30, 0, 5);
  Pick(30, -10);  // a point
  Pick(35, 0);    // the arc, right side as the reference
  ASSERT_EQ(table.high_water, before + 2);
  const CadElement* tangent = Last();
  const double dx = tangent->d[3] - 30, dy = tangent->d[4];
  EXPECT_NEAR(std::hypot(dx, dy), 5, 1e-6);
  EXPECT_GT(tangent->d[3], 30);
}

TEST_F(ConstructTest, CirclesAndTheirRefusals) {
  Run("Circles/Between 2 points");
  runner.KeyIn(context, {0, 0, 0});
  runner.KeyIn(context, {4, 0, 0});
  ExpectData(Last(), {2, 0, 0, 2, 0, 360});
  const CadElement* arc = Circle(20, 0, 5, 10, 100);
  Run("Circles/5. Offset Size");
  host.QueueForm({{"Offset Distance", "1"}});
  Pick(23.4, 3.4);  // inside
  ExpectData(Last(), {20, 0, 0, 4, 10, 100});
  const int made = table.high_water;
  host.QueueForm({{"Offset Distance", "5"}});
  Pick(23.4, 3.4);
  EXPECT_TRUE(host.Showed("New Radius Too Small"));
  EXPECT_EQ(table.high_water, made);
  EXPECT_EQ(host.prompt_panel, "Pick Arc to Offset");
  (void)arc;
  Run("Circles/6. Through 3 Points");
  for (double x : {0.0, 1.0, 2.0}) runner.KeyIn(context, {x, x, 0});
  EXPECT_TRUE(host.Showed("3 POINTS ON SAME LINE"));
  EXPECT_EQ(table.high_water, made);
  Run("Circles/2. Center, Tangent");
  Line(-10, 10, 10, 10);
  Pick(0, 10);  // a centre on the line itself
  Pick(5, 10);
  EXPECT_TRUE(host.Showed("Error: Radius = 0"));
  EXPECT_EQ(table.high_water, made + 1);  // only the line
}

TEST_F(ConstructTest, TangentCirclesAndRadiusDialog) {
  Line(0, 0, 10, 0);
  Line(0, 0, 0, 10);
  Run("Circles/7. Tangent to 2 Elements");
  host.QueueForm({{"Radius", "2"}});
  Pick(5, 0.2);
  Pick(0.2, 5);
  EXPECT_EQ(host.forms.back().dialog_class, "TRadius");
  ExpectData(Last(), {2, 2, 0, 2, 0, 360}, 1e-4);
  const int made = table.high_water;
  Line(0, 5, 10, 5);
  Run("Circles/7. Tangent to 2 Elements");
  host.QueueForm({{"Radius", "1"}});
  Pick(5, 0.1);
  Pick(5, 4.9);
  EXPECT_TRUE(host.Showed("PARALLEL LINES"));
  EXPECT_EQ(table.high_water, made + 1);
  Run("Circles/8. Two Points, Radius");
  EXPECT_EQ(host.forms.back().dialog_class, "TRadius");  // asked first
  runner.KeyIn(context, {0, 0, 0});
  EXPECT_EQ(host.prompt_panel, "Pick Secont Point");
  runner.KeyIn(context, {10, 0, 0});
  EXPECT_TRUE(host.Showed("Points Too Far Apart to Fit Arc"));
  EXPECT_EQ(table.high_water, made + 1);
}

TEST_F(ConstructTest, TextAndArrowhead) {
  host.QueueForm({{"Enter Text", "A TEXT LONGER THAN TWENTY-FOUR"}});
  Run("Text");
  EXPECT_EQ(host.command_panel, "DRAW TEXT");
  Pick(1, 2);
  EXPECT_EQ(Last()->text, "A TEXT LONGER THAN TWENT");
  EXPECT_EQ(host.prompt_panel, "pick point for text");
  host.QueueFormCancel();
  Run("Text");
  Pick(3, 3);
  EXPECT_EQ(table.high_water, 1);  // cancelled: nothing placed
  Line(0, 0, 10, 0);
  context.pick_mode = PickMode::kEndPoint;
  Run("Arrowhead");
  Pick(9, 0);
  ASSERT_EQ(Last()->kind, ElementKind::kArrow);
  ExpectData(Last(), {10, 0, 0, 180, 0, 0});
  Pick(1, 0);
  ExpectData(Last(), {0, 0, 0, 0, 0, 0});
}

TEST_F(ConstructTest, EachResultIsOneUndoStep) {
  Run("Lines/1. 2 Points");
  runner.KeyIn(context, {0, 0, 0});
  runner.KeyIn(context, {1, 1, 0});
  runner.KeyIn(context, {1, 1, 0});
  runner.KeyIn(context, {2, 0, 0});
  ASSERT_EQ(Live().size(), 2u);
  UndoLastCad(table, view);
  ASSERT_EQ(Live().size(), 1u);
  ExpectData(Live()[0], {0, 0, 0, 1, 1, 0});
}

TEST_F(ConstructTest, ResultOutsideTheDrawingIsNotMade) {
  Run("Points/1. X, Y, Z");
  runner.KeyIn(context, {20000, 0, 0});
  EXPECT_TRUE(Live().empty());
  EXPECT_TRUE(table.undo_steps.empty());
  EXPECT_EQ(host.prompt_panel, "Pick Point");
}

}  // namespace
}  // namespace vormak
