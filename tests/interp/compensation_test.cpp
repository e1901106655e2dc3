#include "interp/compensation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "interp/block_interpreter.h"
#include "interp/compensation_geometry.h"
#include "interp/run_driver.h"
#include "interp_fixture.h"
#include "nctext/block_words.h"
#include "settings/word_format.h"

namespace vormak::test {
namespace {

constexpr double kTol = 1e-6;

class CompensationTest : public InterpFixture {
 protected:
  CompensationTest() {
    bench.settings.use.Set(kUseCutterComp, true);
    bench.settings.use.Set(kUseCodes, true);
    FillFormatSet1(bench.word_formats, bench.settings);
  }

  // Whole numbers in the programs below are written with their point, so that no implied
  // decimals apply.
  void Load(const std::string& text) {
    static const std::regex whole("([XYZIJKRUW]-?[0-9]+)(?![0-9.])");
    InterpFixture::Load(std::regex_replace(text, whole, "$1."));
  }

  // Both turrets at the origin with the default G codes.
  void Fresh() {
    for (TurretState& ts : bench.interp.turret) {
      ts = TurretState{};
      SetGDefaults(ts);
    }
  }

  // The moves of the program as programmed (compensation off), then compensated by `r`.
  std::vector<DrawnMove> Plot(const std::string& text, double r, bool comp = true) {
    Load(text);
    Fresh();
    bench.interp.comp = CompensationState{};
    bench.interp.comp.radius_offset[0] = r;
    bench.settings.use.Set(kUseCutterComp, comp);
    moves.clear();
    RunProgram();
    bench.settings.use.Set(kUseCutterComp, true);
    return moves;
  }

  static double SignedDistance(const DrawnMove& line, const Xyz& q) {
    const double dx = line.end.x - line.start.x, dy = line.end.y - line.start.y;
    return (dx * (q.y - line.start.y) - dy * (q.x - line.start.x)) / std::hypot(dx, dy);
  }

  // Every compensated move lies at `r` on `side` of the move it came from: lines parallel at
  // that distance, arcs about the same centre with the radius grown or shrunk by r. The first
  // move starts where the cutter stood before compensation, so only its end is held to it.
  void ExpectOffset(const std::vector<DrawnMove>& programmed, const std::vector<DrawnMove>& comp,
                    double r, int side) {
    const double s = side == kLeftSide ? 1 : -1;
    size_t checked = 0;
    for (size_t k = 0; k < comp.size(); ++k) {
      const DrawnMove& c = comp[k];
      const DrawnMove* p = nullptr;
      for (const DrawnMove& m : programmed) {
        if (m.line == c.line) p = &m;
      }
      ASSERT_NE(p, nullptr) << "line " << c.line;
      SCOPED_TRACE("line " + std::to_string(c.line));
      if (p->kind == MoveKind::kArc) {
        ASSERT_EQ(c.kind, MoveKind::kArc);
        EXPECT_NEAR(c.centre.x, p->centre.x, kTol);
        EXPECT_NEAR(c.centre.y, p->centre.y, kTol);
        const double expected = p->radius + (p->direction == 2 ? s : -s) * r;
        EXPECT_NEAR(c.radius, expected, kTol);
        EXPECT_NEAR(std::hypot(c.end.x - c.centre.x, c.end.y - c.centre.y), expected, kTol);
        if (k > 0) {
          EXPECT_NEAR(std::hypot(c.start.x - c.centre.x, c.start.y - c.centre.y), expected, kTol);
        }
      } else {
        EXPECT_NEAR(SignedDistance(*p, c.end), s * r, kTol);
        if (k > 0) {
          EXPECT_NEAR(SignedDistance(*p, c.start), s * r, kTol);
        }
      }
      if (k > 0) {
        EXPECT_NEAR(c.start.x, comp[k - 1].end.x, kTol);
        EXPECT_NEAR(c.start.y, comp[k - 1].end.y, kTol);
      }
      ++checked;
    }
    EXPECT_GT(checked, 3u);
  }
};

TEST_F(CompensationTest, SquareCornerUnderG41) {
  const auto comp = Plot("G00X0Y0\nG41G01X10Y0F10\nX10Y10\n", 0.25);
  ASSERT_EQ(comp.size(), 2u);
  EXPECT_NEAR(comp[0].start.x, 0, kTol);
  EXPECT_NEAR(comp[0].start.y, 0, kTol);
  EXPECT_NEAR(comp[0].end.x, 9.75, kTol);
  EXPECT_NEAR(comp[0].end.y, 0.25, kTol);
  // The last move of the text ends on its own perpendicular offset.
  EXPECT_NEAR(comp[1].end.x, 9.75, kTol);
  EXPECT_NEAR(comp[1].end.y, 10, kTol);
}

// A dwell between two moves is no move: the corner is taken with the move after it.
TEST_F(CompensationTest, ADwellInThePathIsPassedOver) {
  const auto comp = Plot("G00X0Y0\nG41G01X10Y0F10\nG04X2\nX10Y10\n", 0.25);
  EXPECT_FALSE(host.Showed(kCompensationError));
  ASSERT_EQ(comp.size(), 2u);
  EXPECT_NEAR(comp[0].end.x, 9.75, kTol);
  EXPECT_NEAR(comp[0].end.y, 0.25, kTol);
}

// The look-ahead reads the next block's G words too: a fraction or a number far past any code
// (more than an int holds) is no motion word there, and the corner comes out as without it.
TEST_F(CompensationTest, LookAheadPassesOverGNumbersPastAnyCode) {
  const auto comp = Plot("G00X0Y0\nG41G01X10Y0F10\nG1.5 G 558888888888 X10Y10\n", 0.25);
  ASSERT_GE(comp.size(), 1u);
  EXPECT_NEAR(comp[0].end.x, 9.75, kTol);
  EXPECT_NEAR(comp[0].end.y, 0.25, kTol);
}

TEST_F(CompensationTest, CollinearMovesAreAnErrorAndCancelStops) {
  Plot("G42G01X5Y0F10\nX10Y0\nX10Y5\n", 0.25);
  EXPECT_TRUE(host.Showed(kCompensationError));
  // OK: going on along the same line the cutter stays on its offset.
  EXPECT_NEAR(moves.at(0).end.x, 5, kTol);
  EXPECT_NEAR(moves.at(0).end.y, -0.25, kTol);

  // A cutter of radius 0 is still told the corner has no solution.
  host.messages.clear();
  Plot("G42G01X5Y0F10\nX10Y0\nX10Y5\n", 0);
  EXPECT_TRUE(host.Showed(kCompensationError));

  host.QueueAnswer(Answer::kCancel);
  bench.stop_requested = false;
  Plot("G42G01X5Y0F10\nX10Y0\nX10Y5\n", 0.25);
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_LT(moves.size(), 3u);
}

TEST_F(CompensationTest, ClosedSquareStaysAtTheOffset) {
  const std::string square = "G01X10Y0F10\nX10Y10\nX0Y10\nX0Y0\nX10Y0\n";
  const auto programmed = Plot(square, 0, false);
  ExpectOffset(programmed, Plot("G41" + square, 0.25), 0.25, kLeftSide);
  ExpectOffset(programmed, Plot("G42" + square, 0.4), 0.4, kRightSide);
}

TEST_F(CompensationTest, RoundedRectangleArcsGrowOutside) {
  // Counter-clockwise round a 20 x 10 rectangle with corner radius 2, cutter on the right:
  // outside, so the corner arcs grow by the radius.
  const std::string rect =
      "G01X18Y0F10\nG03X20Y2I0J2\nG01X20Y8\nG03X18Y10I-2J0\nG01X2Y10\nG03X0Y8I0J-2\n"
      "G01X0Y2\nG03X2Y0I2J0\nG01X18Y0\n";
  ExpectOffset(Plot(rect, 0, false), Plot("G42" + rect, 0.5), 0.5, kRightSide);
  // From the inside the arcs shrink.
  ExpectOffset(Plot(rect, 0, false), Plot("G41" + rect, 0.5), 0.5, kLeftSide);
}

TEST_F(CompensationTest, SlotWithInsideArcs) {
  // A slot 20 long and 4 wide cut from inside: its round ends are inside arcs.
  const std::string slot =
      "G01X20Y-2F10\nG03X20Y2I0J2\nG01X0Y2\nG03X0Y-2I0J-2\nG01X20Y-2\nG03X20Y2I0J2\n";
  const auto comp = Plot("G41" + slot, 0.5);
  ExpectOffset(Plot(slot, 0, false), comp, 0.5, kLeftSide);
  EXPECT_NEAR(comp[1].radius, 1.5, kTol);
}

TEST_F(CompensationTest, InsideArcTooSmallIsPassedOver) {
  // Fillets of radius 0.2 in a pocket cut with radius 0.25: the cutter cannot follow them,
  // the lines run on to their corner.
  const std::string pocket = "G41G01X9.8Y0F10\nG03X10Y.2I0J.2\nG01X10Y10\nX0Y10\n";
  Plot(pocket, 0.25);
  ASSERT_EQ(moves.size(), 3u);
  EXPECT_NEAR(moves[0].end.x, 9.75, kTol);
  EXPECT_NEAR(moves[0].end.y, 0.25, kTol);
  EXPECT_EQ(moves[1].line, 3);
  EXPECT_NEAR(moves[1].start.x, 9.75, kTol);
  EXPECT_NEAR(moves[1].end.y, 9.75, kTol);
  EXPECT_EQ(PaneLineCount(bench, 1), 5);  // the plot leaves the text alone
}

// A path that ends in an inside arc too small for the cutter: neither the arc nor the move into
// it is drawn. A run stopped before reaching the arc leaves no mark for the next program.
TEST_F(CompensationTest, InsideArcAtTheEndOfThePath) {
  const std::string pocket = "G41G01X9.8Y0F10\nG03X10Y.2I0J.2\n";
  Plot(pocket, 0.25);
  EXPECT_TRUE(moves.empty());

  Load(pocket);
  Fresh();
  bench.interp.comp.radius_offset[0] = 0.25;
  RunProgram(1);
  ResetProgram(bench);
  bench.stop_requested = false;
  Load("G41G01X10Y0F10\nX10Y10\nX0Y10\n");
  Fresh();
  moves.clear();
  RunProgram();
  EXPECT_EQ(moves.size(), 3u);
}

TEST_F(CompensationTest, CompNcDeletesInsideArcOfTheCutterRadius) {
  Load("G01X9.75Y0F10\nG03X10Y.25I0J.25\nG03X12Y2.25I0J2\nG01X12Y10\n");
  Fresh();
  const LineRange done = RunCompNc(bench, 1, {1, 4}, {0.25, kLeftSide, 0, false});
  EXPECT_EQ(done.last, 3);
  ASSERT_EQ(PaneLineCount(bench, 1), 4);
  EXPECT_NE(PaneLine(bench, 1, 2).find("G03"), std::string::npos);
  EXPECT_EQ(PaneLine(bench, 1, 2).find("I0.J.25"), std::string::npos) << PaneLine(bench, 1, 2);
}

TEST_F(CompensationTest, ArcFollowedByCancelEndsOnItsRadius) {
  Plot("G41G01X10Y0F10\nG03X12Y2I0J2\nG40G01X20Y2\n", 0.5);
  ASSERT_GE(moves.size(), 2u);
  // The arc ends on its own radius through its end, shrunk by the cutter radius.
  EXPECT_NEAR(moves[1].end.x, 11.5, kTol);
  EXPECT_NEAR(moves[1].end.y, 2, kTol);
  // After G40 the next move starts from the last compensated point.
  ASSERT_EQ(moves.size(), 3u);
  EXPECT_NEAR(moves[2].start.x, 11.5, kTol);
  EXPECT_NEAR(moves[2].end.x, 20, kTol);
}

TEST_F(CompensationTest, G40StartsFromTheCompensatedPointUnderWorkOffsets) {
  bench.settings.use.Set(kUseOffsets, true);
  bench.interp.machine.work_offsets[0] = {100, 50, 0};
  Plot("G41G01X10Y0F10\nX10Y10\nG40G01X20Y20\n", 0.25);
  ASSERT_EQ(moves.size(), 3u);
  EXPECT_NEAR(moves[1].end.x, 109.75, kTol);
  EXPECT_NEAR(moves[2].start.x, moves[1].end.x, kTol);
  EXPECT_NEAR(moves[2].start.y, moves[1].end.y, kTol);
  EXPECT_NEAR(moves[2].end.x, 120, kTol);
}

TEST_F(CompensationTest, LeadInOfTheContourCommandIsNotDrawn) {
  bench.interp.machine.contour_mode = true;
  Plot("G41G01X10Y0F10\nX10Y10\nX0Y10\n", 0.25);
  bench.interp.machine.contour_mode = false;
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[0].line, 2);
  // The lead-in ended where the next move's offset starts.
  EXPECT_NEAR(moves[0].start.x, 9.75, kTol);
  EXPECT_NEAR(moves[0].start.y, 0, kTol);
}

TEST_F(CompensationTest, ToolRadiusStatementSetsTheOffset) {
  Plot("(TOR R0.3)\nG41G01X10Y0F10\nX10Y10\n", 0);
  EXPECT_DOUBLE_EQ(bench.interp.comp.radius_offset[0], 0.3);
  EXPECT_NEAR(moves.at(0).end.x, 9.7, kTol);
}

TEST_F(CompensationTest, SecondTurretKeepsItsModalState) {
  TurretState& t2 = bench.interp.Turret(2);
  Load("G41G01X10Y0F10\nG02X20Y-10I0J-10\nX30Y0\n");
  Fresh();
  t2.SetG(3, true);
  t2[kRegX] = 7;
  t2[kRegI] = 3;
  const TurretState before = t2;
  bench.interp.comp.radius_offset[0] = 1;
  RunProgram();
  EXPECT_EQ(t2.g, before.g);
  EXPECT_EQ(t2.reg, before.reg);
}

// The second turret is never compensated: its G40 does not take the first turret's point.
TEST_F(CompensationTest, SecondTurretsG40KeepsItsOwnPosition) {
  bench.settings.twin_turrets = true;
  Fresh();
  bench.interp.comp.radius_offset[0] = 1;
  InterpretLinePair(bench, "G41G01X10.Y0F10.", "G00X60.Y10.");
  InterpretLinePair(bench, "X20.Y0", "G40G00X70.Y10.");
  ASSERT_EQ(moves.back().turret, 2);
  EXPECT_EQ(moves.back().start, (Xyz{60, 10, 0}));
  EXPECT_EQ(moves.back().end, (Xyz{70, 10, 0}));
}

class LatheCompensationTest : public CompensationTest {
 protected:
  LatheCompensationTest() { Lathe(); }
};

TEST_F(LatheCompensationTest, ProfileWithAGroovingTool) {
  // Facing down, along, a groove and back out: X in diameter, moves drawn as (Z, X radius).
  const std::string profile =
      "G01X20Z0F.2\nX20Z-10\nX14Z-10\nX14Z-14\nX20Z-14\nX20Z-20\nX30Z-20\nX30Z-30\n";
  const auto programmed = Plot(profile, 0, false);
  const auto plain = Plot("G42" + profile, 0.1);
  ExpectOffset(programmed, plain, 0.1, kRightSide);

  ToolNose& tool = bench.tools.turret[0];
  tool.width = 0.125;
  tool.nose_radius = 0.01;
  tool.angle = 0;
  const auto grooved = Plot("G42" + profile, 0.1);
  ASSERT_EQ(grooved.size(), plain.size());
  int shifted = 0;
  for (size_t k = 0; k < plain.size(); ++k) {
    const double dz = grooved[k].end.x - plain[k].end.x;
    EXPECT_NEAR(grooved[k].end.y, plain[k].end.y, kTol);
    if (std::fabs(dz) > kTol) {
      EXPECT_NEAR(dz, -0.105, kTol);
      ++shifted;
    }
  }
  EXPECT_GT(shifted, 0);
}

TEST_F(CompensationTest, CompNcOutputPlotsAsTheDisplayCompensation) {
  const std::string rect =
      "G41G01X18Y0F10\nG03X20Y2I0J2\nG01X20Y8\nG03X18Y10I-2J0\nG01X2Y10\nG02X0Y12I0J2\n"
      "G01X0Y20\n";
  for (const bool r_words : {false, true}) {
    SCOPED_TRACE(r_words ? "R words" : "I J words");
    bench.settings.use.Set(kUseArcOutputR, r_words);
    const auto display = Plot(rect, 0.5);
    Load(rect);
    Fresh();
    RunCompNc(bench, 1, {1, 7}, {0.5, kLeftSide, 0, false});
    const std::string rewritten = bench.Pane(1)->GetText();
    EXPECT_EQ(rewritten.find('I') == std::string::npos, r_words) << rewritten;
    const auto replot = Plot(rewritten, 0, false);
    ASSERT_EQ(replot.size(), display.size());
    for (size_t k = 0; k < display.size(); ++k) {
      EXPECT_NEAR(replot[k].end.x, display[k].end.x, 1e-4) << k;
      EXPECT_NEAR(replot[k].end.y, display[k].end.y, 1e-4) << k;
      EXPECT_NEAR(replot[k].radius, display[k].radius, 1e-3) << k;
      EXPECT_NEAR(replot[k].centre.x, display[k].centre.x, 1e-3) << k;
      EXPECT_NEAR(replot[k].centre.y, display[k].centre.y, 1e-3) << k;
    }
  }
}

TEST_F(CompensationTest, CompNcCopiesBelowTheOriginal) {
  const std::string square = "G01X10Y0F10\nX10Y10\nX0Y10\nX0Y0";
  Load(square);
  Fresh();
  const LineRange last = RunCompNc(bench, 1, {1, 4}, {0.5, kLeftSide, 3, true});
  EXPECT_EQ(last.first, 13);
  EXPECT_EQ(last.last, 16);
  ASSERT_EQ(PaneLineCount(bench, 1), 16);
  EXPECT_EQ(PaneLine(bench, 1, 1), "G01X10.Y0.F10");
  EXPECT_EQ(PaneLine(bench, 1, 2), "X10.Y10.");
  // Each copy's far corner is offset once more than the one above it.
  for (int copy = 1; copy <= 3; ++copy) {
    const std::string line = PaneLine(bench, 1, 2 + 4 * copy);
    const double x = AddressValue(bench, "X", line, true);
    const double y = AddressValue(bench, "Y", line, true);
    EXPECT_NEAR(x, 10 - 0.5 * copy, 1e-4) << line;
    EXPECT_NEAR(y, 10 - 0.5 * copy, 1e-4) << line;
  }
}

TEST_F(CompensationTest, CompNcArcWordForms) {
  bench.settings.use.Set(kUseArcOutputR, true);
  bench.settings.code_format = 2;
  Load("G01X10Y0F10\nG03X12Y2I0J2\nG01X12Y10");
  Fresh();
  RunCompNc(bench, 1, {1, 3}, {0.5, kRightSide, 0, false});
  EXPECT_EQ(PaneLine(bench, 1, 2), "G03X12.5Y2.L2.5");
  // In the standard format R is written and an L word stays the repeat count it is.
  bench.settings.code_format = 0;
  Load("G01X10Y0F10\nG03X12Y2I0J2L1\nG01X12Y10");
  Fresh();
  RunCompNc(bench, 1, {1, 3}, {0.5, kRightSide, 0, false});
  EXPECT_EQ(PaneLine(bench, 1, 2), "G03X12.5Y2.L1R2.5");

  Lathe();
  bench.settings.code_format = 0;
  bench.settings.use.Set(kUseArcOutputR, false);
  FillFormatSet1(bench.word_formats, bench.settings);
  // Along Z towards the chuck, then a quarter circle up: I carries X, K carries Z.
  Load("G01X20Z0F.2\nX20Z-10\nG02X24Z-12I2K0\nG01X24Z-20");
  Fresh();
  RunCompNc(bench, 1, {1, 4}, {0.5, kRightSide, 0, false});
  const std::string arc = PaneLine(bench, 1, 3);
  EXPECT_NEAR(AddressValue(bench, "I", arc, true), 1.5, 1e-4) << arc;
  EXPECT_NEAR(AddressValue(bench, "K", arc, true), 0, 1e-4) << arc;
}

}  // namespace
}  // namespace vormak::test
