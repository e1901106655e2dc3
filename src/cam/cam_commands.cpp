// The tool-placement commands. Where the geometry is the implementer's to choose:
// - at intersection: the tool touches both picked elements, each on the side picked, so its
//   centre is where the two offsets (by the cutting radius) cross, the crossing nearest the
//   second pick;
// - at arc intersection: the same with an arc as the second element;
// - tangent-on: the tool touches the first element on its side with its programmed point on
//   the second element (the first element's offset crossed with the second itself);
// - tangent to line at point: the tool touches the line where the perpendicular from the
//   picked point meets it, on the side of the line pick;
// - drag: the tool touches the element at the point nearest the mouse, on the picked side;
//   each further location continues the path ("Left Mouse for Endpoint");
// - mouse tool: the tool's programmed point follows the cursor itself.
#include "cam/cam_commands.h"

#include <cmath>

#include "cad/cad_command.h"
#include "cad/element_geometry.h"
#include "cad/geometry_construct.h"
#include "cad/geometry_errors.h"
#include "cad/geometry_measure.h"
#include "cad/geometry_project.h"
#include "cad/point_input.h"
#include "cad/trim_rules.h"
#include "cad/view_frame.h"
#include "cam/lathe_rough.h"
#include "cam/tool_arc.h"
#include "cam/tool_placement.h"
#include "plot/tool_picture.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kArcOnly = static_cast<int>(ElementKind::kArc);
constexpr int kLineOnly = static_cast<int>(ElementKind::kLine);

// The offset of a LINE or ARC toward the side point; an arc's offset is its circle.
struct Offset {
  bool line = true;
  Line l;
  Circle c;
};

Offset OffsetOf(const CadElement& e, const Point& side, double r) {
  Offset o;
  if (e.kind == ElementKind::kLine) {
    o.l = r > 0 ? OffsetLine(ElementLine(e), side, r) : ElementLine(e);
    return o;
  }
  o.line = false;
  o.c = ElementCircle(e);
  o.c.start_angle = 0;
  o.c.end_angle = 360;
  o.c.radius += Distance2D(side, o.c.centre) >= o.c.radius ? r : -r;
  return o;
}

// The crossing of two offsets nearest `near`; the geometry error number otherwise.
int Cross(const Offset& a, const Offset& b, const Point& near, Point& at) {
  if (!a.line && a.c.radius <= 0) return kGeoRadiusDoesNotIntersect;
  if (!b.line && b.c.radius <= 0) return kGeoRadiusDoesNotIntersect;
  if (a.line && b.line) return IntersectLines(a.l, b.l, at);
  PointPair pair;
  int error = kGeoOk;
  if (a.line != b.line) {
    error = a.line ? IntersectLineCircle(a.l, b.c, pair) : IntersectLineCircle(b.l, a.c, pair);
  } else {
    error = IntersectCircles(a.c, b.c, pair);
  }
  if (error != kGeoOk) return error;
  at = Distance2D(pair.first, near) <= Distance2D(pair.second, near) ? pair.first : pair.second;
  return kGeoOk;
}

// A tool-placement command: element and point steps as the CAD commands take them, the
// result shown as the tool at its position.
class CamCommand : public CadCommand {
 public:
  CamCommand(Workbench& bench, std::string name) : bench_(bench), name_(std::move(name)) {}
  std::string Name() const override { return name_; }

 protected:
  // The tool placed: shown, written with Auto Insert, and the command ready for the next.
  void Place(CadContext& context, const Point& at, bool fixed4 = false) {
    ShowToolPosition(bench_, at, fixed4);
    AutoInsertPosition(bench_);
    Restart(context);
  }
  // Commands on two elements refuse the first element picked again.
  bool SecondElementDiffers(CadContext& context, int step) {
    if (step == 1 && picks_[1].slot == picks_[0].slot) {
      context.host.Beep();
      return false;
    }
    return true;
  }
  void Fail(CadContext& context, int error) {
    if (error != kGeoShownFailure) ReportFileError(context.host, error);
    Restart(context);
  }
  // Restart shows the first prompt; the Command panel keeps the position shown.
  Workbench& bench_;

 private:
  std::string name_;
};

class ToolPointCommand : public CamCommand {
 public:
  explicit ToolPointCommand(Workbench& bench) : CamCommand(bench, "TOOL POINT ") {}

 protected:
  std::vector<PickStep> Steps() const override { return {{"Pick Point"}}; }
  void Finish(CadContext& context) override { Place(context, picks_[0].point, true); }
};

class ToolTangentCommand : public CamCommand {
 public:
  explicit ToolTangentCommand(Workbench& bench) : CamCommand(bench, "TOOL TANGENT ") {}

 protected:
  std::vector<PickStep> Steps() const override {
    return {{"Pick End and Side of Element", PickStep::Take::kElement, kPickLineOrArc}};
  }
  void Finish(CadContext& context) override {
    const Picked& p = picks_[0];
    // The end nearest the pick unless another snap mode is chosen.
    const PickMode mode =
        context.pick_mode == PickMode::kCursor ? PickMode::kEndPoint : context.pick_mode;
    const auto contact = ElementPoint(*p.element, mode, context.view, p.at);
    if (!contact) return Restart(context);
    Place(context, ToolTangentPosition(bench_, *p.element, *contact, p.point));
  }
};

class ToolArcCommand : public CamCommand {
 public:
  explicit ToolArcCommand(Workbench& bench) : CamCommand(bench, "TOOL ARC") {}

 protected:
  std::vector<PickStep> Steps() const override {
    return {{"Pick Start and Side of Arc", PickStep::Take::kElement, kArcOnly}};
  }
  void Finish(CadContext& context) override {
    const Picked& p = picks_[0];
    const auto start = ElementPoint(*p.element, PickMode::kEndPoint, context.view, p.at);
    const ToolArc arc =
        BuildToolArc(bench_, *p.element, start.value_or(p.point), p.point, EffectiveRadius(bench_));
    if (!arc.message.empty()) context.host.Information(arc.message, "Information");
    if (arc.error != kGeoOk) return Fail(context, arc.error);
    TakeToolArc(bench_, arc);
    Restart(context);
  }
};

// Two element picks, each with its side: at intersection, at arc intersection, tangent-on.
class TwoElementCommand : public CamCommand {
 public:
  enum class Kind { kIntersection, kArcIntersection, kTangentOn };
  TwoElementCommand(Workbench& bench, Kind kind)
      : CamCommand(bench, kind == Kind::kIntersection      ? "TOOL INTERSECTION"
                          : kind == Kind::kArcIntersection ? "TOOL ARC INTERSECT"
                                                           : "TOOL TANGENT-ON"),
        kind_(kind) {}

 protected:
  std::vector<PickStep> Steps() const override {
    if (kind_ == Kind::kArcIntersection) {
      return {{"Pick Side of Intersect Element", PickStep::Take::kElement, kPickLineOrArc},
              {"Pick Side of Arc", PickStep::Take::kElement, kArcOnly}};
    }
    return {{"Pick First Intersecting Line and Side", PickStep::Take::kElement, kPickLineOrArc},
            {"Pick Element and Side", PickStep::Take::kElement, kPickLineOrArc}};
  }
  bool Took(CadContext& context, int step) override { return SecondElementDiffers(context, step); }
  void Finish(CadContext& context) override {
    const double r = EffectiveRadius(bench_);
    const Offset first = OffsetOf(*picks_[0].element, picks_[0].point, r);
    const Offset second =
        OffsetOf(*picks_[1].element, picks_[1].point, kind_ == Kind::kTangentOn ? 0 : r);
    Point centre;
    if (const int error = Cross(first, second, picks_[1].point, centre); error != kGeoOk) {
      return Fail(context, error);
    }
    centre.z = picks_[0].element->d[2];
    // Tangent-on puts the programmed point itself on the second element.
    Point at = ProgrammedPoint(bench_, centre);
    if (kind_ == Kind::kTangentOn) at = {centre.x, centre.y, centre.z};
    Place(context, at);
  }

 private:
  Kind kind_;
};

class TangentPointCommand : public CamCommand {
 public:
  explicit TangentPointCommand(Workbench& bench) : CamCommand(bench, "TOOL TANGENT-POINT") {}

 protected:
  std::vector<PickStep> Steps() const override {
    return {{"Pick First Intersecting Line and Side", PickStep::Take::kElement, kPickLineOrArc},
            {"Pick Point"}};
  }
  void Finish(CadContext& context) override {
    const CadElement& e = *picks_[0].element;
    const Point contact = NearestOnElement(e, picks_[1].point);
    Place(context, ToolTangentPosition(bench_, e, contact, picks_[0].point));
  }
};

class AroundCornerCommand : public CamCommand {
 public:
  explicit AroundCornerCommand(Workbench& bench) : CamCommand(bench, "AROUND CORNER") {}

 protected:
  std::vector<PickStep> Steps() const override {
    return {{"Pick Start Line", PickStep::Take::kElement, kLineOnly},
            {"Pick End Line", PickStep::Take::kElement, kLineOnly}};
  }
  bool Took(CadContext& context, int step) override { return SecondElementDiffers(context, step); }
  void Finish(CadContext& context) override {
    const int error = AroundCorner(context);
    if (error != kGeoOk) return Fail(context, error);
    Restart(context);
  }

 private:
  // The fillet the Fillet command would make between the picked parts of the lines, with the
  // corner radius plus the radius offset; the tool goes round it on the corner's outside,
  // from the start line to the end line. The fillet is worked here and never enters the
  // drawing.
  int AroundCorner(CadContext& context) {
    const Line l1 = ElementLine(*picks_[0].element);
    const Line l2 = ElementLine(*picks_[1].element);
    Point corner;
    if (const int error = IntersectLines(l1, l2, corner); error != kGeoOk) return error;
    const int turret = ToolShapes::Index(bench_.tools.current_turret);
    const double rc = bench_.settings.corner_radius + bench_.interp.comp.radius_offset[turret];
    if (!(rc > 0)) {
      context.host.Information(kArcZeroRadius, "Information");
      return kGeoShownFailure;
    }
    const Point side = Midpoint(FootOf(l1, picks_[0].point), FootOf(l2, picks_[1].point));
    Point centre;
    if (const int error = FilletCentre(l1, l2, side, side, rc, centre); error != kGeoOk) {
      return error;
    }
    const Point t1 = FootOf(l1, centre);
    const Point t2 = FootOf(l2, centre);
    double a1 = DirectionAngle(centre, t1);
    double a2 = DirectionAngle(centre, t2);
    if (AngleFrom(a1, a2) > 180) std::swap(a1, a2);
    CadElement fillet;
    fillet.kind = ElementKind::kArc;
    fillet.d = {centre.x, centre.y, l1.start.z, rc, a1, a2};
    const ToolArc arc = BuildToolArc(bench_, fillet, t1, corner, EffectiveRadius(bench_));
    if (!arc.message.empty()) context.host.Information(arc.message, "Information");
    if (arc.error != kGeoOk) return arc.error;
    TakeToolArc(bench_, arc);
    return kGeoOk;
  }
};

class DragCommand : public CamCommand {
 public:
  DragCommand(Workbench& bench, bool on_element)
      : CamCommand(bench, on_element ? "TOOL DRAG" : "MOUSE TOOL"), on_element_(on_element) {}

  // The tool's place for a location the mouse points at, before the button is let go.
  std::optional<Point> Following(const Point& location) const {
    if (static_cast<size_t>(step()) + 1 != Steps().size()) return std::nullopt;
    if (!on_element_) return location;
    const CadElement& e = *picks_[0].element;
    return ToolTangentPosition(bench_, e, NearestOnElement(e, location), picks_[0].point);
  }

 protected:
  std::vector<PickStep> Steps() const override {
    if (!on_element_) return {{"Drag Mouse with Left Button", PickStep::Take::kCursor}};
    return {{"Pick Side of Element", PickStep::Take::kElement, kPickLineOrArc},
            {"Left Mouse for Location", PickStep::Take::kCursor}};
  }
  bool AtCursor() const override { return true; }

  void Finish(CadContext& context) override {
    if (!on_element_) return Place(context, picks_[0].point);
    const CadElement& e = *picks_[0].element;
    const Point at =
        ToolTangentPosition(bench_, e, NearestOnElement(e, picks_[1].point), picks_[0].point);
    ShowToolPosition(bench_, at);
    AutoInsertPosition(bench_);
    // The next location continues along the same element.
    step_ = 1;
    made_one_ = true;
    prompt_override_ = "Left Mouse for Endpoint";
    ShowPrompt(context);
  }

 private:
  bool on_element_;
};

}  // namespace

std::optional<Point> DragToolPosition(Workbench& bench, const CadView& view, PixelPoint at) {
  const auto* drag = dynamic_cast<const DragCommand*>(bench.cad.commands.Current());
  if (drag == nullptr) return std::nullopt;
  return drag->Following(ViewFrame(view.CurrentSlot()).ToLocal(PixelToWorld(view, at)));
}

bool FollowDraggedTool(Workbench& bench, const CadView& view, PixelPoint at) {
  const std::optional<Point> position = DragToolPosition(bench, view, at);
  if (!position) return false;
  const int turret = bench.tools.current_turret;
  if (bench.tools.loaded[ToolShapes::Index(turret)])
    FollowWithPicture(bench, turret, {position->x, position->y, position->z});
  bench.host().SetCommandPanel(PositionText(bench, *position));
  return true;
}

const std::vector<CamMenuCommand>& CamMenuCommands() {
  static const std::vector<CamMenuCommand> kCommands = {
      {"&Point", "Tool at Point", "Point"},
      {"&Tangent", "Tool Tangent", "Tangent"},
      {"&Arc", "Tool Around Arc", "Arc"},
      {"Arc Intersect", "Arc Intersection", "Arc Intersect"},
      {"&Intersection", "Tool Tangent at Intersection", "Intersection"},
      {"Corne&r", "Tool Around Corner", "Corner"},
      {"Tan&gent-Point", "Tool Tangent to Line at Point", "Tangent-Point"},
      {"Tangent-&Drag", "Tool Drag", "Tangent-Drag"},
      {"", "", "Tangent-On"},
      {"", "", "Mouse Tool"},
  };
  return kCommands;
}

std::unique_ptr<PickCommand> MakeCamCommand(Workbench& bench, const std::string& code) {
  using K = TwoElementCommand::Kind;
  if (code == "Point") return std::make_unique<ToolPointCommand>(bench);
  if (code == "Tangent") return std::make_unique<ToolTangentCommand>(bench);
  if (code == "Arc") return std::make_unique<ToolArcCommand>(bench);
  if (code == "Arc Intersect")
    return std::make_unique<TwoElementCommand>(bench, K::kArcIntersection);
  if (code == "Intersection") return std::make_unique<TwoElementCommand>(bench, K::kIntersection);
  if (code == "Tangent-On") return std::make_unique<TwoElementCommand>(bench, K::kTangentOn);
  if (code == "Tangent-Point") return std::make_unique<TangentPointCommand>(bench);
  if (code == "Corner") return std::make_unique<AroundCornerCommand>(bench);
  if (code == "Tangent-Drag") return std::make_unique<DragCommand>(bench, true);
  if (code == "Mouse Tool") return std::make_unique<DragCommand>(bench, false);
  if (code == "Roughing") return MakeRoughingCommand(bench);
  return nullptr;
}

}  // namespace vormak
