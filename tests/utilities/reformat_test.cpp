// Reformat: a program rewritten in another machine's formats and conventions.
#include "utilities/reformat.h"

#include "nctext/block_words.h"
#include "nctext/edit_control.h"
#include "support/test_paths.h"
#include "utilities/utilities_fixture.h"

namespace vormak {
namespace {

class ReformatTest : public UtilitiesTest {
 protected:
  void SetUp() override {
    UtilitiesTest::SetUp();
    bench.settings.system_type = SystemType::kMill;
    bench.settings.x_radius = true;
    // Codes and program numbers are whole numbers, G written with two digits.
    Format('G', "00,0,1,0");
    target = bench.settings;
  }
  MachineSettings Shipped(const char* name) {
    auto settings = ReadTargetMachine(bench, test::SourceDataDir() + "/machines/" + name);
    EXPECT_TRUE(settings.has_value()) << name;
    return settings.value_or(MachineSettings{});
  }
  void Current(const MachineSettings& settings) {
    bench.settings = settings;
    FillFormatSet1(bench.word_formats, bench.settings);
  }
  MachineSettings target;
};

TEST_F(ReformatTest, ValuesTakeTheTargetsFormat) {
  Format('X', "000.0000,1,0,0");
  target.letter_formats['X' - 'A'] = "000.0000,0,0,1";
  Program({"G01 X1.5 (\xE9)", "X-.25", "X[#1+1.]", "X #1", "G43 H01 Z1.5", "O1. N0020"});
  ReformatRange(bench, 1, All(), target);
  EXPECT_EQ(Lines(),
            (Text{"G01 X15000 (\xE9)", "X-2500", "X[#1+1.]", "X #1", "G43 H01 Z1.5", "O1. N0020"}));
  bench.Pane(1)->Undo();
  EXPECT_EQ(Lines()[0], "G01 X1.5 (\xE9)");
}

TEST_F(ReformatTest, IncrementalCentresBecomeAbsoluteAndBack) {
  target.arc_type = 2;
  Program({"G01 X1. Y1.", "G02 X2. Y2. I1. J0"});
  ReformatRange(bench, 1, All(), target);
  EXPECT_EQ(Lines()[1], "G02 X2. Y2. I2. J1.");
  bench.settings.arc_type = 2;
  target.arc_type = 1;
  ReformatRange(bench, 1, All(), target);
  EXPECT_EQ(Lines()[1], "G02 X2. Y2. I1. J0");
}

TEST_F(ReformatTest, LatheDiameterToRadiusHalvesXAndUAndTheCentre) {
  bench.settings.system_type = SystemType::kLathe;
  bench.settings.x_radius = false;
  target.system_type = SystemType::kLathe;
  target.x_radius = true;
  target.arc_type = 2;
  Program({"G01 X20. Z0", "G02 X30. Z-5. I5. K0", "U-4."});
  ReformatRange(bench, 1, All(), target);
  // The arc starts at X10 (radius); its centre is 5 further out.
  EXPECT_EQ(Lines(), (Text{"G01 X10. Z0", "G02 X15. Z-5. I15. K0", "U-2."}));
}

TEST_F(ReformatTest, AnAddressOInsideABlockStopsTheCommand) {
  // The program number stays as written (the O format has decimals, the number none).
  Program({"O1234", "G65 P9010 A1. B2 O3", "G01 X1.50", "DPRNT[PART*O1]", "POPEN"});
  ReformatRange(bench, 1, All(), target);
  EXPECT_TRUE(host.Showed(kReformatLetterONotAllowed));
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(Lines(),
            (Text{"O1234", "G65 P9010 A1. B2 O3", "G01 X1.50", "DPRNT[PART*O1]", "POPEN"}));
  EXPECT_EQ(CaretLine(bench, 1), 3);

  host.messages.clear();
  Program({"G01 X1.50", "DPRNT[PART*O1]", "POPEN"});
  ReformatRange(bench, 1, All(), target);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(Lines(), (Text{"G01 X1.5", "DPRNT[PART*O1]", "POPEN"}));
}

// A program taken to the shipped EDM machine (absolute centres, three decimals) and back to
// the shipped mill gives every value back.
TEST_F(ReformatTest, RoundTripBetweenTwoShippedMachines) {
  const MachineSettings mill = Shipped("mill.ini");
  const MachineSettings edm = Shipped("edm.ini");
  ASSERT_EQ(mill.arc_type, 1);
  ASSERT_EQ(edm.arc_type, 2);
  const Text program{"G90 G00 X1.5 Y-2.25", "G01 X10.125 Y-2.25 F100.",
                     "G03 X12.125 Y-.25 I0 J2. (ARC)", "G02 X14.125 Y1.75 I2. J0", "M30"};
  Current(mill);
  Program(program);
  ReformatRange(bench, 1, All(), edm);
  const Text on_edm = Lines();
  EXPECT_EQ(on_edm[2].substr(on_edm[2].find('I')), "I10.125 J-.25 (ARC)");
  Current(edm);
  ReformatRange(bench, 1, All(), mill);
  Current(mill);
  const Text back = Lines();
  ASSERT_EQ(back.size(), program.size());
  for (size_t n = 0; n < program.size(); ++n) {
    for (const char* letter : {"X", "Y", "I", "J", "F"}) {
      EXPECT_NEAR(AddressValue(bench, letter, back[n], true),
                  AddressValue(bench, letter, program[n], true), 1e-9)
          << back[n] << " / " << program[n];
    }
  }
}

}  // namespace
}  // namespace vormak
