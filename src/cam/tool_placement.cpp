#include "cam/tool_placement.h"

#include <cmath>
#include <cstdio>

#include "cad/element_geometry.h"
#include "cad/geometry_measure.h"
#include "cad/geometry_project.h"
#include "interp/run_driver.h"
#include "nctext/pane_services.h"
#include "plot/tool_picture.h"
#include "settings/word_format.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

double Radians(double degrees) {
  return degrees * kPi / 180;
}

// Unit normal of the element at the contact point.
Point NormalAt(const CadElement& element, const Point& contact) {
  double dx, dy;
  if (element.kind == ElementKind::kLine) {
    dx = -(element.d[4] - element.d[1]);
    dy = element.d[3] - element.d[0];
  } else {
    dx = contact.x - element.d[0];
    dy = contact.y - element.d[1];
  }
  const double length = std::hypot(dx, dy);
  if (length == 0) return {0, 0, 0};
  return {dx / length, dy / length, 0};
}

// Direction from p to q in degrees, 0 up to 360.
double Heading(const Point& p, const Point& q) {
  double a = std::atan2(q.y - p.y, q.x - p.x) * 180 / kPi;
  if (a < 0) a += 360;
  return a;
}

Point TangentAt(const CadElement& element, const Point& contact, const Point& side, double r) {
  const Point n = NormalAt(element, contact);
  const Point plus{contact.x + r * n.x, contact.y + r * n.y, contact.z};
  const Point minus{contact.x - r * n.x, contact.y - r * n.y, contact.z};
  return Distance2D(plus, side) < Distance2D(minus, side) ? plus : minus;
}

}  // namespace

bool IsLatheBench(const Workbench& bench) {
  return bench.settings.system_type == SystemType::kLathe;
}

double EffectiveRadius(const Workbench& bench) {
  const int turret = bench.tools.current_turret;
  return bench.tools.Current().nose_radius +
         bench.interp.comp.radius_offset[ToolShapes::Index(turret)];
}

Point ProgrammedPoint(const Workbench& bench, const Point& nose_centre) {
  const ToolNose& tool = bench.tools.Current();
  return {nose_centre.x - tool.centre_z, nose_centre.y - tool.centre_x, nose_centre.z};
}

Point NearestOnElement(const CadElement& element, const Point& p) {
  if (element.kind == ElementKind::kLine) {
    const double dx = element.d[3] - element.d[0], dy = element.d[4] - element.d[1];
    const double length2 = dx * dx + dy * dy;
    if (length2 == 0) return {element.d[0], element.d[1], element.d[2]};
    const double t = ((p.x - element.d[0]) * dx + (p.y - element.d[1]) * dy) / length2;
    return {element.d[0] + t * dx, element.d[1] + t * dy, element.d[2]};
  }
  const double dx = p.x - element.d[0], dy = p.y - element.d[1];
  const double length = std::hypot(dx, dy);
  if (length == 0) return {element.d[0] + element.d[3], element.d[1], element.d[2]};
  const double k = element.d[3] / length;
  return {element.d[0] + k * dx, element.d[1] + k * dy, element.d[2]};
}

Point ToolTangentPosition(const Workbench& bench, const CadElement& element, const Point& contact,
                          const Point& side) {
  const ToolNose& tool = bench.tools.Current();
  const double r = EffectiveRadius(bench);
  if (IsLatheBench(bench) && tool.width > 0) {
    // Which corner of a grooving insert meets the element depends on the side it comes from.
    const double a = Heading(NearestOnElement(element, side), side);
    const bool low_pair = tool.orientation == 1 || tool.orientation == 2;
    const bool high_pair = tool.orientation == 3 || tool.orientation == 4;
    if ((low_pair && a > 180 && a < 360) || (high_pair && a >= 0 && a <= 180)) {
      Point at = ProgrammedPoint(bench, TangentAt(element, contact, side, tool.nose_radius));
      const double back = tool.width - 2 * tool.nose_radius;
      at.x -= back * std::cos(Radians(tool.angle));
      at.y -= back * std::sin(Radians(tool.angle));
      return at;
    }
  }
  return ProgrammedPoint(bench, TangentAt(element, contact, side, r));
}

double LatheXValue(const Workbench& bench, double vertical) {
  double x = bench.settings.lathe_minus ? -vertical : vertical;
  if (!bench.settings.x_radius) x *= 2;
  return x;
}

std::string WordValue(const Workbench& bench, char letter, double value) {
  if (std::fabs(value) < 1e-9) value = 0;
  std::string text = FormatAddressValue(bench.word_formats, letter, 1, value);
  // A value that rounds to nothing is written without a sign.
  if (!text.empty() && text[0] == '-' && text.find_first_of("123456789") == std::string::npos) {
    text.erase(0, 1);
  }
  return text;
}

std::string PositionText(const Workbench& bench, const Point& position, bool fixed4) {
  const auto value = [&](char letter, double v) {
    if (!fixed4) return WordValue(bench, letter, v);
    char text[48];
    std::snprintf(text, sizeof text, "%.4f", std::fabs(v) < 5e-5 ? 0.0 : v);
    return std::string(text);
  };
  if (IsLatheBench(bench)) {
    return "X" + value('X', LatheXValue(bench, position.y)) + " Z" + value('Z', position.x);
  }
  return "X" + value('X', position.x) + " Y" + value('Y', position.y);
}

void ShowToolPosition(Workbench& bench, const Point& position, bool fixed4) {
  const int turret = bench.tools.current_turret;
  const Xyz at{position.x, position.y, position.z};
  bench.interp.motion.tool_position[ToolShapes::Index(turret)] = at;
  EraseStandingPicture(bench, turret);
  StandPicture(bench, turret, at);
  bench.host().SetCommandPanel(PositionText(bench, position, fixed4));
}

void AutoInsertPosition(Workbench& bench) {
  if (!bench.cam.auto_insert) return;
  InsertBlankLineBelowCaret(bench, bench.active_pane);
  InsertCommandValue(bench, IsLatheBench(bench) ? InsertCommand::kXZ : InsertCommand::kXY);
}

}  // namespace vormak
