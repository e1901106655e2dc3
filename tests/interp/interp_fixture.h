#pragma once
// A workbench with a program in pane 1, a bare run loop over it and the moves it drew.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interp/block_interpreter.h"
#include "interp/interp_state.h"
#include "interp/program_flow.h"
#include "nctext/pane_services.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak::test {

// A workbench set up as a mill, with the moves the executor drew collected.
class InterpHarness {
 public:
  InterpHarness() {
    bench.settings.system_type = SystemType::kMill;
    bench.settings.x_radius = true;  // as choosing the mill sets it
    bench.settings.use.Set(kUseSubprograms, true);
    bench.settings.use.Set(kUseMacros, true);
    bench.settings.use.Set(kUseSpindle, false);
    for (TurretState& ts : bench.interp.turret) SetGDefaults(ts);
    bench.interp.motion.move_observer = [this](const DrawnMove& move) { moves.push_back(move); };
  }

  void Lathe() {
    bench.settings.system_type = SystemType::kLathe;
    bench.settings.x_radius = false;
  }

  // Pane 1 holds `text` (lines joined by "\n").
  void Load(const std::string& text) { bench.Pane(1)->SetText(text); }

  // Lines from 1 until the end, M02 or M30, a stop, or `max_lines` lines (a bare run loop).
  int RunProgram(int max_lines = 10000) {
    RunState& run = bench.interp.run;
    run.current_line = 1;
    T1().SetM(2, false);
    T1().SetM(30, false);
    int lines = 0;
    while (run.current_line >= 0 && run.current_line <= PaneLineCount(bench, 1) &&
           !bench.stop_requested && lines < max_lines) {
      InterpretLine(bench, PaneLine(bench, 1, run.current_line));
      ++run.current_line;
      ++lines;
      if (T1().M(2) || T1().M(30)) break;
    }
    return lines;
  }

  // Interprets lines one after another as single lines.
  void Lines(std::initializer_list<std::string> lines) {
    for (const std::string& line : lines) InterpretLine(bench, line);
  }

  TurretState& T1() { return bench.interp.Turret(1); }
  double Reg(TurretRegister r) { return bench.interp.Turret(1)[r]; }

  FakeHost host;
  Workbench bench{host};
  std::vector<DrawnMove> moves;
};

class InterpFixture : public ::testing::Test, public InterpHarness {};

}  // namespace vormak::test
