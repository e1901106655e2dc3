// "Check Syntax" during a run: every line is checked before it is interpreted.
#include <gtest/gtest.h>

#include "interp/block_interpreter.h"
#include "interp/syntax_check.h"
#include "interp_fixture.h"

namespace vormak::test {
namespace {

using SyntaxWhilePlotting = InterpFixture;

TEST_F(SyntaxWhilePlotting, AFaultStopsTheRunAfterItsLineAndTapeMarksAreSkipped) {
  bench.settings.use.Set(kUseCheckSyntax, true);
  Load("%X9.\r\nG1X1.\r\nG1X2. (CUT\r\nG1X3.");
  EXPECT_EQ(RunProgram(), 3);
  EXPECT_TRUE(host.Showed(kMismatchedComment + std::string("G1X2. (CUT")));
  EXPECT_DOUBLE_EQ(Reg(kRegX), 2);  // the faulty line still runs; the next does not

  // Without the option the same program runs to its end, tape mark and all.
  bench.settings.use.Set(kUseCheckSyntax, false);
  bench.stop_requested = false;
  host.messages.clear();
  RunProgram();
  EXPECT_FALSE(host.Showed(kMismatchedComment + std::string("G1X2. (CUT")));
  EXPECT_DOUBLE_EQ(Reg(kRegX), 3);

  // A timing run (Time dialog, status window open) is not interrupted by the check.
  bench.settings.use.Set(kUseCheckSyntax, true);
  bench.interp.time.accounting = true;
  bench.stop_requested = false;
  host.messages.clear();
  EXPECT_EQ(RunProgram(), 4);
  EXPECT_FALSE(host.Showed(kMismatchedComment + std::string("G1X2. (CUT")));
  EXPECT_DOUBLE_EQ(Reg(kRegX), 3);
}

}  // namespace
}  // namespace vormak::test
