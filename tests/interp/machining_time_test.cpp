// Machining time of moves, dwells and comment codes, with the worked figures a programmer can
// check by hand.
#include "interp/machining_time.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "interp/block_interpreter.h"
#include "interp/run_driver.h"
#include "interp_fixture.h"

namespace vormak::test {
namespace {

class MachiningTime : public InterpFixture {
 protected:
  void SetUp() override { bench.interp.time.accounting = true; }
  const TimeState& Time() const { return bench.interp.time; }
};

TEST_F(MachiningTime, MillFeedAndRapidWithTheirAllowance) {
  Lines({"G90 G00 X0 Y0 Z0", "G01 X10. F100."});
  EXPECT_NEAR(Time().block_time, 0.102, 1e-12);
  Lines({"G00 X50."});
  EXPECT_NEAR(Time().block_time, 0.108, 1e-12);
  EXPECT_NEAR(Time().total_time, 0.210, 1e-12);
  // G01 with F0 is timed as a rapid; a move of zero length takes nothing.
  Lines({"G01 X10. F0", "G01 X10. F100."});
  EXPECT_NEAR(Time().total_time, 0.210 + 0.108, 1e-12);
}

// Two turrets cut at once: a pair of lines takes as long as the slower of the two, while the
// total still holds every move.
TEST_F(MachiningTime, ALinePairTakesTheLongerOfItsTwoLines) {
  Lathe();
  bench.settings.twin_turrets = true;
  InterpretLinePair(bench, "G94 G01 Z-10. F100.", "G01 Z-5. F100.");
  EXPECT_NEAR(Time().block_time, 0.102, 1e-12);
  InterpretLinePair(bench, "M08", "G01 Z-20.");
  EXPECT_NEAR(Time().block_time, 0.152, 1e-12);
  EXPECT_NEAR(Time().total_time, 0.102 + 0.052 + 0.152, 1e-12);
}

TEST_F(MachiningTime, NothingIsCountedWithAccountingOff) {
  bench.interp.time.accounting = false;
  Lines({"G90 G00 X0 Y0", "G01 X10. F100.", "G04 P2000", "(TTM M5.)"});
  EXPECT_EQ(Time().total_time, 0);
  EXPECT_EQ(Time().block_time, 0);
}

TEST_F(MachiningTime, DwellsAndTtmReachTheTotal) {
  Lines({"G04 P2000"});
  EXPECT_NEAR(Time().block_time, 2000.0 / 1000 / 60, 1e-12);
  Lines({"G04 X3."});
  EXPECT_NEAR(Time().block_time, 3.0 / 60, 1e-12);
  Lines({"(TTM M1.5)"});
  EXPECT_NEAR(Time().total_time, 2.0 / 60 + 3.0 / 60 + 1.5, 1e-12);
}

// A block of several moves (a drilling cycle) adds each move's own time once.
TEST_F(MachiningTime, TotalIsTheSumOfTheMovesOfABlock) {
  Lines({"G90 G00 X0 Y0 Z1."});
  const double before = Time().total_time;
  Lines({"G99 G81 X10. Y0 Z-1. R.1 F10."});
  const double rapid_to_hole = 10.0 / 400 + 400 * 0.00002;
  const double rapid_to_r = 0.9 / 400 + 400 * 0.00002;
  const double feed_down = 1.1 / 10 + 10 * 0.00002;
  const double rapid_up = 1.1 / 400 + 400 * 0.00002;
  EXPECT_NEAR(Time().total_time - before, rapid_to_hole + rapid_to_r + feed_down + rapid_up, 1e-9);
  EXPECT_NEAR(Time().block_time, Time().total_time - before, 1e-12);
}

TEST_F(MachiningTime, LatheFeedPerRevolutionAlongZ) {
  Lathe();
  Lines({"G95 G97 S1000 M3", "G00 X0 Z0"});
  const double before = Time().total_time;
  Lines({"G01 Z-10. F0.2"});
  EXPECT_NEAR(Time().block_time, 0.05 + 200 * 0.00002, 1e-12);
  EXPECT_NEAR(Time().total_time - before, Time().block_time, 1e-12);
}

TEST_F(MachiningTime, NeedRpmForTimeAndCancelStops) {
  Lathe();
  Lines({"G95 G97 S0", "G00 X1. Z0", "G01 Z-10. F0.2"});
  ASSERT_FALSE(host.Texts().empty());
  EXPECT_EQ(host.Texts().back(), "Need RPM for Time");
  EXPECT_EQ(Time().block_time, 0);
  EXPECT_FALSE(bench.stop_requested);
  host.QueueAnswer(Answer::kCancel);
  Lines({"G01 Z-20."});
  EXPECT_TRUE(bench.stop_requested);
}

// G96 S300 facing from radius 1 to 0: the speed at 50 radii 0.02..1.0, limited to MaxRPM.
TEST_F(MachiningTime, LatheConstantSurfaceSpeedFacing) {
  Lathe();
  bench.settings.x_radius = true;
  Lines({"G96 S300 M3", "G00 X1. Z0"});
  Lines({"G01 X0 F0.1"});
  double want = 0;
  for (int i = 1; i <= 50; ++i) {
    const double rpm = std::min(3.82 * 300 / (2 * 0.02 * i), 3000.0);
    want += (1.0 / 50) / (0.1 * rpm);
  }
  want += 0.1 * 0.00002;
  EXPECT_NEAR(Time().block_time, want, 1e-9);
  EXPECT_GT(3.82 * 300 / (2 * 0.02), 3000.0);  // the smallest radii run at the limit
}

TEST_F(MachiningTime, LatheArcUnderFeedPerRevolution) {
  Lathe();
  bench.settings.x_radius = true;
  Lines({"G95 G97 S1000 M3", "G00 X1. Z0"});
  const double before = Time().total_time;
  // A quarter circle of radius 1 ending at X2: speed from the end radius.
  Lines({"G03 X2. Z-1. I0 K-1. F0.1"});
  const double speed = 0.1 * SurfaceRpm(1000, 2.0);
  EXPECT_NEAR(Time().total_time - before, (std::numbers::pi / 2) / speed + speed * 0.00002, 1e-7);
}

// Drawn below the axis the arc is the same arc: a quarter circle stays a quarter circle.
TEST_F(MachiningTime, LatheMinusTimesTheSameArc) {
  Lathe();
  const double quarter = (std::numbers::pi * 10 / 2) / 10 + 10 * 0.00002;
  for (bool minus : {false, true}) {
    SCOPED_TRACE(minus ? "LatheMinus" : "above the axis");
    bench.settings.lathe_minus = minus;
    Lines({"G94 G00 X20. Z0"});
    Lines({"G03 X40. Z-10. I0 K-10. F10."});
    EXPECT_NEAR(Time().block_time, quarter, 1e-7);
    Lines({"G02 X20. Z0 I-10. K0"});
    EXPECT_NEAR(Time().block_time, quarter, 1e-7);
  }
}

TEST_F(MachiningTime, InfiniteSpeedTakesNoTimeAndWarnsOncePerRun) {
  Lathe();
  bench.settings.x_radius = true;
  Lines({"G95 G96 S200 M3", "G00 X0 Z0", "G01 Z-5. F0.1", "G01 Z-6."});
  // Only the rapid to X0 Z0 counts.
  EXPECT_NEAR(Time().total_time, 0, 1e-12);
  const auto infinite_warnings = [this] {
    const std::vector<std::string> texts = host.Texts();
    return std::count_if(texts.begin(), texts.end(), [](const std::string& t) {
      return t.find("Speed is infinite") != std::string::npos;
    });
  };
  EXPECT_EQ(infinite_warnings(), 1);
  EXPECT_NE(host.Texts().back().find("for line "), std::string::npos);
  StartTimedRun(bench);
  Lines({"G01 Z-7."});
  EXPECT_EQ(infinite_warnings(), 2);
}

TEST_F(MachiningTime, RotaryRapidOfTheCWordOnly) {
  bench.settings.use.Set(kUseRotary, true);
  Lines({"G00 C90."});
  EXPECT_NEAR(Time().block_time, 90.0 / 2500 + 2500 * 0.00001, 1e-12);
  const double total = Time().total_time;
  Lines({"G00 A90."});
  Lines({"G00 B45."});
  EXPECT_NEAR(Time().total_time, total, 1e-12);
}

TEST_F(MachiningTime, ResetClearsTheTotalAndRunsWithoutResetAddUp) {
  Load("G90 G00 X0 Y0\nG01 X10. F100.\nM30\n");
  RunProgram();
  RunProgram();
  // The second run first travels back from X10.
  EXPECT_NEAR(Time().total_time, 2 * 0.102 + 10.0 / 400 + 400 * 0.00002, 1e-12);
  ResetProgram(bench);
  EXPECT_EQ(Time().total_time, 0);
  EXPECT_EQ(Time().block_time, 0);
}

TEST(TimeTexts, StatusWindowForms) {
  EXPECT_EQ(TotalTimeText(135.75), "2 Hr 15 Min 45 Sec");
  EXPECT_EQ(TotalTimeText(0), "0 Hr 0 Min 0 Sec");
  EXPECT_EQ(TotalTimeText(59.999), "0 Hr 59 Min 60 Sec");
  EXPECT_EQ(BlockTimeText(0.102), "0.102 min.");
  EXPECT_EQ(BlockTimeText(1234.5678), "1234.568 min.");
  EXPECT_DOUBLE_EQ(SurfaceRpm(300, 0.5), 1146);
}

}  // namespace
}  // namespace vormak::test
