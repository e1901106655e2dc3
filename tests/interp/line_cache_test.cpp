// Lines met again in a loop are read from what the interpreter remembered of their text; an
// edit must still be seen, and whatever acts or warns each time must still do so.

#include <gtest/gtest.h>

#include <string>

#include "interp/macro_statements.h"
#include "interp/macro_variables.h"
#include "interp/run_driver.h"
#include "nctext/pane_services.h"
#include "settings/word_format.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

class LineCacheTest : public ::testing::Test {
 protected:
  LineCacheTest() : bench(host) {
    bench.settings.system_type = SystemType::kMill;
    bench.settings.x_radius = true;
    bench.settings.use.Set(kUseTools, false);
    bench.settings.use.Set(kUseSubprograms, true);
    bench.settings.use.Set(kUseMacros, true);
    bench.settings.use.Set(kUseSpindle, false);
    FillFormatSet1(bench.word_formats, bench.settings);
    InstallRunDriver(bench);
    bench.interp.motion.move_observer = [this](const DrawnMove& m) { last_x = m.end.x; };
  }
  void Run(const std::string& text) {
    bench.Pane(1)->SetText(text);
    StartRun(bench, RunCommand::kResetNc);
    StartRun(bench, RunCommand::kRunAll);
  }
  double Var(int n) const { return GetVariable(bench.macro_variables, n); }

  FakeHost host;
  Workbench bench;
  double last_x = 0;
};

constexpr const char* kLoop =
    "#101=0\n"
    "#102=0\n"
    "WHILE [#101 LT 4] DO1\n"
    "#102=#102+#101*10 (SUM)\n"
    "G1 X[#102] F100.\n"
    "#101=#101+1\n"
    "END1\n"
    "M30\n";

TEST_F(LineCacheTest, ALineEditedBetweenTwoRunsGivesItsNewValue) {
  Run(kLoop);
  EXPECT_DOUBLE_EQ(Var(102), 60);  // 0 + 10 + 20 + 30
  EXPECT_DOUBLE_EQ(last_x, 60);
  EXPECT_GT(bench.interp.line_cache.Size(), 0u);  // the loop's lines were remembered

  // The same line numbers, other texts: the factor, the loop's test and the move's word.
  ReplacePaneLine(bench, 1, 4, "#102=#102+#101*100 (SUM)");
  ReplacePaneLine(bench, 1, 3, "WHILE [#101 LT 3] DO1");
  ReplacePaneLine(bench, 1, 5, "G1 X[#102/10] F100.");
  StartRun(bench, RunCommand::kResetNc);
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_DOUBLE_EQ(Var(102), 300);  // 0 + 100 + 200
  EXPECT_DOUBLE_EQ(last_x, 30);
  EXPECT_TRUE(host.Texts().empty());
}

TEST_F(LineCacheTest, TheLoopFindsItsWhileAfterLinesAboveItMoved) {
  Run(kLoop);
  ASSERT_DOUBLE_EQ(Var(101), 4);
  // Two lines more above the loop: END1 now stands on line 9 and its WHILE on line 5.
  bench.Pane(1)->SetText(std::string("#103=1\n#103=#103+1\n") + kLoop);
  StartRun(bench, RunCommand::kResetNc);
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_DOUBLE_EQ(Var(101), 4);
  EXPECT_DOUBLE_EQ(Var(102), 60);
  EXPECT_DOUBLE_EQ(Var(103), 2);
  EXPECT_TRUE(host.Texts().empty());
}

TEST_F(LineCacheTest, NestedLoopsWithTheSameTextsKeepTheirOwnWayBack) {
  // Both inner loops read "END2" and "WHILE [#102 LT 2] DO2": each END must go back to the
  // WHILE above it, not to the one it met first.
  Run("#101=0\n"
      "WHILE [#101 LT 3] DO1\n"
      "#102=0\n"
      "WHILE [#102 LT 2] DO2\n"
      "#102=#102+1\n"
      "#103=#103+1\n"
      "END2\n"
      "#102=0\n"
      "WHILE [#102 LT 2] DO2\n"
      "#102=#102+1\n"
      "#104=#104+1\n"
      "END2\n"
      "#101=#101+1\n"
      "END1\n"
      "M30\n");
  EXPECT_DOUBLE_EQ(Var(103), 6);
  EXPECT_DOUBLE_EQ(Var(104), 6);
}

TEST_F(LineCacheTest, AWarningInALoopIsGivenEachTurn) {
  bench.settings.use.Set(kUseCheckSyntax, true);
  Run("#101=0\n"
      "WHILE [#101 LT 3] DO1\n"
      "G1 X1. X2. F100.\n"  // a doubled address: warned, OK goes on
      "G1 Y1.\n"
      "#101=#101+1\n"
      "END1\n"
      "M30\n");
  int warnings = 0;
  for (const std::string& text : host.Texts()) {
    if (text.starts_with("Double Addresses in")) ++warnings;
  }
  EXPECT_EQ(warnings, 3);
  EXPECT_DOUBLE_EQ(Var(101), 3);
}

// The quick road of an assignment met again must give what the substituted text gives,
// bit for bit, whatever signs the variables carry.
TEST_F(LineCacheTest, AReadyAssignmentGivesWhatTheTextGives) {
  const double values[] = {0, -0.0, 3, -1.25, 0.0001, -123456.789, 1e20, -2.5e-7};
  const char* statements[] = {
      "#10=#1",
      "#10=-#1",
      "#10=2-#1",
      "#10=2+#1",
      "#10=2*-#1",
      "#10=#1-#2",
      "#10=-#1-#2",
      "#10=#1--#2",
      "#10=#1*#2+#3/#1",
      "#10=#1/#2",
      "#10 = 10. + #1 * 0.0005",
      "#10=1.2.3+#1",
      "#0005=#2*.5-#1",
  };
  for (const char* statement : statements) {
    const ReadyAssignment ready = ReadAssignment(bench, statement);
    ASSERT_TRUE(ready.usable) << statement;
    for (const double a : values) {
      for (const double b : values) {
        SetVariable(bench.macro_variables, 0, 1, a);
        SetVariable(bench.macro_variables, 0, 2, b);
        SetVariable(bench.macro_variables, 0, 3, 7.5);
        SetVariable(bench.macro_variables, 0, ready.target, 99);
        Assign(bench, statement);
        const double by_text = Var(static_cast<int>(ready.target));
        SetVariable(bench.macro_variables, 0, ready.target, 99);
        ASSERT_TRUE(AssignReady(bench, ready)) << statement;
        EXPECT_EQ(Var(static_cast<int>(ready.target)), by_text)
            << statement << " with #1=" << a << " #2=" << b;
      }
    }
  }
  // Brackets, functions, a leading sign and a number touching a variable keep the text road.
  for (const char* statement : {"#10=[#1+1]", "#10=SIN[#1]", "#10=+#1", "#10=2#1", "#10=#1.5"}) {
    EXPECT_FALSE(ReadAssignment(bench, statement).usable) << statement;
  }
  // What the evaluator refuses goes back to the text road, which gives the warning.
  const ReadyAssignment refused = ReadAssignment(bench, "#10=#1**2");
  ASSERT_TRUE(refused.usable);
  SetVariable(bench.macro_variables, 0, 10, 99);
  EXPECT_FALSE(AssignReady(bench, refused));
  EXPECT_EQ(Var(10), 99);
}

}  // namespace
}  // namespace vormak
