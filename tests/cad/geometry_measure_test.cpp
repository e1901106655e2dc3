#include <gtest/gtest.h>

#include "cad/geometry_measure.h"
#include "cad/geometry_project.h"

namespace vormak {
namespace {

TEST(Distance, FarApartPairsMeasureZero) {
  EXPECT_DOUBLE_EQ(Distance2D({0, 0}, {3, 4}), 5);
  EXPECT_EQ(Distance2D({-100000, 0}, {100000, 0}), 0);
  EXPECT_EQ(Distance2D({0, 0}, {3, 100000.5}), 0);
  EXPECT_DOUBLE_EQ(Distance2D({0, 0}, {100000, 0}), 100000);  // the limit itself still counts
  EXPECT_DOUBLE_EQ(Distance3D({0, 0, 0}, {2, 3, 6}), 7);
}

TEST(DirectionAngle, QuadrantsAndAxes) {
  const Point o{0, 0};
  EXPECT_NEAR(DirectionAngle(o, {0, -1}), 270, 1e-5);
  EXPECT_NEAR(DirectionAngle(o, {-1, 0}), 180, 1e-5);
  EXPECT_NEAR(DirectionAngle(o, {0, 1}), 90, 1e-5);
  EXPECT_NEAR(DirectionAngle(o, {1, 0}), 0, 1e-5);
  EXPECT_NEAR(DirectionAngle(o, {1, 1}), 45, 1e-9);
  EXPECT_NEAR(DirectionAngle(o, {-1, 1}), 135, 1e-9);
  EXPECT_NEAR(DirectionAngle(o, {-1, -1}), 225, 1e-9);
  EXPECT_NEAR(DirectionAngle(o, {1, -1}), 315, 1e-9);
  EXPECT_EQ(DirectionAngle({2, 3}, {2, 3}), 0);
  // Never reaches 360: a point just below the X axis reads just under a full turn.
  EXPECT_LT(DirectionAngle(o, {1, -1e-9}), 360);
}

TEST(NormalizeAngle, AtMostTwoTurnsEachWay) {
  EXPECT_EQ(NormalizeAngle(360), 360);
  EXPECT_EQ(NormalizeAngle(370), 10);
  EXPECT_EQ(NormalizeAngle(-10), 350);
  EXPECT_EQ(NormalizeAngle(1090), 370);  // three turns: only two come off
  EXPECT_EQ(NormalizeAngle(-730), -10);
}

TEST(ArcSweep, DirectionsAndEqualAngles) {
  EXPECT_EQ(ArcSweep(ArcDirection::kCounterClockwise, 10, 100), 90);
  EXPECT_EQ(ArcSweep(ArcDirection::kCounterClockwise, 350, 10), 20);
  EXPECT_EQ(ArcSweep(ArcDirection::kClockwise, 10, 100), 270);
  EXPECT_EQ(ArcSweep(ArcDirection::kClockwise, 350, 10), 340);
  EXPECT_EQ(ArcSweep(ArcDirection::kCounterClockwise, 45, 45), 360);
  EXPECT_EQ(ArcSweep(ArcDirection::kClockwise, 45, 45), 360);
  EXPECT_NEAR(ArcLength(ArcDirection::kCounterClockwise, 0, 90, 2), kPi, 1e-12);
}

TEST(PointsOnCircles, EndsCarryTheCentreZ) {
  const Point p = PointOnCircle({1, 2, 7}, 2, 90);
  EXPECT_NEAR(p.x, 1, 1e-12);
  EXPECT_NEAR(p.y, 4, 1e-12);
  EXPECT_EQ(p.z, 7);
  const ArcEnds ends = ArcEndPoints({{0, 0, 0}, 5, 0, 180});
  EXPECT_NEAR(ends.start.x, 5, 1e-12);
  EXPECT_NEAR(ends.end.x, -5, 1e-12);
  const Point m = Midpoint({0, 0, 0}, {2, 4, 6});
  EXPECT_EQ(m, (Point{1, 2, 3}));
}

TEST(Projection, FeetAndNearestPoints) {
  const Point foot = FootOf({{0, 0}, {10, 0}}, {3, 5});
  EXPECT_NEAR(foot.x, 3, 1e-5);
  EXPECT_NEAR(foot.y, 0, 1e-5);
  const Point on_vertical = FootOf({{2, -1}, {2, 9}}, {-4, 6});
  EXPECT_NEAR(on_vertical.x, 2, 1e-5);
  EXPECT_NEAR(on_vertical.y, 6, 1e-5);
  const Point slanted = FootOf({{0, 0}, {4, 4}}, {0, 4});
  EXPECT_NEAR(slanted.x, 2, 1e-9);
  EXPECT_NEAR(slanted.y, 2, 1e-9);
  const Point nearest = NearestPointOnCircle({{1, 1}, 2}, {1, 10});
  EXPECT_NEAR(nearest.x, 1, 1e-5);
  EXPECT_NEAR(nearest.y, 3, 1e-9);
  const Line perpendicular = PerpendicularThrough({3, 5}, {{0, 0}, {10, 0}});
  EXPECT_EQ(perpendicular.start, (Point{3, 5}));
  EXPECT_NEAR(perpendicular.end.y, 0, 1e-5);
}

TEST(Projection, NormalFormNeedsTwoPoints) {
  NormalForm form;
  EXPECT_EQ(LineNormalForm({{0, 2}, {4, 2}}, form), 0);
  EXPECT_DOUBLE_EQ(form.normal_x, 0);
  EXPECT_DOUBLE_EQ(form.normal_y, -1);
  EXPECT_DOUBLE_EQ(form.offset, -2);
  NormalForm untouched{9, 9, 9};
  EXPECT_EQ(LineNormalForm({{1, 1}, {1, 1}}, untouched), kGeoUndefinedLine);
  EXPECT_EQ(untouched.offset, 9);
}

}  // namespace
}  // namespace vormak
