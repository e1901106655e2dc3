#include <gtest/gtest.h>

#include "cad/element_edit.h"
#include "fake_cad_view.h"
#include "support/fake_host.h"

namespace vormak {
namespace {

class ElementEditTest : public ::testing::Test {
 protected:
  CadElement* Make(ElementKind kind, std::array<double, 6> d, int layer = 1,
                   ElementState state = ElementState::kNormal,
                   std::int32_t colour = palette::kWhite) {
    return MakeElement(table, host, NextFreeSlot(table), kind, colour, d, 0, layer, state, 1);
  }
  CadElement* Line(double x1, double y1, double x2, double y2) {
    return Make(ElementKind::kLine, {x1, y1, 0, x2, y2, 0});
  }

  FakeHost host;
  ElementTable table;
  FakeCadView view;
};

TEST_F(ElementEditTest, DeletionPaintsOutAndNumbers) {
  CadElement* a = Line(0, 0, 1, 0);
  a->state = ElementState::kGroup;
  table.modified = false;
  DeleteElement(table, view, *a);
  ASSERT_EQ(view.paints.size(), 1u);
  EXPECT_EQ(view.paints[0].state, ElementState::kErasing);
  EXPECT_TRUE(a->deleted);
  EXPECT_EQ(a->state, ElementState::kNormal);
  EXPECT_EQ(a->deletion_number, 1);
  EXPECT_TRUE(table.modified);
  // Deleting again draws nothing (it is gone) but takes a new number.
  DeleteElement(table, view, *a);
  EXPECT_EQ(a->deletion_number, 2);
  EXPECT_EQ(view.paints.size(), 1u);
}

TEST_F(ElementEditTest, UndeleteLastReturnsInReverseOrder) {
  CadElement* a = Line(0, 0, 1, 0);
  CadElement* b = Line(0, 1, 1, 1);
  CadElement* c = Line(0, 2, 1, 2);
  DeleteElement(table, view, *b);
  DeleteElement(table, view, *c);
  DeleteElement(table, view, *a);
  view.paints.clear();
  UndeleteLast(table, view);
  EXPECT_FALSE(a->deleted);
  EXPECT_EQ(a->deletion_number, 0);
  EXPECT_TRUE(c->deleted);
  UndeleteLast(table, view);
  EXPECT_FALSE(c->deleted);
  EXPECT_TRUE(b->deleted);
  UndeleteLast(table, view);
  EXPECT_FALSE(b->deleted);
  ASSERT_EQ(view.paints.size(), 3u);
  EXPECT_EQ(view.paints[0].element, a);
  EXPECT_EQ(view.paints[1].element, c);
  EXPECT_EQ(view.paints[2].element, b);
  UndeleteLast(table, view);  // nothing left
  EXPECT_EQ(view.paints.size(), 3u);
}

TEST_F(ElementEditTest, UndeleteAllThenUndeleteLastFindsOnlyNewDeletions) {
  CadElement* a = Line(0, 0, 1, 0);
  CadElement* b = Line(0, 1, 1, 1);
  CadElement* c = Line(0, 2, 1, 2);
  DeleteElement(table, view, *a);
  DeleteElement(table, view, *b);
  view.paints.clear();
  UndeleteAll(table, view);
  ASSERT_EQ(view.paints.size(), 2u);
  EXPECT_EQ(view.paints[0].element, b);  // highest slot first
  EXPECT_EQ(view.paints[1].element, a);
  DeleteElement(table, view, *c);
  DeleteElement(table, view, *a);
  UndeleteLast(table, view);
  EXPECT_FALSE(a->deleted);
  UndeleteLast(table, view);
  EXPECT_FALSE(c->deleted);
}

TEST_F(ElementEditTest, DuplicatesReversedLinesAndCounts) {
  CadElement* a = Line(0, 0, 10, 5);
  CadElement* b = Line(10.0004, 5, 0, -0.0004);  // the same line drawn backwards
  CadElement* c = Line(0, 0, 10, 5.001);         // just outside the tolerance
  const DuplicateCounts counts = DeleteDuplicates(table, view, host);
  EXPECT_EQ(counts.lines, 1);
  EXPECT_FALSE(a->deleted);
  EXPECT_TRUE(b->deleted);
  EXPECT_FALSE(c->deleted);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "1 Lines, 0 arcs, 0 points deleted");
  EXPECT_EQ(host.messages[0].caption, "Delete Duplicates");
  EXPECT_EQ(host.messages[0].kind, "information");
}

TEST_F(ElementEditTest, DuplicatesCountByTheFirstKindAndNeedVisibleLayers) {
  Make(ElementKind::kArc, {0, 0, 0, 5, 0, 90});
  CadElement* arc2 = Make(ElementKind::kArc, {0, 0, 0, 5, 0, 90});
  Make(ElementKind::kPoint, {3, 3, 3, 0, 0, 0});
  CadElement* p2 = Make(ElementKind::kPoint, {3, 3, 3, 7, 7, 7});  // only X, Y, Z compared
  Make(ElementKind::kPoint, {8, 8, 0, 0, 0, 0});
  CadElement* hidden = Make(ElementKind::kPoint, {8, 8, 0, 0, 0, 0}, 7);
  table.SetLayerVisible(7, false);
  Make(ElementKind::kPoint, {9, 9, 0, 0, 0, 0});
  CadElement* line_at_point = Make(ElementKind::kLine, {9, 9, 0, 1, 1, 1});  // kind not compared
  const DuplicateCounts counts = DeleteDuplicates(table, view, host);
  EXPECT_TRUE(arc2->deleted);
  EXPECT_TRUE(p2->deleted);
  EXPECT_FALSE(hidden->deleted);
  EXPECT_TRUE(line_at_point->deleted);
  EXPECT_EQ(counts.arcs, 1);
  EXPECT_EQ(counts.points, 2);
  EXPECT_TRUE(host.Showed("0 Lines, 1 arcs, 2 points deleted"));
}

TEST_F(ElementEditTest, ToolpathIsDiscardedAndItsSlotsReused) {
  Line(0, 0, 1, 1);
  Make(ElementKind::kLine, {0, 0, 0, 1, 0, 0}, 1, ElementState::kToolpath);
  Make(ElementKind::kLine, {1, 0, 0, 2, 0, 0}, 1, ElementState::kToolpath);
  Line(5, 5, 6, 6);
  DeleteToolpath(table);
  EXPECT_EQ(table.At(2), nullptr);
  EXPECT_EQ(table.At(3), nullptr);
  EXPECT_EQ(view.redraws, 0);
  EXPECT_EQ(NextFreeSlot(table), 2);
  Make(ElementKind::kLine, {0, 0, 0, 1, 0, 0}, 1, ElementState::kToolpath);
  DeleteToolpathAndRedraw(table, view);
  EXPECT_EQ(view.redraws, 1);
  EXPECT_EQ(table.At(2), nullptr);
}

TEST_F(ElementEditTest, UndoLastCadTakesTheHighWaterSlotOnce) {
  UndoLastCad(table, view);  // empty drawing: nothing
  Line(0, 0, 1, 1);
  Line(0, 0, 2, 2);
  UndoLastCad(table, view);
  EXPECT_EQ(table.At(2), nullptr);
  ASSERT_EQ(view.paints.size(), 1u);
  EXPECT_EQ(view.paints[0].state, ElementState::kErasing);
  UndoLastCad(table, view);  // the high-water slot is empty now
  EXPECT_NE(table.At(1), nullptr);
}

TEST_F(ElementEditTest, BulkDeletesByColourLayerAndState) {
  CadElement* red =
      Make(ElementKind::kLine, {0, 0, 0, 1, 1, 0}, 1, ElementState::kNormal, palette::kRed);
  CadElement* red_hidden =
      Make(ElementKind::kLine, {0, 0, 0, 1, 1, 0}, 9, ElementState::kNormal, palette::kRed);
  CadElement* white = Line(0, 0, 2, 2);
  table.SetLayerVisible(9, false);
  table.current_colour = palette::kRed;
  DeleteCurrentColour(table, view);
  EXPECT_TRUE(red->deleted);
  EXPECT_FALSE(red_hidden->deleted);
  EXPECT_FALSE(white->deleted);
  const int before = red->deletion_number;
  DeleteCurrentColour(table, view);  // deleted ones are taken again
  EXPECT_GT(red->deletion_number, before);
  CadElement* on3 = Make(ElementKind::kPoint, {1, 1, 0, 0, 0, 0}, 3);
  table.current_layer = 3;
  DeleteCurrentLayer(table, view);
  EXPECT_TRUE(on3->deleted);
  CadElement* result = Make(ElementKind::kPoint, {2, 2, 0, 0, 0, 0}, 1, ElementState::kResult);
  DeleteInState(table, view, ElementState::kResult);
  EXPECT_TRUE(result->deleted);
  EXPECT_FALSE(white->deleted);
}

TEST_F(ElementEditTest, ChangeAndGroupByState) {
  CadElement* g = Make(ElementKind::kLine, {0, 0, 0, 1, 1, 0}, 1, ElementState::kGroup);
  CadElement* n = Line(0, 0, 2, 2);
  table.current_colour = palette::kBlue;
  ChangeColourInState(table, view, ElementState::kGroup);
  EXPECT_EQ(g->colour, palette::kBlue);
  EXPECT_EQ(g->state, ElementState::kNormal);
  EXPECT_EQ(n->colour, palette::kWhite);
  g->state = ElementState::kResult;
  table.current_layer = 17;
  ChangeLayerInState(table, view, ElementState::kResult);
  EXPECT_EQ(g->layer, 17);
  EXPECT_EQ(g->state, ElementState::kNormal);
  EXPECT_EQ(n->layer, 1);
  EXPECT_EQ(view.redraws, 1);
}

TEST_F(ElementEditTest, GroupCommandsByColourLayerAllResult) {
  GroupElements(table, view, host, GroupBy::kAll);
  EXPECT_TRUE(host.Showed("No Elements Defined"));
  CadElement* blue =
      Make(ElementKind::kLine, {0, 0, 0, 1, 1, 0}, 1, ElementState::kNormal, palette::kBlue);
  CadElement* hidden =
      Make(ElementKind::kLine, {0, 0, 0, 1, 1, 0}, 5, ElementState::kNormal, palette::kBlue);
  CadElement* result = Make(ElementKind::kPoint, {0, 0, 0, 0, 0, 0}, 1, ElementState::kResult);
  table.SetLayerVisible(5, false);
  table.current_colour = palette::kBlue;
  GroupElements(table, view, host, GroupBy::kCurrentColour);
  EXPECT_EQ(blue->state, ElementState::kGroup);
  EXPECT_EQ(hidden->state, ElementState::kNormal);
  EXPECT_EQ(result->state, ElementState::kResult);
  EXPECT_TRUE(GroupExists(table));
  GroupElements(table, view, host, GroupBy::kResult);
  EXPECT_EQ(result->state, ElementState::kGroup);
  DissolveGroup(table, view);
  EXPECT_FALSE(GroupExists(table));
  table.SetLayerVisible(5, true);
  GroupElements(table, view, host, GroupBy::kAll);
  EXPECT_EQ(hidden->state, ElementState::kGroup);
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(ElementEditTest, ResetAndClearSelection) {
  CadElement* s = Make(ElementKind::kLine, {0, 0, 0, 1, 1, 0}, 1, ElementState::kSelected);
  CadElement* g = Make(ElementKind::kLine, {0, 0, 0, 50, 1, 0}, 1, ElementState::kGroup);
  ClearSelection(table, view);
  EXPECT_EQ(s->state, ElementState::kNormal);
  EXPECT_EQ(g->state, ElementState::kGroup);
  EXPECT_EQ(view.PaintsOf(s), 1);
  EXPECT_EQ(view.PaintsOf(g), 0);
  table.extents = DrawingExtents{};
  ResetView(table, view);
  EXPECT_EQ(g->state, ElementState::kNormal);
  EXPECT_EQ(table.extents.max_x, 50);
  EXPECT_EQ(table.extents.min_x, 0);
}

}  // namespace
}  // namespace vormak
