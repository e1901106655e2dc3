#include <gtest/gtest.h>

#include <cmath>

#include "cad/geometry_construct.h"
#include "cad/geometry_measure.h"
#include "cad/geometry_project.h"
#include "support/fake_host.h"

namespace vormak {
namespace {

double DistanceToLine(const Point& p, const Line& line) {
  return Distance2D(p, FootOf(line, p));
}

TEST(OffsetLine, MovesTowardTheSidePoint) {
  const Line moved = OffsetLine({{0, 0, 1}, {10, 0, 2}}, {4, -3}, 2);
  EXPECT_NEAR(moved.start.x, 0, 1e-5);
  EXPECT_NEAR(moved.start.y, -2, 1e-9);
  EXPECT_NEAR(moved.end.x, 10, 1e-5);
  EXPECT_NEAR(moved.end.y, -2, 1e-9);
  EXPECT_EQ(moved.start.z, 1);
  EXPECT_EQ(moved.end.z, 2);
  const Line slanted = OffsetLine({{0, 0}, {4, 4}}, {0, 4}, std::sqrt(2.0));
  EXPECT_NEAR(slanted.start.x, -1, 1e-9);
  EXPECT_NEAR(slanted.start.y, 1, 1e-9);
}

TEST(FilletCentre, KnownCorner) {
  Point centre;
  // A corner at the origin between +X and +Y; sides inside the quadrant.
  ASSERT_EQ(FilletCentre({{0, 0}, {10, 0}}, {{0, 0}, {0, 10}}, {5, 5}, {5, 5}, 2, centre), 0);
  EXPECT_NEAR(centre.x, 2, 1e-4);
  EXPECT_NEAR(centre.y, 2, 1e-4);
  EXPECT_EQ(FilletCentre({{0, 0}, {10, 0}}, {{0, 5}, {10, 5}}, {1, 1}, {1, 1}, 1, centre),
            kGeoParallelLines);
}

TEST(TangentLineToTwoCircles, OuterTangentOnThePicksSide) {
  FakeHost host;
  Line tangent;
  ASSERT_EQ(TangentLineToTwoCircles(host, {{0, 0}, 2}, {0, 5}, {{10, 0}, 1}, {10, 5}, tangent), 0);
  // Both touching points on their circles, the line touching each.
  EXPECT_NEAR(Distance2D(tangent.start, {0, 0}), 2, 1e-9);
  EXPECT_NEAR(Distance2D(tangent.end, {10, 0}), 1, 1e-9);
  EXPECT_GT(tangent.start.y, 0);
  EXPECT_GT(tangent.end.y, 0);
  EXPECT_NEAR(DistanceToLine({0, 0}, tangent), 2, 1e-4);
  EXPECT_NEAR(DistanceToLine({10, 0}, tangent), 1, 1e-4);
}

TEST(TangentLineToTwoCircles, EqualCirclesRunParallelToTheCentres) {
  FakeHost host;
  Line tangent;
  ASSERT_EQ(TangentLineToTwoCircles(host, {{0, 0}, 3}, {1, -9}, {{10, 0}, 3}, {9, -9}, tangent), 0);
  EXPECT_NEAR(tangent.start.x, 0, 1e-6);
  EXPECT_NEAR(tangent.start.y, -3, 1e-9);
  EXPECT_NEAR(tangent.end.x, 10, 1e-6);
  EXPECT_NEAR(tangent.end.y, -3, 1e-9);
}

TEST(TangentLineToTwoCircles, CrossingTangentAndOverlap) {
  FakeHost host;
  Line tangent;
  ASSERT_EQ(TangentLineToTwoCircles(host, {{0, 0}, 2}, {0, 5}, {{10, 0}, 2}, {10, -5}, tangent), 0);
  EXPECT_GT(tangent.start.y, 0);
  EXPECT_LT(tangent.end.y, 0);
  EXPECT_NEAR(DistanceToLine({0, 0}, tangent), 2, 1e-4);
  EXPECT_NEAR(DistanceToLine({10, 0}, tangent), 2, 1e-4);
  // A crossing tangent between overlapping circles does not exist: shown, and returned.
  EXPECT_EQ(TangentLineToTwoCircles(host, {{0, 0}, 3}, {0, 5}, {{4, 0}, 3}, {4, -5}, tangent),
            kGeoRadiusDoesNotIntersect);
  EXPECT_TRUE(host.Showed("RADIUS DOES NOT INTERSECT"));
}

TEST(CircleTangentToThreeLines, TriangleAndParallelPair) {
  Point centre;
  double radius = 0;
  // The 3-4-5 triangle has an inscribed circle of radius 1 at (1, 1).
  ASSERT_EQ(CircleTangentToThreeLines({{0, 0}, {4, 0}}, {{0, 0}, {0, 3}}, {{4, 0}, {0, 3}}, {1, 1},
                                      centre, radius),
            0);
  EXPECT_NEAR(centre.x, 1, 1e-4);
  EXPECT_NEAR(centre.y, 1, 1e-4);
  EXPECT_NEAR(radius, 1, 1e-4);
  // Lines y = 0 and y = 4 with the third line x = 10: radius 2, centre on the reference side.
  ASSERT_EQ(CircleTangentToThreeLines({{0, 0}, {10, 0}}, {{10, 4}, {0, 4}}, {{10, -5}, {10, 9}},
                                      {0, 2}, centre, radius),
            0);
  EXPECT_NEAR(centre.x, 8, 1e-4);
  EXPECT_NEAR(centre.y, 2, 1e-4);
  EXPECT_NEAR(radius, 2, 1e-9);
  ASSERT_EQ(CircleTangentToThreeLines({{0, 0}, {10, 0}}, {{10, 4}, {0, 4}}, {{10, -5}, {10, 9}},
                                      {20, 2}, centre, radius),
            0);
  EXPECT_NEAR(centre.x, 12, 1e-4);
  EXPECT_EQ(CircleTangentToThreeLines({{0, 0}, {10, 0}}, {{0, 4}, {10, 4}}, {{0, 9}, {10, 9}},
                                      {0, 2}, centre, radius),
            kGeoParallelLines);
  EXPECT_EQ(CircleTangentToThreeLines({{-1, -1}, {1, 1}}, {{-1, 1}, {1, -1}}, {{0, -1}, {0, 1}},
                                      {0, 2}, centre, radius),
            kGeoThreePointsOnLine);
}

TEST(CircleCentre, TangentToLineCircleAndThroughPoint) {
  EXPECT_NEAR(CircleCentreTangentToLine({3, 4}, {{0, 0}, {10, 0}}), 4, 1e-5);
  EXPECT_EQ(CircleCentreTangentToLine({3, 0.000005}, {{0, 0}, {10, 0}}), 0);
  const Circle circle{{0, 0}, 2};
  // Pick near the touching point: the circles touch from outside.
  EXPECT_NEAR(CircleCentreTangentToCircle({10, 0}, circle, {2.1, 0}), 8, 1e-9);
  // Pick on the far side: the new circle goes round the other.
  EXPECT_NEAR(CircleCentreTangentToCircle({3, 0}, circle, {-2, 0}), 5, 1e-9);
  EXPECT_DOUBLE_EQ(CircleCentreThroughPoint({1, 1}, {4, 5}), 5);
}

TEST(ArcTangentThroughPoint, LineRadiusTooSmall) {
  FakeHost host;
  Point centre{5, 5};
  EXPECT_EQ(ArcTangentThroughPoint(host, {{0, 0}, {10, 0}}, {5, 3}, {6, 3}, 1, centre),
            kGeoArcDoesNotIntersect);
  EXPECT_TRUE(host.Showed("Radius is Too Small\r\nMin Size is 1.5"));
  EXPECT_EQ(centre, (Point{5, 5}));
  ASSERT_EQ(ArcTangentThroughPoint(host, {{0, 0}, {10, 0}}, {5, 3}, {9, 3}, 2, centre), 0);
  EXPECT_NEAR(centre.y, 2, 1e-6);
  EXPECT_NEAR(Distance2D(centre, {5, 3}), 2, 1e-6);
  EXPECT_GT(centre.x, 5);  // on P's side
}

TEST(ArcTangentThroughPoint, AroundAnArc) {
  Point centre;
  ASSERT_EQ(ArcTangentThroughPoint({{0, 0}, 5, 0, 360}, {6.5, 0}, {6.5, 5}, 1, centre), 0);
  EXPECT_NEAR(Distance2D(centre, {0, 0}), 6, 1e-9);
  EXPECT_NEAR(Distance2D(centre, {6.5, 0}), 1, 1e-9);
  EXPECT_GT(centre.y, 0);
  EXPECT_EQ(ArcTangentThroughPoint({{0, 0}, 5, 0, 360}, {20, 0}, {20, 1}, 1, centre),
            kGeoRadiusDoesNotIntersect);
}

TEST(CircleThroughTwoPointsTangentToLine, ParallelAndSlanted) {
  FakeHost host;
  Point centre;
  double radius = 0;
  ASSERT_EQ(CircleThroughTwoPointsTangentToLine(host, {-3, 4}, {3, 4}, {{-10, 0}, {10, 0}}, centre,
                                                radius),
            0);
  EXPECT_NEAR(centre.x, 0, 1e-5);
  EXPECT_NEAR(radius, DistanceToLine(centre, {{-10, 0}, {10, 0}}), 1e-4);
  ASSERT_EQ(CircleThroughTwoPointsTangentToLine(host, {1, 1}, {3, 4}, {{-10, 0}, {10, 0}}, centre,
                                                radius),
            0);
  EXPECT_NEAR(Distance2D(centre, {1, 1}), radius, 1e-6);
  EXPECT_NEAR(Distance2D(centre, {3, 4}), radius, 1e-6);
  EXPECT_NEAR(std::fabs(centre.y), radius, 1e-4);  // touches y = 0
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace vormak
