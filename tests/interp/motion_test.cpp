#include "interp/motion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "cad/element_table.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

class MotionTest : public ::testing::Test {
 protected:
  MotionTest() : bench(host) {
    bench.settings.system_type = SystemType::kMill;
    bench.settings.use.Set(kUseTools, false);
    bench.interp.motion.move_observer = [this](const DrawnMove& m) { moves.push_back(m); };
    bench.interp.motion.record_toolpath = true;
    T().SetG(0, true);
  }
  TurretState& T() { return bench.interp.Turret(1); }
  void Mode(int g) {
    for (int code = 0; code <= 3; ++code) T().SetG(code, code == g);
  }
  std::vector<CadElement> Recorded() {
    std::vector<CadElement> out;
    ForEachElement(bench.cad.table, [&](int, CadElement& e) { out.push_back(e); });
    return out;
  }

  FakeHost host;
  Workbench bench;
  std::vector<DrawnMove> moves;
};

TEST_F(MotionTest, G01WithoutFeedIsARapid) {
  Mode(1);
  T()[kRegF] = 0;
  ExecuteMove(bench, 1, 0, 0, 0, 5, 0, 0, 0);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].kind, MoveKind::kRapid);
  EXPECT_EQ(moves[0].colour, palette::kYellow);
  EXPECT_EQ(moves[0].style, 2);
}

TEST_F(MotionTest, FeedCutoffsChooseColourAndStyle) {
  bench.settings.rapid_cutoff = 0.05;
  bench.settings.feed_cutoff = 0.03;
  Mode(1);
  const auto run = [&](double f) {
    T()[kRegF] = f;
    moves.clear();
    ExecuteMove(bench, 1, 0, 0, 0, 1, 0, 0, f);
    EXPECT_EQ(moves.size(), 1u);
    return moves.empty() ? DrawnMove{} : moves[0];
  };
  DrawnMove m = run(0.06);
  EXPECT_EQ(m.kind, MoveKind::kFeed);  // drawn like a rapid, still a feed move
  EXPECT_EQ(m.colour, palette::kYellow);
  EXPECT_EQ(m.style, 2);
  m = run(0.04);
  EXPECT_EQ(m.colour, palette::kRed);
  EXPECT_EQ(m.style, 1);
  m = run(0.02);
  EXPECT_EQ(m.colour, palette::kAqua);
  bench.settings.use.Set(kUseCoolant, true);
  EXPECT_EQ(run(0.02).colour, palette::kWhite);
  bench.interp.machine.coolant_on = true;
  EXPECT_EQ(run(0.02).colour, palette::kAqua);
}

TEST_F(MotionTest, Rapid45DrawsTheDiagonalFirst) {
  bench.settings.use.Set(kUseRapid45, true);
  ExecuteMove(bench, 1, 0, 0, 0, 10, 4, 0, 0);
  ExecuteMove(bench, 1, 0, 0, 0, 3, 3, 0, 0);
  const auto legs = Recorded();
  ASSERT_EQ(legs.size(), 4u);
  const std::array<double, 6> first{0, 0, 0, 4, 4, 0}, second{4, 4, 0, 10, 4, 0};
  EXPECT_EQ(legs[0].d, first);
  EXPECT_EQ(legs[1].d, second);
  const std::array<double, 6> zero{0, 0, 0, 0, 0, 0}, diagonal{0, 0, 0, 3, 3, 0};
  EXPECT_EQ(legs[2].d, zero);
  EXPECT_EQ(legs[3].d, diagonal);
  EXPECT_EQ(legs[0].style, 2);
  EXPECT_EQ(legs[0].state, ElementState::kToolpath);
}

TEST_F(MotionTest, MillClockwiseArcByIncrementalCentre) {
  Mode(2);
  T()[kRegF] = 0.01;
  T()[kRegJ] = -10;
  ExecuteMove(bench, 1, 0, 10, 0, 10, 0, 0, 0.01);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].kind, MoveKind::kArc);
  EXPECT_EQ(moves[0].direction, 2);
  EXPECT_DOUBLE_EQ(moves[0].radius, 10);
  EXPECT_EQ(moves[0].centre, (Xyz{0, 0, 0}));
  const auto arcs = Recorded();
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0].kind, ElementKind::kArc);
  EXPECT_NEAR(arcs[0].d[4], 0, 1e-5);
  EXPECT_NEAR(arcs[0].d[5], 90, 1e-5);
  EXPECT_EQ(arcs[0].view, 1);
}

TEST_F(MotionTest, LatheArcBelowTheAxisWithLatheMinus) {
  bench.settings.system_type = SystemType::kLathe;
  bench.settings.lathe_minus = true;
  Mode(3);
  T()[kRegF] = 0.01;
  T()[kRegI] = 0;
  T()[kRegK] = -2;  // centre 2 back along Z from the start
  // (Z, X): from Z0 X2 to Z-2 X4: counter-clockwise about (-2, 2).
  ExecuteMove(bench, 1, 0, 2, 0, -2, 4, 0, 0.01);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].centre, (Xyz{-2, 2, 0}));
  const auto arcs = Recorded();
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_DOUBLE_EQ(arcs[0].d[0], -2);
  EXPECT_DOUBLE_EQ(arcs[0].d[1], -2);  // drawn below the axis
  // Mirrored, the arc runs clockwise from 0 to 270: counter-clockwise 270 -> 360/0.
  EXPECT_NEAR(arcs[0].d[4], 270, 1e-5);
  EXPECT_NEAR(std::fmod(arcs[0].d[5], 360), 0, 1e-5);
}

TEST_F(MotionTest, ZeroRadiusCancelStopsAndLeavesRapidMode) {
  Mode(2);
  T()[kRegF] = 0.01;
  host.QueueAnswer(Answer::kCancel);
  ExecuteMove(bench, 1, 0, 0, 0, 1, 0, 0, 0.01);
  EXPECT_TRUE(host.Showed("Plot is in Arc Mode.\r\nRadius = 0  Press Enter"));
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_TRUE(T().G(0));
  EXPECT_FALSE(T().G(2));
  EXPECT_TRUE(moves.empty());
}

TEST_F(MotionTest, SolidViewHidesRapidsButDrawsFeeds) {
  bench.interp.motion.solid_view = true;
  ExecuteMove(bench, 1, 0, 0, 0, 5, 0, 0, 0);
  EXPECT_TRUE(moves.empty());
  Mode(1);
  T()[kRegF] = 0.01;
  ExecuteMove(bench, 1, 5, 0, 0, 5, 5, 0, 0.01);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].kind, MoveKind::kFeed);
}

TEST_F(MotionTest, CycleRapidsAreNotDrawnTwiceAfterG01) {
  Mode(1);
  T()[kRegF] = 0.01;
  T().SetG(81, true);
  bench.interp.machine.cycle_active = true;
  ExecuteMove(bench, 1, 0, 0, 1, 0, 0, 0.1, 0);      // rapid to R
  ExecuteMove(bench, 1, 0, 0, 0.1, 0, 0, -1, 0.01);  // feed down
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[0].kind, MoveKind::kRapid);
  EXPECT_EQ(moves[1].kind, MoveKind::kFeed);
}

// A control turns G2 clockwise seen from the plane's positive normal: seen from +Y the X-Z
// plane has Z to the right and X up, so the front view (X to the right) shows it the other way.
TEST_F(MotionTest, XZPlaneArcsTurnAsSeenFromPlusY) {
  bench.interp.time.accounting = true;
  T().SetG(18, true);
  T()[kRegF] = 10;
  const auto arc = [&](int g, double i, double j, double k, const Point& to) {
    Mode(g);
    T()[kRegI] = i, T()[kRegJ] = j, T()[kRegK] = k;
    moves.clear();
    bench.interp.time.block_time = 0;
    ExecuteMove(bench, 1, 0, 0, 0, to.x, to.y, to.z, 10);
    EXPECT_EQ(moves.size(), 1u);
    return moves.empty() ? DrawnMove{} : moves[0];
  };
  // From X0 Z0 to X10 Z10 about X0 Z10: a quarter turn clockwise.
  DrawnMove m = arc(2, 0, 0, 10, {10, 0, 10});
  EXPECT_EQ(m.plane, 2);
  EXPECT_EQ(m.direction, 2);
  EXPECT_NEAR(m.sweep, -90, 1e-4);
  EXPECT_NEAR(bench.interp.time.block_time, 5 * kPi / 10 + 10 * 0.00002, 1e-6);
  // Recorded counter-clockwise as the front view draws it: from 270 (below the centre) to 360.
  std::vector<CadElement> arcs = Recorded();
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0].view, 2);
  EXPECT_NEAR(arcs[0].d[4], 270, 1e-4);
  EXPECT_NEAR(arcs[0].d[5], 360, 1e-4);
  // The other way round about X10 Z0.
  m = arc(3, 10, 0, 0, {10, 0, 10});
  EXPECT_NEAR(m.sweep, 90, 1e-4);
  EXPECT_EQ(m.centre, (Xyz{10, 0, 0}));
  // The Y-Z plane is seen from +X with Y to the right: G2 from below the centre to its right
  // goes the long way round.
  T().SetG(18, false);
  T().SetG(19, true);
  m = arc(2, 0, 0, 10, {0, 10, 10});
  EXPECT_EQ(m.plane, 3);
  EXPECT_NEAR(m.sweep, -270, 1e-4);
  EXPECT_NEAR(bench.interp.time.block_time, 15 * kPi / 10 + 10 * 0.00002, 1e-6);
}

struct RCase {
  int g;
  double r;
  double cx, cy;
};

TEST_F(MotionTest, RadiusWordPicksTheCentre) {
  for (const RCase rc : {RCase{2, 5, 5, 0}, RCase{2, -5, 5, 0}, RCase{2, 6, 5, -3.316625},
                         RCase{2, -6, 5, 3.316625}, RCase{3, 6, 5, 3.316625}}) {
    Mode(rc.g);
    T()[kRegPrevX] = 0, T()[kRegPrevY] = 0, T()[kRegX] = 10, T()[kRegY] = 0;
    ArcCentreFromRadius(bench, 1, rc.r);
    EXPECT_NEAR(T()[kRegI], rc.cx, 1e-6) << rc.g << " R" << rc.r;
    EXPECT_NEAR(T()[kRegJ], rc.cy, 1e-6) << rc.g << " R" << rc.r;
  }
  // Too short a radius leaves the record alone.
  T()[kRegI] = 1;
  ArcCentreFromRadius(bench, 1, 4);
  EXPECT_EQ(T()[kRegI], 1);
}

TEST_F(MotionTest, RadiusWordOnALatheAndInTheXZPlane) {
  bench.settings.system_type = SystemType::kLathe;
  Mode(2);
  // Z0 X0 to Z-10 X0 (radius), R5: centre Z-5 X0.
  T()[kRegPrevZ] = 0, T()[kRegPrevX] = 0, T()[kRegZ] = -10, T()[kRegX] = 0;
  ArcCentreFromRadius(bench, 1, 5);
  EXPECT_NEAR(T()[kRegK], -5, 1e-5);
  EXPECT_NEAR(T()[kRegI], 0, 1e-5);
  bench.settings.system_type = SystemType::kMill;
  T().SetG(17, false);
  T().SetG(18, true);
  T()[kRegPrevX] = 0, T()[kRegPrevZ] = 0, T()[kRegX] = 0, T()[kRegZ] = 10;
  T()[kRegJ] = 0;
  ArcCentreFromRadius(bench, 1, 5);
  EXPECT_NEAR(T()[kRegI], 0, 1e-5);
  EXPECT_NEAR(T()[kRegK], 5, 1e-5);
  // X0 Z0 to X10 Z10 by R10: G2 turns about X0 Z10, G3 about X10 Z0, and the long way round
  // (negative R) swaps them.
  for (const RCase rc :
       {RCase{2, 10, 0, 10}, RCase{3, 10, 10, 0}, RCase{2, -10, 10, 0}, RCase{3, -10, 0, 10}}) {
    Mode(rc.g);
    T()[kRegX] = 10, T()[kRegZ] = 10;
    ArcCentreFromRadius(bench, 1, rc.r);
    EXPECT_NEAR(T()[kRegI], rc.cx, 1e-6) << rc.g << " R" << rc.r;
    EXPECT_NEAR(T()[kRegK], rc.cy, 1e-6) << rc.g << " R" << rc.r;
  }
}

}  // namespace
}  // namespace vormak
