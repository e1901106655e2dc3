// Break Arcs: arcs cut at the axis lines through their centres, checked by plotting the program
// before and after.
#include "utilities/break_arcs.h"

#include <cmath>

#include "nctext/edit_control.h"
#include "utilities/plot_check.h"

namespace vormak {
namespace {

constexpr double kTol = 1e-4;

class BreakArcsTest : public MillUtilitiesTest {
 protected:
  void Lathe() {
    bench.settings.system_type = SystemType::kLathe;
    bench.settings.x_radius = false;  // X in diameter
  }
  // The plot's arcs of the program as it is, broken, and the two compared: the same path,
  // every piece within one quadrant of its centre.
  void ExpectSamePathInQuadrants(size_t want_pieces) {
    const std::vector<DrawnMove> before = PlotMoves(bench);
    Caret(1);
    BreakArcs(bench);
    const std::vector<DrawnMove> after = PlotMoves(bench);
    size_t pieces = 0;
    size_t a = 0;
    for (const DrawnMove& move : before) {
      ASSERT_LT(a, after.size());
      if (move.kind != MoveKind::kArc) {
        EXPECT_NEAR(after[a].end.x, move.end.x, kTol);
        EXPECT_NEAR(after[a].end.y, move.end.y, kTol);
        ++a;
        continue;
      }
      // The pieces of this arc: same centre and radius, joined end to start, ending where
      // the arc ended.
      double x = move.start.x;
      double y = move.start.y;
      do {
        const DrawnMove& piece = after[a];
        ASSERT_EQ(piece.kind, MoveKind::kArc);
        EXPECT_EQ(piece.direction, move.direction);
        EXPECT_NEAR(piece.centre.x, move.centre.x, kTol);
        EXPECT_NEAR(piece.centre.y, move.centre.y, kTol);
        EXPECT_NEAR(piece.radius, move.radius, kTol);
        EXPECT_NEAR(piece.start.x, x, kTol);
        EXPECT_NEAR(piece.start.y, y, kTol);
        ExpectOneQuadrant(piece);
        x = piece.end.x;
        y = piece.end.y;
        ++a;
        ++pieces;
      } while (std::hypot(x - move.end.x, y - move.end.y) > kTol);
    }
    EXPECT_EQ(a, after.size());
    EXPECT_EQ(pieces, want_pieces);
  }
  // Start and end of the piece lie in one closed quadrant and the piece sweeps at most 90
  // degrees.
  static void ExpectOneQuadrant(const DrawnMove& piece) {
    const double sx = piece.start.x - piece.centre.x;
    const double sy = piece.start.y - piece.centre.y;
    const double ex = piece.end.x - piece.centre.x;
    const double ey = piece.end.y - piece.centre.y;
    EXPECT_GE(sx * ex, -kTol) << "crosses the vertical axis line";
    EXPECT_GE(sy * ey, -kTol) << "crosses the horizontal axis line";
    const double cross = sx * ey - sy * ex;
    const bool ccw = piece.direction == 3;
    EXPECT_GE(ccw ? cross : -cross, -kTol) << "goes the long way round";
  }
};

TEST_F(BreakArcsTest, QuadrantCodesOfAnglesAndBoundaries) {
  EXPECT_EQ(QuadrantCode(45), 1);
  EXPECT_EQ(QuadrantCode(135), 2);
  EXPECT_EQ(QuadrantCode(225), 3);
  EXPECT_EQ(QuadrantCode(315), 4);
  EXPECT_EQ(QuadrantCode(0), 0);
  EXPECT_EQ(QuadrantCode(359.9995), 0);
  EXPECT_EQ(QuadrantCode(90.0004), 5);
  EXPECT_EQ(QuadrantCode(180), 6);
  EXPECT_EQ(QuadrantCode(270), 7);
  EXPECT_EQ(QuadrantCode(90.01), 2);
}

TEST_F(BreakArcsTest, MillArcIntoTheNextQuadrantBecomesTwoBlocks) {
  // From 45 to 135 degrees: one cut at 90. The sequence number and M code stay with the
  // first piece, the comment follows the last.
  Program({"G90 G17 G00 X7.0711 Y7.0711",
           "N20 G03 X-7.0711 Y7.0711 I-7.0711 J-7.0711 F100. M08 (CUT)", "M30"});
  ExpectSamePathInQuadrants(2);
  EXPECT_EQ(Lines(), (Text{"G90 G17 G00 X7.0711 Y7.0711", "N20M08G03X.0Y10.0I-7.0711J-7.0711F100.",
                           "G03X-7.0711Y7.0711I.0J-10.0(CUT)", "M30"}));
  bench.Pane(1)->Undo();
  EXPECT_EQ(Lines()[1], "N20 G03 X-7.0711 Y7.0711 I-7.0711 J-7.0711 F100. M08 (CUT)");
}

TEST_F(BreakArcsTest, ArcsCutAtEveryAxisLineTheyCross) {
  // Second quadrant into the fourth clockwise (cuts at 90 and 0), full circles from inside a
  // quadrant and from an axis line, three quarters and a bit, a quarter, and a modal G03
  // without its G word from 270 to 180 degrees.
  Program({"G90 G00 X-7.0711 Y7.0711", "G02 X7.0711 Y-7.0711 I7.0711 J-7.0711 F50.",
           "G03 X7.0711 Y-7.0711 I-7.0711 J7.0711", "G00 X10. Y0", "G03 X10. Y0 I-10. J0",
           "G02 X5. Y8.6603 I-10. J0", "G01 X20. Y0", "G03 X10. Y10. I-10. J0", "X0 Y20. I0 J10.",
           "M30"});
  ExpectSamePathInQuadrants(3 + 5 + 4 + 4 + 1 + 3);
}

TEST_F(BreakArcsTest, ArcsWithinOneQuadrantOrEndingOnAnAxisLineStay) {
  const Text program{"G90 G00 X10. Y0", "G03 X0 Y10. I-10. J0", "G03 X-7.0711 Y7.0711 I0 J-10.",
                     "G03 X-10. Y0 I7.0711 J-7.0711", "M30"};
  Program(program);
  Caret(1);
  BreakArcs(bench);
  EXPECT_EQ(Lines(), program);
}

TEST_F(BreakArcsTest, LatheArcInDiameterIsWrittenInDiameter) {
  Lathe();
  Program({"G00 X20. Z0", "G02 X20. Z-20. I0 K-10.", "M30"});
  // About X10 Z-10 (radius): from 0 degrees clockwise through 270, where X is 0, to 180.
  Caret(1);
  BreakArcs(bench);
  EXPECT_EQ(Lines(),
            (Text{"G00 X20. Z0", "G02X.0Z-10.0I.0K-10.0", "G02X20.0Z-20.0I10.0K.0", "M30"}));
  Program({"G00 X0 Z0", "G03 X0 Z-20. I0 K-10.", "M30"});
  Caret(1);
  BreakArcs(bench);
  // Start at 0 degrees, counter-clockwise through 90 (X radius 10, diameter 20) to 180.
  EXPECT_EQ(Lines(),
            (Text{"G00 X0 Z0", "G03X20.0Z-10.0I.0K-10.0", "G03X.0Z-20.0I-10.0K.0", "M30"}));
}

TEST_F(BreakArcsTest, ArcsOffTheirCircleWarnAndStay) {
  Program({"G90 G00 X10. Y0", "G03 X0 Y10.001 I-10. J0", "G03 X-10. Y0 I0 J0",
           "G02 X0 Y10. I11. J0", "M30"});
  Caret(1);
  BreakArcs(bench);
  EXPECT_EQ(host.Texts(),
            (std::vector<std::string>{
                "Radius does not match endpoint by -.001 in\r\nG03 X0 Y10.001 I-10. J0",
                "Radius=0 in\r\nG03 X-10. Y0 I0 J0",
                "Radius does not match endpoint by .9501 in\r\nG02 X0 Y10. I11. J0"}));
  EXPECT_EQ(Lines()[1], "G03 X0 Y10.001 I-10. J0");
}

TEST_F(BreakArcsTest, CancelStopsTheCommandAndKeepsWhatWasDone) {
  Program({"G90 G00 X7.0711 Y7.0711", "G03 X-7.0711 Y7.0711 I-7.0711 J-7.0711",
           "G03 X-7.0711 Y7.0711 I0 J0", "G00 X7.0711 Y7.0711",
           "G03 X-7.0711 Y7.0711 I-7.0711 J-7.0711", "M30"});
  host.QueueAnswer(Answer::kCancel);
  Caret(1);
  BreakArcs(bench);
  const Text lines = Lines();
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[1], "G03X.0Y10.0I-7.0711J-7.0711");
  EXPECT_EQ(lines[5], "G03 X-7.0711 Y7.0711 I-7.0711 J-7.0711");
}

// The words the first piece keeps: of each geometry letter, F and G, the words from the first
// on are taken, up to one standing next to another letter; the kept G words follow the rest.
TEST_F(BreakArcsTest, FirstPieceKeepsTheOtherWordsOfTheBlock) {
  const std::string many_m = [] {
    std::string m;
    for (int i = 0; i < 33400; ++i) m += "M8 ";
    return m;
  }();
  const std::vector<std::string> arcs{
      "N5 G03 X-10. Y0 I-10. J0 F100. F200. M8 G90 G03",
      "N6 G03 X - 1 0 . Y 0 I -10. J0 F 1 0 0 M 8",
      "N9 G03 X-10. Y0 I-10. J0 aF100. F200.",
      "N10 gG90 G03 X-10. Y0 I-10. J0 F100.",
      "N11 G03 X-10. Y0 I-10. J0 \xe9"
      "F100. \xb5M8",
      "N12 G03 X-10. Y0 I-10. J0 " + many_m + "F100.",
      "N13 G03 X-10. Y0 I-10. J0 (F500 X2 G02) F100.",
      "N14 G03 X-10. Y0 I-10. J0 R10. F100.",
      "N16 G17 G03 X-10. Y0 I-10. J0 G90 G02",
  };
  Text program{"G90 G17 G00 X10. Y0"};
  for (const std::string& arc : arcs) {
    program.push_back(arc);
    program.push_back("G00 X10. Y0");
  }
  Program(program);
  Caret(1);
  BreakArcs(bench);
  const std::string ccw_end = "G03X-10.0Y.0I.0J-10.0";
  std::string m8s;
  for (int i = 0; i < 33400; ++i) m8s += "M8";
  const Text want{"N5M8G90G03X.0Y10.0I-10.0J.0F100.", "N6M8G03X.0Y10.0I-10.0J.0F100",
                  // F next to a letter: neither F word is the feed.
                  "N9aF100.F200.G03X.0Y10.0I-10.0J.0",
                  // G next to a letter: every G word stays where it was.
                  "N10gG90G03G03X.0Y10.0I-10.0J.0F100.", "N11\xe9\xb5M8G03X.0Y10.0I-10.0J.0F100.",
                  "N12" + m8s + "G03X.0Y10.0I-10.0J.0F100.", "N13G03X.0Y10.0I-10.0J.0F100.",
                  "N14G03X.0Y10.0I-10.0J.0F100.", "N16G17G90G02X.0Y-10.0I-10.0J.0"};
  const Text lines = Lines();
  ASSERT_EQ(lines.size(), 1 + arcs.size() * 3);
  for (size_t a = 0; a < arcs.size(); ++a) {
    EXPECT_EQ(lines[1 + a * 3], want[a]) << arcs[a].substr(0, 40);
  }
  EXPECT_EQ(lines[2], ccw_end);
  EXPECT_EQ(lines[1 + 6 * 3 + 1], ccw_end + "(F500 X2 G02)");
  EXPECT_EQ(lines[1 + 8 * 3 + 1], "G02X-10.0Y.0I.0J10.0");
}

TEST_F(BreakArcsTest, ArcsItCannotCutSafelyStayWhole) {
  const Text program{"G90 G00 X7.0711 Y7.0711",
                     "G03 X-7.0711 Y7.0711 I-7.0711 J[-7.0711]",
                     "#1=5.",
                     "G03 X7.0711 Y7.0711 Z-1. I7.0711 J-7.0711",
                     "G91 G03 X-14.1421 Y0 I-7.0711 J-7.0711",
                     "M30"};
  Program(program);
  Caret(1);
  BreakArcs(bench);
  EXPECT_EQ(Lines(), program);
}

}  // namespace
}  // namespace vormak
