#include "interp/motion.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "cad/element_table.h"
#include "cad/geometry_measure.h"
#include "interp/machining_time.h"
#include "interp/motion_hooks.h"
#include "nctext/status_services.h"
#include "plot/backplot.h"
#include "plot/tool_picture.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kRapidStyle = 2;
constexpr int kFeedStyle = 1;
constexpr const char* kZeroRadiusWarning = "Plot is in Arc Mode.\r\nRadius = 0  Press Enter";

bool IsLathe(const MachineSettings& settings) {
  return settings.system_type == SystemType::kLathe;
}

bool CycleInForce(const TurretState& t) {
  if (t.G(73)) return true;
  for (int g = 81; g <= 87; ++g) {
    if (t.G(g)) return true;
  }
  return false;
}

Xyz ToXyz(const Point& p) {
  return {p.x, p.y, p.z};
}

// Lathe programs drawn below the spindle axis: the vertical coordinate changes sign.
Point Drawn(const MachineSettings& settings, Point p) {
  if (settings.lathe_minus) p.y = -p.y;
  return p;
}

double& Coordinate(Point& p, char axis) {
  return axis == 'X' ? p.x : axis == 'Y' ? p.y : p.z;
}

void SwapAxes(const MachineState& machine, Point& p) {
  if (!machine.axis_swap || machine.swap_a == machine.swap_b) return;
  std::swap(Coordinate(p, machine.swap_a), Coordinate(p, machine.swap_b));
}

void Report(Workbench& bench, int turret, MoveKind kind, const Point& start, const Point& end,
            std::int32_t colour, int style, const Point& centre = {}, double radius = 0,
            int direction = 0, int plane = 1, double sweep = 0) {
  const auto& observer = bench.interp.motion.move_observer;
  if (!observer) return;
  DrawnMove move;
  move.line = bench.interp.run.current_line;
  move.turret = turret;
  move.kind = kind;
  move.start = ToXyz(start);
  move.end = ToXyz(end);
  move.centre = ToXyz(centre);
  move.radius = radius;
  move.direction = direction;
  move.plane = plane;
  move.sweep = sweep;
  move.colour = colour;
  move.style = style;
  observer(move);
}

// The editor line a move is drawn for: the second turret's lines are in pane 2, the contour
// dialog runs its own text in pane 4.
MoveTag TagOf(const Workbench& bench, int turret) {
  const RunState& run = bench.interp.run;
  const int pane = turret == 2 ? 2 : run.source_pane == 4 ? 4 : 1;
  return {turret, pane, run.current_line};
}

void RecordLine(Workbench& bench, std::int32_t colour, int style, const Point& a, const Point& b) {
  if (!bench.interp.motion.record_toolpath) return;
  ElementTable& table = bench.cad.table;
  MakeElement(table, bench.host(), NextFreeSlot(table), ElementKind::kLine, colour,
              {a.x, a.y, a.z, b.x, b.y, b.z}, style, table.current_layer, ElementState::kToolpath,
              0);
}

// One straight leg, drawn and recorded in program coordinates (lathe below the axis when
// LatheMinus says so).
void DrawLeg(Workbench& bench, int turret, std::int32_t colour, int style, const Point& a,
             const Point& b) {
  const Point da = Drawn(bench.settings, a);
  const Point db = Drawn(bench.settings, b);
  PlotSegment(bench.plot, bench.settings, TagOf(bench, turret), colour, style, da, db);
  RecordLine(bench, colour, style, da, db);
}

struct MoveClass {
  bool rapid = false;
  std::int32_t colour = 0;
  int style = kFeedStyle;
};

MoveClass ClassifyMove(Workbench& bench, const TurretState& t, double feed) {
  const MachineSettings& s = bench.settings;
  MotionState& motion = bench.interp.motion;
  const bool cycle = bench.interp.machine.cycle_active;
  const double f = t[kRegF];
  MoveClass c;
  c.rapid = (t.G(0) && !cycle) || (t.G(1) && f == 0) || (cycle && feed == 0);
  if (c.rapid) {
    c.colour = motion.rapid_colour;
    c.style = kRapidStyle;
    return c;
  }
  if (feed == 0 || (s.rapid_cutoff > 0 && f > s.rapid_cutoff)) {
    motion.pen_colour = motion.rapid_colour;
    c.style = kRapidStyle;
  } else if (s.feed_cutoff > 0 && f > s.feed_cutoff) {
    motion.pen_colour = motion.fast_feed_colour;
  } else if (s.use[kUseCoolant] && !bench.interp.machine.coolant_on) {
    motion.pen_colour = palette::kWhite;
  } else {
    motion.pen_colour = motion.feed_colour;
  }
  c.colour = motion.pen_colour;
  return c;
}

// Rapids under "Rapid 45" go diagonally first, then straight along the longer axis.
Point RapidCorner(const Point& start, const Point& end) {
  const double dx = end.x - start.x;
  const double dy = end.y - start.y;
  const auto sign = [](double v) { return v >= 0 ? 1.0 : -1.0; };
  if (std::fabs(dx) > std::fabs(dy)) return {start.x + sign(dx) * std::fabs(dy), end.y, start.z};
  if (std::fabs(dy) > std::fabs(dx)) return {end.x, start.y + sign(dy) * std::fabs(dx), start.z};
  return start;
}

void RapidMove(Workbench& bench, int turret, const TurretState& t, const Point& start,
               const Point& end, std::int32_t colour) {
  LinearAccountingHook(bench, turret, start, end, bench.settings.rapid_feed, true);
  Point corner = start;
  if (bench.settings.use[kUseRapid45] && t.G(0)) {
    corner = RapidCorner(start, end);
    DrawLeg(bench, turret, colour, kRapidStyle, start, corner);
  }
  DrawLeg(bench, turret, colour, kRapidStyle, corner, end);
  Report(bench, turret, MoveKind::kRapid, start, end, colour, kRapidStyle);
}

// The drill marker stands where the hole is on the part: program shift and G92/G50 added.
void CycleMarker(Workbench& bench, int turret, const Point& end) {
  const MachineState& m = bench.interp.machine;
  Point at = end;
  if (IsLathe(bench.settings)) {
    at.x += m.program_shift.z + m.coordinate_shift.z;
    at.y += m.program_shift.x + m.coordinate_shift.x;
  } else {
    at.x += m.program_shift.x + m.coordinate_shift.x;
    at.y += m.program_shift.y + m.coordinate_shift.y;
    at.z += m.program_shift.z + m.coordinate_shift.z;
  }
  PlotMarker(bench.plot, bench.settings, TagOf(bench, turret), bench.interp.motion.pen_colour,
             Drawn(bench.settings, at));
}

struct ArcGeometry {
  Point centre;
  double radius = 0;
  int plane = 1;
};

// Plane coordinates: 1 X-Y, 2 X-Z, 3 Y-Z.
double First(const Point& p, int plane) {
  return plane == 3 ? p.y : p.x;
}
double Second(const Point& p, int plane) {
  return plane == 1 ? p.y : p.z;
}

ArcGeometry ArcCentre(Workbench& bench, const TurretState& t, const Point& start,
                      const Point& end) {
  const MachineSettings& s = bench.settings;
  const MachineState& m = bench.interp.machine;
  const bool offsets = s.use[kUseOffsets];
  const double i = t[kRegI], j = t[kRegJ], k = t[kRegK];
  ArcGeometry a;
  if (IsLathe(s)) {
    // A lathe works in its one plane, Z across and X up, whatever plane code the program
    // carries (G18 is the lathe's own plane).
    if (s.arc_type == 2) {
      a.centre = {k, i, start.z};
      if (offsets) {
        a.centre.x += m.program_shift_ijk.z;
        a.centre.y += m.program_shift_ijk.x;
      }
      a.radius = std::hypot(end.x - a.centre.x, end.y - a.centre.y);
    } else {
      a.centre = {start.x + k, start.y + i, start.z};
      a.radius = std::hypot(i, k);
    }
    return a;
  }
  a.plane = t.G(19) ? 3 : t.G(18) ? 2 : 1;
  if (s.arc_type == 2) {
    a.centre = {i, j, start.z};
    if (offsets) {
      a.centre.x += m.program_shift_ijk.x;
      a.centre.y += m.program_shift_ijk.y;
    }
    if (a.plane != 1) {
      // Absolute centres in the X-Z and Y-Z planes: the off-plane coordinate stays the start's.
      if (a.plane == 2) a.centre.y = start.y;
      if (a.plane == 3) a.centre.x = start.x;
      a.centre.z = k + (offsets ? m.program_shift_ijk.z : 0);
    }
    a.radius = std::hypot(First(end, a.plane) - First(a.centre, a.plane),
                          Second(end, a.plane) - Second(a.centre, a.plane));
  } else {
    a.centre = {start.x + i, start.y + j, start.z + k};
    a.radius = a.plane == 1 ? std::hypot(i, j) : a.plane == 2 ? std::hypot(i, k) : std::hypot(j, k);
  }
  return a;
}

// Each plane is drawn with its first axis (X, X, Y) to the right and its second (Y, Z, Z) up;
// the X-Z plane so shows in the front view. A control turns G2 clockwise seen from the plane's
// positive normal, and seen from +Y the X-Z plane has Z to the right and X up: drawn in the
// front view a G2 arc of G18 therefore turns counter-clockwise.
bool ClockwiseAsDrawn(bool g2, int plane) {
  return plane == 2 ? !g2 : g2;
}

double PlaneAngle(const Point& centre, const Point& p, int plane) {
  return DirectionAngle({First(centre, plane), Second(centre, plane), 0},
                        {First(p, plane), Second(p, plane), 0});
}

void RecordArc(Workbench& bench, std::int32_t colour, int style, const ArcGeometry& a,
               const Point& drawn_centre, double start_angle, double end_angle, bool clockwise) {
  if (!bench.interp.motion.record_toolpath) return;
  // Elements hold arcs counter-clockwise from d5 to d6.
  double from = start_angle, to = end_angle;
  if (clockwise) {
    std::swap(from, to);
  } else if (to < from) {
    to += 360;
  }
  if (bench.settings.lathe_minus) std::swap(from, to);
  ElementTable& table = bench.cad.table;
  MakeElement(table, bench.host(), NextFreeSlot(table), ElementKind::kArc, colour,
              {drawn_centre.x, drawn_centre.y, drawn_centre.z, a.radius, from, to}, style,
              table.current_layer, ElementState::kToolpath, a.plane);
}

// Returns false when the move ends here (the zero-radius warning was cancelled, or the arc
// is drawn with its tool picture).
bool ArcMove(Workbench& bench, int turret, TurretState& t, const Point& start, const Point& end,
             const MoveClass& c, double feed) {
  const MachineSettings& s = bench.settings;
  ArcGeometry a = ArcCentre(bench, t, start, end);
  const bool clockwise = ClockwiseAsDrawn(t.G(2), a.plane);
  if (a.radius == 0 && Warn(bench, kZeroRadiusWarning) == Answer::kCancel) {
    t.SetG(2, false);
    t.SetG(3, false);
    t.SetG(0, true);
    return false;
  }
  const Point dc = Drawn(s, a.centre);
  const int direction = t.G(2) ? 2 : 3;  // as programmed: the Macro Out echo and the trace
  const int drawn_direction = clockwise ? 2 : 3;
  if (bench.interp.motion.solid_view) {
    ToolPictureHook(bench, turret, start, end, a.centre, direction);
    return false;
  }
  // Below the axis the arc runs the other way round on the screen.
  PlotArc(bench.plot, s, TagOf(bench, turret), c.colour, c.style, a.plane,
          clockwise != s.lathe_minus, a.radius, dc, Drawn(s, start), Drawn(s, end));
  // Timed on the programmed arc: drawn below the axis its angles run the other way round.
  const double programmed_start = PlaneAngle(a.centre, start, a.plane);
  const double programmed_end = PlaneAngle(a.centre, end, a.plane);
  const ArcDirection sense = clockwise ? ArcDirection::kClockwise : ArcDirection::kCounterClockwise;
  const double extent = ArcSweep(sense, programmed_start, programmed_end);
  Report(bench, turret, MoveKind::kArc, start, end, c.colour, c.style, a.centre, a.radius,
         direction, a.plane, direction == 2 ? -extent : extent);
  bench.interp.motion.last_arc[turret == 2 ? 1 : 0] = {a.radius, programmed_start, programmed_end,
                                                       drawn_direction};
  ArcAccountingHook(bench, turret, start, end, a.centre, a.radius, programmed_start,
                    programmed_end, drawn_direction, direction, a.plane, feed);
  if (bench.interp.motion.record_toolpath) {
    RecordArc(bench, c.colour, c.style, a, dc, PlaneAngle(dc, Drawn(s, start), a.plane),
              PlaneAngle(dc, Drawn(s, end), a.plane), clockwise);
  }
  // The tool follows the arc itself, not the chord: the picture is done here.
  if (s.use[kUseTools]) ToolPictureHook(bench, turret, start, end, a.centre, direction);
  return false;
}

// Turns (a, b) about (c1, c2) by `degrees`, counter-clockwise with the first axis to the right.
void Turn(double& a, double& b, double c1, double c2, double degrees) {
  const double r = degrees * std::numbers::pi / 180;
  const double u = a - c1, w = b - c2;
  a = c1 + u * std::cos(r) - w * std::sin(r);
  b = c2 + u * std::sin(r) + w * std::cos(r);
}

// The coordinate rotations of the rotary words: about Z in X-Y, about Y in X-Z, about X in Y-Z.
void RotatePoint(const MachineState& m, Point& p) {
  const AxisRotation& about_x = m.rotation[0];
  const AxisRotation& about_y = m.rotation[1];
  const AxisRotation& about_z = m.rotation[2];
  if (about_z.angle != 0) Turn(p.x, p.y, about_z.c1, about_z.c2, about_z.angle);
  if (about_y.angle != 0) Turn(p.x, p.z, about_y.c1, about_y.c2, about_y.angle);
  if (about_x.angle != 0) Turn(p.y, p.z, about_x.c1, about_x.c2, about_x.angle);
}

// A rotary word in a G01 block turns the part under the tool: drawn as an arc about the X-Y
// origin through the start turned by the old angle and the end turned by the new one.
void PureRotation(Workbench& bench, int turret, Point start, Point end, double feed) {
  InterpState& interp = bench.interp;
  MotionState& motion = interp.motion;
  TurretState& t = interp.Turret(turret);
  const int axis = std::clamp(motion.rotary_axis_moved, 1, 3) - 1;
  const double before = t.reg[static_cast<size_t>(kRegPrevA + axis)];
  const double after = t.reg[static_cast<size_t>(kRegA + axis)];
  const AxisRotation& about_z = interp.machine.rotation[2];
  Turn(start.x, start.y, about_z.c1, about_z.c2, before);
  Turn(end.x, end.y, about_z.c1, about_z.c2, after);
  const Point origin{0, 0, 0};
  const double radius = std::hypot(start.x, start.y);
  const bool clockwise = motion.rotary_reverse;
  motion.rotary_reverse = false;
  const std::int32_t colour = motion.pen_colour;
  LiftPictures(bench);
  PlotArc(bench.plot, bench.settings, TagOf(bench, turret), colour, kFeedStyle, 1, clockwise,
          radius, origin, start, end);
  const double extent =
      ArcSweep(clockwise ? ArcDirection::kClockwise : ArcDirection::kCounterClockwise,
               DirectionAngle(origin, start), DirectionAngle(origin, end));
  Report(bench, turret, MoveKind::kArc, start, end, colour, kFeedStyle, origin, radius,
         clockwise ? 2 : 3, 1, clockwise ? -extent : extent);
  RotaryToolPictureHook(bench, turret, start, end, clockwise);
  // Timed as a straight move as long as the turn in degrees; there is no motion block to echo.
  LinearTime(bench, turret, {0, 0, 0}, {std::fabs(after - before), 0, 0}, feed);
}

}  // namespace

bool RotaryAxesHook(Workbench& bench, int turret, Point& start, Point& end, double feed) {
  InterpState& interp = bench.interp;
  if (interp.machine.rotary_word && interp.motion.rotary_feed_move) {
    PureRotation(bench, turret, start, end, feed);
    return true;
  }
  const MachineState& m = interp.machine;
  if (m.rotation[0].angle == 0 && m.rotation[1].angle == 0 && m.rotation[2].angle == 0) {
    return false;
  }
  RotatePoint(m, start);
  RotatePoint(m, end);
  TurretState& t = interp.Turret(turret);
  if (t.G(2) || t.G(3)) {
    // The centre offsets turn about the origin.
    MachineState about_origin = m;
    for (AxisRotation& r : about_origin.rotation) r.c1 = r.c2 = 0;
    Point ijk{t[kRegI], t[kRegJ], t[kRegK]};
    RotatePoint(about_origin, ijk);
    t[kRegI] = ijk.x;
    t[kRegJ] = ijk.y;
    t[kRegK] = ijk.z;
  }
  return false;
}

void ExecuteMove(Workbench& bench, int turret, double x1, double y1, double z1, double x2,
                 double y2, double z2, double feed) {
  const MachineSettings& s = bench.settings;
  InterpState& interp = bench.interp;
  MotionState& motion = interp.motion;
  TurretState& t = interp.Turret(turret);
  Point start{x1, y1, z1};
  Point end{x2, y2, z2};

  SwapAxes(interp.machine, start);
  SwapAxes(interp.machine, end);
  if (s.system_type == SystemType::kMill && s.use[kUseRotary] &&
      RotaryAxesHook(bench, turret, start, end, feed)) {
    return;
  }
  if (s.use[kUseCutterComp] || interp.machine.comp_nc_mode) {
    CompensationHook(bench, turret, start, end);
  }
  motion.last_end_x = end.x;
  motion.last_end_y = end.y;
  if (motion.skip_next_move) {
    motion.skip_next_move = false;
    return;
  }
  if (interp.machine.comp_nc_mode) return;
  LiftPictures(bench);

  const MoveClass c = ClassifyMove(bench, t, feed);
  motion.tool_position[turret == 2 ? 1 : 0] = ToXyz(end);
  if (c.rapid && !motion.solid_view) RapidMove(bench, turret, t, start, end, c.colour);
  if (CycleInForce(t)) CycleMarker(bench, turret, end);

  const bool cycle = interp.machine.cycle_active;
  const bool arc = t.G(2) || t.G(3);
  if (!c.rapid && ((t.G(1) && t[kRegF] > 0) || (cycle && feed > 0))) {
    DrawLeg(bench, turret, c.colour, c.style, start, end);
    Report(bench, turret, MoveKind::kFeed, start, end, c.colour, c.style);
    LinearAccountingHook(bench, turret, start, end, feed, false);
  } else if (!c.rapid && arc) {
    if (!ArcMove(bench, turret, t, start, end, c, feed)) return;
  }

  if (s.use[kUseTools] || motion.solid_view) {
    ToolPictureHook(bench, turret, start, end, {}, 0);
  }
  if (c.rapid && motion.solid_view && s.use[kUseCrashCheck]) {
    CrashCheckHook(bench, turret, start, end);
  }
}

void ArcCentreFromRadius(Workbench& bench, int turret, double r) {
  TurretState& t = bench.interp.Turret(turret);
  if (!t.G(2) && !t.G(3)) return;
  const MachineSettings& s = bench.settings;
  const bool lathe = IsLathe(s);
  // The plane the arc lies in: the lathe's (Z, X); a mill's X-Y, X-Z (G18) or Y-Z (G19).
  int plane = 1;
  if (!lathe) plane = t.G(19) ? 3 : t.G(18) ? 2 : 1;
  const Point prev{t[kRegPrevX], t[kRegPrevY], t[kRegPrevZ]};
  const Point now{t[kRegX], t[kRegY], t[kRegZ]};
  double sx, sy, ex, ey;
  if (lathe) {
    sx = prev.z, sy = prev.x, ex = now.z, ey = now.x;
  } else {
    sx = First(prev, plane), sy = Second(prev, plane), ex = First(now, plane),
    ey = Second(now, plane);
  }
  const double radius = std::fabs(r);
  const double chord = std::hypot(ex - sx, ey - sy);
  if (chord == 0 || radius == 0) return;
  double h2 = radius * radius - chord * chord / 4;
  if (h2 < 0) {
    // A half circle whose end was rounded a hair beyond the diameter still has its centre.
    if (chord / 2 - radius > 1e-7 * std::max(1.0, radius)) return;
    h2 = 0;
  }
  const double h = std::sqrt(h2);
  const double ux = (ex - sx) / chord, uy = (ey - sy) / chord;
  const double mx = (sx + ex) / 2, my = (sy + ey) / 2;
  // Centres either side of the chord; the probe stands on the side a short arc bulges from.
  const double c1x = mx - uy * h, c1y = my + ux * h;  // left of the chord
  const double c2x = mx + uy * h, c2y = my - ux * h;  // right of the chord
  const double side = ClockwiseAsDrawn(t.G(2), plane) ? -1.0 : 1.0;
  const double px = mx - side * uy, py = my + side * ux;
  const double d1 = std::hypot(c1x - px, c1y - py), d2 = std::hypot(c2x - px, c2y - py);
  const bool pick_first = r > 0 ? d1 <= d2 : d1 > d2;
  const double cx = pick_first ? c1x : c2x, cy = pick_first ? c1y : c2y;

  if (lathe) {
    t[kRegI] = cy - prev.x;
    t[kRegK] = cx - prev.z;
  } else {
    const bool absolute = s.arc_type == 2;
    const double first = absolute ? cx : cx - sx;
    const double second = absolute ? cy : cy - sy;
    if (plane == 1) {
      t[kRegI] = first, t[kRegJ] = second;
    } else if (plane == 2) {
      t[kRegI] = first, t[kRegK] = second;
    } else {
      t[kRegJ] = first, t[kRegK] = second;
    }
  }
  t[kRegArcRadius] = r;
}

}  // namespace vormak
