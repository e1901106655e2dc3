// Rotate NC: blocks turned about a centre, checked by plotting before and after.
#include "utilities/rotate_nc.h"

#include <cmath>

#include "nctext/edit_control.h"
#include "utilities/plot_check.h"

namespace vormak {
namespace {

constexpr double kTol = 2e-4;

class RotateNcTest : public MillUtilitiesTest {
 protected:
  static Xyz Turned(const Xyz& p, double angle, double x0, double y0) {
    double x = p.x;
    double y = p.y;
    RotatePair(x, y, angle, x0, y0);
    return {x, y, p.z};
  }
  static void ExpectNear(const Xyz& got, const Xyz& want) {
    EXPECT_NEAR(got.x, want.x, kTol);
    EXPECT_NEAR(got.y, want.y, kTol);
    EXPECT_NEAR(got.z, want.z, kTol);
  }
};

TEST_F(RotateNcTest, RotatePairTurnsCounterClockwiseAboutTheCentre) {
  double p = 12;
  double q = 2;
  RotatePair(p, q, 90, 2, 2);
  EXPECT_NEAR(p, 2, 1e-12);
  EXPECT_NEAR(q, 12, 1e-12);
  p = 3.3;
  q = -1.7;
  RotatePair(p, q, 0, 100, 100);
  EXPECT_EQ(p, 3.3);
  EXPECT_EQ(q, -1.7);
}

TEST_F(RotateNcTest, MissingWordsOfThePlaneAreAddedFromTheProgramsOwnValues) {
  Program({"G01 X10. Y0", "G01 X10.", "G02 X0 Y10.", "G00 Z5. (UP)"});
  RotateRange(bench, 1, All(), {90, 'Z', 0, 0, 0});
  // The second block means (10, 0) again, not the turned point of the first; the G02 block
  // gains centre words (the record's I and J, 0 here); a Z move alone is not in the plane.
  EXPECT_EQ(Lines(), (Text{"G01 X0 Y10.", "G01 X0 Y10.", "G02 X-10. Y0 I0 J0", "G00 Z5. (UP)"}));
  bench.Pane(1)->Undo();
  EXPECT_EQ(Lines()[0], "G01 X10. Y0");
}

TEST_F(RotateNcTest, EveryEndPointAndCentreTurnsAboutTheCentre) {
  Program({"G90 G00 X0 Y0 Z1.", "G01 X10. F100.", "Y5.", "G02 X15. Y10. I5. J0 (ARC)",
           "G03 X20. Y5. I0 J-5.", "G91 G01 X-3. Y-1.", "G90 G00 X0 Y0", "M30"});
  const std::vector<DrawnMove> before = PlotMoves(bench);
  RotateRange(bench, 1, All(), {30, 'Z', 5, 2, 0});
  const std::vector<DrawnMove> after = PlotMoves(bench);
  ASSERT_EQ(after.size(), before.size());
  for (size_t n = 1; n < before.size(); ++n) {
    SCOPED_TRACE(n);
    ExpectNear(after[n].end, Turned(before[n].end, 30, 5, 2));
    if (before[n].kind == MoveKind::kArc) {
      ExpectNear(after[n].centre, Turned(before[n].centre, 30, 5, 2));
      EXPECT_EQ(after[n].direction, before[n].direction);
    }
  }
  EXPECT_EQ(Lines()[3].substr(Lines()[3].size() - 5), "(ARC)");
}

TEST_F(RotateNcTest, AboutTheXAxisTheYZPlaneTurns) {
  Program({"G01 Y10. Z0 X3.", "G01 Z-2."});
  RotateRange(bench, 1, All(), {90, 'X', 0, 0, 0});
  EXPECT_EQ(Lines(), (Text{"G01 Y0 Z10. X3.", "G01 Z10. Y2."}));
}

TEST_F(RotateNcTest, CopiesWithLeaveOriginalMakeAPattern) {
  const Text square{"G01 X10. Y0", "X10. Y10.", "X0 Y10.", "X0 Y0"};
  Program(square);
  const LineRange last = RotateCopies(bench, 1, {1, 4}, {90, 'Z', 0, 0, 0}, 3, true);
  EXPECT_EQ(last, (LineRange{13, 16}));
  const Text lines = Lines();
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(Text(lines.begin(), lines.begin() + 4), square);
  EXPECT_EQ(lines[4], "G01 X0 Y10.");
  EXPECT_EQ(lines[8], "G01 X-10. Y0");
  EXPECT_EQ(lines[12], "G01 X0 Y-10.");
  bench.Pane(1)->Undo();
  EXPECT_EQ(Lines(), square);

  // Without Leave Original the first pass turns the lines themselves.
  RotateCopies(bench, 1, {1, 4}, {90, 'Z', 0, 0, 0}, 2, false);
  EXPECT_EQ(Lines().size(), 8u);
  EXPECT_EQ(Lines()[0], "G01 X0 Y10.");
  EXPECT_EQ(Lines()[4], "G01 X-10. Y0");
}

TEST_F(RotateNcTest, FormulasCommentsAndLongBlocksAreSafe) {
  std::string long_block = "G01 X1. Y0 M08";
  for (int n = 0; n < 30; ++n) long_block += " M" + std::to_string(100 + n);
  Program({"G01 X[#1+2.] Y0", "G01 X#5 Y1.", "#1=3.", "(NOTE (A)", long_block, "G02 X1. Y0 R1."});
  RotateRange(bench, 1, All(), {180, 'Z', 0, 0, 0});
  const Text lines = Lines();
  EXPECT_EQ(lines[0], "G01 X[#1+2.] Y0");
  EXPECT_EQ(lines[1], "G01 X#5 Y1.");
  EXPECT_EQ(lines[2], "#1=3.");
  EXPECT_EQ(lines[3], "(NOTE (A)");
  EXPECT_EQ(lines[4].substr(0, 14), "G01 X-1. Y0 M0");
  EXPECT_EQ(lines[4].size(), long_block.size() + 1);
  EXPECT_EQ(lines[5], "G02 X-1. Y0 R1.");
}

}  // namespace
}  // namespace vormak
