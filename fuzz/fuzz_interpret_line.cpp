// The block interpreter over any program: a small pane of random lines run by a bounded run
// loop, with the options, dialect and machine type taken from the first bytes. Every register
// must stay a number and the subprogram, macro and file levels inside their tables.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_host.h"
#include "interp/block_interpreter.h"
#include "interp/interp_state.h"
#include "interp/macro_variables.h"
#include "nctext/pane_services.h"
#include "workbench/workbench.h"

namespace {

constexpr int kMaxLines = 400;  // lines run per input: loops and jumps end here

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vormak;
  const uint8_t options = TakeByte(data, size);
  const uint8_t machine = TakeByte(data, size);
  FuzzHost host;
  host.warning_answer = (machine & 0x80) != 0 ? Answer::kCancel : Answer::kOk;
  Workbench bench(host);
  MachineSettings& s = bench.settings;
  FuzzMachine(s, machine);
  s.twin_turrets = (machine & 0x20) != 0;
  for (const int flag : {kUseCodes, kUseSubprograms, kUseG92G50, kUseRotary, kUseOffsets,
                         kUseBlockSkip, kUseMacros, kUseCheckSyntax}) {
    s.use.Set(flag, (options & (1u << (flag % 8))) != 0);
  }
  s.macros[0] = {"G", 100, 1};
  for (TurretState& ts : bench.interp.turret) SetGDefaults(ts);
  bench.Pane(1)->SetText(std::string(reinterpret_cast<const char*>(data), size));

  RunState& run = bench.interp.run;
  run.current_line = 1;
  for (int n = 0; n < kMaxLines && !bench.stop_requested; ++n) {
    if (run.current_line < 0 || run.current_line > PaneLineCount(bench, 1)) break;
    InterpretLine(bench, PaneLine(bench, 1, run.current_line));
    ++run.current_line;
  }

  const FlowState& flow = bench.interp.flow;
  if (flow.level < 0 || flow.level > kSubprogramLevels || flow.jump_nesting != 0 ||
      flow.file_depth != 0) {
    std::abort();
  }
  if (bench.macro_variables.level < 0 || bench.macro_variables.level >= kMacroLevels) std::abort();
  for (const TurretState& ts : bench.interp.turret) {
    for (double v : ts.reg) {
      if (std::isnan(v)) std::abort();
    }
  }
  return 0;
}
