#include "interp/canned_cycles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "cad/element_table.h"
#include "interp/block_interpreter.h"
#include "interp/interp_state.h"
#include "interp/later_hooks.h"
#include "interp/model_link_calls.h"
#include "interp/motion.h"
#include "interp/word_reader.h"
#include "nctext/block_words.h"
#include "nctext/status_services.h"
#include "settings/number_text.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr const char* kMessageCaption = "Vormak";

bool IsLathe(const Workbench& bench) {
  return bench.settings.system_type == SystemType::kLathe;
}

// One leg between two points given in X, Y, Z order; a lathe takes them as (Z, X).
void Leg(Workbench& bench, int turret, const Xyz& a, const Xyz& b, double feed) {
  if (IsLathe(bench)) {
    ExecuteMove(bench, turret, a.z, a.x, 0, b.z, b.x, 0, feed);
  } else {
    ExecuteMove(bench, turret, a.x, a.y, a.z, b.x, b.y, b.z, feed);
  }
}

// One lathe leg from (z1, x1) to (z2, x2), X as a radius.
void LatheLeg(Workbench& bench, int turret, double z1, double x1, double z2, double x2,
              double feed) {
  ExecuteMove(bench, turret, z1, x1, 0, z2, x2, 0, feed);
}

// Feed or rapid for the legs that follow, when no drilling cycle decides it by the feed.
void Mode(TurretState& ts, bool rapid) {
  ts.SetG(0, rapid);
  ts.SetG(1, !rapid);
}

// The G0 and G1 flags and F of a turret, put back when a cycle ends.
struct SavedMotion {
  explicit SavedMotion(TurretState& ts) : ts(ts), g0(ts.G(0)), g1(ts.G(1)), f(ts[kRegF]) {}
  void Restore() const {
    ts.SetG(0, g0);
    ts.SetG(1, g1);
    ts[kRegF] = f;
  }
  TurretState& ts;
  bool g0, g1;
  double f;
};

void Turn(double& a, double& b, const AxisRotation& r) {
  const double rad = r.angle * std::numbers::pi / 180;
  const double da = a - r.c1, db = b - r.c2;
  a = r.c1 + da * std::cos(rad) - db * std::sin(rad);
  b = r.c2 + da * std::sin(rad) + db * std::cos(rad);
}

// A hole stands on the part where the plot rotations turned it: about Z, then Y, then X.
Xyz TurnedByPlotRotations(const MachineState& m, Xyz p) {
  const AxisRotation& about_x = m.rotation[0];
  const AxisRotation& about_y = m.rotation[1];
  const AxisRotation& about_z = m.rotation[2];
  if (about_z.angle != 0) Turn(p.x, p.y, about_z);
  if (about_y.angle != 0) Turn(p.x, p.z, about_y);
  if (about_x.angle != 0) Turn(p.y, p.z, about_x);
  return p;
}

// While the tool path is recorded, every drilled hole is kept as a POINT element.
void RecordHole(Workbench& bench, const Xyz& hole) {
  if (!bench.interp.motion.record_toolpath) return;
  Xyz at = hole;
  if (bench.settings.system_type == SystemType::kMill) {
    at = TurnedByPlotRotations(bench.interp.machine, hole);
  }
  ElementTable& table = bench.cad.table;
  MakeElement(table, bench.host(), NextFreeSlot(table), ElementKind::kPoint, table.current_colour,
              {at.x, at.y, at.z, 0, 0, 0}, 0, table.current_layer, ElementState::kToolpath,
              table.current_view);
}

// The R level of a drilling cycle, without offsets: under G91 the R word is a distance from
// the level the cycle began at.
double RLevel(const TurretState& ts) {
  return ts.G(91) ? ts[kRegCycleInitialZ] + ts[kRegR] : ts[kRegR];
}

// Where G98 sends the tool back to, without offsets. Under G90 the tool climbs to the level
// it came from; under G91, whose R and Z words count from the cycle's first level, to that.
double InitialLevel(const TurretState& ts) {
  return ts.G(91) ? ts[kRegCycleInitialZ] : ts[kRegPrevZ];
}

void MillDrilling(Workbench& bench, int turret, const Xyz& s, const Xyz& e) {
  TurretState& ts = bench.interp.Turret(turret);
  const double z_offset = ActiveOffsets(bench).z;
  const double travel = ts[kRegPrevZ] + z_offset;
  const double r_level = RLevel(ts) + z_offset;
  LinkDrillLeg(bench, {e.x, e.y, travel}, true);
  Leg(bench, turret, {s.x, s.y, travel}, {e.x, e.y, travel}, 0);
  LinkDrillLeg(bench, {e.x, e.y, r_level}, false);
  Leg(bench, turret, {e.x, e.y, travel}, {e.x, e.y, r_level}, 0);
  LinkDrillLeg(bench, e, false);
  Leg(bench, turret, {e.x, e.y, r_level}, e, ts[kRegF]);
  const double retract = ts.G(98) ? InitialLevel(ts) + z_offset : r_level;
  LinkDrillLeg(bench, {e.x, e.y, retract}, false);
  Leg(bench, turret, e, {e.x, e.y, retract}, 0);
  // The next hole starts from where this one retracted to.
  ts[kRegPrevZ] = retract - z_offset;
  RecordHole(bench, e);
}

// A lathe drills along Z at the programmed X: in to the R level, down to the bottom and back,
// all at the feed. The legs carry on from where the last one ended, and the initial level
// has the offsets added like every other point of the block.
void LatheDrilling(Workbench& bench, int turret, const Xyz& s, const Xyz& e) {
  const TurretState& ts = bench.interp.Turret(turret);
  const double z_offset = ActiveOffsets(bench).z;
  const double r_level = RLevel(ts) + z_offset;
  const double f = ts[kRegF];
  LatheLeg(bench, turret, s.z, s.x, r_level, e.x, f);
  LatheLeg(bench, turret, r_level, e.x, e.z, e.x, f);
  const double retract = ts.G(98) ? InitialLevel(ts) + z_offset : r_level;
  LatheLeg(bench, turret, e.z, e.x, retract, e.x, f);
}

// G76: a first pass at X + K, tapered by I and less the D word's depth, and a final pass at X,
// each drawn from the start Z with rapids out and back. The registers hold the points; the
// drawing adds the active offsets as for every other move.
void Threading(Workbench& bench, int turret, std::string_view block) {
  TurretState& ts = bench.interp.Turret(turret);
  const Xyz off = ActiveOffsets(bench);
  const double zp = ts[kRegPrevZ], xp = ts[kRegPrevX];
  const double z = ts[kRegZ], x = ts[kRegX];
  const double i = ts[kRegI], k = ts[kRegK];
  const double d = FindWordLetter(block, 'D') != std::string_view::npos ? ts[kRegD] : 0;
  const SavedMotion saved(ts);
  if (ts[kRegF] > 0) ts[kRegF] = 0.001;
  const double f = ts[kRegF];
  const auto leg = [&](double z1, double x1, double z2, double x2, double feed) {
    LatheLeg(bench, turret, z1 + off.z, x1 + off.x, z2 + off.z, x2 + off.x, feed);
  };
  ts.SetG(0, true);
  leg(zp, xp, zp, x + k + i - d, 0);
  Mode(ts, false);
  leg(zp, x + k + i - d, z, x + k - d, f);
  Mode(ts, true);
  leg(z, x + k - d, z, xp, 0);
  leg(z, xp, zp, xp, 0);
  leg(zp, xp, zp, x + i, 0);
  Mode(ts, false);
  leg(zp, x + i, z, x, f);
  Mode(ts, true);
  leg(z, x, z, xp, 0);
  leg(z, xp, zp, xp, 0);
  // The next block starts where the cycle began, in the motion mode it was given.
  ts[kRegZ] = zp;
  ts[kRegX] = xp;
  ts.SetG(76, false);
  saved.Restore();
}

// G75 cuts grooves plunging along X at Z levels stepped by K; G74 is the same with the axes
// exchanged, plunging along Z at X levels stepped by I. Each pass: rapid to the level, feed
// in, feed sideways by D, rapid back out. A last level short of the end gets a final pass at
// the end. The block's own move then runs from the retract after the end level.
void PassCycle(Workbench& bench, int turret, Xyz& start, const Xyz& end, bool grooving_in_x) {
  TurretState& ts = bench.interp.Turret(turret);
  const double level_start = grooving_in_x ? start.z : start.x;
  const double plunge_start = grooving_in_x ? start.x : start.z;
  const double level_end = grooving_in_x ? end.z : end.x;
  const double plunge_end = grooving_in_x ? end.x : end.z;
  // A step written negative still steps toward the end, so the passes always come to an end.
  const double step = std::fabs(grooving_in_x ? ts[kRegK] : ts[kRegI]);
  const double d = ts[kRegD];
  const auto leg = [&](double l1, double p1, double l2, double p2, double feed) {
    if (grooving_in_x) {
      LatheLeg(bench, turret, l1, p1, l2, p2, feed);
    } else {
      LatheLeg(bench, turret, p1, l1, p2, l2, feed);
    }
  };
  const SavedMotion saved(ts);
  Mode(ts, false);
  double from = level_start;
  const auto pass = [&](double level) {
    ts[kRegF] = 0;
    leg(from, plunge_start, level, plunge_start, 0);
    ts[kRegF] = saved.f;
    leg(level, plunge_start, level, plunge_end, saved.f);
    leg(level, plunge_end, level + d, plunge_end, saved.f);
    ts[kRegF] = 0;
    leg(level + d, plunge_end, level + d, plunge_start, 0);
    from = level + d;
  };
  bool short_of_end = false;
  for (int n = 0; n < kMaxCyclePasses; ++n) {
    // Levels counted from the start, so a small step never stalls on rounding.
    const double level = level_start - n * step;
    if (level < level_end) break;
    pass(level);
    if (step == 0) break;
    short_of_end = level > level_end;
    if (EscapePending(bench)) {
      short_of_end = false;
      break;
    }
  }
  if (short_of_end) pass(level_end);
  saved.Restore();
  if (grooving_in_x) {
    start.z = level_end + d;
    start.x = plunge_start;
  } else {
    start.x = level_end + d;
    start.z = plunge_start;
  }
}

}  // namespace

bool RunCannedCycle(Workbench& bench, int turret, std::string_view block, Xyz& start,
                    const Xyz& end) {
  if (DrillingCycleInForce(bench.interp.Turret(turret))) {
    RunDrillingCycle(bench, turret, start, end);
    return true;
  }
  if (IsLathe(bench)) return RunLatheCycle(bench, turret, block, start, end);
  return true;
}

void RunDrillingCycle(Workbench& bench, int turret, const Xyz& start, const Xyz& end) {
  if (IsLathe(bench)) {
    LatheDrilling(bench, turret, start, end);
  } else {
    MillDrilling(bench, turret, start, end);
  }
}

bool RunLatheCycle(Workbench& bench, int turret, std::string_view block, Xyz& start,
                   const Xyz& end) {
  const TurretState& ts = bench.interp.Turret(turret);
  if (ts.G(76) && bench.settings.code_format == 0) {
    Threading(bench, turret, block);
    return false;
  }
  if (ts.G(74)) {
    PassCycle(bench, turret, start, end, false);
  } else if (ts.G(75)) {
    PassCycle(bench, turret, start, end, true);
  }
  return true;
}

void RunCycle200(Workbench& bench, int turret) {
  TurretState& ts = bench.interp.Turret(turret);
  const Cycle200Parameters& c = bench.interp.cycles.cycle200;
  const double x = ts[kRegX], y = ts[kRegY];
  Leg(bench, turret, {x, y, ts[kRegPrevZ]}, {x, y, c.clearance_level}, 0);
  const SavedMotion saved(ts);
  Mode(ts, false);
  const double depth = c.surface - c.depth_level;
  long passes = 1;
  if (c.plunge_depth <= 0) {
    bench.host().Information(kBadQ202, kMessageCaption);
  } else {
    passes = static_cast<long>(std::clamp(depth / c.plunge_depth, -1.0, 1.0 * kMaxCyclePasses));
  }
  // Every plunge starts from the set-up clearance and every retract goes to the second one.
  const auto plunge = [&](double level) {
    ts[kRegF] = c.plunge_feed;
    Leg(bench, turret, {x, y, c.clearance_level}, {x, y, level}, c.plunge_feed);
    Mode(ts, true);
    Leg(bench, turret, {x, y, level}, {x, y, c.second_clearance}, 0);
    Mode(ts, false);
  };
  for (long i = 1; i <= passes; ++i) plunge(c.surface - static_cast<double>(i) * c.plunge_depth);
  if (static_cast<double>(passes) * c.plunge_depth < depth) plunge(c.depth_level);
  saved.Restore();
  ts[kRegPrevZ] = c.second_clearance;
  ts[kRegZ] = c.second_clearance;
  bench.interp.cycles.cycle200_called = false;
}

void RunPendingCycle200(Workbench& bench, int turret) {
  // The top view shows no depth: the hole waits for a block run in another view.
  if (bench.interp.cycles.cycle200_called && bench.plot.current != kTopSlot) {
    RunCycle200(bench, turret);
  }
}

void DefineCycle200(Workbench& bench, std::string_view text) {
  const auto q = [&](const char* word) { return AddressValue(bench, word, text, false); };
  Cycle200Parameters& c = bench.interp.cycles.cycle200;
  c.surface = q("Q203=");
  c.clearance_level = c.surface + q("Q200=");
  c.depth_level = c.surface + q("Q201=");
  c.plunge_feed = q("Q206=");
  c.plunge_depth = q("Q202=");
  c.dwell_top = q("Q210=");
  c.second_clearance = q("Q204=");
}

void MarkCycle200Call(Workbench& bench) {
  bench.interp.cycles.cycle200_called = true;
}

std::string DrillCycleAptLine(double z, double f, double r, double previous_z) {
  return "CYCLE/DRILL,FEDTO," + PlainNumberText(z) + ",IPM," + PlainNumberText(f) + ",RAPTO," +
         PlainNumberText(r) + ",RTRCTO," + PlainNumberText(previous_z);
}

void NoteDrillCycleApt(Workbench& bench) {
  bench.interp.cycles.drill_apt_pending = true;
}

std::string TakePendingCycleApt(Workbench& bench, int turret) {
  bool& pending = bench.interp.cycles.drill_apt_pending;
  if (!pending) return {};
  pending = false;
  const TurretState& ts = bench.interp.Turret(turret);
  return DrillCycleAptLine(ts[kRegZ], ts[kRegF], ts[kRegR], ts[kRegPrevZ]);
}

void WritePendingCycleApt(Workbench& bench, int turret) {
  const std::string line = TakePendingCycleApt(bench, turret);
  if (!line.empty()) WriteAptComment(bench, line);
}

}  // namespace vormak
