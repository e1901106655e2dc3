// A whole short program through the run driver, as Reset NC and Plot Run take it: moves,
// compensation, cycles, subprograms, loops and the machining time, with the options, dialect
// and machine type from the first bytes and a line limit for programs that never end. The run
// must end, every register and the machining time stay a number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_host.h"
#include "interp/interp_state.h"
#include "interp/macro_variables.h"
#include "interp/run_driver.h"
#include "workbench/workbench.h"

namespace {

constexpr long long kMaxLines = 2000;  // lines run per input, loops and jumps included
// The line limit does not bound a line's own work: a grooving cycle with a tiny step runs
// 10,000 passes of four moves in one block. The operator's Esc, polled after every line and
// every pass, comes after this many polls, as it would when a plot runs too long to wait for.
constexpr long long kEscapeAfterPolls = 20000;

class RunFuzzHost : public vormak::FuzzHost {
 public:
  bool EscapePending() override { return ++polls_ > kEscapeAfterPolls; }

 private:
  long long polls_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vormak;
  if (size > 4096) return 0;  // a short program: long ones only repeat what short ones reach
  const uint8_t options = TakeByte(data, size);
  const uint8_t machine = TakeByte(data, size);
  RunFuzzHost host;
  host.warning_answer = (machine & 0x80) != 0 ? Answer::kCancel : Answer::kOk;
  Workbench bench(host);
  MachineSettings& s = bench.settings;
  FuzzMachine(s, machine);
  for (const int flag : {kUseCodes, kUseSubprograms, kUseG92G50, kUseRotary, kUseOffsets,
                         kUseBlockSkip, kUseCutterComp, kUseStopM00}) {
    s.use.Set(flag, (options & (1u << (flag % 8))) != 0);
  }
  s.use.Set(kUseCheckSyntax, false);
  s.use.Set(kUseTools, false);
  bench.Pane(1)->SetText(std::string(reinterpret_cast<const char*>(data), size));
  InstallRunDriver(bench);
  bench.interp.run.line_limit = kMaxLines;
  bench.interp.time.accounting = (options & 0x80) != 0;
  StartRun(bench, RunCommand::kResetNc);
  StartRun(bench, RunCommand::kRunAll);

  if (bench.interp.run.running) std::abort();  // the run returned without ending
  if (bench.interp.run.lines_run > kMaxLines + 1) std::abort();
  if (bench.macro_variables.level < 0 || bench.macro_variables.level >= kMacroLevels) std::abort();
  if (std::isnan(bench.interp.time.total_time)) std::abort();
  for (const TurretState& ts : bench.interp.turret) {
    for (double v : ts.reg) {
      if (std::isnan(v)) std::abort();
    }
  }
  return 0;
}
