// Points 1-2 and Lines 1-8, Horizontal and Vertical.
#include <cmath>

#include "cad/cad_dialogs.h"
#include "cad/cmd_construction.h"
#include "cad/element_geometry.h"
#include "cad/geometry_construct.h"
#include "cad/geometry_errors.h"
#include "cad/geometry_measure.h"
#include "cad/geometry_project.h"

namespace vormak {

namespace {

constexpr int kLineOnly = static_cast<int>(ElementKind::kLine);
constexpr int kArcOnly = static_cast<int>(ElementKind::kArc);

void MakeLine(CadContext& context, UndoRecorder& undo, const Point& a, const Point& b) {
  MakeConstructed(context, undo, ElementKind::kLine, LineData(a, b));
}

// A line from the point in the direction of the angle, as long as half the view's height.
void LineAtAngle(CadContext& context, UndoRecorder& undo, const Point& from, double angle) {
  Point to = PointOnCircle(from, context.plot_height / 2, angle);
  to.z = from.z;
  MakeLine(context, undo, from, to);
}

// The dialogs that follow a pick say so in the Prompt panel first.
bool AskAfterPick(CadContext& context, const char* prompt, bool (*ask)(CadContext&)) {
  if (prompt != nullptr) context.host.SetPromptPanel(prompt);
  return ask(context);
}

ConstructionSpec PointSpec(const std::string& item) {
  if (item == "1. X, Y, Z") {
    return {"POINT X,Y",
            {PointStep("Pick Point")},
            false,
            {},
            [](CadContext& c, const Picks& p, UndoRecorder& u) {
              const Point& at = p[0].point;
              MakeConstructed(c, u, ElementKind::kPoint, {at.x, at.y, at.z, 0, 0, 0});
            }};
  }
  if (item == "2. On Arc at Angle") {
    return {"POINT: ON ARC",
            {ElementStep("Pick Arc", kArcOnly)},
            true,
            {},
            [](CadContext& c, const Picks& p, UndoRecorder& u) {
              if (!AskAfterPick(c, "Enter Angle", AskAngle)) return;
              const Circle arc = ElementCircle(p[0].local);
              const Point at = PointOnCircle(arc.centre, arc.radius, c.Inputs().angle);
              MakeConstructed(c, u, ElementKind::kPoint, {at.x, at.y, at.z, 0, 0, 0});
            }};
  }
  return {};
}

void TangentToTwoArcs(CadContext& c, const Picks& p, UndoRecorder& u) {
  Line tangent;
  const int error = TangentLineToTwoCircles(c.host, ElementCircle(p[0].local), p[0].point,
                                            ElementCircle(p[1].local), p[1].point, tangent);
  if (error != kGeoOk) {
    if (error != kGeoShownFailure) ReportFileError(c.host, error);
    return;
  }
  MakeLine(c, u, tangent.start, tangent.end);
}

void TangentAtAngle(CadContext& c, const Picks& p, UndoRecorder& u) {
  if (!AskAngle(c)) return;  // Cancel ends the step
  const Circle arc = ElementCircle(p[0].local);
  const double angle = c.Inputs().angle;
  const Point a = PointOnCircle(arc.centre, arc.radius, angle + 90);
  const Point b = PointOnCircle(arc.centre, arc.radius, angle + 270);
  const Point& from = Distance2D(b, p[0].point) < Distance2D(a, p[0].point) ? b : a;
  LineAtAngle(c, u, from, angle);
}

ConstructionSpec LineSpec(const std::string& item) {
  using B = std::function<void(CadContext&, const Picks&, UndoRecorder&)>;
  const auto two_points = [](const char* name, B build) {
    return ConstructionSpec{
        name, {PointStep("Pick First Point"), PointStep("Pick Second Point")}, false, {}, build};
  };
  if (item == "1. 2 Points") {
    return two_points("LINE: 2 POINTS", [](CadContext& c, const Picks& p, UndoRecorder& u) {
      MakeLine(c, u, p[0].point, p[1].point);
    });
  }
  if (item == "2. Point, Angle") {
    return {"LINE: POINT AT ANGLE",
            {PointStep("Pick Start Point")},
            false,
            {},
            [](CadContext& c, const Picks& p, UndoRecorder& u) {
              if (AskAngle(c)) LineAtAngle(c, u, p[0].point, c.Inputs().angle);
            }};
  }
  if (item == "3. Point, Tan to Arc") {
    return {"LINE: POINT, TANGENT",
            {PointStep("Pick Point"), ElementStep("Pick Arc", kArcOnly)},
            false,
            {},
            [](CadContext& c, const Picks& p, UndoRecorder& u) {
              Line tangent;
              if (TangentFromPoint(c.host, p[0].point, ElementCircle(p[1].local), p[1].point,
                                   tangent) != kGeoOk) {
                c.host.Beep();  // the point lies inside the circle: no tangent from it
                return;
              }
              MakeLine(c, u, tangent.start, tangent.end);
            }};
  }
  if (item == "4. Perpendicular, Point") {
    return {"LINE: PERPENDICULAR",
            {ElementStep("Pick Line", kPickLineOrArc), PointStep("Pick Point")},
            false,
            {},
            [](CadContext& c, const Picks& p, UndoRecorder& u) {
              const CadElement& e = p[0].local;
              const Point& from = p[1].point;
              Point to;
              if (e.kind == ElementKind::kLine) {
                if (FootOfPerpendicular(ElementLine(e), from, to) != kGeoOk) return;
              } else {
                to = NearestPointOnCircle(ElementCircle(e), from);
              }
              MakeLine(c, u, from, to);
            }};
  }
  if (item == "5. Parallel, Point") {
    return {"LINE: PARALLEL THROUGH POINT",
            {ElementStep("Pick Line to Offset", kLineOnly), PointStep("Pick Point")},
            true,
            {},
            [](CadContext& c, const Picks& p, UndoRecorder& u) {
              const Line line = ElementLine(p[0].local);
              const Point foot = FootOf(line, p[1].point);
              const double dx = p[1].point.x - foot.x, dy = p[1].point.y - foot.y;
              MakeLine(c, u, {line.start.x + dx, line.start.y + dy, line.start.z},
                       {line.end.x + dx, line.end.y + dy, line.end.z});
            }};
  }
  if (item == "6. Parallel, Offset") {
    return {"LINE: PARALLEL AND OFFSET",
            {ElementStep("Pick Line on Side to Offset", kLineOnly)},
            true,
            {},
            [](CadContext& c, const Picks& p, UndoRecorder& u) {
              if (!AskAfterPick(c, "Enter Offset Distance", AskOffset)) return;
              const Line moved = OffsetLine(ElementLine(p[0].local), p[0].point, c.Inputs().offset);
              MakeLine(c, u, moved.start, moved.end);
            }};
  }
  if (item == "7. Tangent to 2 Arcs") {
    return {"LINE: TANGENT 2 ARCS",
            {ElementStep("Pick Arc", kArcOnly), ElementStep("Pick Second Arc", kArcOnly)},
            false,
            {},
            TangentToTwoArcs};
  }
  if (item == "8. Tangent to Arc, Angle") {
    return {"LINE: TANGENT, ANGLE", {ElementStep("Pick Arc", kArcOnly)}, false, {}, TangentAtAngle};
  }
  if (item == "Horizontal") {
    return {"LINE: HORIZONTAL",
            {PointStep("Pick Point"), PointStep("Pick Second Point")},
            false,
            {},
            [](CadContext& c, const Picks& p, UndoRecorder& u) {
              const Point& a = p[0].point;
              MakeLine(c, u, a, {p[1].point.x, a.y, a.z});
            }};
  }
  if (item == "Vertical") {
    return {"LINE: VERTICAL",
            {PointStep("Pick Point"), PointStep("Pick Second Point")},
            false,
            {},
            [](CadContext& c, const Picks& p, UndoRecorder& u) {
              const Point& a = p[0].point;
              MakeLine(c, u, a, {a.x, p[1].point.y, a.z});
            }};
  }
  return {};
}

std::unique_ptr<PickCommand> FromSpec(ConstructionSpec spec) {
  if (spec.name.empty()) return nullptr;
  return std::make_unique<Construction>(std::move(spec));
}

}  // namespace

std::unique_ptr<PickCommand> MakePointCommand(const std::string& item) {
  return FromSpec(PointSpec(item));
}

std::unique_ptr<PickCommand> MakeLineCommand(const std::string& item) {
  return FromSpec(LineSpec(item));
}

}  // namespace vormak
