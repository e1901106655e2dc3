#include <gtest/gtest.h>

#include "cad/element_pick.h"
#include "fake_cad_view.h"
#include "support/fake_host.h"

namespace vormak {
namespace {

// The fake view maps drawing (x, y) to pixel (400 + 10x, 300 - 10y).
PixelPoint At(double x, double y) {
  return {static_cast<int>(400 + 10 * x), static_cast<int>(300 - 10 * y)};
}

class PickTest : public ::testing::Test {
 protected:
  CadElement* Make(ElementKind kind, std::array<double, 6> d, int view = 1, int layer = 1) {
    return MakeElement(table, host, NextFreeSlot(table), kind, palette::kWhite, d, 0, layer,
                       ElementState::kNormal, view);
  }
  CadElement* Pick(PixelPoint at, int filter = kPickAnyKind, PickMode mode = PickMode::kCursor) {
    return PickElement(table, view, host, at, filter, mode);
  }

  FakeHost host;
  ElementTable table;
  FakeCadView view;
};

TEST_F(PickTest, TieGoesToTheLowerSlot) {
  CadElement* low = Make(ElementKind::kLine, {0, 0.2, 0, 10, 0.2, 0});
  Make(ElementKind::kLine, {0, -0.2, 0, 10, -0.2, 0});
  EXPECT_EQ(Pick(At(5, 0)), low);
  EXPECT_EQ(table.pick_index, 1);
  // The flash shows it Selected without changing what it is.
  ASSERT_EQ(view.paints.size(), 1u);
  EXPECT_EQ(view.paints[0].state, ElementState::kSelected);
  EXPECT_EQ(low->state, ElementState::kNormal);
}

TEST_F(PickTest, NearestWinsAndTheApertureIsSixPixels) {
  Make(ElementKind::kLine, {0, 0.5, 0, 10, 0.5, 0});
  CadElement* near = Make(ElementKind::kLine, {0, -0.2, 0, 10, -0.2, 0});
  EXPECT_EQ(Pick(At(5, 0)), near);
  // The aperture is a strict 6 pixels at any scale.
  ClearDrawing(table);
  CadElement* line = Make(ElementKind::kLine, {0, 0, 0, 10, 0, 0});
  EXPECT_EQ(Pick({450, 306}), nullptr);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(Pick({450, 305}), line);
  view.scale = 100;  // zoomed in: 6 pixels is 0.06 units
  EXPECT_EQ(Pick({900, 306}), nullptr);
  EXPECT_EQ(Pick({900, 305}), line);
}

TEST_F(PickTest, LineEndsLimitTheHit) {
  Make(ElementKind::kLine, {0, 0, 0, 10, 0, 0});
  EXPECT_EQ(Pick(At(10.3, 0)), nullptr);  // past the end
  EXPECT_NE(Pick(At(9.9, 0)), nullptr);
}

TEST_F(PickTest, KindFilters) {
  CadElement* line = Make(ElementKind::kLine, {0, 0, 0, 10, 0, 0});
  CadElement* point = Make(ElementKind::kPoint, {5, 0.1, 0, 0, 0, 0});
  CadElement* arc = Make(ElementKind::kArc, {5, 5, 0, 5, 180, 360});
  EXPECT_EQ(Pick(At(5, 0.05), 1), line);
  EXPECT_EQ(Pick(At(5, 0.05), 4), point);
  EXPECT_EQ(Pick(At(5, 0.05), 2), arc);
  EXPECT_EQ(Pick(At(5, 0.05), 5), nullptr);
  EXPECT_NE(Pick(At(5, 0.05), kPickLineOrArc), point);
  EXPECT_EQ(Pick(At(5, 0.05), 0, PickMode::kExistingPoints), point);
  EXPECT_TRUE(KindAccepted(ElementKind::kWitness, 3));
  EXPECT_FALSE(KindAccepted(ElementKind::kWitness, 8));
}

TEST_F(PickTest, ArcsOnlyWithinTheirSweepAndPlane) {
  CadElement* arc = Make(ElementKind::kArc, {0, 0, 0, 5, 350, 30});  // across 0 degrees
  EXPECT_EQ(Pick(At(5, 0)), arc);
  EXPECT_EQ(Pick(At(-5, 0)), nullptr);
  EXPECT_EQ(Pick(At(0, -5)), nullptr);
  CadElement* full = Make(ElementKind::kArc, {20, 0, 0, 2, 0, 360});
  EXPECT_EQ(Pick(At(20, -2)), full);
  // An arc standing in the X-Z plane is not found in the top view, but is in the front view.
  CadElement* upright = Make(ElementKind::kArc, {40, 0, 0, 3, 0, 180}, 2);
  EXPECT_EQ(Pick(At(40, 3)), nullptr);
  view.slot = 2;
  EXPECT_EQ(Pick(At(40, 3)), upright);
}

TEST_F(PickTest, MarksTakeTwiceTheAperture) {
  CadElement* point = Make(ElementKind::kPoint, {0, 0, 0, 0, 0, 0});
  EXPECT_EQ(Pick({400 + 11, 300}), point);
  EXPECT_EQ(Pick({400 + 12, 300}), nullptr);
}

TEST_F(PickTest, HiddenLayersAndDeletedElementsAreNotFound) {
  CadElement* a = Make(ElementKind::kPoint, {0, 0, 0, 0, 0, 0}, 1, 8);
  table.SetLayerVisible(8, false);
  EXPECT_EQ(Pick(At(0, 0)), nullptr);
  table.SetLayerVisible(8, true);
  a->deleted = true;
  EXPECT_EQ(Pick(At(0, 0)), nullptr);
}

TEST_F(PickTest, FrontAndSideViewsUseTheirAxes) {
  CadElement* line = Make(ElementKind::kLine, {3, 50, 0, 3, 50, 10});  // along Z
  EXPECT_EQ(Pick(At(3, 5)), nullptr);                                  // a dot in the top view
  view.slot = 2;
  EXPECT_EQ(Pick(At(3, 5)), line);
  view.slot = 3;
  EXPECT_EQ(Pick(At(50, 5)), line);
}

TEST_F(PickTest, AnnotationsInTheirOwnView) {
  CadElement* leader = Make(ElementKind::kLeader, {0, 0, 10, 10, 0.785398, 0});
  CadElement* text = Make(ElementKind::kText, {20, 20, 0, 0, 0, 0});
  CadElement* witness = Make(ElementKind::kWitness, {30, 0, 0, 40, 0, 0});
  EXPECT_EQ(Pick(At(5, 5)), leader);  // on the drawn line tip -> tail
  EXPECT_EQ(Pick(At(20.5, 20)), text);
  EXPECT_EQ(Pick(At(35, 0.1)), witness);
  view.slot = 2;
  EXPECT_EQ(Pick(At(20.5, 0)), nullptr);
}

TEST_F(PickTest, IsometricProbeKeepsStates) {
  view.slot = 4;
  CadElement* group = Make(ElementKind::kLine, {0, 0, 0, 10, 0, 0});
  group->state = ElementState::kGroup;
  CadElement* tool = Make(ElementKind::kLine, {0, 5, 0, 10, 5, 0});
  tool->state = ElementState::kToolpath;
  view.footprints[group] = {{100, 100}, {101, 100}};
  view.footprints[tool] = {{200, 200}, {201, 200}};
  // Nothing lit around the cursor: a beep without probing.
  EXPECT_EQ(Pick({150, 150}), nullptr);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_TRUE(view.paints.empty());
  view.pixels[{200, 202}] = 0xFFFFFF;
  EXPECT_EQ(Pick({200, 200}), tool);
  EXPECT_EQ(table.pick_index, 2);
  EXPECT_EQ(group->state, ElementState::kGroup);
  EXPECT_EQ(tool->state, ElementState::kToolpath);
  // The miss painted the group back in its own colour.
  EXPECT_EQ(view.ReadPixel({100, 100}), CanvasRgb(palette::kRed));
  EXPECT_EQ(view.ReadPixel({200, 200}), CanvasRgb(palette::kYellow));
}

}  // namespace
}  // namespace vormak
