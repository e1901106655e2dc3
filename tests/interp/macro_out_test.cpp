// Macro Out: the plotter's moves echoed as plain motion blocks, and the echoed file plotting to
// the same path as the macro program it came from.
#include "interp/macro_out.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "interp_fixture.h"
#include "settings/temp_folder.h"

namespace vormak::test {
namespace {

class MacroOut : public InterpFixture {
 protected:
  TempFolder folder;
  std::string Echo(const std::string& program, bool incremental) {
    EXPECT_TRUE(OpenMacroOut(bench, folder.File("out.nc")));
    bench.interp.motion.macro_out_incremental = incremental;
    Load(program);
    RunProgram();
    EXPECT_TRUE(CloseMacroOut(bench));
    return folder.Read("out.nc");
  }
};

TEST_F(MacroOut, MillBlocksAbsoluteAndIncremental) {
  const std::string program =
      "G90 G00 X1. Y2. Z3.\nG01 X4. F50.\nG02 X5. Y1. I0 J-1.\nG01 X6. F0\n(TMC DONE #100)\n"
      "(TMO M05)\nM30\n";
  SetVariable(bench.macro_variables, 0, 100, 7);
  EXPECT_EQ(Echo(program, false),
            "G00X1.0Y2.0Z3.0\r\nG01X4.0Y2.0Z3.0F50.0\r\nG02X5.0Y1.0Z3.0I.0J-1.0K.0F50.0\r\n"
            "G00X6.0Y1.0Z3.0\r\n(DONE 7.)\r\nM05\r\n");
  moves.clear();
  for (TurretState& ts : bench.interp.turret) ts.reg.fill(0);
  EXPECT_EQ(Echo(program, true),
            "G00X1.0Y2.0Z3.0\r\nG01X3.0Y.0Z.0F50.0\r\nG02X1.0Y-1.0Z.0I.0J-1.0K.0F50.0\r\n"
            "G00X1.0Y.0Z.0\r\n(DONE 7.)\r\nM05\r\n");
}

TEST_F(MacroOut, LatheWritesXAsADiameterInDiameterMode) {
  Lathe();
  const std::string program = "G00 X2. Z1.\nG01 Z-1. F.2\nG03 X4. Z-2. I0 K-1.\nM30\n";
  EXPECT_EQ(Echo(program, false), "G00X2.0Z1.0\r\nG01X2.0Z-1.0F.2\r\nG03X4.0Z-2.0I.0K-1.0F.2\r\n");
  bench.settings.x_radius = true;
  for (TurretState& ts : bench.interp.turret) ts.reg.fill(0);
  EXPECT_EQ(Echo(program, false), "G00X2.0Z1.0\r\nG01X2.0Z-1.0F.2\r\nG03X4.0Z-2.0I.0K-1.0F.2\r\n");
}

// Turning the part with a rotary word moves no linear axis: nothing is echoed for it.
TEST_F(MacroOut, ARotaryTurnIsNoMotionBlock) {
  bench.settings.use.Set(kUseRotary, true);
  EXPECT_EQ(Echo("G00 X10. Y0 Z0\nG01 C90. F100.\nM30\n", false), "G00X10.0Y.0Z.0\r\n");
}

TEST_F(MacroOut, ClosedFileWritesNothingAndAnUnwritableFileIsRefused) {
  Lines({"G00 X1."});
  EXPECT_FALSE(MacroOutOpen(bench));
  EXPECT_FALSE(OpenMacroOut(bench, folder.File("no/such/folder/out.nc")));
  EXPECT_FALSE(MacroOutOpen(bench));
  EXPECT_TRUE(CloseMacroOut(bench));
}

TEST_F(MacroOut, AFullDiskStopsTheEchoWithOneMessage) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ASSERT_TRUE(OpenMacroOut(bench, "/dev/full"));
  for (int i = 0; i < 2000; ++i) Lines({"G00 X" + std::to_string(i % 50) + "."});
  EXPECT_FALSE(CloseMacroOut(bench) && host.Texts().empty());
  EXPECT_EQ(host.Texts(), std::vector<std::string>{"Error writing to: /dev/full"});
}

// Arcs out of the X-Y plane carry their plane code into the file, so the echo plots them
// turning the same way about the same centres.
TEST_F(MacroOut, PlaneCodesGoWithTheArcs) {
  const std::string program =
      "G90 G17 G00 X0 Y0 Z0\nG18 G02 X10. Z10. R10. F10.\nG03 X20. Z0 I10. K0\n"
      "G19 G02 Y10. Z10. J0 K10.\nG17 G02 X30. Y0 R10.\nM30\n";
  const std::string echoed = Echo(program, false);
  EXPECT_EQ(echoed.substr(0, 5), "G18\r\n");
  const std::vector<DrawnMove> original = moves;
  ASSERT_EQ(original.size(), 4u);

  moves.clear();
  bench.interp = InterpState{};
  for (TurretState& ts : bench.interp.turret) SetGDefaults(ts);
  bench.interp.motion.move_observer = [this](const DrawnMove& m) { moves.push_back(m); };
  Load(echoed);
  RunProgram();
  ASSERT_EQ(moves.size(), original.size()) << echoed;
  for (size_t i = 0; i < moves.size(); ++i) {
    EXPECT_EQ(moves[i].plane, original[i].plane) << i;
    EXPECT_NEAR(moves[i].sweep, original[i].sweep, 1e-3) << i;
    EXPECT_NEAR(moves[i].centre.x, original[i].centre.x, 2e-4) << i;
    EXPECT_NEAR(moves[i].centre.y, original[i].centre.y, 2e-4) << i;
    EXPECT_NEAR(moves[i].centre.z, original[i].centre.z, 2e-4) << i;
  }
}

// A macro program (local variables, a WHILE loop, a subprogram, arcs by R both ways) comes out
// as plain blocks that plot to the same moves, in absolute form and, under G91, incremental.
TEST_F(MacroOut, EchoedProgramPlotsTheSamePath) {
  const std::string program =
      "G90 G17 G00 X0 Y0 Z1.\n#100=0.\nWHILE [#100 LT 3.] DO1\nG01 Z[-0.1*[#100+1.]] F10.\n"
      "G01 X[2.+#100] F20.\nG02 X[4.+#100] Y0 R1.\nG03 X[5.+#100] Y1. R-1.\nG00 Z1.\n"
      "#100=#100+1.\nEND1\nM98 P200\nG00 X0 Y0\nM30\nO200\nG01 X1. Y1. Z-.2 F15.\n"
      "G03 X1. Y3. I0 J1.\nM99\n";
  for (bool incremental : {false, true}) {
    moves.clear();
    bench.interp = InterpState{};
    for (TurretState& ts : bench.interp.turret) SetGDefaults(ts);
    bench.interp.motion.move_observer = [this](const DrawnMove& m) { moves.push_back(m); };
    const std::string echoed = Echo(program, incremental);
    const std::vector<DrawnMove> original = moves;
    ASSERT_EQ(original.size(), 19u);  // 1 + 3 passes of 5 + 2 in the subprogram + 1

    moves.clear();
    bench.interp = InterpState{};
    for (TurretState& ts : bench.interp.turret) SetGDefaults(ts);
    bench.interp.motion.move_observer = [this](const DrawnMove& m) { moves.push_back(m); };
    Load((incremental ? "G91\n" : "") + echoed);
    RunProgram();
    ASSERT_EQ(moves.size(), original.size()) << echoed;
    const auto near = [](const Xyz& a, const Xyz& b) {
      return std::fabs(a.x - b.x) < 2e-4 && std::fabs(a.y - b.y) < 2e-4 &&
             std::fabs(a.z - b.z) < 2e-4;
    };
    for (size_t i = 0; i < moves.size(); ++i) {
      const DrawnMove& a = original[i];
      const DrawnMove& b = moves[i];
      EXPECT_EQ(a.kind, b.kind) << i;
      EXPECT_TRUE(near(a.start, b.start) && near(a.end, b.end)) << i;
      if (a.kind == MoveKind::kArc) {
        EXPECT_TRUE(near(a.centre, b.centre)) << i;
        EXPECT_NEAR(a.radius, b.radius, 2e-4) << i;
        EXPECT_EQ(a.direction, b.direction) << i;
      }
    }
  }
}

}  // namespace
}  // namespace vormak::test
