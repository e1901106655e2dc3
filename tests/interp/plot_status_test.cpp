// The plot status window's texts: state of a turret after a line move and an arc, and the
// watch list.
#include "interp/plot_status.h"

#include <gtest/gtest.h>

#include <string>

#include "interp/macro_variables.h"
#include "interp_fixture.h"

namespace vormak::test {
namespace {

class PlotStatus : public InterpFixture {
 protected:
  static std::string Field(const StatusFields& fields, const std::string& caption) {
    for (const auto& [name, text] : fields) {
      if (name == caption) return text;
    }
    return "(none)";
  }
};

TEST_F(PlotStatus, MovementOfALineAndOfAnArc) {
  Lines({"G90 G00 X0 Y0 Z0", "G01 X3. Y4. F25."});
  StatusFields m = MovementPageFields(bench, 1);
  EXPECT_EQ(Field(m, "From X:"), "0");
  EXPECT_EQ(Field(m, "To Y:"), "4");
  EXPECT_EQ(Field(m, "Radius:"), "0");
  EXPECT_EQ(Field(m, "Start Angle:"), Field(m, "End Angle:"));
  EXPECT_EQ(Field(m, "Start Angle:"), "53.1301");
  EXPECT_EQ(Field(m, "Distance:"), "5");
  EXPECT_EQ(Field(m, "Feedrate:"), "25");
  // A quarter circle clockwise from (3, 4) about (3, 0): 90 to 0 degrees, length pi * 2.
  Lines({"G02 X7. Y0 I0 J-4."});
  m = MovementPageFields(bench, 1);
  EXPECT_EQ(Field(m, "Radius:"), "4");
  EXPECT_EQ(Field(m, "Start Angle:"), "90");
  EXPECT_EQ(Field(m, "End Angle:"), "0");
  EXPECT_EQ(Field(m, "Distance:"), "6.2832");
  Lines({"G00 X1."});
  EXPECT_EQ(Field(MovementPageFields(bench, 1), "Feedrate:"), "400");

  // An arc in the X-Z plane and one given by its absolute centre show their own geometry. G3
  // seen from +Y (Z to the right, X up) goes three quarters round from X10 Z0 to X0 Z10;
  // the angles are those of the front view, X to the right.
  Lines({"G00 X10. Y0 Z0", "G18 G03 X0 Z10. I-10. K0 F100."});
  m = MovementPageFields(bench, 1);
  EXPECT_EQ(Field(m, "Radius:"), "10");
  EXPECT_EQ(Field(m, "Start Angle:"), "0");
  EXPECT_EQ(Field(m, "End Angle:"), "90");
  EXPECT_EQ(Field(m, "Distance:"), "47.1239");
  bench.settings.arc_type = 2;
  Lines({"G17 G00 X20. Y10. Z0", "G03 X10. Y20. I10. J10. F100."});
  m = MovementPageFields(bench, 1);
  EXPECT_EQ(Field(m, "Radius:"), "10");
  EXPECT_EQ(Field(m, "Start Angle:"), "0");
  EXPECT_EQ(Field(m, "End Angle:"), "90");
  EXPECT_EQ(Field(m, "Distance:"), "15.708");
}

TEST_F(PlotStatus, TimesShowOnlyWhileCounted) {
  Lines({"G90 G00 X0 Y0"});
  EXPECT_EQ(Field(StatusPageFields(bench, 1), "Total Time:"), "---");
  bench.interp.time.accounting = true;
  Lines({"G01 X10. F100."});
  const StatusFields s = StatusPageFields(bench, 1);
  EXPECT_EQ(Field(s, "Blocktime:"), "0.102 min.");
  EXPECT_EQ(Field(s, "Total Time:"), "0 Hr 0 Min 6 Sec");
  EXPECT_EQ(Field(s, "Sub Level:"), "0");
  EXPECT_EQ(Field(s, "RPM:"), "---");
}

// The spindle shows while it turns: the S word on a mill, and under G96 on a lathe the speed
// at the tool's diameter, held to MaxRPM, with the surface speed beside it.
TEST_F(PlotStatus, SpindleSpeedWhileTheSpindleTurns) {
  Lines({"S2500"});
  EXPECT_EQ(Field(StatusPageFields(bench, 1), "RPM:"), "---");
  Lines({"M03"});
  StatusFields s = StatusPageFields(bench, 1);
  EXPECT_EQ(Field(s, "RPM:"), "2500");
  EXPECT_EQ(Field(s, "SFM:"), "---");
  Lines({"M05"});
  EXPECT_EQ(Field(StatusPageFields(bench, 1), "RPM:"), "---");

  Lathe();
  bench.settings.max_rpm = 3000;
  // X4. is a diameter, 2 in radius: 3.82 * 300 / (2 * 2) = 286.5 turns.
  Lines({"G96 S300 M03", "G00 X4. Z0"});
  s = StatusPageFields(bench, 1);
  EXPECT_EQ(Field(s, "SFM:"), "300");
  EXPECT_EQ(Field(s, "RPM:"), "287");
  Lines({"G01 X0.2 F.01"});
  EXPECT_EQ(Field(StatusPageFields(bench, 1), "RPM:"), "3000");
  Lines({"G97 S800"});
  s = StatusPageFields(bench, 1);
  EXPECT_EQ(Field(s, "RPM:"), "800");
  EXPECT_EQ(Field(s, "SFM:"), "---");
}

TEST_F(PlotStatus, WatchEntriesAndTheirValues) {
  EXPECT_EQ(WatchEntries("@5"), (std::vector<std::string>{"@5:"}));
  EXPECT_EQ(WatchEntries("@1@3"), (std::vector<std::string>{"@1:", "@2:", "@3:"}));
  EXPECT_EQ(WatchEntries("#2-#3"), (std::vector<std::string>{"#2:", "#3:"}));  // "-" removed
  EXPECT_EQ(WatchEntries("x"), (std::vector<std::string>{"X"}));
  EXPECT_EQ(WatchEntries("$"), (std::vector<std::string>{"$"}));
  EXPECT_TRUE(WatchEntries("@").empty());
  EXPECT_TRUE(WatchEntries("@9@3").empty());
  EXPECT_TRUE(WatchEntries("?").empty());
  EXPECT_EQ(WatchEntries("@1@99999999").size(), 1000u);

  SetVariable(bench.macro_variables, 0, 100, 1.5);
  Load("G90 G01 X2.5 F10. M08\nM30\n");
  RunProgram(1);
  bench.interp.run.current_line = 1;
  EXPECT_EQ(WatchEntryText(bench, 1, "@100:"), "@100: 1.5000");
  EXPECT_EQ(WatchEntryText(bench, 1, "X"), "X: 2.5");
  EXPECT_EQ(WatchEntryText(bench, 1, "G"), "G: ,1,17,54,80,90");
  EXPECT_EQ(WatchEntryText(bench, 1, "M"), "M: 8");
  EXPECT_EQ(WatchEntryText(bench, 1, "$"), "$: G90 G01 X2.5 F10. M08");
  EXPECT_EQ(WatchEntryText(bench, 1, "#500:"), "#500: ---");
  // Refreshing an entry twice gives the same text.
  EXPECT_EQ(WatchEntryText(bench, 1, WatchEntryText(bench, 1, "@100:")), "@100: 1.5000");
}

}  // namespace
}  // namespace vormak::test
