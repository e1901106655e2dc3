#include <gtest/gtest.h>

#include <cmath>

#include "cad/geometry_intersect.h"
#include "cad/geometry_measure.h"
#include "support/fake_host.h"

namespace vormak {
namespace {

TEST(IntersectLines, ParallelAndVertical) {
  Point at{7, 7, 7};
  EXPECT_EQ(IntersectLines({{0, 0}, {1, 1}}, {{0, 1}, {1, 2}}, at), kGeoParallelLines);
  EXPECT_EQ(at, (Point{7, 7, 7}));  // untouched
  ASSERT_EQ(IntersectLines({{5, 0}, {5, -1}}, {{0, 2}, {10, 2}}, at), 0);
  EXPECT_NEAR(at.x, 5, 1e-5);
  EXPECT_NEAR(at.y, 2, 1e-5);
  EXPECT_EQ(at.z, 0);
  ASSERT_EQ(IntersectLines({{0, 0, 3}, {2, 2, 3}}, {{0, 2}, {2, 0}}, at), 0);
  EXPECT_NEAR(at.x, 1, 1e-12);
  EXPECT_NEAR(at.y, 1, 1e-12);
  EXPECT_EQ(at.z, 0);
}

TEST(IntersectLines, WarningVariant) {
  FakeHost host;
  Point at;
  EXPECT_FALSE(IntersectLinesOrWarn(host, {{0, 0}, {1, 0}}, {{0, 1}, {5, 1}}, at));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, "warning");
  EXPECT_EQ(host.messages[0].text, "Parallel Lines");
  EXPECT_TRUE(IntersectLinesOrWarn(host, {{0, 0}, {1, 0}}, {{3, -1}, {3, 1}}, at));
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST(IntersectLineCircle, TouchingAllowanceAndMiss) {
  const Circle circle{{0, 0}, 5};
  PointPair at;
  // 5.00005 from the centre: within the allowance, both results are the foot.
  ASSERT_EQ(IntersectLineCircle({{-10, 5.00005}, {10, 5.00005}}, circle, at), 0);
  EXPECT_NEAR(at.first.x, 0, 1e-5);
  EXPECT_NEAR(at.first.y, 5.00005, 1e-6);
  EXPECT_EQ(at.first, at.second);
  // Exactly tangent.
  ASSERT_EQ(IntersectLineCircle({{-10, 5}, {10, 5}}, circle, at), 0);
  EXPECT_EQ(at.first, at.second);
  // 5.0002: a miss.
  PointPair untouched{{1, 1}, {2, 2}};
  EXPECT_EQ(IntersectLineCircle({{-10, 5.0002}, {10, 5.0002}}, circle, untouched),
            kGeoRadiusDoesNotIntersect);
  EXPECT_EQ(untouched.first, (Point{1, 1}));
}

TEST(IntersectLineCircle, CrossingGivesBothPointsAlongTheLine) {
  PointPair at;
  ASSERT_EQ(IntersectLineCircle({{-10, 3}, {10, 3}}, {{0, 0}, 5}, at), 0);
  // First along the line's direction, then against it.
  EXPECT_NEAR(at.first.x, 4, 1e-5);
  EXPECT_NEAR(at.second.x, -4, 1e-5);
  EXPECT_NEAR(at.first.y, 3, 1e-5);
  ASSERT_EQ(IntersectLineCircle({{1, 10}, {1, -10}}, {{1, 0}, 2}, at), 0);  // vertical, downward
  EXPECT_NEAR(at.first.y, -2, 1e-5);
  EXPECT_NEAR(at.second.y, 2, 1e-5);
  EXPECT_NEAR(at.first.x, 1, 1e-5);
}

TEST(IntersectCircles, ErrorNumbers) {
  PointPair at;
  EXPECT_EQ(IntersectCircles({{0, 0}, 3}, {{10, 0}, 3}, at), kGeoRadiusDoesNotIntersect);
  EXPECT_EQ(IntersectCircles({{1, 1}, 3}, {{1, 1}, 5}, at), kGeoConcentricCircles);
  // One inside the other, beside it: the quadratic has no root.
  EXPECT_EQ(IntersectCircles({{0, 0}, 10}, {{1, 0.5}, 1}, at), kGeoRadiusDoesNotIntersect);
  // One inside the other, straight above it: the horizontal radical line misses.
  EXPECT_EQ(IntersectCircles({{0, 0}, 10}, {{0, 1}, 1}, at), kGeoArcDoesNotIntersect);
}

TEST(IntersectCircles, CrossingsLieOnBothCircles) {
  const Circle a{{0, 0}, 5};
  const Circle b{{6, 2}, 4};
  PointPair at;
  ASSERT_EQ(IntersectCircles(a, b, at), 0);
  for (const Point& p : {at.first, at.second}) {
    EXPECT_NEAR(Distance2D(p, a.centre), 5, 1e-9);
    EXPECT_NEAR(Distance2D(p, b.centre), 4, 1e-9);
  }
  EXPECT_GT(Distance2D(at.first, at.second), 1);
  // Centres one above the other take the horizontal-line branch.
  ASSERT_EQ(IntersectCircles({{0, 0}, 5}, {{0, 6}, 5}, at), 0);
  EXPECT_NEAR(at.first.y, 3, 1e-12);
  EXPECT_NEAR(std::fabs(at.first.x), 4, 1e-9);
  EXPECT_NEAR(at.first.x, -at.second.x, 1e-9);
}

TEST(IntersectCircles, TouchingWithinAllowance) {
  PointPair at;
  // Outside, 0.00005 apart: one touching point.
  ASSERT_EQ(IntersectCircles({{0, 0}, 5}, {{10.00005, 0}, 5}, at), 0);
  EXPECT_NEAR(at.first.x, 5.000025, 1e-6);
  EXPECT_NEAR(at.first.y, 0, 1e-6);
  EXPECT_NEAR(Distance2D(at.first, at.second), 0, 1e-6);
  // Inside, touching from within.
  ASSERT_EQ(IntersectCircles({{0, 0}, 10}, {{7.00002, 0}, 3}, at), 0);
  EXPECT_NEAR(at.first.x, 10, 1e-4);
  EXPECT_EQ(IntersectCircles({{0, 0}, 5}, {{10.0002, 0}, 5}, at), kGeoRadiusDoesNotIntersect);
}

TEST(TangentFromPoint, NearerTheReferenceAndInside) {
  FakeHost host;
  Line tangent;
  const Circle circle{{0, 0}, 5};
  ASSERT_EQ(TangentFromPoint(host, {10, 0}, circle, {0, 10}, tangent), 0);
  EXPECT_EQ(tangent.start, (Point{10, 0}));
  EXPECT_NEAR(tangent.end.x, 2.5, 1e-9);
  EXPECT_NEAR(tangent.end.y, 5 * std::sqrt(3.0) / 2, 1e-9);
  ASSERT_EQ(TangentFromPoint(host, {10, 0}, circle, {0, -10}, tangent), 0);
  EXPECT_LT(tangent.end.y, 0);
  EXPECT_EQ(TangentFromPoint(host, {1, 1}, circle, {0, 0}, tangent), kGeoThreePointsOnLine);
  EXPECT_TRUE(host.messages.empty());  // 908 is the caller's to show
}

TEST(ArcThroughTwoPoints, FitsWithinAllowance) {
  FakeHost host;
  PointPair centres;
  ASSERT_EQ(ArcThroughTwoPoints(host, {0, 0}, {10.00005, 0}, 5, centres), 0);
  EXPECT_NEAR(centres.first.x, 5.000025, 1e-6);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(ArcThroughTwoPoints(host, {0, 0}, {10.001, 0}, 5, centres), kGeoShownFailure);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Points Too Far Apart to Fit Arc");
  EXPECT_EQ(host.messages[0].kind, "warning");
  ASSERT_EQ(ArcThroughTwoPoints(host, {0, 0}, {6, 0}, 5, centres), 0);
  EXPECT_NEAR(centres.first.x, 3, 1e-9);
  EXPECT_NEAR(std::fabs(centres.first.y), 4, 1e-9);
  EXPECT_NEAR(centres.first.y, -centres.second.y, 1e-9);
}

TEST(ArcThroughTwoPoints, SideVariantKeepsTheRightOfTheChord) {
  FakeHost host;
  Point centre;
  ASSERT_EQ(ArcThroughTwoPointsSide(host, {0, 0}, {6, 0}, 5, centre), 0);
  EXPECT_NEAR(centre.x, 3, 1e-9);
  EXPECT_NEAR(centre.y, -4, 1e-9);  // right of a chord running in +X
  ASSERT_EQ(ArcThroughTwoPointsSide(host, {6, 0}, {0, 0}, 5, centre), 0);
  EXPECT_NEAR(centre.y, 4, 1e-9);
  // The side variant has no allowance.
  EXPECT_EQ(ArcThroughTwoPointsSide(host, {0, 0}, {10.00005, 0}, 5, centre), kGeoShownFailure);
  EXPECT_TRUE(host.Showed("Points Too Far Apart to Fit Arc"));
}

TEST(CircleThroughThreePoints, CollinearAndCoincident) {
  Point centre{9, 9};
  double radius = -1;
  EXPECT_EQ(CircleThroughThreePoints({0, 0}, {1, 1}, {2, 2}, centre, radius),
            kGeoThreePointsOnLine);
  // The middle point first: the directions differ by half a turn, still one line.
  EXPECT_EQ(CircleThroughThreePoints({0, 0}, {1, 0}, {-1, 0}, centre, radius),
            kGeoThreePointsOnLine);
  // Directions just either side of 0 degrees.
  EXPECT_EQ(CircleThroughThreePoints({0, 0}, {10, 1e-6}, {10, -1e-6}, centre, radius),
            kGeoThreePointsOnLine);
  EXPECT_EQ(CircleThroughThreePoints({0, 0}, {0, 0}, {3, 4}, centre, radius),
            kGeoThreePointsOnLine);
  EXPECT_EQ(centre, (Point{9, 9}));
  EXPECT_EQ(radius, -1);
  ASSERT_EQ(CircleThroughThreePoints({5, 0}, {0, 5}, {-5, 0}, centre, radius), 0);
  EXPECT_NEAR(centre.x, 0, 1e-12);
  EXPECT_NEAR(centre.y, 0, 1e-12);
  EXPECT_NEAR(radius, 5, 1e-12);
}

}  // namespace
}  // namespace vormak
