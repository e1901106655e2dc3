// Rotary words on a mill with "Rotary" on: a C turn in G01 is drawn as an arc about the origin
// and timed by its degrees; other moves are turned by the rotary angles.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "interp/motion_hooks.h"
#include "interp/run_driver.h"
#include "interp_fixture.h"

namespace vormak::test {
namespace {

class RotaryAxes : public InterpFixture {
 protected:
  void SetUp() override {
    bench.settings.use.Set(kUseRotary, true);
    bench.settings.rotary_axis = {1, 2, 3};  // A about X, B about Y, C about Z
  }
  static void ExpectPoint(const Xyz& p, double x, double y, double z) {
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
    EXPECT_NEAR(p.z, z, 1e-9);
  }
};

TEST_F(RotaryAxes, CInG01IsAnArcAboutTheOriginTimedByItsDegrees) {
  bench.interp.time.accounting = true;
  Lines({"G90 G00 X10. Y0 Z0"});
  moves.clear();
  const double before = bench.interp.time.total_time;
  Lines({"G01 C90. F100."});
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].kind, MoveKind::kArc);
  EXPECT_EQ(moves[0].direction, 3);
  EXPECT_NEAR(moves[0].radius, 10, 1e-9);
  ExpectPoint(moves[0].centre, 0, 0, 0);
  ExpectPoint(moves[0].start, 10, 0, 0);
  ExpectPoint(moves[0].end, 0, 10, 0);
  EXPECT_NEAR(bench.interp.time.total_time - before, 90.0 / 100 + 100 * 0.00002, 1e-12);

  // A negative C turns back clockwise, once.
  Lines({"G01 C-90."});
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[1].direction, 2);
  ExpectPoint(moves[1].start, 0, 10, 0);
  ExpectPoint(moves[1].end, 0, -10, 0);
  EXPECT_FALSE(bench.interp.motion.rotary_reverse);
}

TEST_F(RotaryAxes, LaterMovesAreTurnedByTheRotaryAngles) {
  Lines({"G90 G00 X0 Y0 Z0", "G00 C90."});
  moves.clear();
  Lines({"G01 X10. F100."});
  ASSERT_EQ(moves.size(), 1u);
  ExpectPoint(moves[0].end, 0, 10, 0);
  // The arc's centre offsets turn with it: a half circle from (10, 0) about (15, 0) becomes one
  // from (0, 10) about (0, 15).
  Lines({"G02 X20. Y0 I5. J0"});
  ASSERT_EQ(moves.size(), 2u);
  ExpectPoint(moves[1].start, 0, 10, 0);
  ExpectPoint(moves[1].end, 0, 20, 0);
  ExpectPoint(moves[1].centre, 0, 15, 0);
  // A about X turns Y into Z.
  Lines({"G00 C0 A90.", "G00 X0 Y5. Z0"});
  ExpectPoint(moves.back().end, 0, 0, 5);
}

// A new run starts unturned: Reset NC forgets the last run's rotary angles.
TEST_F(RotaryAxes, ResetNcForgetsTheTurn) {
  Lines({"G90 G00 X0 Y0 Z0", "G00 C90.", "(TRX 30,0,0)", "G01 X10. F100."});
  ExpectPoint(moves.back().end, 0, 10 * std::cos(std::numbers::pi / 6),
              10 * std::sin(std::numbers::pi / 6));
  ResetProgram(bench);
  const size_t before = moves.size();
  Lines({"G00 X20. Y0 Z0"});
  ASSERT_EQ(moves.size(), before + 1);
  ExpectPoint(moves.back().end, 20, 0, 0);
}

TEST_F(RotaryAxes, NothingTurnsWithRotaryOff) {
  bench.settings.use.Set(kUseRotary, false);
  Lines({"G90 G00 X0 Y0 Z0", "G00 C90.", "G01 X10. F100."});
  ASSERT_FALSE(moves.empty());
  ExpectPoint(moves.back().end, 10, 0, 0);
}

}  // namespace
}  // namespace vormak::test
