#include "interp/canned_cycles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cad/element_table.h"
#include "interp/program_flow.h"
#include "interp/run_driver.h"
#include "interp_fixture.h"

namespace vormak::test {
namespace {

// One expected leg: from, to, and whether it is drawn as a rapid.
struct ExpectedLeg {
  Xyz from;
  Xyz to;
  bool rapid;
};

class Cycles : public InterpFixture {
 protected:
  // The moves drawn from `first` on are exactly `legs`.
  void ExpectLegs(size_t first, const std::vector<ExpectedLeg>& legs) {
    ASSERT_EQ(moves.size(), first + legs.size());
    for (size_t i = 0; i < legs.size(); ++i) {
      const DrawnMove& m = moves[first + i];
      SCOPED_TRACE("leg " + std::to_string(i + 1));
      EXPECT_NEAR(m.start.x, legs[i].from.x, 1e-9);
      EXPECT_NEAR(m.start.y, legs[i].from.y, 1e-9);
      EXPECT_NEAR(m.start.z, legs[i].from.z, 1e-9);
      EXPECT_NEAR(m.end.x, legs[i].to.x, 1e-9);
      EXPECT_NEAR(m.end.y, legs[i].to.y, 1e-9);
      EXPECT_NEAR(m.end.z, legs[i].to.z, 1e-9);
      EXPECT_EQ(m.kind == MoveKind::kRapid, legs[i].rapid);
    }
  }
  // A lathe leg in (Z, X) as the executor receives it.
  static ExpectedLeg L(double z1, double x1, double z2, double x2, bool rapid) {
    return {{z1, x1, 0}, {z2, x2, 0}, rapid};
  }
  std::vector<CadElement> Points() {
    std::vector<CadElement> out;
    ForEachElement(bench.cad.table, [&](int, CadElement& e) {
      if (e.kind == ElementKind::kPoint) out.push_back(e);
    });
    return out;
  }
};

constexpr bool kRapid = true;
constexpr bool kFeed = false;

TEST_F(Cycles, G99HolesReturnToTheRLevelAndTheNextHoleTravelsThere) {
  Lines({"G0 X0 Y0 Z10."});
  moves.clear();
  Lines({"G81 G99 X1. Y1. Z-5. R2. F100.", "X2. Y2."});
  ExpectLegs(0, {{{0, 0, 10}, {1, 1, 10}, kRapid},
                 {{1, 1, 10}, {1, 1, 2}, kRapid},
                 {{1, 1, 2}, {1, 1, -5}, kFeed},
                 {{1, 1, -5}, {1, 1, 2}, kRapid},
                 {{1, 1, 2}, {2, 2, 2}, kRapid},
                 {{2, 2, 2}, {2, 2, 2}, kRapid},  // already at the R level
                 {{2, 2, 2}, {2, 2, -5}, kFeed},
                 {{2, 2, -5}, {2, 2, 2}, kRapid}});
  EXPECT_DOUBLE_EQ(Reg(kRegPrevZ), 2);

  // A block with only an M word drills the same hole again.
  moves.clear();
  Lines({"M8"});
  ExpectLegs(0, {{{2, 2, 2}, {2, 2, 2}, kRapid},
                 {{2, 2, 2}, {2, 2, 2}, kRapid},
                 {{2, 2, 2}, {2, 2, -5}, kFeed},
                 {{2, 2, -5}, {2, 2, 2}, kRapid}});

  // After G80 a block without Z goes on from the retract level.
  moves.clear();
  Lines({"G80", "X5."});
  ExpectLegs(0, {{{2, 2, 2}, {5, 2, 2}, kRapid}});
}

TEST_F(Cycles, G98HolesReturnToTheInitialLevelAndTravelThere) {
  Lines({"G0 X0 Y0 Z10."});
  moves.clear();
  Lines({"G81 G98 X1. Y1. Z-5. R2. F100.", "X2. Y2."});
  ExpectLegs(0, {{{0, 0, 10}, {1, 1, 10}, kRapid},
                 {{1, 1, 10}, {1, 1, 2}, kRapid},
                 {{1, 1, 2}, {1, 1, -5}, kFeed},
                 {{1, 1, -5}, {1, 1, 10}, kRapid},
                 {{1, 1, 10}, {2, 2, 10}, kRapid},
                 {{2, 2, 10}, {2, 2, 2}, kRapid},
                 {{2, 2, 2}, {2, 2, -5}, kFeed},
                 {{2, 2, -5}, {2, 2, 10}, kRapid}});
  moves.clear();
  Lines({"G80", "X5."});
  ExpectLegs(0, {{{2, 2, 10}, {5, 2, 10}, kRapid}});
}

// Under G91 the R word is the distance from the level the cycle began at and Z the depth below
// the R level; every hole of the cycle, repeated or not, G98 or G99, reaches the same levels.
TEST_F(Cycles, IncrementalRCountsFromTheInitialLevelAndZFromTheRLevel) {
  Lines({"G0 X0 Y0 Z1."});
  moves.clear();
  Lines({"G91 G99 G81 X1. Z-1. R-.5 F10.", "X1."});
  ExpectLegs(0, {{{0, 0, 1}, {1, 0, 1}, kRapid},
                 {{1, 0, 1}, {1, 0, 0.5}, kRapid},
                 {{1, 0, 0.5}, {1, 0, -0.5}, kFeed},
                 {{1, 0, -0.5}, {1, 0, 0.5}, kRapid},
                 {{1, 0, 0.5}, {2, 0, 0.5}, kRapid},
                 {{2, 0, 0.5}, {2, 0, 0.5}, kRapid},
                 {{2, 0, 0.5}, {2, 0, -0.5}, kFeed},
                 {{2, 0, -0.5}, {2, 0, 0.5}, kRapid}});
  // G98 goes back to the level the cycle began at, not to the R level the tool stands at; the
  // same words again reach the same depth.
  moves.clear();
  Lines({"G98 G83 X1. Y1. Z-1. R-.5"});
  ExpectLegs(0, {{{2, 0, 0.5}, {3, 1, 0.5}, kRapid},
                 {{3, 1, 0.5}, {3, 1, 0.5}, kRapid},
                 {{3, 1, 0.5}, {3, 1, -0.5}, kFeed},
                 {{3, 1, -0.5}, {3, 1, 1}, kRapid}});
  // After G80 a G91 Z move starts where the last hole left the tool.
  moves.clear();
  Lines({"G80", "G0 Z2."});
  ExpectLegs(0, {{{3, 1, 1}, {3, 1, 3}, kRapid}});
  // Back under G90 R and Z are levels again.
  moves.clear();
  Lines({"G90 G99 G81 X5. Z-2. R1. F10."});
  ExpectLegs(0, {{{3, 1, 3}, {5, 1, 3}, kRapid},
                 {{5, 1, 3}, {5, 1, 1}, kRapid},
                 {{5, 1, 1}, {5, 1, -2}, kFeed},
                 {{5, 1, -2}, {5, 1, 1}, kRapid}});
}

// L repeats the block: under G91 every repeat steps over by X and Y and drills as deep.
TEST_F(Cycles, IncrementalRepeatsStepOverAndDrillAsDeep) {
  // The repeat count belongs to the run driver.
  bench.settings.use.Set(kUseTools, false);
  InstallRunDriver(bench);
  Load("G0 X0 Y0 Z10.\nG91 G98 G81 X2. Y1. Z-4. R-8. F50. L3\nG80 G90\nM30");
  StartRun(bench, RunCommand::kResetNc);
  moves.clear();
  StartRun(bench, RunCommand::kRunAll);
  ASSERT_EQ(moves.size(), 13u);
  for (int hole = 0; hole < 3; ++hole) {
    SCOPED_TRACE(hole);
    const DrawnMove& feed = moves[static_cast<size_t>(1 + 4 * hole + 2)];
    EXPECT_EQ(feed.kind, MoveKind::kFeed);
    EXPECT_EQ(feed.start, (Xyz{2.0 * (hole + 1), 1.0 * (hole + 1), 2}));
    EXPECT_EQ(feed.end, (Xyz{2.0 * (hole + 1), 1.0 * (hole + 1), -2}));
    EXPECT_DOUBLE_EQ(moves[static_cast<size_t>(1 + 4 * hole + 3)].end.z, 10);
  }
}

TEST_F(Cycles, LatheIncrementalDrillingCountsFromTheInitialLevel) {
  Lathe();
  Lines({"G0 X0 Z5.", "G91 G99 G83 Z-10. R-3. F.1"});
  ExpectLegs(1, {L(5, 0, 2, 0, kFeed), L(2, 0, -8, 0, kFeed), L(-8, 0, 2, 0, kFeed)});
  moves.clear();
  Lines({"G98 Z-10. R-3."});
  ExpectLegs(0, {L(5, 0, 2, 0, kFeed), L(2, 0, -8, 0, kFeed), L(-8, 0, 5, 0, kFeed)});
}

TEST_F(Cycles, DrillingLevelsTakeTheZOffsets) {
  bench.settings.use.Set(kUseOffsets, true);
  bench.interp.machine.work_offsets[0] = {100, 0, -50};
  Lines({"G0 X0 Y0 Z10."});
  moves.clear();
  Lines({"G81 G99 X1. Y1. Z-5. R2. F100.", "X2."});
  ASSERT_EQ(moves.size(), 8u);
  EXPECT_DOUBLE_EQ(moves[1].start.z, -40);  // initial level
  EXPECT_DOUBLE_EQ(moves[1].end.z, -48);    // R level
  EXPECT_DOUBLE_EQ(moves[2].end.z, -55);
  EXPECT_DOUBLE_EQ(moves[3].end.z, -48);
  EXPECT_DOUBLE_EQ(moves[4].start.x, 101);
  EXPECT_DOUBLE_EQ(moves[4].start.z, -48);  // the second hole starts at the R level
  EXPECT_DOUBLE_EQ(Reg(kRegPrevZ), 2);      // the register holds the level without offsets
}

TEST_F(Cycles, EveryDrillingCodeDrawsTheSameLegsButG88AndG89AreMoves) {
  for (const char* code : {"G73", "G82", "G83", "G84", "G85", "G86", "G87"}) {
    SCOPED_TRACE(code);
    Lines({"G80 G0 X0 Y0 Z10."});
    moves.clear();
    Lines({std::string(code) + " X1. Y1. Z-5. R2. F100."});
    ExpectLegs(0, {{{0, 0, 10}, {1, 1, 10}, kRapid},
                   {{1, 1, 10}, {1, 1, 2}, kRapid},
                   {{1, 1, 2}, {1, 1, -5}, kFeed},
                   {{1, 1, -5}, {1, 1, 2}, kRapid}});
  }
  Lines({"G80 G0 X0 Y0 Z10."});
  moves.clear();
  Lines({"G89 X5. Z-5. F50.", "G88 X6. F0"});
  EXPECT_TRUE(bench.interp.machine.cycle_active);
  ExpectLegs(0, {{{0, 0, 10}, {5, 0, -5}, kFeed}, {{5, 0, -5}, {6, 0, -5}, kRapid}});
}

TEST_F(Cycles, RecordedHolesArePointsTurnedByThePlotRotation) {
  bench.interp.motion.record_toolpath = true;
  bench.cad.table.current_colour = palette::kRed;
  bench.cad.table.current_layer = 7;
  Lines({"G0 X0 Y0 Z10.", "G81 X1. Y0 Z-5. R2. F100."});
  bench.interp.machine.rotation[2] = {90, 0, 0};  // about Z
  Lines({"X2."});
  const std::vector<CadElement> points = Points();
  ASSERT_EQ(points.size(), 2u);
  EXPECT_NEAR(points[0].d[0], 1, 1e-9);
  EXPECT_NEAR(points[0].d[1], 0, 1e-9);
  EXPECT_NEAR(points[0].d[2], -5, 1e-9);
  EXPECT_NEAR(points[1].d[0], 0, 1e-9);
  EXPECT_NEAR(points[1].d[1], 2, 1e-9);
  EXPECT_EQ(points[1].colour, palette::kRed);
  EXPECT_EQ(points[1].layer, 7);
  EXPECT_EQ(points[1].style, 0);
  EXPECT_EQ(points[1].state, ElementState::kToolpath);
}

TEST_F(Cycles, LatheDrillingFeedsAlongZAndRetractsWithTheOffsets) {
  Lathe();
  Lines({"G0 X0 Z10.", "G81 X0 Z-20. R2. F.1"});
  ExpectLegs(1, {L(10, 0, 2, 0, kFeed), L(2, 0, -20, 0, kFeed), L(-20, 0, 2, 0, kFeed)});
  EXPECT_DOUBLE_EQ(Reg(kRegPrevZ), 10);  // left as it was

  bench.settings.use.Set(kUseOffsets, true);
  bench.interp.machine.work_offsets[0] = {0, 0, 5};
  moves.clear();
  Lines({"G98 X2. Z-20."});
  // The legs carry on from one another at the hole's X; G98 returns to the initial level.
  ExpectLegs(0, {L(15, 0, 7, 1, kFeed), L(7, 1, -15, 1, kFeed), L(-15, 1, 15, 1, kFeed)});
}

TEST_F(Cycles, LatheThreadingDrawsTwoPassesAndEndsWhereItBegan) {
  Lathe();
  Lines({"G1 X20. Z5. F.2"});
  moves.clear();
  Lines({"G76 X16. Z-20. K1. F1.5"});
  ExpectLegs(0, {L(5, 10, 5, 9, kRapid), L(5, 9, -20, 9, kFeed), L(-20, 9, -20, 10, kRapid),
                 L(-20, 10, 5, 10, kRapid), L(5, 10, 5, 8, kRapid), L(5, 8, -20, 8, kFeed),
                 L(-20, 8, -20, 10, kRapid), L(-20, 10, 5, 10, kRapid)});
  EXPECT_FALSE(T1().G(76));
  EXPECT_DOUBLE_EQ(Reg(kRegF), 1.5);
  // The next block starts at the cycle's start point, still in G1.
  EXPECT_TRUE(T1().G(1));
  EXPECT_FALSE(T1().G(0));
  moves.clear();
  Lines({"X30."});
  ExpectLegs(0, {L(5, 10, 5, 15, kFeed)});

  // Taper I and first-pass depth D.
  moves.clear();
  Lines({"G0 X20. Z5.", "G76 X16. Z-20. I-1. K1. D0.2 F1.5"});
  ExpectLegs(1, {L(5, 10, 5, 7.8, kRapid), L(5, 7.8, -20, 8.8, kFeed), L(-20, 8.8, -20, 10, kRapid),
                 L(-20, 10, 5, 10, kRapid), L(5, 10, 5, 7, kRapid), L(5, 7, -20, 8, kFeed),
                 L(-20, 8, -20, 10, kRapid), L(-20, 10, 5, 10, kRapid)});
  EXPECT_TRUE(T1().G(0));
}

TEST_F(Cycles, G75StepsByKWithAFinalPassAtTheEndThenTheBlocksOwnMove) {
  Lathe();
  Lines({"G0 X20. Z0"});
  moves.clear();
  Lines({"G75 X10. Z-5. K2. D0.5 F.1"});
  std::vector<ExpectedLeg> legs;
  double from = 0;
  for (double z : {0.0, -2.0, -4.0, -5.0}) {
    legs.push_back(L(from, 10, z, 10, kRapid));
    legs.push_back(L(z, 10, z, 5, kFeed));
    legs.push_back(L(z, 5, z + 0.5, 5, kFeed));
    legs.push_back(L(z + 0.5, 5, z + 0.5, 10, kRapid));
    from = z + 0.5;
  }
  legs.push_back(L(-4.5, 10, -5, 5, kRapid));  // the block's own move, in G0
  ExpectLegs(0, legs);
  EXPECT_TRUE(T1().G(0));
  EXPECT_FALSE(T1().G(1));
  EXPECT_DOUBLE_EQ(Reg(kRegF), 0.1);
}

TEST_F(Cycles, G75WithoutKCutsOnePassAndBelowTheEndNone) {
  Lathe();
  Lines({"G0 X20. Z0"});
  moves.clear();
  Lines({"G75 X10. Z-5. D0.5 F.1"});
  ExpectLegs(0, {L(0, 10, 0, 10, kRapid), L(0, 10, 0, 5, kFeed), L(0, 5, 0.5, 5, kFeed),
                 L(0.5, 5, 0.5, 10, kRapid), L(-4.5, 10, -5, 5, kRapid)});

  // The cycle stays set: starting below the end Z it makes no pass, only the block's move.
  moves.clear();
  Lines({"X20. Z-3. K1."});
  ExpectLegs(0, {L(-2.5, 5, -3, 10, kRapid)});
}

TEST_F(Cycles, G75WithANegativeOrTinyStepStillEnds) {
  Lathe();
  Lines({"G0 X20. Z0"});
  moves.clear();
  Lines({"G75 X10. Z-5. K-2. D0.5 F.1"});
  EXPECT_EQ(moves.size(), 17u);  // the same four passes as K2
  moves.clear();
  Lines({"G0 X20. Z0", "G75 X10. Z-5. K.0000001 F.1"});
  EXPECT_EQ(moves.size(), 1 + 4u * (kMaxCyclePasses + 1) + 1);
}

TEST_F(Cycles, G74PassesAlongZAtXLevelsSteppedByI) {
  Lathe();
  Lines({"G0 X20. Z0"});
  moves.clear();
  Lines({"G74 X6. Z-3. I2. D0.5 F.1"});
  std::vector<ExpectedLeg> legs;
  double from = 10;
  for (double x : {10.0, 8.0, 6.0, 4.0, 3.0}) {
    legs.push_back(L(0, from, 0, x, kRapid));
    legs.push_back(L(0, x, -3, x, kFeed));
    legs.push_back(L(-3, x, -3, x + 0.5, kFeed));
    legs.push_back(L(-3, x + 0.5, 0, x + 0.5, kRapid));
    from = x + 0.5;
  }
  legs.push_back(L(0, 3.5, -3, 3, kRapid));
  ExpectLegs(0, legs);
}

TEST_F(Cycles, LatheCyclesAreNothingOnAMill) {
  Lines({"G0 X0 Y0 Z0", "G75 X10. Z-5. K2."});
  ExpectLegs(0, {{{0, 0, 0}, {10, 0, -5}, kRapid}});
}

class Cycle200 : public Cycles {
 protected:
  Cycle200() {
    bench.settings.code_format = 1;
    bench.plot.current = kFrontSlot;
  }
  // The legs of one cycle 200 at (x, y) from `from_z`: plunges to `levels`, then the bottom.
  static std::vector<ExpectedLeg> Legs(double x, double y, double from_z,
                                       std::initializer_list<double> levels) {
    std::vector<ExpectedLeg> legs{{{x, y, from_z}, {x, y, 2}, kRapid}};
    for (double z : levels) {
      legs.push_back({{x, y, 2}, {x, y, z}, kFeed});
      legs.push_back({{x, y, z}, {x, y, 50}, kRapid});
    }
    return legs;
  }
};

// A print statement does nothing, not even the drilling cycle in force.
TEST_F(Cycles, APrintBlockDrillsNothing) {
  Lines({"G0 X0 Y0 Z10.", "G81 X5. Y5. Z-2. R1. F10."});
  moves.clear();
  Lines({"DPRNT[HOLE*DONE]"});
  EXPECT_TRUE(moves.empty());
  Lines({"X8."});
  EXPECT_EQ(moves.size(), 4u);
}

TEST_F(Cycle200, PlungesFromTheClearanceAndRetractsToTheSecondClearance) {
  bench.settings.use.Set(kUseSubprograms, false);
  Lines({"G0 X10. Y20. Z100.", "G200 Q200=2 Q201=-10 Q202=4 Q203=0 Q204=50 Q206=150 Q210=0"});
  const Cycle200Parameters& c = bench.interp.cycles.cycle200;
  EXPECT_DOUBLE_EQ(c.clearance_level, 2);
  EXPECT_DOUBLE_EQ(c.depth_level, -10);
  EXPECT_DOUBLE_EQ(c.plunge_depth, 4);
  EXPECT_DOUBLE_EQ(c.plunge_feed, 150);
  EXPECT_DOUBLE_EQ(c.second_clearance, 50);
  moves.clear();
  // The M99 block only marks the call (and ends, as M99 does without subprograms); the next
  // block that does not move drills.
  Lines({"M99"});
  EXPECT_TRUE(moves.empty());
  EXPECT_TRUE(bench.interp.cycles.cycle200_called);
  Lines({"M8"});
  ExpectLegs(0, Legs(10, 20, 100, {-4, -8, -10}));
  EXPECT_FALSE(bench.interp.cycles.cycle200_called);
  EXPECT_DOUBLE_EQ(Reg(kRegZ), 50);
  EXPECT_DOUBLE_EQ(Reg(kRegPrevZ), 50);
  EXPECT_TRUE(T1().G(0));
  EXPECT_FALSE(T1().G(1));
  EXPECT_FALSE(bench.stop_requested);
}

// M99 keeps its meaning of a return in this dialect: a subprogram comes back to its caller,
// whose next block without a move drills; in the main program it is the usual fault.
TEST_F(Cycle200, M99ReturnsFromASubprogramAndTheCallerDrills) {
  Load(
      "G0 X10. Y20. Z100.\nG200 Q200=2 Q201=-10 Q202=4 Q203=0 Q204=50 Q206=150\n"
      "M98 P100\nM5\nM30\nO100\nG0 X30.\nM99\n");
  RunProgram();
  EXPECT_FALSE(host.Showed(kNoPlaceToReturn));
  EXPECT_FALSE(bench.stop_requested);
  ASSERT_GE(moves.size(), 2u);
  EXPECT_EQ(moves[1].end, (Xyz{30, 20, 100}));  // the subprogram's own move
  ExpectLegs(2, Legs(30, 20, 100, {-4, -8, -10}));
  EXPECT_EQ(bench.interp.flow.level, 0);

  moves.clear();
  Lines({"M99"});
  EXPECT_TRUE(host.Showed(kNoPlaceToReturn));
  EXPECT_TRUE(bench.stop_requested);
}

TEST_F(Cycle200, ZeroPlungeDepthWarnsAndDrillsTheSurfaceThenTheBottom) {
  Lines({"G0 X10. Y20. Z100.", "G200 Q200=2 Q201=-10 Q202=0 Q203=0 Q204=50 Q206=150"});
  bench.settings.use.Set(kUseSubprograms, false);
  moves.clear();
  Lines({"M99", "M5"});
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, kBadQ202);
  EXPECT_EQ(host.messages[0].kind, "information");
  ExpectLegs(0, Legs(10, 20, 100, {0, -10}));
}

TEST_F(Cycle200, TheTopViewKeepsTheCallPendingUntilABlockWithoutAMove) {
  bench.settings.use.Set(kUseSubprograms, false);
  bench.plot.current = kTopSlot;
  Lines({"G0 X10. Y20. Z100.", "G200 Q200=2 Q201=-10 Q202=4 Q203=0 Q204=50 Q206=80", "M99"});
  moves.clear();
  Lines({"M5"});
  EXPECT_TRUE(moves.empty());
  EXPECT_TRUE(bench.interp.cycles.cycle200_called);
  bench.plot.current = kFrontSlot;
  Lines({"G0 X15."});  // a block with a move of its own does not drill
  ASSERT_EQ(moves.size(), 1u);
  moves.clear();
  Lines({"M5"});
  ExpectLegs(0, Legs(15, 20, 100, {-4, -8, -10}));
  EXPECT_FALSE(bench.interp.cycles.cycle200_called);
}

TEST_F(Cycles, DrillingAptLineCarriesTheBlocksWords) {
  EXPECT_EQ(DrillCycleAptLine(-5, 100, 2, 10),
            "CYCLE/DRILL,FEDTO,-5.0,IPM,100.0,RAPTO,2.0,RTRCTO,10.0");
  Lines({"G0 X0 Y0 Z10."});
  // As InterpretBlock does first: the block starts from the last Z.
  T1()[kRegPrevZ] = T1()[kRegZ];
  ASSERT_TRUE(ReadWords(bench, 1, "G81 G99 X1. Y1. Z-5. R2. F100."));
  EXPECT_EQ(TakePendingCycleApt(bench, 1),
            "CYCLE/DRILL,FEDTO,-5.0,IPM,100.0,RAPTO,2.0,RTRCTO,10.0");
  EXPECT_EQ(TakePendingCycleApt(bench, 1), "");  // written once
  ASSERT_TRUE(ReadWords(bench, 1, "X2. Z-6."));
  EXPECT_EQ(TakePendingCycleApt(bench, 1), "");  // only when the G word is read
}

TEST_F(Cycles, AProgramOfThreeHundredHoles) {
  std::string program = "G0 X0 Y0 Z25.\nG81 G99 Z-12.5 R1.5 F200.\n";
  for (int row = 0; row < 15; ++row) {
    for (int col = 0; col < 20; ++col) {
      program += "X" + std::to_string(col * 5) + ".0 Y" + std::to_string(row * 4) + ".0\n";
    }
  }
  program += "G80\nG0 Z25.\nM30\n";
  Load(program);
  bench.interp.motion.record_toolpath = true;
  RunProgram();
  // The first move, the cycle block's own hole at (0, 0), 300 holes, and the final Z move.
  ASSERT_EQ(moves.size(), 1 + 4 * 301u + 1);
  for (int hole = 1; hole <= 300; ++hole) {
    const int index = hole - 1;
    const double x = (index % 20) * 5, y = (index / 20) * 4;
    const size_t at = 1 + 4 * static_cast<size_t>(hole);
    SCOPED_TRACE("hole " + std::to_string(hole));
    EXPECT_DOUBLE_EQ(moves[at].end.x, x);
    EXPECT_DOUBLE_EQ(moves[at].end.y, y);
    EXPECT_DOUBLE_EQ(moves[at].start.z, 1.5);
    EXPECT_DOUBLE_EQ(moves[at + 2].end.z, -12.5);
    EXPECT_EQ(moves[at + 2].kind, MoveKind::kFeed);
    EXPECT_DOUBLE_EQ(moves[at + 3].end.z, 1.5);
  }
  EXPECT_EQ(Points().size(), 301u);
  EXPECT_DOUBLE_EQ(moves.back().start.z, 1.5);
  EXPECT_DOUBLE_EQ(moves.back().end.z, 25);
}

}  // namespace
}  // namespace vormak::test
