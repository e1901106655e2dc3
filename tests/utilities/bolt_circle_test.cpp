// Bolt Circle: hole positions round the circle, the blocks in the machine's formats, and the
// insertion at the caret as one undo step.
#include "utilities/bolt_circle.h"

#include <cmath>

#include "nctext/edit_control.h"
#include "utilities/utilities_fixture.h"

namespace vormak {
namespace {

class BoltCircleTest : public UtilitiesTest {
 protected:
  void SetUp() override {
    UtilitiesTest::SetUp();
    // The shipped mill's X and Y words.
    Format('X', "000.0000,1,0,0");
    Format('Y', "000.0000,1,0,0");
  }
  static BoltCircleRequest Circle(double x, double y, double diameter, int holes,
                                  double start = 0) {
    BoltCircleRequest request;
    request.centre_x = x;
    request.centre_y = y;
    request.diameter = diameter;
    request.holes = holes;
    request.start_angle = start;
    return request;
  }
};

TEST_F(BoltCircleTest, HolesGoRoundCounterClockwiseFromTheStartAngle) {
  const std::vector<Point> four = BoltCircleHoles(Circle(1, 1, 2, 4));
  ASSERT_EQ(four.size(), 4u);
  const double expected[4][2] = {{2, 1}, {1, 2}, {0, 1}, {1, 0}};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(four[i].x, expected[i][0], 1e-12) << i;
    EXPECT_NEAR(four[i].y, expected[i][1], 1e-12) << i;
  }
  // Six holes from 30 degrees on a 3-inch circle: every hole 1.5 from the centre, 60 degrees
  // apart, the last at 330 degrees with no drift.
  const std::vector<Point> six = BoltCircleHoles(Circle(-2, 5, 3, 6, 30));
  ASSERT_EQ(six.size(), 6u);
  for (size_t i = 0; i < six.size(); ++i) {
    EXPECT_NEAR(std::hypot(six[i].x + 2, six[i].y - 5), 1.5, 1e-12);
    const double degrees = std::atan2(six[i].y - 5, six[i].x + 2) * 180 / M_PI;
    EXPECT_NEAR(std::remainder(degrees - (30.0 + 60.0 * static_cast<double>(i)), 360.0), 0, 1e-9);
  }
}

TEST_F(BoltCircleTest, BlocksInTheMachinesFormatsWithAnOptionalCycle) {
  BoltCircleRequest request = Circle(0, 0, 2, 4, 90);
  // cos 90 degrees is not quite zero: it is still written as the machine writes zero, never
  // as "-0".
  EXPECT_EQ(BoltCircleBlocks(bench.word_formats, request),
            (Text{"X0 Y1.", "X-1. Y0", "X0 Y-1.", "X1. Y0"}));
  request.holes = 3;
  request.start_angle = 0;
  request.cycle_line = "G81 Z-.5 R.1 F10.";
  EXPECT_EQ(BoltCircleBlocks(bench.word_formats, request),
            (Text{"G81 Z-.5 R.1 F10. X1. Y0", "X-.5 Y.866", "X-.5 Y-.866", "G80"}));
}

TEST_F(BoltCircleTest, RequestsThatNameNoCircleWriteNothing) {
  Program({"G90", "M30"});
  for (const BoltCircleRequest& bad : {Circle(0, 0, 2, 0), Circle(0, 0, 0, 4), Circle(0, 0, -1, 4),
                                       Circle(0, 0, 2, kMaxBoltHoles + 1), Circle(NAN, 0, 2, 4)}) {
    EXPECT_FALSE(BoltCircleProblem(bad).empty());
    EXPECT_TRUE(BoltCircleBlocks(bench.word_formats, bad).empty());
    EXPECT_FALSE(InsertBoltCircle(bench, bad));
  }
  EXPECT_EQ(Lines(), (Text{"G90", "M30"}));
  EXPECT_EQ(host.messages.size(), 5u);
  EXPECT_EQ(host.messages.front().kind, "information");
  EXPECT_TRUE(BoltCircleProblem(Circle(0, 0, 2, kMaxBoltHoles)).empty());
}

TEST_F(BoltCircleTest, InsertedAtTheCaretAsOneUndoStep) {
  const Text program{"G90 G00 X0 Y0", "M30"};
  Program(program);
  // The caret at the start of line 2: the holes go in front of it.
  Caret(2);
  ASSERT_TRUE(InsertBoltCircle(bench, Circle(0, 0, 2, 2)));
  EXPECT_EQ(Lines(), (Text{"G90 G00 X0 Y0", "X1. Y0", "X-1. Y0", "M30"}));
  bench.Pane(1)->Undo();
  EXPECT_EQ(Lines(), program);

  // Inside a line: the holes follow that line, and the caret ends on the last of them.
  bench.Pane(1)->SetSelection({{1, 4}, {1, 4}});
  ASSERT_TRUE(InsertBoltCircle(bench, Circle(0, 0, 2, 2)));
  EXPECT_EQ(Lines(), (Text{"G90 G00 X0 Y0", "X1. Y0", "X-1. Y0", "M30"}));
  EXPECT_EQ(bench.Pane(1)->GetSelection().end.line, 3);
  bench.Pane(1)->Undo();
  EXPECT_EQ(Lines(), program);
}

}  // namespace
}  // namespace vormak
