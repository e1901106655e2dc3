#include "cad/point_input.h"

#include "cad/cad_dialogs.h"
#include "cad/element_geometry.h"
#include "cad/geometry_measure.h"
#include "cad/geometry_project.h"

namespace vormak {

Point PixelToWorld(const CadView& view, PixelPoint at) {
  const Point p = view.ScreenToView(at);
  switch (view.CurrentSlot()) {
    case 2:
      return {p.x, 0, p.y};
    case 3:
      return {0, p.x, p.y};
    default:
      return {p.x, p.y, 0};
  }
}

namespace {

Point LinePoint(const CadElement& e, bool end) {
  const auto& d = e.d;
  return end ? Point{d[3], d[4], d[5]} : Point{d[0], d[1], d[2]};
}

// An arc's point at an angle, in its own plane.
Point ArcPoint(const CadElement& arc, double angle) {
  const Circle c = ElementCircle(arc);
  const Point flat = PointOnCircle({}, c.radius, angle);
  switch (ArcPlane(arc)) {
    case 2:
      return {c.centre.x + flat.x, c.centre.y, c.centre.z + flat.y};
    case 3:
      return {c.centre.x, c.centre.y + flat.x, c.centre.z + flat.y};
    default:
      return {c.centre.x + flat.x, c.centre.y + flat.y, c.centre.z};
  }
}

// Which of two points lies nearer the cursor, measured as the user sees them.
const Point& NearerOnScreen(const CadView& view, PixelPoint at, const Point& a, const Point& b) {
  const auto pixels = [&](const Point& p) {
    const PixelPoint q = view.WorldToPixel(p);
    const double dx = q.x - at.x, dy = q.y - at.y;
    return dx * dx + dy * dy;
  };
  if (view.CurrentSlot() == 4) return pixels(b) < pixels(a) ? b : a;
  const Point cursor = view.ScreenToView(at);
  const int slot = view.CurrentSlot();
  return Distance2D(ToViewAxes(slot, b), cursor) < Distance2D(ToViewAxes(slot, a), cursor) ? b : a;
}

}  // namespace

std::optional<Point> ElementPoint(const CadElement& element, PickMode mode, const CadView& view,
                                  PixelPoint at) {
  const bool line = element.kind == ElementKind::kLine;
  const bool arc = element.kind == ElementKind::kArc;
  if (element.kind == ElementKind::kPoint) return LinePoint(element, false);
  if (!line && !arc) return std::nullopt;
  const Circle c = ElementCircle(element);
  switch (mode) {
    case PickMode::kCentre:
      return line ? Midpoint(LinePoint(element, false), LinePoint(element, true)) : c.centre;
    case PickMode::kMidPoint:
      if (line) return Midpoint(LinePoint(element, false), LinePoint(element, true));
      return ArcPoint(
          element, c.start_angle +
                       ArcSweep(ArcDirection::kCounterClockwise, c.start_angle, c.end_angle) / 2);
    case PickMode::kEndPoint:
      if (line) {
        return NearerOnScreen(view, at, LinePoint(element, false), LinePoint(element, true));
      }
      return NearerOnScreen(view, at, ArcPoint(element, c.start_angle),
                            ArcPoint(element, c.end_angle));
    default: {  // the closest point, worked in the plane the element is seen in
      const ViewFrame frame(view.CurrentSlot());
      const Point cursor = frame.ToLocal(PixelToWorld(view, at));
      if (line) {
        const Line seen = ElementLine(frame.ToLocal(element));
        Point foot = FootOf(seen, cursor);
        foot.z = seen.start.z;
        return frame.ToWorld(foot);
      }
      const ViewFrame own(ArcPlane(element));
      return ArcPoint(element,
                      DirectionAngle(own.ToLocal(c.centre), own.ToLocal(PixelToWorld(view, at))));
    }
  }
}

PointInput::Outcome PointInput::Take(CadContext& context, PixelPoint at, Point& point) {
  const PickMode mode = context.pick_mode;
  if (mode == PickMode::kCursor || mode == PickMode::kInsideWindow) {
    point = PixelToWorld(context.view, at);
    return Outcome::kPoint;
  }
  if (mode == PickMode::kKeyboard) {
    const std::optional<Point> keyed = AskKeyIn(context);
    if (!keyed) return Outcome::kFailed;
    context.pick_mode = PickMode::kCursor;
    point = *keyed;
    return Outcome::kPoint;
  }
  const int filter = mode == PickMode::kIntersection ? kPickLineOrArc : kPickAnyKind;
  CadElement* element = PickElement(context.table, context.view, context.host, at, filter, mode);
  if (element == nullptr) return Outcome::kFailed;
  if (mode == PickMode::kIntersection) {
    const CadElement* first = context.table.At(first_slot_);
    if (first == nullptr || first->deleted) {
      first_slot_ = context.table.pick_index;
      return Outcome::kWaiting;
    }
    first_slot_ = 0;
    // The crossing as the two are seen in the view.
    const ViewFrame frame = context.Frame();
    const Point near = frame.ToLocal(PixelToWorld(context.view, at));
    Point crossing;
    if (IntersectElements(context.host, frame.ToLocal(*first), frame.ToLocal(*element), near,
                          crossing) != kGeoOk) {
      return Outcome::kFailed;
    }
    point = frame.ToWorld(crossing);
    return Outcome::kPoint;
  }
  const std::optional<Point> found = ElementPoint(*element, mode, context.view, at);
  if (!found) {
    context.host.Beep();
    return Outcome::kFailed;
  }
  point = *found;
  return Outcome::kPoint;
}

std::string PointInput::Prompt() const {
  return first_slot_ != 0 ? "Pick Second Entity" : std::string{};
}

std::optional<Point> AskKeyIn(CadContext& context) {
  FormRequest form{"TKey_In", "Key In", {}, {}, {}};
  const char* x_caption = context.diameter_x ? "X Diameter:" : "X Position:";
  form.fields = {ValueField(x_caption, 0), ValueField("Y Position:", 0),
                 ValueField("Z Position:", 0)};
  form.fields[1].visible = !context.lathe;
  if (!context.host.AskForm(form)) return std::nullopt;
  const double x = FieldNumber(form, FieldName(x_caption), 0);
  const double y = FieldNumber(form, "Y Position", 0);
  const double z = FieldNumber(form, "Z Position", 0);
  return KeyedPoint(x, y, z, context.lathe, context.diameter_x);
}

Point KeyedPoint(double x, double y, double z, bool lathe, bool diameter_x) {
  if (!lathe) return {x, y, z};
  return {z, diameter_x ? x / 2 : x, 0};
}

}  // namespace vormak
