// Reading a block's words into a turret's registers, in the fixed order the machine reads them.

#include <algorithm>
#include <array>
#include <cmath>

#include "interp/apt_output.h"
#include "interp/block_interpreter.h"
#include "interp/interp_state.h"
#include "interp/machining_time.h"
#include "interp/motion.h"
#include "interp/word_reader.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr std::array<int, 7> kOneShotG{4, 10, 28, 50, 65, 80, 92};
constexpr std::array<int, 6> kOneShotM{0, 1, 6, 19, 98, 99};

void StartBlock(InterpState& interp, TurretState& ts) {
  for (int g : kOneShotG) ts.SetG(g, false);
  for (int m : kOneShotM) ts.SetM(m, false);
  ts[kRegI] = 0;
  ts[kRegJ] = 0;
  ts[kRegK] = 0;
  ts[kRegL] = 0;
  MachineState& ms = interp.machine;
  ms.word_x = ms.word_y = ms.word_z = false;
  ms.word_i = ms.word_j = ms.word_k = false;
}

// X, Y, Z, U, W: absolute, or added to the previous value under G91; G28 sends an axis home,
// and G50 with "G92, G50" makes it the new home. `drilled`: a drilling cycle was in force when
// the block began; the block that cancels it starts where the last hole left the tool (its
// retract level), not at the hole bottom the Z register still holds.
void ReadAxes(Workbench& bench, TurretState& ts, const WordReader& words, bool drilled) {
  MachineState& ms = bench.interp.machine;
  const MachineSettings& s = bench.settings;
  const bool radius_mode = RadiusMode(s);
  const bool g50_home = ts.G(50) && s.use[kUseG92G50];
  const bool drilling = drilled || DrillingCycleInForce(ts);
  // The tool's level when a drilling cycle begins: under G91 its R word counts from there.
  if (!drilled && DrillingCycleInForce(ts)) ts[kRegCycleInitialZ] = ts[kRegPrevZ];
  Xyz& via = ms.reference_via;
  via = {ts[kRegX], ts[kRegY], ts[kRegZ]};
  if (words.Has('X') && !ts.G(4)) {
    ts[kRegPrevX] = ts[kRegX];
    double x = words.Value(bench, 'X', true);
    if (!radius_mode) x /= 2;
    ts[kRegX] = ts.G(91) ? ts[kRegPrevX] + x : x;
    via.x = ts[kRegX];
    if (ts.G(28)) ts[kRegX] = ms.home.x;
    if (g50_home) ms.home.x = ts[kRegX];
  }
  if (words.Has('Y')) {
    ts[kRegPrevY] = ts[kRegY];
    double y = words.Value(bench, 'Y', true);
    if (s.mirror[1]) y = -y;
    ts[kRegY] = ts.G(91) ? ts[kRegPrevY] + y : y;
    via.y = ts[kRegY];
    if (ts.G(28)) ts[kRegY] = ms.home.y;
    if (g50_home) ms.home.y = ts[kRegY];
  }
  if (words.Has('Z')) {
    if (!drilling) ts[kRegPrevZ] = ts[kRegZ];
    double z = words.Value(bench, 'Z', true);
    if (s.mirror[2]) z = -z;
    ts[kRegZ] = ts.G(91) && !ts.G(92) ? ts[kRegPrevZ] + z : z;
    if (ts.G(91) && DrillingCycleInForce(ts)) ts[kRegCycleDepth] = z;
    via.z = ts[kRegZ];
    if (ts.G(28)) ts[kRegZ] = ms.home.z;
    if (g50_home) ms.home.z = ts[kRegZ];
  } else if (ts.G(80)) {
    ts[kRegZ] = ts[kRegPrevZ];
  }
  if (words.Has('U')) {
    ts[kRegU] = words.Value(bench, 'U', true);
    const double u = radius_mode ? ts[kRegU] : ts[kRegU] / 2;
    via.x = ts[kRegPrevX] + u;
    ts[kRegX] = ts.G(28) ? ms.home.x : via.x;
  }
  if (words.Has('W')) {
    ts[kRegW] = words.Value(bench, 'W', true);
    via.z = ts[kRegPrevZ] + ts[kRegW];
    ts[kRegZ] = ts.G(28) ? ms.home.z : via.z;
  }
}

// A drilling cycle under G91: the R level lies R below or above the level the cycle began at,
// and the hole bottom Z from the R level, so every hole of the cycle (repeats, G98 or G99)
// reaches the same depth. Under G90 both words are levels of their own.
void IncrementalCycleDepth(TurretState& ts, const WordReader& words) {
  if (!ts.G(91) || !DrillingCycleInForce(ts)) return;
  if (!words.Has('Z') && !words.Has('R')) return;
  ts[kRegZ] = ts[kRegCycleInitialZ] + ts[kRegR] + ts[kRegCycleDepth];
}

void ReadArcWords(Workbench& bench, TurretState& ts, const WordReader& words) {
  MachineState& ms = bench.interp.machine;
  ms.word_i = words.Has('I');
  ms.word_j = words.Has('J');
  ms.word_k = words.Has('K');
  if (ms.word_i) ts[kRegI] = words.Value(bench, 'I', true);
  if (ms.word_j) ts[kRegJ] = words.Value(bench, 'J', true);
  if (ms.word_k) ts[kRegK] = words.Value(bench, 'K', true);
  if (!(ms.word_i || ms.word_j || ms.word_k)) return;
  switch (bench.settings.system_type) {
    case SystemType::kLathe:
      ts[kRegArcRadius] = std::hypot(ts[kRegI], ts[kRegK]);
      break;
    case SystemType::kMill:
      ts[kRegArcRadius] = std::hypot(ts[kRegI], ts[kRegJ]);
      break;
    case SystemType::kEdm:
      break;
  }
}

// A, B, C with "Rotary" on: each turns the plot about the machine axis it is set up for, as a
// rotation line would, about the last rotation centre.
bool ReadRotaryWords(Workbench& bench, TurretState& ts, const WordReader& words) {
  bool any = false;
  for (int i = 0; i < 3; ++i) {
    const char letter = static_cast<char>('A' + i);
    if (!words.Has(letter)) continue;
    const auto reg = static_cast<TurretRegister>(kRegA + i);
    const auto prev = static_cast<TurretRegister>(kRegPrevA + i);
    ts[prev] = ts[reg];
    const double read = words.Value(bench, letter, true);
    ts[reg] = ts.G(91) && !ts.G(92) ? ts[prev] + read : read;
    // A C word outside G1 is a rotary rapid; A and B add no time.
    if (letter == 'C' && !ts.G(1))
      RotaryTime(bench, ts[prev], ts[reg], bench.settings.rotary_rapid);
    const int axis = bench.settings.rotary_axis[static_cast<size_t>(i)];
    if (axis >= 1 && axis <= 3) {
      bench.interp.machine.rotation[static_cast<size_t>(axis - 1)].angle = ts[reg];
    }
    ts[static_cast<TurretRegister>(kRegRotA + i)] = ts[reg];
    MotionState& motion = bench.interp.motion;
    motion.rotary_axis_moved = i + 1;
    motion.rotary_feed_move = ts.G(1);
    if (letter == 'C' && ts.G(1) && read < 0) motion.rotary_reverse = true;
    any = true;
  }
  return any;
}

}  // namespace

bool ReadWords(Workbench& bench, int turret, std::string_view block) {
  InterpState& interp = bench.interp;
  TurretState& ts = interp.Turret(turret);
  StartBlock(interp, ts);
  interp.machine.rotary_word = false;
  // A print statement is for the control's output device: the block ends here, without even
  // the cycle in force.
  if (block.find("DPRNT") != std::string_view::npos) return false;
  const WordReader words(block);
  MachineState& ms = interp.machine;
  ms.word_x = words.Has('X');
  ms.word_y = words.Has('Y');
  ms.word_z = words.Has('Z');
  const bool was_stopped = bench.stop_requested;
  const auto abandoned = [&] { return !was_stopped && bench.stop_requested; };

  if (words.Has('F')) {
    ts[kRegF] = words.Value(bench, 'F', true);
    AptFeedWord(bench, ts[kRegF]);
  }
  if (words.Has('M')) {
    ts[kRegM] = words.Value(bench, 'M', false);
    ApplyMWords(bench, turret, block);
  }
  if (abandoned()) return false;
  if (words.Has('P')) ts[kRegP] = words.Value(bench, 'P', false);
  const bool drilled = DrillingCycleInForce(ts);
  if (words.Has('G')) {
    ts[kRegMotion] = MotionGCode(bench, turret, block);
    ApplyGWords(bench, turret, block);
    ts[kRegMotion] = std::trunc(ts[kRegMotion]);
  }
  if (abandoned()) return false;
  ReadAxes(bench, ts, words, drilled);
  if (abandoned()) return false;
  ReadArcWords(bench, ts, words);
  if (words.Has('S')) {
    ts[kRegS] = words.Value(bench, 'S', false);
    AptSpindleWord(bench, ts[kRegS]);
  }
  if (words.Has('D')) ts[kRegD] = words.Value(bench, 'D', false);
  if (bench.settings.use[kUseRotary])
    interp.machine.rotary_word = ReadRotaryWords(bench, ts, words);
  if (words.Has('E')) ts[kRegE] = words.Value(bench, 'E', true);
  if (words.Has('P')) ts[kRegP] = words.Value(bench, 'P', false);
  if (words.Has('Q')) ts[kRegQ] = words.Value(bench, 'Q', false);
  if (words.Has('O')) {
    ts[kRegProgram] = words.Value(bench, 'O', false);
  } else if (words.Has(':')) {
    ts[kRegProgram] = words.Value(bench, ':', false);
  }
  if (abandoned()) return false;
  if (words.Has('T')) {
    ts[kRegPrevT] = ts[kRegT];
    ts[kRegT] = words.Value(bench, 'T', false);
    AptToolWord(bench, ts[kRegT]);
    if (bench.settings.solid_tool_color == 2) AdvancePenColour(bench);
  }
  if (words.Has('L')) {
    const double l = words.Value(bench, 'L', false);
    if (bench.settings.code_format == 2) {
      ArcCentreFromRadius(bench, turret, l);
    } else if (interp.run.repeat_count < 1) {
      ts[kRegL] = l;
      interp.run.repeat_count = static_cast<int>(std::clamp(l, -1e9, 1e9));
    }
  }
  if (words.Has('R')) {
    ts[kRegR] = words.Value(bench, 'R', true);
    ArcCentreFromRadius(bench, turret, ts[kRegR]);
  }
  IncrementalCycleDepth(ts, words);
  return !abandoned();
}

}  // namespace vormak
