#include <gtest/gtest.h>

#include "cad/element_table.h"
#include "support/fake_host.h"

namespace vormak {
namespace {

CadElement* Line(ElementTable& table, Host& host, double x1, double y1, double x2, double y2,
                 int layer = 1) {
  return MakeElement(table, host, NextFreeSlot(table), ElementKind::kLine, palette::kWhite,
                     {x1, y1, 0, x2, y2, 0}, 0, layer, ElementState::kNormal, 1);
}

TEST(ElementTable, TheLatchHoldsUntilTheDrawingIsCleared) {
  FakeHost host;
  ElementTable table;
  for (int i = 0; i < kTableSlots; ++i) ASSERT_NE(Line(table, host, 0, 0, 1, i % 100), nullptr);
  EXPECT_EQ(table.high_water, kTableSlots);
  EXPECT_EQ(NextFreeSlot(table), kTableFull);
  EXPECT_EQ(host.command_panel, "");
  EXPECT_EQ(Line(table, host, 0, 0, 1, 1), nullptr);
  EXPECT_EQ(host.command_panel, "Maximum number of elements");
  EXPECT_TRUE(table.full);
  // Freeing slots does not lift the latch: later creations are refused silently.
  DiscardElement(table, 5);
  DiscardElement(table, 6);
  host.command_panel.clear();
  EXPECT_EQ(NextFreeSlot(table), 5);
  EXPECT_EQ(Line(table, host, 0, 0, 1, 1), nullptr);
  EXPECT_EQ(host.command_panel, "");
  EXPECT_EQ(table.At(5), nullptr);
  ClearDrawing(table);
  EXPECT_FALSE(table.full);
  EXPECT_EQ(table.high_water, 0);
  EXPECT_NE(Line(table, host, 0, 0, 1, 1), nullptr);
  EXPECT_EQ(table.high_water, 1);
}

TEST(ElementTable, RangeChecksByKind) {
  FakeHost host;
  ElementTable table;
  EXPECT_EQ(Line(table, host, 0, 0, 10001, 0), nullptr);
  EXPECT_EQ(Line(table, host, 0, -10000.5, 5, 0), nullptr);
  EXPECT_NE(Line(table, host, -10000, 10000, 10000, 0), nullptr);  // the limits themselves
  // The end's Y is not checked; the extents are clamped to the limit.
  EXPECT_NE(Line(table, host, 0, 0, 0, 20000), nullptr);
  EXPECT_EQ(table.extents.max_y, 10000);
  const auto arc = [&](double cx, double cy, double r) {
    return MakeElement(table, host, NextFreeSlot(table), ElementKind::kArc, 0,
                       {cx, cy, 0, r, 0, 90}, 0, 1, ElementState::kNormal, 1);
  };
  EXPECT_EQ(arc(0, 0, 10000.1), nullptr);
  EXPECT_EQ(arc(0, -10001, 1), nullptr);
  EXPECT_NE(arc(9999, 0, 5), nullptr);
  EXPECT_EQ(MakeElement(table, host, NextFreeSlot(table), ElementKind::kPoint, 0,
                        {0, 10001, 0, 0, 0, 0}, 0, 1, ElementState::kNormal, 1),
            nullptr);
  // Annotations are not checked.
  EXPECT_NE(MakeElement(table, host, NextFreeSlot(table), ElementKind::kArrow, 0,
                        {50000, 0, 0, 45, 0, 0}, 0, 1, ElementState::kNormal, 1),
            nullptr);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.command_panel, "");
  // A refused element leaves its slot free for the next one.
  EXPECT_EQ(table.high_water, 4);
  EXPECT_EQ(table.At(4)->kind, ElementKind::kArrow);
}

TEST(ElementTable, MendingOfArcsLayersAndText) {
  FakeHost host;
  ElementTable table;
  CadElement* arc = MakeElement(table, host, NextFreeSlot(table), ElementKind::kArc, 0,
                                {0, 0, 0, 5, 45, 45.00005}, 0, 1, ElementState::kNormal, 1);
  ASSERT_NE(arc, nullptr);
  EXPECT_EQ(arc->d[4], 0);
  EXPECT_EQ(arc->d[5], 360);
  CadElement* kept = MakeElement(table, host, NextFreeSlot(table), ElementKind::kArc, 0,
                                 {0, 0, 0, 5, 45, 45.0002}, 0, 1, ElementState::kNormal, 1);
  EXPECT_EQ(kept->d[4], 45);
  for (int layer : {0, 255, 300, -1}) {
    CadElement* e = Line(table, host, 0, 0, 1, 1, layer);
    EXPECT_EQ(e->layer, kStrayLayer) << layer;
  }
  EXPECT_EQ(Line(table, host, 0, 0, 1, 1, 254)->layer, 254);
  CadElement* text =
      MakeElement(table, host, NextFreeSlot(table), ElementKind::kText, 0, {1, 2, 3, 4, 5, 6}, 0, 1,
                  ElementState::kNormal, 1, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(text->text, "ABCDEFGHIJKLMNOPQRSTUVWX");
  EXPECT_EQ(text->d[1], 2);
  EXPECT_EQ(text->d[2], 0);
  EXPECT_TRUE(table.modified);
}

TEST(ElementTable, SlotsAreReusedLowestFirst) {
  FakeHost host;
  ElementTable table;
  for (int i = 0; i < 5; ++i) Line(table, host, 0, 0, 1, i);
  DiscardElement(table, 4);
  DiscardElement(table, 2);
  EXPECT_EQ(table.high_water, 5);
  EXPECT_EQ(NextFreeSlot(table), 2);
  EXPECT_EQ(table.high_water, 5);
  // A live slot is never overwritten.
  EXPECT_EQ(MakeElement(table, host, 3, ElementKind::kPoint, 0, {}, 0, 1, ElementState::kNormal, 1),
            nullptr);
}

TEST(Extents, ArcsAndRecomputation) {
  FakeHost host;
  ElementTable table;
  EXPECT_EQ(table.extents.min_x, 100);
  EXPECT_EQ(table.extents.max_x, -100);
  // A half arc or less counts its two end points only; more than half the full circle box.
  MakeElement(table, host, NextFreeSlot(table), ElementKind::kArc, 0, {200, 0, 0, 10, 0, 180}, 0, 1,
              ElementState::kNormal, 1);
  EXPECT_NEAR(table.extents.max_y, 0, 1e-9);
  EXPECT_EQ(table.extents.max_x, 210);
  MakeElement(table, host, NextFreeSlot(table), ElementKind::kArc, 0, {300, 0, 0, 10, 0, 270}, 0, 1,
              ElementState::kNormal, 1);
  EXPECT_EQ(table.extents.max_y, 10);
  EXPECT_EQ(table.extents.max_x, 310);
  EXPECT_EQ(table.extents.min_y, -10);
  // Recomputing skips hidden layers and deleted elements; an empty result stays inverted.
  table.SetLayerVisible(1, false);
  RecomputeExtents(table);
  EXPECT_EQ(table.extents.max_x, -900);
  EXPECT_EQ(table.extents.min_x, 900);
  table.SetLayerVisible(1, true);
  table.At(2)->deleted = true;
  RecomputeExtents(table);
  EXPECT_EQ(table.extents.max_x, 210);
  EXPECT_EQ(table.extents.min_x, 190);
  ClearDrawing(table);
  EXPECT_EQ(table.extents.max_z, -100);
  EXPECT_EQ(table.extents.min_y, 100);
}

TEST(ElementTable, GroupExistsOnlyForLiveElements) {
  FakeHost host;
  ElementTable table;
  EXPECT_FALSE(GroupExists(table));
  CadElement* e = Line(table, host, 0, 0, 1, 1);
  e->state = ElementState::kGroup;
  EXPECT_TRUE(GroupExists(table));
  e->deleted = true;
  EXPECT_FALSE(GroupExists(table));
}

TEST(ElementTable, Layers) {
  ElementTable table;
  EXPECT_TRUE(table.LayerVisible(1));
  EXPECT_TRUE(table.LayerVisible(254));
  HideSolidLayer(table, 254);
  EXPECT_FALSE(table.LayerVisible(254));
  table.SetLayerVisible(0, false);  // no such layer: ignored
  EXPECT_TRUE(table.LayerVisible(0));
  EXPECT_FALSE(table.LayerVisible(400));
}

}  // namespace
}  // namespace vormak
