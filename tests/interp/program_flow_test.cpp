#include "interp/program_flow.h"

#include <gtest/gtest.h>

#include <string>

#include "interp/macro_variables.h"
#include "interp_fixture.h"
#include "settings/temp_folder.h"

namespace vormak::test {
namespace {

using Flow = InterpFixture;

double Var(Workbench& bench, int n) {
  return GetVariable(bench.macro_variables, n);
}

TEST_F(Flow, GotoInASubprogramSearchesFromItsOLineAndNotPastM99) {
  Load(
      "N10 #100=1\n"             // 1: the main program's N10
      "M98 P200\n"               // 2
      "M30\n"                    // 3
      "O200\n"                   // 4
      "#101=[#101+1]\n"          // 5
      "GOTO20\n"                 // 6: N20 lies past the M99: not found
      "IF [#101 LT 3] GOTO10\n"  // 7: N10 below, not line 1
      "N10 #102=[#102+1]\n"      // 8
      "M99\n"                    // 9
      "N20 #103=1\n");           // 10
  SetVariable(bench.macro_variables, 0, 101, 0);
  RunProgram();
  EXPECT_EQ(Var(bench, 101), 1);
  EXPECT_EQ(Var(bench, 102), 1);
  EXPECT_EQ(Var(bench, 103), 0);
  EXPECT_TRUE(host.Showed("Block 20\n not found"));
  EXPECT_EQ(bench.interp.flow.level, 0);
}

TEST_F(Flow, GotoForms) {
  Load("#1=0\nGOTON10\n#1=5\nN10 #1=[#1+1]\nIF,#1EQ1,GO,10\n");
  RunProgram(50);
  // GOTON10 skips line 3; IF,#1EQ1,GO,10 jumps back once; #1 ends at 2.
  EXPECT_EQ(Var(bench, 1), 2);
  // A jump runs the target line at once and leaves the run on it.
  Load("GOTO3\nX1.\nN3 G0 X2.\nX3.\n");
  bench.interp.run.current_line = 1;
  InterpretLine(bench, "GOTO3");
  EXPECT_EQ(bench.interp.run.current_line, 3);
  EXPECT_DOUBLE_EQ(Reg(kRegX), 2);
  // Without "Macros" GOTO is not followed.
  bench.settings.use.Set(kUseMacros, false);
  bench.interp.run.current_line = 1;
  InterpretLine(bench, "GOTO4");
  EXPECT_EQ(bench.interp.run.current_line, 1);
}

TEST_F(Flow, JumpsToThemselvesOrBackAndForthDoNotNest) {
  Load("N10 GOTO10\nX1.");
  EXPECT_EQ(RunProgram(), 2);
  EXPECT_DOUBLE_EQ(Reg(kRegX), 1);
  Load("N10 GOTO20\nN20 GOTO10\n");
  EXPECT_EQ(RunProgram(500), 500);  // endless, left to the run's stop
  EXPECT_EQ(bench.interp.flow.jump_nesting, 0);
}

TEST_F(Flow, WhileLoopRunsItsBodyWhileTheConditionHolds) {
  Load("#1=0\nWHILE [#1 LT 3] DO1\n#1=[#1+1]\n#2=[#2+10]\nEND1\nX1.\n");
  RunProgram();
  EXPECT_EQ(Var(bench, 1), 3);
  EXPECT_EQ(Var(bench, 2), 30);
  EXPECT_DOUBLE_EQ(Reg(kRegX), 1);
  EXPECT_TRUE(host.Texts().empty());
}

TEST_F(Flow, NestedLoopsTellTheirNumbersApart) {
  Load(
      "#1=0\n"
      "WHILE [#1 LT 2] DO1\n"
      "#2=0\n"
      "WHILE [#2 LT 3] DO10\n"
      "#2=[#2+1]\n"
      "#3=[#3+1]\n"
      "END10\n"
      "#1=[#1+1]\n"
      "END1\n");
  RunProgram();
  EXPECT_EQ(Var(bench, 3), 6);
}

TEST_F(Flow, WhileWithoutEndAndEndWithoutWhileStop) {
  Load("WHILE [1 GT 2] DO1\nX1.\n");
  RunProgram();
  EXPECT_EQ(host.Texts(),
            (std::vector<std::string>{"Can't Find End of While Loop\r\nWHILE [1 GT 2] DO1"}));
  EXPECT_TRUE(bench.stop_requested);
  bench.stop_requested = false;
  host.messages.clear();
  Load("X2.\nEND3\n");
  RunProgram();
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"Can't Find Start of While Loop\r\nEND3"}));
  EXPECT_TRUE(bench.stop_requested);
}

TEST_F(Flow, EndGoesBackOnlyToAWhileStatement) {
  // WH is no WHILE: its END has no loop to close, so the run stops instead of looping for ever.
  bench.settings.use.Set(kUseCheckSyntax, false);
  Load("#18=3\n#26=0\nWH[#18GT#26]DO1\nG91 G01 X1. F10.\nEND1\nG90 G00 X0\n");
  RunProgram(1000);
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"Can't Find Start of While Loop\r\nEND1"}));
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_EQ(moves.size(), 1u);

  // A DO1 in a comment or a GOTO line between the WHILE and its END is passed over.
  bench.stop_requested = false;
  host.messages.clear();
  moves.clear();
  Load(
      "#1=0\nWHILE [#1 LT 2] DO1\n#1=#1+1\n(DO1 ROUGHING)\nIF [#1 GT 5] GOTO 9 DO1\n"
      "G91 G01 X1. F10.\nEND1\nN9 M30\n");
  RunProgram(1000);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(moves.size(), 2u);
  EXPECT_EQ(Var(bench, 1), 2);
}

TEST_F(Flow, IfThenAssigns) {
  Lines({"#1=3", "IF [#1 GE 3] THEN #2=[#1*2]", "IF [#1 LT 3] THEN #3=1", "IF #1 EQ 3 THEN #4=1"});
  EXPECT_EQ(Var(bench, 2), 6);
  EXPECT_EQ(Var(bench, 3), 0);
  EXPECT_EQ(Var(bench, 4), 0);  // no bracket: nothing
}

TEST_F(Flow, SubprogramCallReturnAndMacroArguments) {
  Load(
      "G65 P300 X2. A5.\n"  // 1
      "#110=#24\n"          // 2: back on level 0: the caller's locals
      "M30\n"               // 3
      ":300\n"              // 4: ":" names a program too
      "#100=#24\n"          // 5
      "#101=#1\n"           // 6
      "M99\n");             // 7
  SetVariable(bench.macro_variables, 0, 24, 9);
  RunProgram();
  EXPECT_EQ(Var(bench, 100), 2);
  EXPECT_EQ(Var(bench, 101), 5);
  EXPECT_EQ(Var(bench, 110), 9);
  EXPECT_EQ(bench.macro_variables.level, 0);
  EXPECT_EQ(bench.interp.flow.level, 0);
}

TEST_F(Flow, SixNestedCallsWorkTheSeventhIsTooMany) {
  std::string program = "M98 P1\nM30\n";
  for (int p = 1; p <= 7; ++p) {
    program += "O" + std::to_string(p) + "\n#" + std::to_string(100 + p) + "=1\n";
    if (p < 7) program += "M98 P" + std::to_string(p + 1) + "\n";
    program += "M99\n";
  }
  Load(program);
  RunProgram();
  for (int p = 1; p <= 6; ++p) EXPECT_EQ(Var(bench, 100 + p), 1) << p;
  EXPECT_EQ(Var(bench, 107), 0);
  EXPECT_TRUE(host.Showed("Too many Subprogram Levels"));
}

TEST_F(Flow, ASubprogramCallingItselfEnds) {
  Load("M98 P5\nM30\nO5\n#100=[#100+1]\nM98 P5\nM99\n");
  RunProgram();
  EXPECT_TRUE(host.Showed("Too many Subprogram Levels"));
  EXPECT_TRUE(host.Showed("No Place to Return From Subprogram"));
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_EQ(Var(bench, 100), 6);
}

TEST_F(Flow, M99InTheMainProgramStops) {
  Load("X1.\nM99\nX2.\n");
  RunProgram();
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"No Place to Return From Subprogram"}));
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_DOUBLE_EQ(Reg(kRegX), 1);
}

TEST_F(Flow, SubprogramFilesInTheNcFolder) {
  TempFolder folder;
  folder.Write("100.NC",
               "G1 X5. F10.\r\nG65 P100\r\nM98 P100\r\nN10 Y3.\r\nGOTO10\r\nM99\r\nZ9.\r\n");
  bench.settings.nc_path = folder.path();
  Load("(NO PROGRAM 100 HERE)\nM98 P100\nX1.\n");
  RunProgram();
  EXPECT_TRUE(host.Texts().empty());
  // The file ran in place of the call: its GOTO read N10 again, its M99 ended it.
  EXPECT_DOUBLE_EQ(Reg(kRegY), 3);
  EXPECT_DOUBLE_EQ(Reg(kRegZ), 0);
  EXPECT_DOUBLE_EQ(Reg(kRegX), 1);
  EXPECT_EQ(bench.interp.flow.level, 0);
  EXPECT_EQ(bench.interp.flow.file_depth, 0);
}

TEST_F(Flow, MissingSubprogramWarnsAndCancelStops) {
  host.QueueAnswer(Answer::kCancel);
  Load("M98 P77\nX1.\n");
  RunProgram();
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"subprogram 77 not found"}));
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_DOUBLE_EQ(Reg(kRegX), 0);
  // Without "Subprograms" the call is passed over and the arc flags go.
  bench.stop_requested = false;
  host.messages.clear();
  bench.settings.use.Set(kUseSubprograms, false);
  Lines({"G2 M98 P77"});
  EXPECT_FALSE(T1().G(2));
  EXPECT_TRUE(host.Texts().empty());
}

TEST_F(Flow, CustomGCodeCallsItsProgram) {
  bench.settings.macros[0] = {"G", 100, 9100};
  Load("G100 X4.\nM30\nO9100\n#100=#24\nM99\n");
  RunProgram();
  EXPECT_EQ(Var(bench, 100), 4);
}

TEST_F(Flow, ResetSubprogramStateRestoresDefaults) {
  Lines({"G1 G91 G18 M8"});
  bench.interp.flow.level = 3;
  bench.macro_variables.level = 2;
  ResetSubprogramState(bench);
  EXPECT_EQ(bench.interp.flow.level, 0);
  EXPECT_EQ(bench.macro_variables.level, 0);
  EXPECT_TRUE(T1().G(0) && T1().G(17) && T1().G(54) && T1().G(80) && T1().G(90));
  EXPECT_FALSE(T1().G(1) || T1().G(91) || T1().G(18));
  EXPECT_FALSE(T1().M(8));
}

}  // namespace
}  // namespace vormak::test
