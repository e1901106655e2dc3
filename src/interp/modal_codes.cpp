// The G and M tables of a turret: what each code sets and which partners it clears.

#include <cmath>
#include <string>

#include "cad/drawing_colours.h"
#include "interp/apt_output.h"
#include "interp/block_interpreter.h"
#include "interp/canned_cycles.h"
#include "interp/interp_state.h"
#include "interp/later_hooks.h"
#include "interp/word_reader.h"
#include "nctext/status_services.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kMaxGCode = kGCodeFlags - 1;
constexpr int kMaxMCode = kMCodeFlags - 1;

// Calls `act(code, after)` for each `letter` word of the block, in order, with the text after
// that letter. A value outside 0..max shows `bad` with the text not yet processed (the whole
// block at the first word) and ends the walk, as does a Cancel answer on the way.
template <class Act>
void ForEachCode(Workbench& bench, char letter, int max, const char* bad, std::string_view block,
                 Act act) {
  const bool was_stopped = bench.stop_requested;
  std::string_view rest = block;
  bool first = true;
  for (size_t at = FindWordLetter(rest, letter); at != std::string_view::npos;
       at = FindWordLetter(rest, letter)) {
    const double value = LetterValueAt(bench, rest, at, false);
    if (!was_stopped && bench.stop_requested) return;
    if (!(value >= 0 && value <= max)) {
      Warn(bench, bad + std::string(first ? block : rest));
      return;
    }
    rest = rest.substr(at + 1);
    first = false;
    act(static_cast<int>(value), rest);
    if (!was_stopped && bench.stop_requested) return;
  }
}

bool IsMotionCode(double value) {
  return value == 0 || value == 1 || value == 2 || value == 3 || value == 100 || value == 130;
}

void ClearGs(TurretState& ts, std::initializer_list<int> codes) {
  for (int g : codes) ts.SetG(g, false);
}

void ClearMs(TurretState& ts, std::initializer_list<int> codes) {
  for (int m : codes) ts.SetM(m, false);
}

void WarnFeedWithoutSpindleOrCoolant(Workbench& bench, const TurretState& ts) {
  const MachineState& ms = bench.interp.machine;
  if (!ms.spindle_on && bench.settings.use[kUseWarnNoSpindle]) {
    if (Warn(bench, kNoSpindle) == Answer::kCancel) return;
  }
  if (!ms.coolant_on && bench.settings.use[kUseWarnNoCoolant] && ts[kRegF] > 0) {
    Warn(bench, kNoCoolant);
  }
}

void ApplyG(Workbench& bench, int turret, int g, std::string_view after) {
  TurretState& ts = bench.interp.Turret(turret);
  MachineState& ms = bench.interp.machine;
  switch (g) {
    case 0:
    case 1:
    case 2:
    case 3:
      for (int other = 0; other <= 3; ++other) {
        if (other != g) ts.SetG(other, false);
      }
      CancelCycles(bench, turret);
      if (g != 0) WarnFeedWithoutSpindleOrCoolant(bench, ts);
      return;
    case 4:
      AddDwell(bench, after);
      return;
    case 17:
      ClearGs(ts, {18, 19});
      return;
    case 18:
      ClearGs(ts, {17, 19});
      return;
    case 19:
      ClearGs(ts, {17, 18});
      return;
    case 40:
      ClearGs(ts, {41, 42});
      ms.cancel_pending = true;
      if (turret == 1 && bench.settings.use[kUseCutterComp] && bench.interp.comp.active) {
        // The next move starts from the last compensated point, taken in program coordinates
        // so that work offsets are not added twice. Only the first turret is compensated.
        const Xyz& at = bench.interp.comp.program_end;
        ts[kRegPrevX] = ts[kRegX] = at.x;
        ts[kRegPrevY] = ts[kRegY] = at.y;
        ts[kRegPrevZ] = ts[kRegZ] = at.z;
      }
      return;
    case 41:
    case 42:
      ClearGs(ts, {40, g == 41 ? 42 : 41});
      ms.cancel_pending = false;
      if (ms.contour_mode) ms.lead_in_pending = true;
      return;
    case 54:
    case 55:
    case 56:
    case 57:
      ms.work_offset_code = g;
      return;
    case 73:
    case 81:
    case 82:
    case 83:
    case 84:
    case 85:
    case 86:
    case 87:
    case 88:
    case 89:
      ClearGs(ts, {2, 3});
      CancelCycles(bench, turret);
      ts.SetG(g, true);
      ts.SetG(80, false);
      ms.cycle_active = true;
      NoteDrillCycleApt(bench);
      return;
    case 80:
      CancelCycles(bench, turret);
      WriteAptComment(bench, kCycleOffApt);
      return;
    case 90:
    case 91:
    case 96:
    case 97:
    case 98:
    case 99:
      // Each clears its partner: 90/91, 96/97, 98/99.
      ts.SetG(g % 2 == 0 ? g + 1 : g - 1, false);
      return;
    case 94:
      ts.SetG(95, false);
      ms.feed_per_rev = false;
      return;
    case 95:
      ts.SetG(94, false);
      ms.feed_per_rev = true;
      return;
    case 200:
      if (bench.settings.code_format == 1) DefineCycle200(bench, after);
      return;
    default:
      return;  // the flag only
  }
}

void ApplyM(Workbench& bench, int turret, int m) {
  TurretState& ts = bench.interp.Turret(turret);
  MachineState& ms = bench.interp.machine;
  AptMCode(bench, m);
  switch (m) {
    case 0:
    case 2:
    case 30:
      ms.spindle_on = false;
      ms.coolant_on = false;
      return;
    case 1:
    case 5:
      ms.spindle_on = false;
      return;
    case 3:
      ClearMs(ts, {4});
      ms.spindle_on = true;
      return;
    case 4:
      ClearMs(ts, {3});
      ms.spindle_on = true;
      return;
    case 6:
      if (bench.settings.solid_tool_color == 2) AdvancePenColour(bench);
      return;
    case 8:
      ClearMs(ts, {9});
      ms.coolant_on = true;
      return;
    case 9:
      ClearMs(ts, {8});
      ms.coolant_on = false;
      return;
    case 13:
      ClearMs(ts, {4, 14});
      ms.spindle_on = true;
      ms.coolant_on = true;
      return;
    case 14:
      ClearMs(ts, {3, 13});
      ms.spindle_on = true;
      ms.coolant_on = true;
      return;
    case 99:
      // In the Q-parameter dialect M99 calls the cycle G200 defined.
      if (bench.settings.code_format == 1) MarkCycle200Call(bench);
      return;
    default:
      return;  // the flag only
  }
}

}  // namespace

void AdvancePenColour(Workbench& bench) {
  std::int32_t& pen = bench.interp.motion.pen_colour;
  int index = CdlColourIndex(pen) + 1;  // a colour outside the table counts as 10
  if (index > 15) index = 1;
  pen = CdlIndexColour(index, bench.plot.background);
}

bool RadiusMode(const MachineSettings& settings) {
  return settings.x_radius || settings.system_type == SystemType::kMill;
}

bool DrillingCycleInForce(const TurretState& ts) {
  if (ts.G(73)) return true;
  for (int g = 81; g <= 87; ++g) {
    if (ts.G(g)) return true;
  }
  return false;
}

double MotionGCode(Workbench& bench, int turret, std::string_view block) {
  double code = bench.interp.Turret(turret)[kRegMotion];
  std::string_view rest = block;
  for (size_t at = FindWordLetter(rest, 'G'); at != std::string_view::npos;
       at = FindWordLetter(rest, 'G')) {
    const double value = LetterValueAt(bench, rest, at, false);
    if (IsMotionCode(value)) code = value;
    rest = rest.substr(at + 1);
  }
  return code;
}

void ApplyGWords(Workbench& bench, int turret, std::string_view block) {
  TurretState& ts = bench.interp.Turret(turret);
  ForEachCode(bench, 'G', kMaxGCode, kBadGCode, block, [&](int g, std::string_view after) {
    ts.SetG(g, true);
    ApplyG(bench, turret, g, after);
  });
}

void ApplyMWords(Workbench& bench, int turret, std::string_view block) {
  TurretState& ts = bench.interp.Turret(turret);
  ForEachCode(bench, 'M', kMaxMCode, kBadMCode, block, [&](int m, std::string_view) {
    ts.SetM(m, true);
    ApplyM(bench, turret, m);
  });
}

void CancelCycles(Workbench& bench, int turret) {
  TurretState& ts = bench.interp.Turret(turret);
  for (int g = 73; g <= 89; ++g) ts.SetG(g, false);
  ts.SetG(80, true);
  bench.interp.machine.cycle_active = false;
}

void ClearGFlag(Workbench& bench, int turret, int g) {
  bench.interp.Turret(turret).SetG(g, false);
}

void SetGDefaults(TurretState& ts) {
  for (int g = 0; g <= 99; ++g) ts.SetG(g, false);
  for (int g : {0, 17, 54, 80, 90}) ts.SetG(g, true);
}

}  // namespace vormak
