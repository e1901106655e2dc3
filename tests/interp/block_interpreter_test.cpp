#include "interp/block_interpreter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "interp/macro_variables.h"
#include "interp/word_reader.h"
#include "interp_fixture.h"
#include "nctext/block_words.h"
#include "settings/temp_folder.h"

namespace vormak::test {
namespace {

using Blocks = InterpFixture;

TEST_F(Blocks, LatheDiameterWordsAreHalvedAndAddedUnderG91) {
  Lathe();
  Lines({"G1 X10. Z-2. F.2"});
  EXPECT_DOUBLE_EQ(Reg(kRegX), 5);
  Lines({"G91 X10."});
  EXPECT_DOUBLE_EQ(Reg(kRegPrevX), 5);
  EXPECT_DOUBLE_EQ(Reg(kRegX), 10);
  Lines({"U-4. W1."});  // incremental words: U is a diameter too
  EXPECT_DOUBLE_EQ(Reg(kRegX), 8);
  EXPECT_DOUBLE_EQ(Reg(kRegZ), -1);
  // A lathe hands each point to the executor as (Z, X, 0).
  ASSERT_EQ(moves.size(), 3u);
  EXPECT_EQ(moves[0].end, (Xyz{-2, 5, 0}));
  EXPECT_EQ(moves[2].start, (Xyz{-2, 10, 0}));
  EXPECT_EQ(moves[2].end, (Xyz{-1, 8, 0}));
}

TEST_F(Blocks, LinePairsGoToTheirOwnTurrets) {
  Lathe();
  bench.settings.twin_turrets = true;
  for (TurretState& ts : bench.interp.turret) SetGDefaults(ts);
  InterpretLinePair(bench, "G1 X10. Z-1. F.1", "G0 X20. Z-3.");
  const TurretState& t2 = bench.interp.Turret(2);
  EXPECT_DOUBLE_EQ(Reg(kRegX), 5);
  EXPECT_TRUE(T1().G(1));
  EXPECT_DOUBLE_EQ(t2[kRegX], 10);
  EXPECT_TRUE(t2.G(0));
  EXPECT_FALSE(t2.G(1));
  EXPECT_EQ(bench.interp.run.turret, 1);
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[0].turret, 1);
  EXPECT_EQ(moves[1].turret, 2);
  EXPECT_EQ(moves[1].end, (Xyz{-3, 10, 0}));
}

TEST_F(Blocks, MillXIsNeverHalvedAndImpliedDecimalsApply) {
  Lines({"G0 X10. Y20 Z.5"});
  EXPECT_DOUBLE_EQ(Reg(kRegX), 10);
  EXPECT_DOUBLE_EQ(Reg(kRegY), 0.002);  // no point: ten-thousandths
  EXPECT_DOUBLE_EQ(Reg(kRegZ), 0.5);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].kind, MoveKind::kRapid);
  EXPECT_EQ(moves[0].start, (Xyz{0, 0, 0}));
  EXPECT_EQ(moves[0].end, (Xyz{10, 0.002, 0.5}));
}

TEST_F(Blocks, MotionCodeIsTheLastMotionWordAndStaysModal) {
  Lines({"G1 X1."});
  EXPECT_EQ(Reg(kRegMotion), 1);
  Lines({"G0 G90"});
  EXPECT_EQ(Reg(kRegMotion), 0);
  EXPECT_TRUE(T1().G(0));
  EXPECT_FALSE(T1().G(1));
  Lines({"G2 G17"});
  Lines({"G17"});
  EXPECT_EQ(Reg(kRegMotion), 2);
  Lines({"G18"});
  EXPECT_TRUE(T1().G(18));
  EXPECT_FALSE(T1().G(17));
}

TEST_F(Blocks, BadGCodeShowsTheTextNotYetProcessedAndStopsTheGWords) {
  T1().SetG(17, false);
  Lines({"G1X5G281G17"});
  ASSERT_EQ(host.Texts().size(), 1u);
  EXPECT_EQ(host.Texts()[0], "Bad G code in\r\n1X5G281G17");
  EXPECT_TRUE(T1().G(1));
  EXPECT_FALSE(T1().G(17));  // after the bad one nothing is read
  EXPECT_FALSE(bench.stop_requested);
  // A bad first G word shows the whole block; Cancel ends the block before its move.
  host.QueueAnswer(Answer::kCancel);
  Lines({"X5.G-1"});
  EXPECT_EQ(host.Texts().back(), "Bad G code in\r\nX5.G-1");
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_DOUBLE_EQ(Reg(kRegX), 0.0005);  // G words come before X: the X5. is never read
  EXPECT_TRUE(moves.empty() || moves.back().end.x != 5);
}

TEST_F(Blocks, SpindleAndCoolantFollowTheMCodes) {
  const MachineState& ms = bench.interp.machine;
  Lines({"M3 M8"});
  EXPECT_TRUE(ms.spindle_on);
  EXPECT_TRUE(ms.coolant_on);
  Lines({"M4 M14"});
  Lines({"M13"});
  EXPECT_TRUE(T1().M(13));
  EXPECT_FALSE(T1().M(4));
  EXPECT_FALSE(T1().M(14));
  Lines({"M9"});
  EXPECT_FALSE(ms.coolant_on);
  Lines({"M5"});
  EXPECT_FALSE(ms.spindle_on);
  Lines({"M400"});
  EXPECT_EQ(host.Texts().back(), "Bad M code in\r\nM400");
  EXPECT_FALSE(T1().M(0));  // one-shot M flags are cleared at every block
  Lines({"M0"});
  EXPECT_TRUE(T1().M(0));
  Lines({"X1."});
  EXPECT_FALSE(T1().M(0));
}

// The letters of SIN, COS, ROUND, TRUNC, ABS inside a bracket expression are not S, I, C, R, T
// or A words: they must neither change the spindle speed, call a tool or an arc radius, nor
// show "Bad Character in Value".
TEST_F(Blocks, LettersInsideBracketExpressionsAreNotWords) {
  Lines({"S1000 M3 M8", "G01 X[TRUNC[2.7]] Y[SIN[30.]*10.] Z[COS[60.]] F[ROUND[99.6]] M08"});
  EXPECT_TRUE(host.Texts().empty()) << host.Texts().front();
  EXPECT_TRUE(T1().M(8));
  EXPECT_DOUBLE_EQ(T1()[kRegS], 1000);
  EXPECT_DOUBLE_EQ(T1()[kRegX], 2);
  EXPECT_NEAR(T1()[kRegY], 5, 1e-9);
  EXPECT_NEAR(T1()[kRegZ], 0.5, 1e-9);
  EXPECT_DOUBLE_EQ(T1()[kRegF], 100);
  for (TurretRegister r : {kRegT, kRegC, kRegA, kRegI, kRegR, kRegArcRadius}) {
    EXPECT_DOUBLE_EQ(T1()[r], 0) << r;
  }
  // A word after an expression holding its letter is still read.
  Lines({"G01 X[ABS[-3.]] S[SQRT[4.]*100.]"});
  EXPECT_DOUBLE_EQ(T1()[kRegX], 3);
  EXPECT_DOUBLE_EQ(T1()[kRegS], 200);
}

TEST_F(Blocks, FeedWithoutSpindleOrCoolantWarnsAndCancelStops) {
  bench.settings.use.Set(kUseWarnNoSpindle, true);
  bench.settings.use.Set(kUseWarnNoCoolant, true);
  Lines({"G1 X1. F100."});
  EXPECT_EQ(host.Texts(),
            (std::vector<std::string>{"G01 without spindle on", "G01 without coolant"}));
  host.messages.clear();
  Lines({"M3", "G0 X0", "G1 X2. F0"});  // coolant warning only with a feed
  EXPECT_TRUE(host.Texts().empty());
  host.QueueAnswer(Answer::kCancel);
  Lines({"M9 M5", "G1 X3. F10."});
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"G01 without spindle on"}));
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_DOUBLE_EQ(Reg(kRegX), 2);  // the block ended before its X
}

TEST_F(Blocks, DrillingCyclesCancelAndKeepTheirZ) {
  Lines({"G0 X0 Y0 Z10."});
  const size_t before = moves.size();
  Lines({"G81 X1. Y1. Z-5. R1. F100."});
  EXPECT_TRUE(bench.interp.machine.cycle_active);
  EXPECT_TRUE(T1().G(81));
  EXPECT_FALSE(T1().G(80));
  EXPECT_DOUBLE_EQ(Reg(kRegR), 1);
  Lines({"X2."});
  EXPECT_DOUBLE_EQ(Reg(kRegPrevZ), 1);  // the next hole starts from the R level
  EXPECT_EQ(moves.size(), before + 8);  // each cycle block drills a hole in four legs
  Lines({"G80"});
  EXPECT_FALSE(T1().G(81));
  EXPECT_FALSE(bench.interp.machine.cycle_active);
  Lines({"G81 X1.", "G0 X5."});
  EXPECT_FALSE(T1().G(81));
  EXPECT_FALSE(bench.interp.machine.cycle_active);
}

TEST_F(Blocks, RotationLinesTurnThePlotOnlyWithCodesOn) {
  Lines({"(TRZ 90,1.5,2)"});
  const AxisRotation& z = bench.interp.machine.rotation[2];
  EXPECT_DOUBLE_EQ(z.angle, 90);
  EXPECT_DOUBLE_EQ(z.c1, 1.5);
  EXPECT_DOUBLE_EQ(z.c2, 2);
  SetVariable(bench.macro_variables, 0, 1, 30);
  Lines({"(TRX #1,0,[2*3])"});
  EXPECT_DOUBLE_EQ(bench.interp.machine.rotation[0].angle, 30);
  EXPECT_DOUBLE_EQ(bench.interp.machine.rotation[0].c2, 6);
  bench.settings.use.Set(kUseCodes, false);
  Lines({"(TRZ 45,0,0)"});
  EXPECT_DOUBLE_EQ(z.angle, 90);
  EXPECT_TRUE(moves.empty());
}

TEST_F(Blocks, BlockDeleteAndIgnoreCharacters) {
  bench.settings.use.Set(kUseBlockSkip, true);
  Lines({"/G1X1."});
  EXPECT_DOUBLE_EQ(Reg(kRegX), 0);
  Lines({"(TBT )", "/G1X1. (SKIPPED WITH X)"});
  EXPECT_DOUBLE_EQ(Reg(kRegX), 1);
  EXPECT_FALSE(bench.settings.use[kUseBlockSkip]);
  Lines({"(TBF )", "/X2."});
  EXPECT_DOUBLE_EQ(Reg(kRegX), 1);
  bench.settings.ignore_char = "%;";
  Lines({";X3.", "%"});
  EXPECT_DOUBLE_EQ(Reg(kRegX), 1);
}

TEST_F(Blocks, MacroTestsDependOnTheDialect) {
  Lines({"#1=2"});
  EXPECT_EQ(GetVariable(bench.macro_variables, 1), 2);
  bench.settings.code_format = 1;
  Lines({"#1=5"});  // a block with variables, not an assignment
  EXPECT_EQ(GetVariable(bench.macro_variables, 1), 2);
  bench.settings.code_format = 0;
  Lines({"G1 X#1"});
  EXPECT_DOUBLE_EQ(Reg(kRegX), 2);
}

TEST_F(Blocks, CommentsNeverBecomeStatements) {
  bench.settings.use.Set(kUseCodes, false);
  Lines({"G0 X1. (GO TO END OF PART)", "(END OF PROGRAM)"});
  EXPECT_DOUBLE_EQ(Reg(kRegX), 1);
  EXPECT_TRUE(host.Texts().empty());
  bench.settings.use.Set(kUseCodes, true);
  Lines({"#2=7 (TRAVEL)", "G0 X2. (TRT )"});
  EXPECT_EQ(GetVariable(bench.macro_variables, 2), 7);
  EXPECT_DOUBLE_EQ(Reg(kRegX), 1);  // a comment code is the whole line's meaning
  EXPECT_TRUE(bench.interp.machine.trt_flag);
  Lines({"(TRO )"});
  EXPECT_FALSE(bench.interp.machine.trt_flag);
}

TEST_F(Blocks, WorkOffsetsG10AndTG) {
  bench.settings.use.Set(kUseOffsets, true);
  Lines({"G10 L2 P2 X1. Z-3.", "(TG G54 X.5 Y.25 Z0)"});
  EXPECT_EQ(bench.interp.machine.work_offsets[1], (Xyz{1, 0, -3}));
  EXPECT_EQ(bench.interp.machine.work_offsets[0], (Xyz{0.5, 0.25, 0}));
  Lines({"G55 G0 X1. Y1. Z1."});
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].start, (Xyz{1, 0, -3}));
  EXPECT_EQ(moves[0].end, (Xyz{2, 1, -2}));
  Lines({"G54 X2."});
  EXPECT_EQ(moves.back().end, (Xyz{2.5, 1.25, 1}));
  // G100 is no G10 line: it is read as a block.
  Lines({"G100 X3."});
  EXPECT_DOUBLE_EQ(Reg(kRegX), 3);
}

TEST_F(Blocks, G92ShiftsHomeAndG50) {
  bench.settings.use.Set(kUseG92G50, true);
  Lines({"G0 X1. Y1.", "G92 X10. Y20."});
  EXPECT_EQ(bench.interp.machine.coordinate_shift, (Xyz{10, 20, 0}));
  EXPECT_FALSE(T1().G(92));
  const size_t after_shift = moves.size();
  EXPECT_EQ(after_shift, 1u);  // the G92 block itself does not move
  Lines({"X11."});
  EXPECT_EQ(moves.back().end, (Xyz{21, 40, 0}));
  Lines({"G28 X0 Y0 Z0"});
  EXPECT_DOUBLE_EQ(Reg(kRegX), 100);
  EXPECT_DOUBLE_EQ(Reg(kRegZ), 100);
  Lines({"G50 X4. Z2."});
  EXPECT_DOUBLE_EQ(bench.interp.machine.home.x, 4);
  EXPECT_DOUBLE_EQ(bench.interp.machine.home.z, 2);
  bench.settings.use.Set(kUseG92G50, false);
  Lines({"G92 X5."});                       // without the option G92 is a move
  EXPECT_DOUBLE_EQ(moves.back().end.x, 5);  // and the shift is not applied
}

// G28 rapids through the intermediate point the block names, then home for the axes it names,
// whatever motion code is in force; the motion code stays for the blocks after it.
TEST_F(Blocks, G28RapidsThroughTheIntermediatePointToHome) {
  bench.interp.machine.home = {0, 0, 10};
  bench.interp.time.accounting = true;
  Lines({"G90 G0 X0 Y0 Z0", "G1 X5. Y5. F20."});
  moves.clear();
  Lines({"G28 X10. Y10."});
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[0].kind, MoveKind::kRapid);
  EXPECT_EQ(moves[0].start, (Xyz{5, 5, 0}));
  EXPECT_EQ(moves[0].end, (Xyz{10, 10, 0}));
  EXPECT_EQ(moves[1].kind, MoveKind::kRapid);
  EXPECT_EQ(moves[1].end, (Xyz{0, 0, 0}));  // Z was not named: it stays
  // Both legs timed at the rapid feed, each with its allowance.
  const double rapid = bench.settings.rapid_feed;
  const double allowance = rapid * bench.settings.decel_factor;
  EXPECT_NEAR(bench.interp.time.block_time,
              (std::sqrt(50.0) + std::sqrt(200.0)) / rapid + 2 * allowance, 1e-9);
  EXPECT_TRUE(T1().G(1));
  EXPECT_FALSE(T1().G(0));

  // Under G91 the intermediate point is a distance; a leg of no length is not drawn.
  moves.clear();
  Lines({"G91 G28 Z5.", "G28 Z0", "G90 X1."});
  ASSERT_EQ(moves.size(), 3u);
  EXPECT_EQ(moves[0].end, (Xyz{0, 0, 5}));
  EXPECT_EQ(moves[1].end, (Xyz{0, 0, 10}));
  EXPECT_EQ(moves[2].kind, MoveKind::kFeed);  // G1 again
  EXPECT_EQ(moves[2].start, (Xyz{0, 0, 10}));

  // A lathe reads the intermediate point from U and W as well.
  Lathe();
  bench.interp.machine.home = {10, 0, 10};
  Lines({"G90 G1 X20. Z-10. F.2"});
  moves.clear();
  Lines({"G28 U10. W0"});
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[0].end, (Xyz{-10, 15, 0}));  // (Z, X radius)
  EXPECT_EQ(moves[1].end, (Xyz{10, 10, 0}));
}

TEST_F(Blocks, DwellAndOneShotFlags) {
  Lines({"G1 X1. F10.", "G4 X2."});
  EXPECT_DOUBLE_EQ(Reg(kRegX), 1);  // the dwell's X is no axis
  EXPECT_TRUE(T1().G(4));
  Lines({"Y1."});
  EXPECT_FALSE(T1().G(4));
  EXPECT_TRUE(T1().G(1));
  Lines({"G2 X2. I.5 J0"});
  EXPECT_DOUBLE_EQ(Reg(kRegI), 0.5);
  EXPECT_DOUBLE_EQ(Reg(kRegArcRadius), 0.5);
  Lines({"X3."});
  EXPECT_DOUBLE_EQ(Reg(kRegI), 0);  // I, J, K are per block
}

TEST_F(Blocks, NoMoveWhenTheEndIsTheStart) {
  Lines({"G1 X1. F10.", "X1.", "F20.", "G3 I1."});
  // A full circle (end = start) moves because it names a centre.
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[1].kind, MoveKind::kArc);
}

TEST_F(Blocks, AxisSwapShiftAndDrawingFlags) {
  const MachineState& ms = bench.interp.machine;
  Lines({"(TSW X, Z)"});
  EXPECT_TRUE(ms.axis_swap);
  EXPECT_EQ(ms.swap_a, 'X');
  EXPECT_EQ(ms.swap_b, 'Z');
  Lines({"(TSW OFF)"});
  EXPECT_FALSE(ms.axis_swap);
  Lines({"(TOF X1. K-2.)"});
  EXPECT_EQ(ms.program_shift, (Xyz{1, 0, 0}));
  EXPECT_EQ(ms.program_shift_ijk, (Xyz{0, 0, -2}));
  Lines({"(TIB )"});
  EXPECT_TRUE(ms.ignore_block);
  Lines({"(TIE )"});
  EXPECT_FALSE(ms.ignore_block);
  Lines({"(TL TOOL5)"});
  EXPECT_FALSE(bench.stop_requested);
  bench.settings.use.Set(kUseStopTlTm, true);
  Lines({"(TM 1,.5)"});
  EXPECT_TRUE(bench.stop_requested);
}

TEST_F(Blocks, MirrorAndRotaryWords) {
  bench.settings.mirror[1] = true;
  bench.settings.use.Set(kUseRotary, true);
  bench.settings.rotary_axis = {1, 2, 3};
  Lines({"G0 Y2. C30."});
  EXPECT_DOUBLE_EQ(Reg(kRegY), -2);
  EXPECT_DOUBLE_EQ(bench.interp.machine.rotation[2].angle, 30);
  Lines({"G91 C15."});
  EXPECT_DOUBLE_EQ(Reg(kRegC), 45);
  EXPECT_DOUBLE_EQ(Reg(kRegPrevC), 30);
  EXPECT_EQ(bench.interp.motion.rotary_axis_moved, 3);
}

TEST_F(Blocks, PlotViewStatements) {
  Lines({"(TW W5.)"});
  EXPECT_DOUBLE_EQ(bench.plot.Current().plot_height, 5);
  Lines({"(TW W0)"});
  EXPECT_DOUBLE_EQ(bench.plot.Current().plot_height, kMinPlotHeight);
  Lines({"(TC X10. Z3.)"});
  EXPECT_DOUBLE_EQ(bench.plot.Current().centre_y, 10);  // a mill's X is a radius
  EXPECT_DOUBLE_EQ(bench.plot.Current().centre_x, 3);
}

TEST_F(Blocks, TsRunsTheCommentAsABlockAndTxtIncludesAFile) {
  SetVariable(bench.macro_variables, 0, 3, 4);
  Lines({"(TS G1 X#3 F1.)"});
  EXPECT_DOUBLE_EQ(Reg(kRegX), 4);
  TempFolder folder;
  folder.Write("part.nc", "G0 Y7.\r\nG65 P9\r\n(TXT other)\r\nZ2.\r\nM30\r\nX99.\r\n");
  bench.settings.nc_path = folder.path();
  Lines({"(TXT PART)"});
  EXPECT_DOUBLE_EQ(Reg(kRegY), 7);
  EXPECT_DOUBLE_EQ(Reg(kRegZ), 2);
  EXPECT_DOUBLE_EQ(Reg(kRegX), 4);  // reading stops at M30
  EXPECT_TRUE(host.Texts().empty());
  Lines({"(TXT MISSING)"});
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"FILE NOT FOUND"}));
}

TEST_F(Blocks, ToolChangeAdvancesThePenColour) {
  bench.settings.solid_tool_color = 2;
  bench.interp.motion.pen_colour = 0x123456;  // not in the table: counts as index 10
  Lines({"M6"});
  const std::int32_t after_lime = bench.interp.motion.pen_colour;
  Lines({"T2"});
  EXPECT_NE(bench.interp.motion.pen_colour, after_lime);
  EXPECT_DOUBLE_EQ(Reg(kRegT), 2);
}

TEST_F(Blocks, CutterCompCodes) {
  bench.settings.use.Set(kUseCutterComp, true);
  // The last compensated point, in program coordinates.
  bench.interp.comp.active = true;
  bench.interp.comp.program_end = {3, 4, 0};
  Lines({"G41 D1"});
  EXPECT_FALSE(bench.interp.machine.cancel_pending);
  Lines({"G40"});
  EXPECT_TRUE(bench.interp.machine.cancel_pending);
  EXPECT_FALSE(T1().G(41));
  EXPECT_DOUBLE_EQ(Reg(kRegX), 3);
  EXPECT_DOUBLE_EQ(Reg(kRegY), 4);
}

TEST_F(Blocks, HostileLinesNeitherCrashNorHang) {
  bench.settings.use.Set(kUseCheckSyntax, true);
  std::string huge(100000, 'X');
  huge[50000] = '(';
  Lines({huge, std::string(100000, '9'), "G" + std::string(5000, '['), "X[[[[[[[[[[1]",
         std::string("G1\0X\xff\x80M99(", 10), "((((((((", "#=", "GOTO", "WHILE[", "END"});
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 37) & 0xff));
  Load(binary);
  bench.stop_requested = false;
  RunProgram(2000);
  SUCCEED();
}

TEST(WordReader, AgreesWithAddressValue) {
  FakeHost host;
  Workbench bench(host);
  for (const char* block : {"X1.5Y2", "X-.5", "X 1 0", "X1.0X2.0", "X-[3*2]", "X[1+2]Y3", "X5.",
                            "X--1", "X1.2.3", "X+5", "X+.5", "X+-5", "X++5", "X+ 5", "X -5", "X",
                            "Y-0", "X123456789012345678901234567", "X12500", "X-0012Y1",
                            "X1*2", "X1/2", "X2[", "X7-", "X9007199254740993", "X.5.",
                            "X0.1234567890123456789", "X3 ", "X4(", "X-12.5#1", "X1.5 Y2", "X1.5  -2", "X2 [1]",
                            "X2 .5", "X2 ", "X-3 *2"}) {
    for (bool implied : {false, true}) {
      EXPECT_DOUBLE_EQ(WordReader(block).Value(bench, 'X', implied),
                       AddressValue(bench, "X", block, implied))
          << block;
    }
  }
  EXPECT_EQ(WordReader("X[SIN[3]]S5").FirstAt('S'), 9u);
  EXPECT_FALSE(WordReader("Y[SIN[[2]]]").Has('S'));
  EXPECT_EQ(FindWordLetter("G1X[2]G2", 'G', 1), 6u);
}

}  // namespace
}  // namespace vormak::test
