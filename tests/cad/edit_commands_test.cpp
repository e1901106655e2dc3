#include "cad/cad_undo.h"
#include "cad/element_edit.h"
#include "command_fixture.h"

namespace vormak {
namespace {

using EditTest = CommandTest;

TEST_F(EditTest, TrimOneObjectKeepsThePickedSideOrExtends) {
  CadElement* line = Line(0, 0, 10, 0);
  Line(4, -5, 4, 5);
  Line(12, -5, 12, 5);
  Run("Trim/1 Object");
  EXPECT_EQ(host.prompt_panel, "Pick First Entity");
  Pick(8, 0);
  EXPECT_EQ(host.prompt_panel, "Pick Entity to Trim To");
  Pick(4, 2);
  ExpectData(line, {4, 0, 0, 10, 0, 0}, 1e-5);
  EXPECT_EQ(host.prompt_panel, "Pick First Entity");
  CadElement* other = Line(0, 1, 10, 1);
  Pick(3, 1);
  Pick(12, 3);
  ExpectData(other, {0, 1, 0, 12, 1, 0}, 1e-5);
  // The same element twice is no boundary.
  Pick(5, 1);
  Pick(5, 1);
  EXPECT_EQ(host.prompt_panel, "Pick Entity to Trim To");
}

TEST_F(EditTest, TrimTwoObjectsAndAnArc) {
  CadElement* a = Line(0, 0, 10, 0);
  CadElement* b = Line(5, -5, 5, 5);
  Run("Trim/2 Object");
  Pick(2, 0);
  Pick(5, 3);
  ExpectData(a, {0, 0, 0, 5, 0, 0}, 1e-5);
  ExpectData(b, {5, 0, 0, 5, 5, 0}, 1e-5);
  // An arc cut twice by a line keeps the first pick's part, cut where the second pick is.
  CadElement* arc = Circle(30, 0, 5, 0, 180);
  Line(20, 3, 40, 3);
  Pick(30, 5);  // the top of the arc, between the two crossings
  Pick(36, 3);  // near the right crossing (angle 36.87)
  EXPECT_NEAR(arc->d[4], 36.8699, 1e-3);
  EXPECT_NEAR(arc->d[5], 180, 1e-9);
  UndoLastCad(table, view);
  ExpectData(arc, {30, 0, 0, 5, 0, 180});
  UndoLastCad(table, view);
  ExpectData(a, {0, 0, 0, 10, 0, 0});
  ExpectData(b, {5, -5, 0, 5, 5, 0});
}

TEST_F(EditTest, BreakSplitsALineAndTrimToPointMovesAnArcEnd) {
  CadElement* line = Line(0, 0, 10, 0);
  line->colour = palette::kGreen;
  Run("Trim/Break");
  EXPECT_EQ(host.prompt_panel, "Pick Element to Break");
  Pick(5, 0);
  Pick(3, 0.5);
  ExpectData(line, {0, 0, 0, 3, 0, 0}, 1e-5);
  ASSERT_EQ(table.high_water, 2);
  ExpectData(Last(), {3, 0, 0, 10, 0, 0}, 1e-5);
  EXPECT_EQ(Last()->colour, palette::kGreen);
  UndoLastCad(table, view);  // one step: the line is whole again
  EXPECT_EQ(Live().size(), 1u);
  ExpectData(line, {0, 0, 0, 10, 0, 0});
  // Beyond the end there is nothing to break.
  Pick(5, 0);
  Pick(15, 0);
  EXPECT_EQ(Live().size(), 1u);
  CadElement* arc = Circle(30, 0, 5, 0, 90);
  Run("Trim/To Point");
  Pick(30, 5);
  runner.KeyIn(context, {31, 8, 0});  // nearer the end at 90: the end turns to the point
  EXPECT_NEAR(arc->d[5], std::atan2(8, 1) * kDegreesPerRadian, 1e-6);
  EXPECT_NEAR(arc->d[4], 0, 1e-9);
}

TEST_F(EditTest, FilletAndChamferAtACorner) {
  CadElement* a = Line(0, 0, 10, 0);
  CadElement* b = Line(0, 0, 0, 10);
  Run("Trim/Fillet");
  EXPECT_EQ(host.command_panel, "FILLET TWO LINES");
  host.QueueForm({{"Radius", "2"}});
  Pick(5, 0);
  Pick(0, 5);
  ExpectData(a, {2, 0, 0, 10, 0, 0}, 1e-5);
  ExpectData(b, {0, 2, 0, 0, 10, 0}, 1e-5);
  ExpectData(Last(), {2, 2, 0, 2, 180, 270}, 1e-4);
  EXPECT_EQ(host.prompt_panel, "Pick First Line");
  UndoLastCad(table, view);
  ExpectData(a, {0, 0, 0, 10, 0, 0});
  ExpectData(b, {0, 0, 0, 0, 10, 0});
  EXPECT_EQ(Live().size(), 2u);
  Run("Trim/Chamfer");
  host.QueueForm({{"Chamfer Size", "1"}});
  Pick(5, 0);
  Pick(0, 5);
  EXPECT_EQ(host.forms.back().dialog_class, "TChamfer");
  ExpectData(a, {1, 0, 0, 10, 0, 0}, 1e-5);
  ExpectData(b, {0, 1, 0, 0, 10, 0}, 1e-5);
  ExpectData(Last(), {1, 0, 0, 0, 1, 0}, 1e-5);
  // Parallel lines have no corner.
  Line(0, 20, 10, 20);
  Line(0, 22, 10, 22);
  const int before = table.high_water;
  Run("Trim/Fillet");
  Pick(5, 20);
  Pick(5, 22);
  EXPECT_TRUE(host.Showed("PARALLEL LINES"));
  EXPECT_EQ(table.high_water, before);
}

TEST_F(EditTest, RotateCopiesOfAGroupedPoint) {
  Add(ElementKind::kPoint, {1, 0, 0, 0, 0, 0}, ElementState::kGroup);
  Run("Xform/Rotate");
  EXPECT_EQ(host.command_panel, "ROTATE GROUP");
  EXPECT_EQ(host.prompt_panel, "Pick Rotation Point ");
  host.QueueForm({{"Incremental Degrees", "90"}, {"Number of Times", "3"}});
  Pick(0, 0);
  EXPECT_EQ(host.forms.back().caption, "Rotate CAD");
  EXPECT_EQ(host.forms.back().Field("Leave Original")->value, "1");  // checked unless unticked
  ASSERT_EQ(Live().size(), 4u);
  ExpectData(Live()[1], {0, 1, 0, 0, 0, 0}, 1e-9);
  ExpectData(Live()[2], {-1, 0, 0, 0, 0, 0}, 1e-9);
  ExpectData(Live()[3], {0, -1, 0, 0, 0, 0}, 1e-9);
  EXPECT_EQ(Live()[3]->state, ElementState::kResult);
  UndoLastCad(table, view);
  EXPECT_EQ(Live().size(), 1u);
  // Without Leave Original the source goes; the undo brings it back.
  host.QueueForm({{"Incremental Degrees", "90"}, {"Leave Original", "0"}});
  Pick(0, 0);
  ASSERT_EQ(Live().size(), 1u);
  ExpectData(Live()[0], {0, 1, 0, 0, 0, 0}, 1e-9);
  UndoLastCad(table, view);
  ASSERT_EQ(Live().size(), 1u);
  ExpectData(Live()[0], {1, 0, 0, 0, 0, 0});
}

TEST_F(EditTest, RotateOneElementWithoutAGroup) {
  Circle(5, 0, 1, 0, 90);
  Run("Xform/Rotate");
  EXPECT_EQ(host.command_panel, "ROTATE ELEMENT");
  host.QueueForm({{"Center X", "0"},
                  {"Center Y", "0"},
                  {"Incremental Degrees", "300"},
                  {"Number of Times", "2"}});
  Pick(6, 0);
  ASSERT_EQ(Live().size(), 3u);
  ExpectData(Live()[1], {2.5, -5 * std::sqrt(3.0) / 2, 0, 1, 300, 390}, 1e-9);
  ExpectData(Live()[2], {-2.5, -5 * std::sqrt(3.0) / 2, 0, 1, 240, 330}, 1e-9);  // 600 - 360
}

TEST_F(EditTest, MoveAndCopyOfAGroup) {
  Add(ElementKind::kLine, {0, 0, 0, 1, 0, 0}, ElementState::kGroup);
  Add(ElementKind::kLeader, {1, 1, 2, 2, 0.7, 0}, ElementState::kGroup);
  Add(ElementKind::kText, {3, 3, 0, 0, 0, 0}, ElementState::kGroup);
  Run("Xform/Copy");
  Pick(0, 0);
  EXPECT_EQ(host.prompt_panel, "Pick Destination Point");
  Pick(10, 5);
  ASSERT_EQ(Live().size(), 4u);  // only the line is copied
  ExpectData(Last(), {10, 5, 0, 11, 5, 0});
  EXPECT_EQ(Last()->state, ElementState::kResult);
  EXPECT_EQ(host.prompt_panel, "Pick Base Point");
  Run("Xform/Move");
  EXPECT_EQ(host.command_panel, "MOVE GROUP");
  Pick(0, 0);
  Pick(1, -1);
  ExpectData(table.At(2), {2, 0, 3, 1, 0.7, 0});  // the leader's tip and tail
  ExpectData(table.At(3), {4, 2, 0, 0, 0, 0});
  UndoLastCad(table, view);
  ExpectData(table.At(2), {1, 1, 2, 2, 0.7, 0});
}

TEST_F(EditTest, OffsetDialogCopiesOrMovesTheGroup) {
  Add(ElementKind::kPoint, {1, 1, 0, 0, 0, 0}, ElementState::kGroup);
  host.QueueForm({{"X Distance", "2"}, {"Number of Times", "3"}});
  Run("Xform/Offset...");
  EXPECT_EQ(host.forms.back().caption, "Offset CAD");
  ASSERT_EQ(Live().size(), 4u);
  ExpectData(Live()[3], {7, 1, 0, 0, 0, 0});
  UndoLastCad(table, view);  // the three copies are one result
  ASSERT_EQ(Live().size(), 1u);
  host.QueueForm({{"Y Distance", "-1"}, {"Leave Original", "0"}});
  Run("Xform/Offset");
  ASSERT_EQ(Live().size(), 1u);
  ExpectData(Live()[0], {1, 0, 0, 0, 0, 0});
}

TEST_F(EditTest, CopyThatFillsTheTableMakesNothing) {
  for (int i = 0; i < kTableSlots - 1; ++i) {
    Add(ElementKind::kPoint, {0, 0, 0, 0, 0, 0},
        i < 2 ? ElementState::kGroup : ElementState::kNormal);
  }
  Run("Xform/Copy");
  Pick(0, 0);
  Pick(1, 1);  // two copies, one slot left
  EXPECT_EQ(Live().size(), static_cast<size_t>(kTableSlots - 1));
  EXPECT_TRUE(table.undo_steps.empty());
}

TEST_F(EditTest, MirrorAndScaleReplaceOrCopyTheGroup) {
  Add(ElementKind::kArc, {2, 3, 0, 1, 10, 80}, ElementState::kGroup);
  host.QueueForm({{"About", "X-Axis"}});
  Run("Xform/Mirror");
  ASSERT_EQ(Live().size(), 2u);
  ExpectData(Live()[1], {2, -3, 0, 1, 280, 350});
  host.QueueForm({{"About", "Y-Axis"}, {"Copy", "0"}});
  Run("Xform/Mirror");
  ASSERT_EQ(Live().size(), 2u);  // the group went, its copy stays
  ExpectData(Live()[1], {-2, 3, 0, 1, 100, 170});
  UndoLastCad(table, view);
  UndoLastCad(table, view);
  ASSERT_EQ(Live().size(), 1u);
  host.QueueForm({{"Scale Factor", "2"}});
  Run("Xform/Scale");
  ASSERT_EQ(Live().size(), 1u);
  ExpectData(Live()[0], {4, 6, 0, 2, 10, 80});
  EXPECT_EQ(Live()[0]->state, ElementState::kResult);
}

TEST_F(EditTest, AnalyseReadOutsAndButtons) {
  Line(0, 0, 3, 4);
  Run("Analyse/Element");
  host.QueueForm({}, "&Distance");
  Pick(1.5, 2);
  ASSERT_EQ(host.forms.size(), 1u);
  const FormRequest& element = host.forms[0];
  EXPECT_EQ(element.caption, "Analyse");
  EXPECT_EQ(element.fields[1].value, "LINE:  Element No. 1");
  EXPECT_EQ(element.fields[2].value, "X1= 0.0000  Y1= 0.0000");
  EXPECT_EQ(element.fields[7].value, "Length= 5.0000");
  // The Distance button started the distance analysis.
  EXPECT_EQ(host.command_panel, "ANALYSE DISTANCE");
  Pick(0, 0);
  Pick(3, 4);
  const FormRequest& distance = host.forms.back();
  EXPECT_EQ(distance.fields[0].value, "Analyse Distance");
  EXPECT_EQ(distance.fields[4].value, "RADIAL= 5.0000");
  EXPECT_EQ(distance.fields[8].value, "Mid= X1.5000 Y2.0000 Z0.0000");
  EXPECT_EQ(host.command_panel, "ANALYZE DISTANCE");
  EXPECT_EQ(host.prompt_panel, "Pick First Point");
  Line(0, 4, 10, 4);
  context.diameter_x = true;
  Run("Analyse/Angle");
  Pick(1.5, 2);
  Pick(8, 4);
  const FormRequest& angle = host.forms.back();
  EXPECT_EQ(angle.fields[1].value, "Angle= 126.8699");
  EXPECT_EQ(angle.fields[3].value, "Intersect DIA X= 3.0000");
}

}  // namespace
}  // namespace vormak
