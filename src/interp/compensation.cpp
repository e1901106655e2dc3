#include "interp/compensation.h"

#include <algorithm>
#include <cmath>

#include "interp/block_interpreter.h"
#include "interp/compensation_lookahead.h"
#include "interp/later_hooks.h"
#include "interp/motion_hooks.h"
#include "interp/word_reader.h"
#include "nctext/block_words.h"
#include "nctext/status_services.h"
#include "settings/word_format.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

bool IsLathe(const Workbench& bench) {
  return bench.settings.system_type == SystemType::kLathe;
}

bool Holds(std::string_view text, std::string_view s) {
  return text.find(s) != std::string_view::npos;
}

// The next element, with inside arcs too small for the cutter passed over: Comp NC deletes
// them from the text, the plot leaves them undrawn. A line before and after such an arc both
// run on to where their lines cross.
LookAhead NextElement(Workbench& bench, int pane, PathElement& current, TurretState& t, Vec2 delta,
                      double r, int side) {
  InterpState& interp = bench.interp;
  LookAhead next = ReadNextMove(bench, pane, interp.run.current_line + 1, t, delta);
  bool passed = false;
  for (int guard = 0; guard < 1000 && next.found && next.element.IsArc() &&
                      ArcTooSmallForCutter(next.element, r, side);
       ++guard) {
    LookAhead after = ReadNextMove(bench, pane, next.line + 1, next.record, delta);
    // A block after the arc that names both arc directions keeps the arc.
    if (after.found && Holds(after.text, "G02") && Holds(after.text, "G03")) break;
    if (interp.machine.comp_nc_mode) {
      DeletePaneLine(bench, pane, next.line);
      ++interp.comp.lines_removed;
      if (after.found) --after.line;
    } else {
      interp.comp.passed_arc_lines.push_back(next.line);
    }
    passed = true;
    next = std::move(after);
  }
  Vec2 crossing;
  if (passed && next.found && !current.IsArc() && !next.element.IsArc() &&
      LineCrossing(current, next.element, crossing)) {
    current.end = crossing;
    next.element.start = crossing;
    if (interp.machine.comp_nc_mode) {
      // The block after the removed arc now starts where the lines cross.
      const Vec2 at = crossing - delta;
      if (IsLathe(bench)) {
        t[kRegZ] = at.x;
        t[kRegX] = at.y;
      } else {
        t[kRegX] = at.x;
        t[kRegY] = at.y;
      }
    }
  }
  return next;
}

double Sweep(const PathElement& arc, Vec2 from, Vec2 to) {
  if (Length(from - to) < 1e-9) return 360;
  const double a0 = AngleOf(from - arc.centre);
  const double a1 = AngleOf(to - arc.centre);
  double sweep = arc.kind == 2 ? a0 - a1 : a1 - a0;
  if (sweep < 0) sweep += 360;
  return sweep;
}

std::string Formatted(const Workbench& bench, char letter, double value) {
  if (std::fabs(value) < 1e-6) value = 0;  // no "-0" from a rounding error
  return FormatAddressValue(bench.word_formats, letter, 1, value);
}

// An existing word takes the new value, a missing one is appended.
void SetWord(std::string& words, char letter, const std::string& value) {
  SplitWord split = SplitAtAddress(letter, words);
  if (split.found) {
    words = split.before + letter + value + split.rest;
    return;
  }
  if (Holds(words, " ") && !words.empty() && words.back() != ' ') words += ' ';
  words += letter;
  words += value;
}

void RemoveWord(std::string& words, char letter) {
  while (Holds(words, std::string_view(&letter, 1))) words = RemoveAddress(words, letter);
}

struct Rewrite {
  Vec2 from;      // compensated start, move coordinates
  Vec2 end;       // compensated end
  Vec2 delta;     // move minus program coordinates
  Vec2 centre_v;  // arcs: compensated start to centre
  double radius = 0;
  double sweep = 0;
};

// The compensated end (and an arc's centre or radius) written into the block.
void RewriteBlock(Workbench& bench, int pane, int line, const TurretState& t,
                  const PathElement& current, const Rewrite& w) {
  const MachineSettings& s = bench.settings;
  const std::string text = PaneLine(bench, pane, line);
  const CommentChars cc = CommentCharsOf(s);
  const bool commented = Holds(text, std::string_view(&cc.begin, 1));
  std::string words = commented ? StripComment(text, cc) : text;
  const std::string comment = commented ? CommentOf(text, cc) : std::string();
  const bool incremental = t.G(91);
  const Vec2 moved = w.end - w.from;
  const Vec2 absolute = w.end - w.delta;
  const Vec2 value = incremental ? moved : absolute;
  if (IsLathe(bench)) {
    const double diameter = RadiusMode(s) ? 1 : 2;
    const WordReader read(words);
    if (read.Has('U') && !read.Has('X')) {
      SetWord(words, 'U', Formatted(bench, 'U', moved.y * diameter));
    } else {
      SetWord(words, 'X', Formatted(bench, 'X', value.y * diameter));
    }
    if (read.Has('W') && !read.Has('Z')) {
      SetWord(words, 'W', Formatted(bench, 'W', moved.x));
    } else {
      SetWord(words, 'Z', Formatted(bench, 'Z', value.x));
    }
  } else {
    SetWord(words, 'X', Formatted(bench, 'X', value.x));
    SetWord(words, 'Y', Formatted(bench, 'Y', s.mirror[1] ? -value.y : value.y));
  }
  if (current.IsArc()) {
    const bool lathe = IsLathe(bench);
    const bool okuma = s.code_format == 2;
    // Centre words: incremental from the compensated start, or the absolute centre as read.
    const Vec2 c = s.arc_type == 2 ? PlaneCentreOffset(t, lathe) : w.centre_v;
    const auto centre_words = [&] {
      if (lathe) {
        SetWord(words, 'I', Formatted(bench, 'I', c.y));
        SetWord(words, 'K', Formatted(bench, 'K', c.x));
      } else {
        SetWord(words, 'I', Formatted(bench, 'I', c.x));
        SetWord(words, 'J', Formatted(bench, 'J', c.y));
      }
      RemoveWord(words, 'R');
      if (okuma) RemoveWord(words, 'L');
    };
    if (s.use[kUseArcOutputR] && !(okuma && w.sweep > 180)) {
      // A radius word reads back as the larger arc only when it is negative.
      const char letter = okuma ? 'L' : 'R';
      const double radius = w.sweep > 180 ? -w.radius : w.radius;
      if (okuma) RemoveWord(words, 'R');  // elsewhere L is the block's repeat count
      SetWord(words, letter, Formatted(bench, letter, radius));
      RemoveWord(words, 'I');
      RemoveWord(words, 'J');
      RemoveWord(words, 'K');
    } else {
      centre_words();
    }
  }
  ReplacePaneLine(bench, pane, line, words + comment);
}

}  // namespace

void CompensateMove(Workbench& bench, int turret, Point& start, Point& end) {
  InterpState& interp = bench.interp;
  CompensationState& comp = interp.comp;
  MachineState& ms = interp.machine;
  const MachineSettings& s = bench.settings;
  TurretState& t = interp.Turret(turret);
  const bool comp_nc = ms.comp_nc_mode;
  const bool lathe = IsLathe(bench);
  // Only the first turret is compensated: the second one's record serves the look-ahead.
  if (turret != 1) return;
  const bool wanted = comp_nc || (s.use[kUseCutterComp] && (t.G(41) || t.G(42)));
  const bool planar = lathe || !(t.G(18) || t.G(19)) || MoveKindOf(t) == 1;
  if (!wanted || !planar || ms.cycle_active) {
    comp.active = false;
    return;
  }
  const int pane = interp.run.source_pane;
  const int line = interp.run.current_line;
  const Vec2 programmed_start{start.x, start.y};
  const Vec2 from = comp.active ? Vec2{comp.last_end_x, comp.last_end_y} : programmed_start;
  const Vec2 delta = Vec2{end.x, end.y} - PlaneEnd(t, lathe);
  const auto finish = [&](Vec2 e) {
    start.x = from.x;
    start.y = from.y;
    end.x = e.x;
    end.y = e.y;
    comp.active = true;
    comp.last_end_x = e.x;
    comp.last_end_y = e.y;
    const Vec2 p = e - delta;
    comp.program_end = lathe ? Xyz{p.y, t[kRegY], p.x} : Xyz{p.x, p.y, t[kRegZ]};
  };

  auto passed = std::find(comp.passed_arc_lines.begin(), comp.passed_arc_lines.end(), line);
  if (passed != comp.passed_arc_lines.end()) {
    // An inside arc the cutter cannot follow: the cutter stays where it is.
    comp.passed_arc_lines.erase(passed);
    interp.motion.skip_next_move = true;
    finish(from);
    return;
  }

  PathElement current{MoveKindOf(t), programmed_start, {end.x, end.y}, {}};
  if (current.IsArc()) current.centre = ArcCentreOf(bench, t, programmed_start);
  if (!current.IsArc() && Length(current.end - current.start) < 1e-9) {
    finish(from);  // a move along the tool axis only
    return;
  }
  const int side = comp_nc && !ms.contour_mode ? comp.side : t.G(42) ? kRightSide : kLeftSide;
  const double r = comp_nc ? comp.amount : comp.radius_offset[0];

  const size_t arcs_passed = comp.passed_arc_lines.size();
  const int lines_removed = comp.lines_removed;
  const LookAhead next = NextElement(bench, pane, current, t, delta, r, side);
  if (!next.found &&
      (comp.passed_arc_lines.size() != arcs_passed || comp.lines_removed != lines_removed)) {
    // The path ends with an inside arc the cutter cannot follow: this move is not drawn either.
    interp.motion.skip_next_move = true;
    finish(from);
    return;
  }
  if (!next.found) comp.no_next_move = true;
  CornerRule rule = CornerRule::kCorner;
  if (ms.lead_in_pending) {
    // The approach to the contour is not drawn; it ends where the next offset starts.
    ms.lead_in_pending = false;
    interp.motion.skip_next_move = true;
    rule = comp.no_next_move ? CornerRule::kEndOfPath : CornerRule::kLeadIn;
  } else if (comp.no_next_move) {
    rule = CornerRule::kEndOfPath;
  } else if (current.IsArc() && !next.element.IsArc() && ms.cancel_pending) {
    rule = CornerRule::kEndOfPath;
    ms.cancel_pending = false;
  }
  comp.no_next_move = false;
  const PathElement following = next.found ? next.element : PathElement{};

  double offset_radius = 0;
  if (current.IsArc()) {
    offset_radius = OffsetRadius(current, r, side);
    if (offset_radius < 0.0001 && s.use[kUseCutterComp]) {
      bench.host().Information(kOffsetArcTooSmall + PaneLine(bench, pane, line), "Information");
    }
  }
  Corner corner = CompensatedCorner(current, following, r, side, rule);
  if (corner.parallel) {
    // Two lines in a row that never meet. Going on in the same direction the cutter stays on
    // the offset line; turning back there is no sound corner and the point stays unmoved.
    const Vec2 a = current.end - current.start, b = following.end - following.start;
    const bool onward = a.x * b.x + a.y * b.y > 0;
    if (Warn(bench, kCompensationError) == Answer::kOk && onward) {
      corner.end = current.end + r * OffsetNormal(current, current.end, side);
    }
  }
  const ToolNose& tool = bench.tools.turret[0];
  const Vec2 e =
      ToolWidthCorrection(current, following, corner.end, tool.width, tool.nose_radius, tool.angle);

  Rewrite w{from, e, delta, {}, 0, 0};
  if (current.IsArc()) {
    const Vec2 to_centre = current.centre - from;
    const double l = Length(to_centre);
    w.centre_v = l > 0 ? (offset_radius / l) * to_centre : to_centre;
    w.radius = offset_radius;
    w.sweep = Sweep(current, from, e);
    if (s.arc_type != 2) SetPlaneCentreOffset(t, lathe, w.centre_v);
  }
  if (comp_nc) RewriteBlock(bench, pane, line, t, current, w);
  finish(e);
}

void SetRadiusOffsetFromText(Workbench& bench, std::string_view text) {
  const size_t at = text.find('R');
  if (at == std::string_view::npos) return;
  const int turret = bench.interp.run.turret;
  bench.interp.comp.radius_offset[turret == 2 ? 1 : 0] = LetterValueAt(bench, text, at, false);
}

void CompensationHook(Workbench& bench, int turret, Point& start, Point& end) {
  CompensateMove(bench, turret, start, end);
}

void ToolRadiusFromComment(Workbench& bench, std::string_view text) {
  SetRadiusOffsetFromText(bench, text);
}

}  // namespace vormak
