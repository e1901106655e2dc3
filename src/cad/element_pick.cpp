#include "cad/element_pick.h"

#include <cmath>

#include "cad/element_geometry.h"
#include "cad/geometry_measure.h"
#include "cad/geometry_project.h"

namespace vormak {

namespace {

constexpr double kMiss = -1;

double LineDistance(const Point& a, const Point& b, const Point& pick, double scale) {
  if (Distance2D(pick, Midpoint(a, b)) > Distance2D(a, b) / 2) return kMiss;
  const double off = Distance2D(pick, FootOf({a, b}, pick));
  return off * scale < kPickAperture ? off : kMiss;
}

bool WithinSweep(double start, double end, double direction) {
  if (std::fabs(end - start) < 0.00001) return true;  // a full circle
  double sweep = std::fmod(end - start, 360.0);
  if (sweep <= 0) sweep += 360;
  double from_start = std::fmod(direction - start, 360.0);
  if (from_start < 0) from_start += 360;
  return from_start <= sweep;
}

double ArcDistance(const CadElement& arc, int view, const Point& pick, double scale) {
  if (view != ArcPlane(arc)) return kMiss;
  Circle circle = ElementCircle(arc);
  circle.centre = ToViewAxes(view, circle.centre);
  const double off = std::fabs(Distance2D(pick, circle.centre) - circle.radius);
  if (off * scale >= kPickAperture) return kMiss;
  if (!WithinSweep(circle.start_angle, circle.end_angle, DirectionAngle(circle.centre, pick))) {
    return kMiss;
  }
  return Distance2D(pick, NearestPointOnCircle(circle, pick));
}

double MarkDistance(const Point& mark, const Point& pick, double scale) {
  const double off = Distance2D(pick, mark);
  return off * scale < 2 * kPickAperture ? off : kMiss;
}

}  // namespace

bool KindAccepted(ElementKind kind, int kind_filter) {
  switch (kind_filter) {
    case 1:
    case 2:
    case 4:
    case 5:
    case 6:
      return static_cast<int>(kind) == kind_filter;
    case kPickLineOrArc:
      return kind == ElementKind::kLine || kind == ElementKind::kArc;
    default:
      return true;
  }
}

double PickDistance(const CadElement& element, int view, const Point& pick, double scale) {
  const auto& d = element.d;
  const auto in_view = [&](double x, double y, double z) { return ToViewAxes(view, {x, y, z}); };
  switch (element.kind) {
    case ElementKind::kLine:
      return LineDistance(in_view(d[0], d[1], d[2]), in_view(d[3], d[4], d[5]), pick, scale);
    case ElementKind::kArc:
      return ArcDistance(element, view, pick, scale);
    case ElementKind::kPoint:
      return MarkDistance(in_view(d[0], d[1], d[2]), pick, scale);
    default:
      break;
  }
  // Annotations are drawn only in their own view, so they are found only there. An arrow's
  // tip is a drawing point; texts, leaders and witness lines lie in the view's own axes.
  if (element.view != view) return kMiss;
  switch (element.kind) {
    case ElementKind::kText:
      return MarkDistance({d[0], d[1], 0}, pick, scale);
    case ElementKind::kArrow:
      return MarkDistance(in_view(d[0], d[1], d[2]), pick, scale);
    case ElementKind::kWitness:
      return LineDistance({d[0], d[1], 0}, {d[3], d[4], 0}, pick, scale);
    case ElementKind::kLeader:  // tip to tail, as it is drawn
      return LineDistance({d[0], d[1], 0}, {d[2], d[3], 0}, pick, scale);
    default:
      return kMiss;
  }
}

CadElement* PickElement(ElementTable& table, CadView& view, Host& host, PixelPoint at,
                        int kind_filter, PickMode mode) {
  const int slot_view = view.CurrentSlot();
  if (slot_view == 4) return ProbePick(table, view, host, at, kind_filter);
  const Point pick = view.ScreenToView(at);
  const double scale = std::fabs(view.Scale());
  double bound = 100;
  int found = 0;
  ForEachElement(table, [&](int slot, CadElement& element) {
    if (element.deleted || !KindAccepted(element.kind, kind_filter)) return;
    if (!table.LayerVisible(element.layer)) return;
    if (mode == PickMode::kExistingPoints && element.kind != ElementKind::kPoint) return;
    const double distance = PickDistance(element, slot_view, pick, scale);
    if (distance >= 0 && distance < bound) {
      bound = distance;
      found = slot;
    }
  });
  if (found == 0) {
    host.Beep();
    return nullptr;
  }
  table.pick_index = found;
  CadElement& picked = *table.At(found);
  const ElementState kept = picked.state;
  picked.state = ElementState::kSelected;
  view.Paint(picked);
  picked.state = kept;
  return &picked;
}

CadElement* ProbePick(ElementTable& table, CadView& view, Host& host, PixelPoint at,
                      int kind_filter) {
  const auto square_has = [&](auto&& test) {
    for (int y = at.y - kPickAperture; y <= at.y + kPickAperture; ++y) {
      for (int x = at.x - kPickAperture; x <= at.x + kPickAperture; ++x) {
        if (test(view.ReadPixel({x, y}))) return true;
      }
    }
    return false;
  };
  if (!square_has([](unsigned rgb) { return rgb != 0; })) {
    host.Beep();
    return nullptr;
  }
  const unsigned magenta = CanvasRgb(palette::kMagenta);
  for (int slot = 1; slot <= table.high_water; ++slot) {
    CadElement* element = table.At(slot);
    if (element == nullptr || element->deleted || !KindAccepted(element->kind, kind_filter) ||
        !table.LayerVisible(element->layer)) {
      continue;
    }
    // The probe paints the candidate and puts it back as it was: its group or tool-path
    // standing must survive being looked at.
    const ElementState kept = element->state;
    element->state = ElementState::kResult;
    view.Paint(*element);
    const bool hit = square_has([&](unsigned rgb) { return rgb == magenta; });
    element->state = hit ? ElementState::kSelected : kept;
    view.Paint(*element);
    element->state = kept;
    if (hit) {
      table.pick_index = slot;
      return element;
    }
  }
  host.Beep();
  return nullptr;
}

}  // namespace vormak
