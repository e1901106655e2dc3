// Constructions and edits picked in the front and side views work in that view's plane.
#include "cad/cad_undo.h"
#include "cad/element_edit.h"
#include "cad/view_frame.h"
#include "command_fixture.h"

namespace vormak {
namespace {

TEST(ViewFrameTest, ViewAxesAndBack) {
  const Point p{1, 2, 3};
  const ViewFrame front(2), side(3), iso(4);
  EXPECT_EQ(front.ToLocal(p).x, 1);
  EXPECT_EQ(front.ToLocal(p).y, 3);  // Z up
  EXPECT_EQ(front.ToLocal(p).z, 2);  // Y is the depth
  EXPECT_EQ(side.ToLocal(p).x, 2);
  EXPECT_EQ(side.ToLocal(p).y, 3);
  EXPECT_EQ(side.ToLocal(p).z, 1);
  EXPECT_EQ(iso.Plane(), 1);  // the isometric view works in X-Y
  for (const ViewFrame& frame : {front, side, iso}) {
    const Point back = frame.ToWorld(frame.ToLocal(p));
    EXPECT_EQ(back.x, 1);
    EXPECT_EQ(back.y, 2);
    EXPECT_EQ(back.z, 3);
  }
  // Lines map both ends, arcs their centre only, texts not at all.
  const auto line = side.ToLocal(ElementKind::kLine, {1, 2, 3, 4, 5, 6});
  EXPECT_EQ(line, (std::array<double, 6>{2, 3, 1, 5, 6, 4}));
  const auto arc = side.ToLocal(ElementKind::kArc, {1, 2, 3, 4, 5, 6});
  EXPECT_EQ(arc, (std::array<double, 6>{2, 3, 1, 4, 5, 6}));
  const auto text = side.ToLocal(ElementKind::kText, {1, 2, 3, 4, 5, 6});
  EXPECT_EQ(text, (std::array<double, 6>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(front.WorldAxis(0), 0);
  EXPECT_EQ(front.WorldAxis(1), 2);
  EXPECT_EQ(side.WorldAxis(0), 1);
}

class ViewPlaneTest : public CommandTest {
 protected:
  void Look(int slot) {
    view.slot = slot;
    table.current_view = slot;
  }
  CadElement* Make(ElementKind kind, std::array<double, 6> d, int element_view,
                   ElementState state = ElementState::kNormal) {
    return MakeElement(table, host, NextFreeSlot(table), kind, palette::kWhite, d, 0, 1, state,
                       element_view);
  }
};

TEST_F(ViewPlaneTest, FrontViewLinesAndCirclesStandInXZ) {
  Look(2);
  Run("Lines/Horizontal");
  Pick(1, 2);
  Pick(5, 7);
  ExpectData(Last(), {1, 0, 2, 5, 0, 2});
  Run("Lines/Vertical");
  Pick(1, 2);
  Pick(5, 7);
  ExpectData(Last(), {1, 0, 2, 1, 0, 7});
  host.QueueForm({{"Radius", "3"}});
  Run("Circles/1. Center, Radius");
  Pick(10, 4);
  ExpectData(Last(), {10, 0, 4, 3, 0, 360});
  EXPECT_EQ(ArcPlane(*Last()), 2);
  // A point on that circle at 90 degrees is its top in the front view: up Z.
  host.QueueForm({{"Angle", "90"}});
  Run("Points/2. On Arc at Angle");
  Pick(13, 4);
  ExpectData(Last(), {10, 0, 7, 0, 0, 0}, 1e-9);
  // Circle through three points picked in the side view lies in Y-Z.
  Look(3);
  Run("Circles/6. Through 3 Points");
  Pick(0, 0);
  Pick(4, 0);
  Pick(2, 2);
  ExpectData(Last(), {0, 2, 0, 2, 0, 360}, 1e-9);
  EXPECT_EQ(ArcPlane(*Last()), 3);
}

TEST_F(ViewPlaneTest, TrimFilletAndBreakInTheFrontView) {
  Look(2);
  CadElement* along = Make(ElementKind::kLine, {0, 5, 0, 10, 5, 0}, 0);  // along X at Y = 5
  Make(ElementKind::kLine, {4, 5, -5, 4, 5, 5}, 0);                      // up Z at X = 4
  Run("Trim/1 Object");
  Pick(8, 0);
  Pick(4, 2);
  ExpectData(along, {4, 5, 0, 10, 5, 0}, 1e-5);  // the depth stays
  UndoLastCad(table, view);
  ExpectData(along, {0, 5, 0, 10, 5, 0});
  // A fillet between two lines meeting at the origin of the X-Z plane.
  CadElement* floor = Make(ElementKind::kLine, {20, 0, 0, 30, 0, 0}, 0);
  CadElement* wall = Make(ElementKind::kLine, {20, 0, 0, 20, 0, 10}, 0);
  host.QueueForm({{"Radius", "2"}});
  Run("Trim/Fillet");
  Pick(25, 0.1);
  Pick(20.1, 5);
  CadElement* arc = Last();
  ASSERT_EQ(arc->kind, ElementKind::kArc);
  EXPECT_EQ(ArcPlane(*arc), 2);
  ExpectData(arc, {22, 0, 2, 2, 180, 270}, 1e-4);
  ExpectData(floor, {22, 0, 0, 30, 0, 0}, 1e-4);
  ExpectData(wall, {20, 0, 2, 20, 0, 10}, 1e-4);
  // A break of the wall at Z = 6 keeps both pieces in X-Z.
  Run("Trim/Break");
  Pick(20, 8);
  Pick(20.5, 6);
  ExpectData(wall, {20, 0, 2, 20, 0, 6}, 1e-5);
  ExpectData(Last(), {20, 0, 6, 20, 0, 10}, 1e-5);
}

TEST_F(ViewPlaneTest, PickModesFindPointsInTheSideView) {
  Look(3);
  Make(ElementKind::kLine, {0, 0, 0, 0, 10, 10}, 0);  // rising in Y-Z
  Make(ElementKind::kLine, {7, 0, 4, 7, 10, 4}, 0);   // level at Z = 4, depth X = 7
  context.pick_mode = PickMode::kClosestPoint;
  Run("Points/1. X, Y, Z");
  Pick(3.2, 2.8);  // nearest to the rising line at (3, 3)
  ExpectData(Last(), {0, 3, 3, 0, 0, 0}, 1e-6);
  context.pick_mode = PickMode::kIntersection;
  Pick(8, 8);
  Pick(6, 4);
  ExpectData(Last(), {0, 4, 4, 0, 0, 0}, 1e-6);  // the crossing takes the first one's depth
  context.pick_mode = PickMode::kEndPoint;
  Pick(9, 9);
  ExpectData(Last(), {0, 10, 10, 0, 0, 0});
}

TEST_F(ViewPlaneTest, TransformsInTheFrontView) {
  Look(2);
  CadElement* point = Make(ElementKind::kPoint, {1, 5, 0, 0, 0, 0}, 0, ElementState::kGroup);
  host.QueueForm({{"Incremental Degrees", "90"}});
  Run("Xform/Rotate");
  Pick(0, 0);
  ExpectData(Last(), {0, 0, 1, 0, 0, 0}, 1e-9);  // turned about Y; the depth becomes 0
  UndoLastCad(table, view);
  // Mirror about the view's horizontal axis turns Z round; an arc standing in X-Z runs the
  // other way, one lying in X-Y only moves.
  CadElement* standing = Make(ElementKind::kArc, {2, 0, 3, 1, 10, 80}, 2, ElementState::kGroup);
  CadElement* lying = Make(ElementKind::kArc, {2, 0, 3, 1, 10, 80}, 1, ElementState::kGroup);
  host.QueueForm({{"About", "X-Axis"}});
  Run("Xform/Mirror");
  const auto live = Live();
  ASSERT_EQ(live.size(), 6u);
  ExpectData(live[3], {1, 5, 0, 0, 0, 0});  // the point lies on the axis
  ExpectData(live[4], {2, 0, -3, 1, 280, 350});
  ExpectData(live[5], {2, 0, -3, 1, 10, 80});
  UndoLastCad(table, view);
  // About the vertical axis X turns round: both arcs have X in their plane.
  host.QueueForm({{"About", "Y-Axis"}});
  Run("Xform/Mirror");
  ExpectData(Live()[4], {-2, 0, 3, 1, 100, 170});
  ExpectData(Live()[5], {-2, 0, 3, 1, 100, 170});
  UndoLastCad(table, view);
  // Scale multiplies X and Z and keeps the depth.
  host.QueueForm({{"Scale Factor", "2"}});
  Run("Xform/Scale");
  ASSERT_EQ(Live().size(), 3u);
  ExpectData(Live()[0], {2, 5, 0, 0, 0, 0});
  ExpectData(Live()[1], {4, 0, 6, 2, 10, 80});
  UndoLastCad(table, view);
  EXPECT_FALSE(point->deleted || standing->deleted || lying->deleted);
}

TEST_F(ViewPlaneTest, MoveTextsAndAnalyseInTheFrontView) {
  Look(2);
  CadElement* line = Make(ElementKind::kLine, {0, 1, 0, 1, 1, 0}, 0, ElementState::kGroup);
  CadElement* front_text = Make(ElementKind::kText, {3, 3, 0, 0, 0, 0}, 2, ElementState::kGroup);
  CadElement* top_text = Make(ElementKind::kText, {3, 3, 0, 0, 0, 0}, 1, ElementState::kGroup);
  Run("Xform/Move");
  Pick(0, 0);
  Pick(1, 2);  // one along X, two up Z
  ExpectData(line, {1, 1, 2, 2, 1, 2});
  ExpectData(front_text, {4, 5, 0, 0, 0, 0});
  ExpectData(top_text, {4, 3, 0, 0, 0, 0});  // seen from above the move is along X only
  // Text placed in the front view keeps the view's two axes and is found there again.
  host.QueueForm({{"Enter Text", "SLOT"}});
  Run("Text...");
  Pick(6, 7);
  ExpectData(Last(), {6, 7, 0, 0, 0, 0});
  EXPECT_EQ(Last()->view, 2);
  Run("Analyse/Element");
  host.forms.clear();
  Pick(6, 7);
  ASSERT_FALSE(host.forms.empty());
  EXPECT_EQ(host.forms.back().fields[1].value,
            "Text  Element No. " + std::to_string(table.high_water));
  // A line's angle reads as the front view shows it.
  Make(ElementKind::kLine, {20, 9, 0, 21, 9, 1}, 0);
  Pick(20.5, 0.5);
  EXPECT_EQ(host.forms.back().fields[6].value, "Angle= 45.0000");
}

}  // namespace
}  // namespace vormak
