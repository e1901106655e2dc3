#include "cam/tool_arc.h"

#include <cmath>

#include "cad/geometry_measure.h"
#include "cam/tool_placement.h"
#include "interp/run_driver.h"
#include "nctext/pane_services.h"
#include "plot/tool_picture.h"
#include "settings/machine_settings.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

double Radians(double degrees) {
  return degrees / kDegreesPerRadian;
}

// A lathe grooving tool is programmed by the corner its nose width puts at the reference.
Point WidthShift(const Workbench& bench) {
  const ToolNose& tool = bench.tools.Current();
  if (!IsLatheBench(bench) || tool.width <= 0) return {};
  const double back = tool.width - 2 * tool.nose_radius;
  return {-back * std::cos(Radians(tool.angle)), -back * std::sin(Radians(tool.angle)), 0};
}

std::string BlockText(const Workbench& bench, const ToolArc& arc) {
  const MachineSettings& s = bench.settings;
  const bool lathe = IsLatheBench(bench);
  const bool okuma = s.code_format == 2;
  // Centre words: the absolute centre, or the way from the start to the centre.
  const double ch = s.arc_type == 2 ? arc.centre.x : arc.centre.x - arc.start.x;
  const double cv = s.arc_type == 2 ? arc.centre.y : arc.centre.y - arc.start.y;
  int g = arc.g;
  std::string text;
  std::string centre_words;
  if (lathe) {
    const double minus = s.lathe_minus ? -1 : 1;
    if (s.lathe_minus) g = g == 2 ? 3 : 2;
    // I is a radius value whether incremental or absolute; only its sign follows X.
    const double i = cv * minus;
    text = "X" + WordValue(bench, 'X', LatheXValue(bench, arc.end.y)) + "Z" +
           WordValue(bench, 'Z', arc.end.x);
    centre_words = "I" + WordValue(bench, 'I', i) + "K" + WordValue(bench, 'K', ch);
  } else {
    text = "X" + WordValue(bench, 'X', arc.end.x) + "Y" + WordValue(bench, 'Y', arc.end.y);
    centre_words = "I" + WordValue(bench, 'I', ch) + "J" + WordValue(bench, 'J', cv);
  }
  const bool large = arc.sweep > 180 + 1e-9;
  if (s.use[kUseArcOutputR] && !(okuma && large)) {
    const char letter = okuma ? 'L' : 'R';
    text += letter + WordValue(bench, letter, large ? -arc.path_radius : arc.path_radius);
  } else {
    text += centre_words;
  }
  return "G" + WordValue(bench, 'G', g) + text;
}

}  // namespace

ToolArc BuildToolArc(const Workbench& bench, const CadElement& arc, const Point& start_pick,
                     const Point& side, double r) {
  ToolArc out;
  const Point centre{arc.d[0], arc.d[1], arc.d[2]};
  const double radius = arc.d[3];
  if (!(radius > 0) || !std::isfinite(radius)) {
    out.error = kGeoShownFailure;
    out.message = kArcZeroRadius;
    return out;
  }
  double a1 = NormalizeAngle(arc.d[4]);
  double a2 = NormalizeAngle(arc.d[5]);
  const Point e1 = PointOnCircle(centre, radius, a1);
  const bool from_start =
      std::fabs(start_pick.x - e1.x) < 0.0001 && std::fabs(start_pick.y - e1.y) < 0.0001;
  out.sweep = ArcSweep(ArcDirection::kCounterClockwise, a1, a2);
  if (out.sweep <= 1e-9) out.sweep = 360;
  out.g = from_start ? 3 : 2;
  if (!from_start) std::swap(a1, a2);
  const bool outside = Distance2D(side, centre) >= radius;
  out.path_radius = outside ? radius + r : radius - r;
  if (out.path_radius <= 1e-9) {
    out.error = kGeoShownFailure;
    out.message = kArcInsideTooSmall;
    return out;
  }
  const Point shift = WidthShift(bench);
  const auto place = [&](double angle) {
    Point p = ProgrammedPoint(bench, PointOnCircle(centre, out.path_radius, angle));
    p.x += shift.x;
    p.y += shift.y;
    p.z = centre.z;
    return p;
  };
  out.start = place(a1);
  out.end = place(a2);
  out.centre = ProgrammedPoint(bench, centre);
  out.centre.x += shift.x;
  out.centre.y += shift.y;
  out.block = BlockText(bench, out);
  return out;
}

void TakeToolArc(Workbench& bench, const ToolArc& arc) {
  bench.interp.motion.last_arc_block = arc.block;
  bench.host().SetCommandPanel(arc.block);
  const int turret = bench.tools.current_turret;
  Xyz& position = bench.interp.motion.tool_position[ToolShapes::Index(turret)];
  if (bench.cam.auto_insert) {
    position = {arc.start.x, arc.start.y, arc.start.z};
    const int pane = bench.active_pane;
    InsertBlankLineBelowCaret(bench, pane);
    InsertAtCaret(bench, "G" + WordValue(bench, 'G', 1));
    InsertCommandValue(bench, IsLatheBench(bench) ? InsertCommand::kXZ : InsertCommand::kXY);
    InsertBlankLineBelowCaret(bench, pane);
    InsertCommandValue(bench, InsertCommand::kArc);
  }
  position = {arc.end.x, arc.end.y, arc.end.z};
  EraseStandingPicture(bench, turret);
  StandPicture(bench, turret, position);
}

}  // namespace vormak
