// Circles 1-9, Between 2 points and Tangent 3 Lines: each a full circle (an ARC from 0 to
// 360) in the current colour, layer and view.
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

void MakeCircle(CadContext& context, UndoRecorder& undo, const Point& centre, double radius) {
  MakeConstructed(context, undo, ElementKind::kArc, CircleData(centre, radius));
}

// A circle of no size would be drawn as a dot and trip every later intersection with it.
bool RadiusGiven(CadContext& context, double radius) {
  if (radius > 0) return true;
  context.host.Information("Error: Radius = 0", "");
  return false;
}

void CentreTangent(CadContext& c, const Picks& p, UndoRecorder& u) {
  const CadElement& e = p[1].local;
  const double radius = e.kind == ElementKind::kLine
                            ? CircleCentreTangentToLine(p[0].point, ElementLine(e))
                            : CircleCentreTangentToCircle(p[0].point, ElementCircle(e), p[1].point);
  if (RadiusGiven(c, radius)) MakeCircle(c, u, p[0].point, radius);
}

void TangentThroughPoint(CadContext& c, const Picks& p, UndoRecorder& u) {
  const CadElement& e = p[0].local;
  const double radius = c.Inputs().radius;
  if (!RadiusGiven(c, radius)) return;
  Point centre;
  const int error =
      e.kind == ElementKind::kLine
          ? ArcTangentThroughPoint(c.host, ElementLine(e), p[1].point, p[0].point, radius, centre)
          : ArcTangentThroughPoint(ElementCircle(e), p[1].point, p[0].point, radius, centre);
  if (error != kGeoOk) return;  // "Radius is Too Small" said for a line; an arc has no answer
  centre.z = p[1].point.z;
  MakeCircle(c, u, centre, radius);
}

void OffsetArc(CadContext& c, const Picks& p, UndoRecorder& u) {
  c.host.SetPromptPanel("Enter Offset Distance");
  if (!AskOffset(c)) return;
  const double d = c.Inputs().offset;
  if (d == 0) return;
  const CadElement& arc = p[0].local;
  const Circle circle = ElementCircle(arc);
  const bool outside = Distance2D(p[0].point, circle.centre) > circle.radius;
  const double radius = outside ? circle.radius + d : circle.radius - d;
  if (radius < 0.001) {
    c.host.Information("New Radius Too Small", "");
    return;
  }
  MakeConstructed(c, u, ElementKind::kArc,
                  CircleData(circle.centre, radius, circle.start_angle, circle.end_angle));
}

// The element moved out by R toward its pick: a line's offset, or a circle grown or shrunk.
struct Offset {
  bool line = false;
  Line as_line;
  Circle as_circle;
};

Offset OffsetToward(const CadElement& e, const Point& pick, double r) {
  Offset out;
  if (e.kind == ElementKind::kLine) {
    out.line = true;
    out.as_line = OffsetLine(ElementLine(e), pick, r);
    return out;
  }
  out.as_circle = ElementCircle(e);
  const bool outside = Distance2D(pick, out.as_circle.centre) >= out.as_circle.radius;
  out.as_circle.radius += outside ? r : -r;
  return out;
}

int CrossOffsets(const Offset& a, const Offset& b, const Point& near, Point& at) {
  if (a.line && b.line) return IntersectLines(a.as_line, b.as_line, at);
  PointPair both;
  int error = kGeoOk;
  if (a.line || b.line) {
    error = IntersectLineCircle(a.line ? a.as_line : b.as_line, a.line ? b.as_circle : a.as_circle,
                                both);
  } else {
    error = IntersectCircles(a.as_circle, b.as_circle, both);
  }
  if (error != kGeoOk) return error;
  at = Distance2D(both.second, near) < Distance2D(both.first, near) ? both.second : both.first;
  return kGeoOk;
}

void TangentTwoElements(CadContext& c, const Picks& p, UndoRecorder& u) {
  if (!AskRadius(c)) return;
  const double r = c.Inputs().radius;
  if (r < 0.00005) return;
  const Offset a = OffsetToward(p[0].local, p[0].point, r);
  const Offset b = OffsetToward(p[1].local, p[1].point, r);
  Point centre;
  if (const int error = CrossOffsets(a, b, p[1].point, centre); error != kGeoOk) {
    ReportFileError(c.host, error);
    return;
  }
  MakeCircle(c, u, centre, r);
}

ConstructionSpec CircleSpec(const std::string& item) {
  const auto first_second = [](const char* second) {
    return std::vector<PickStep>{PointStep("Pick First Point"), PointStep(second)};
  };
  if (item == "1. Center, Radius") {
    return {"ARC: CENTER AND RADIUS",
            {PointStep("Pick Center Point")},
            false,
            {},
            [](CadContext& c, const Picks& p, UndoRecorder& u) {
              if (AskRadius(c) && RadiusGiven(c, c.Inputs().radius)) {
                MakeCircle(c, u, p[0].point, c.Inputs().radius);
              }
            }};
  }
  if (item == "2. Center, Tangent") {
    return {"ARC: CENTER, TANGENT",
            {PointStep("Pick Center Point"), ElementStep("Pick Tangent Element", kPickLineOrArc)},
            false,
            {},
            CentreTangent};
  }
  if (item == "3. Tangent, Through Point") {
    return {"ARC: TANGENT THROUGH POINT",
            {ElementStep("Pick Element", kPickLineOrArc), PointStep("Pick Point")},
            false,
            AskRadius,
            TangentThroughPoint};
  }
  if (item == "4. Center, Through Point") {
    return {"ARC: CENTER THROUGH POINT",
            {PointStep("Pick Center Point"), PointStep("Pick Through Point")},
            false,
            {},
            [](CadContext& c, const Picks& p, UndoRecorder& u) {
              const double radius = CircleCentreThroughPoint(p[0].point, p[1].point);
              if (RadiusGiven(c, radius)) MakeCircle(c, u, p[0].point, radius);
            }};
  }
  if (item == "5. Offset Size") {
    return {
        "ARC: OFFSET DISTANCE", {ElementStep("Pick Arc to Offset", kArcOnly)}, true, {}, OffsetArc};
  }
  if (item == "6. Through 3 Points") {
    auto steps = first_second("Pick Second Point");
    steps.push_back(PointStep("Pick Third Point"));
    return {"ARC: 3 POINTS", steps, false, {}, [](CadContext& c, const Picks& p, UndoRecorder& u) {
              Point centre;
              double radius = 0;
              const int error =
                  CircleThroughThreePoints(p[0].point, p[1].point, p[2].point, centre, radius);
              if (error != kGeoOk) {
                ReportGeometryError(c.host, error);
                return;
              }
              MakeCircle(c, u, centre, radius);
            }};
  }
  if (item == "7. Tangent to 2 Elements") {
    return {"ARC: TANGENT 2 ELEMENTS",
            {ElementStep("Pick First Element and Side", kPickLineOrArc),
             ElementStep("Pick Second Element and Side", kPickLineOrArc)},
            false,
            {},
            TangentTwoElements};
  }
  if (item == "8. Two Points, Radius") {
    return {
        "ARC: THROUGH 2 POINTS", first_second("Pick Secont Point"), false, AskRadius,
        [](CadContext& c, const Picks& p, UndoRecorder& u) {
          const double radius = c.Inputs().radius;
          if (!RadiusGiven(c, radius)) return;
          Point centre;
          if (ArcThroughTwoPointsSide(c.host, p[0].point, p[1].point, radius, centre) != kGeoOk) {
            return;
          }
          centre.z = p[0].point.z;
          MakeCircle(c, u, centre, radius);
        }};
  }
  if (item == "9. Tangent, 2 Points, Element") {
    auto steps = first_second("Pick Secont Point");
    steps.push_back(ElementStep("Pick Element", kLineOnly));
    return {"ARC: TAN 2 POINTS, ELEMENT",
            steps,
            false,
            {},
            [](CadContext& c, const Picks& p, UndoRecorder& u) {
              Point centre;
              double radius = 0;
              if (CircleThroughTwoPointsTangentToLine(c.host, p[0].point, p[1].point,
                                                      ElementLine(p[2].local), centre,
                                                      radius) != kGeoOk) {
                c.host.Beep();
                return;
              }
              MakeCircle(c, u, centre, radius);
            }};
  }
  if (item == "Between 2 points") {
    return {"ARC: BETWEEN 2 POINTS",
            first_second("Pick Second Point"),
            false,
            {},
            [](CadContext& c, const Picks& p, UndoRecorder& u) {
              const double radius = Distance2D(p[0].point, p[1].point) / 2;
              if (RadiusGiven(c, radius))
                MakeCircle(c, u, Midpoint(p[0].point, p[1].point), radius);
            }};
  }
  if (item == "Tangent 3 Lines") {
    return {"ARC: TANGENT 3 LINES",
            {ElementStep("Pick First Line", kLineOnly), ElementStep("Pick Second Line", kLineOnly),
             ElementStep("Pick Third Line", kLineOnly)},
            false,
            {},
            [](CadContext& c, const Picks& p, UndoRecorder& u) {
              Point centre;
              double radius = 0;
              const int error =
                  CircleTangentToThreeLines(ElementLine(p[0].local), ElementLine(p[1].local),
                                            ElementLine(p[2].local), p[2].point, centre, radius);
              if (error != kGeoOk) {
                ReportGeometryError(c.host, error);
                return;
              }
              MakeCircle(c, u, centre, radius);
            }};
  }
  return {};
}

}  // namespace

std::unique_ptr<PickCommand> MakeCircleCommand(const std::string& item) {
  ConstructionSpec spec = CircleSpec(item);
  if (spec.name.empty()) return nullptr;
  return std::make_unique<Construction>(std::move(spec));
}

}  // namespace vormak
