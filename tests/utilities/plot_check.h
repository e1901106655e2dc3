#pragma once
// Plots pane 1 through the run driver ("Reset NC", then "Plot Run") and hands back the moves
// it drew, so a utility can be checked by what the machine would do before and after.

#include <vector>

#include "interp/interp_state.h"
#include "interp/run_driver.h"
#include "utilities/utilities_fixture.h"
#include "workbench/workbench.h"

namespace vormak {

inline std::vector<DrawnMove> PlotMoves(Workbench& bench) {
  std::vector<DrawnMove> moves;
  InstallRunDriver(bench);
  bench.interp.motion.move_observer = [&moves](const DrawnMove& m) { moves.push_back(m); };
  StartRun(bench, RunCommand::kResetNc);
  moves.clear();
  StartRun(bench, RunCommand::kRunAll);
  bench.interp.motion.move_observer = nullptr;
  return moves;
}

// A mill that plots without asking for spindle, coolant or tools.
class MillUtilitiesTest : public UtilitiesTest {
 protected:
  void SetUp() override {
    UtilitiesTest::SetUp();
    bench.settings.system_type = SystemType::kMill;
    bench.settings.x_radius = true;
    bench.settings.use.Set(kUseSpindle, false);
    bench.settings.use.Set(kUseCoolant, false);
    bench.settings.use.Set(kUseTools, false);
  }
};

}  // namespace vormak
