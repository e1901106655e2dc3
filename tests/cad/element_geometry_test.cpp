#include <gtest/gtest.h>

#include "cad/element_geometry.h"
#include "support/fake_host.h"

namespace vormak {
namespace {

CadElement Element(ElementKind kind, std::array<double, 6> d) {
  CadElement e;
  e.kind = kind;
  e.d = d;
  return e;
}

TEST(ElementGeometry, PickedElementsCrossNearestTheSecondPick) {
  FakeHost host;
  const CadElement line = Element(ElementKind::kLine, {-10, 3, 0, 10, 3, 0});
  const CadElement arc = Element(ElementKind::kArc, {0, 0, 0, 5, 0, 360});
  const CadElement other = Element(ElementKind::kArc, {6, 0, 0, 5, 0, 360});
  Point at;
  ASSERT_EQ(IntersectElements(host, line, arc, {-9, 9}, at), 0);
  EXPECT_NEAR(at.x, -4, 1e-5);
  ASSERT_EQ(IntersectElements(host, arc, line, {9, 9}, at), 0);  // either order
  EXPECT_NEAR(at.x, 4, 1e-5);
  ASSERT_EQ(IntersectElements(host, arc, other, {3, -9}, at), 0);
  EXPECT_NEAR(at.x, 3, 1e-9);
  EXPECT_NEAR(at.y, -4, 1e-9);
  EXPECT_TRUE(host.messages.empty());
}

TEST(ElementGeometry, FailuresAreShown) {
  FakeHost host;
  const CadElement far_line = Element(ElementKind::kLine, {-10, 9, 0, 10, 9, 0});
  const CadElement arc = Element(ElementKind::kArc, {0, 0, 0, 5, 0, 360});
  const CadElement parallel = Element(ElementKind::kLine, {-10, 1, 0, 10, 1, 0});
  const CadElement same_centre = Element(ElementKind::kArc, {0, 0, 0, 2, 0, 90});
  Point at{1, 2, 3};
  EXPECT_EQ(IntersectElements(host, far_line, arc, {}, at), kGeoRadiusDoesNotIntersect);
  EXPECT_EQ(IntersectElements(host, far_line, parallel, {}, at), kGeoParallelLines);
  EXPECT_EQ(IntersectElements(host, arc, same_centre, {}, at), kGeoConcentricCircles);
  EXPECT_EQ(at, (Point{1, 2, 3}));
  const std::vector<std::string> shown{"RADIUS DOES NOT INTERSECT", "PARALLEL LINES",
                                       "CONCENTRIC CIRCLES"};
  EXPECT_EQ(host.Texts(), shown);
}

TEST(ElementGeometry, NearestPointsAndViewAxes) {
  const CadElement line = Element(ElementKind::kLine, {0, 0, 0, 10, 0, 0});
  const CadElement arc = Element(ElementKind::kArc, {0, 0, 0, 5, 0, 90});
  const CadElement point = Element(ElementKind::kPoint, {1, 2, 3, 0, 0, 0});
  EXPECT_NEAR(NearestPointOnElement(line, {4, 7}).x, 4, 1e-5);
  EXPECT_NEAR(NearestPointOnElement(arc, {0, -9}).y, -5, 1e-9);  // the circle, not the arc
  EXPECT_EQ(NearestPointOnElement(point, {9, 9}), (Point{1, 2, 3}));
  EXPECT_EQ(ToViewAxes(1, {1, 2, 3}), (Point{1, 2, 0}));
  EXPECT_EQ(ToViewAxes(2, {1, 2, 3}), (Point{1, 3, 0}));
  EXPECT_EQ(ToViewAxes(3, {1, 2, 3}), (Point{2, 3, 0}));
}

}  // namespace
}  // namespace vormak
