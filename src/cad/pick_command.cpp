#include "cad/pick_command.h"

#include <algorithm>
#include <cmath>

#include "cad/element_geometry.h"
#include "cad/geometry_measure.h"

namespace vormak {

void PickCommand::Start(CadContext& context) {
  context.host.SetCommandPanel(Name());
  ShowPrompt(context);
}

void PickCommand::OnWindow(CadContext&, PixelPoint, PixelPoint) {}

void PickCommand::OnKeyIn(CadContext&, const Point&) {}

void PickCommand::ShowPrompt(CadContext& context) const {
  context.host.SetPromptPanel(Prompt());
}

void CommandRunner::Start(CadContext& context, std::unique_ptr<PickCommand> command) {
  command_ = std::move(command);
  if (command_) command_->Start(context);
  Follow(context);
}

void CommandRunner::Pick(CadContext& context, PixelPoint at) {
  if (command_) command_->OnPick(context, at);
  Follow(context);
}

void CommandRunner::Window(CadContext& context, PixelPoint corner1, PixelPoint corner2) {
  if (command_) command_->OnWindow(context, corner1, corner2);
  Follow(context);
}

void CommandRunner::KeyIn(CadContext& context, const Point& point) {
  if (command_) command_->OnKeyIn(context, point);
  Follow(context);
}

void CommandRunner::Follow(CadContext& context) {
  // A button of a read-out may start another analysis, whose first pick may open the
  // read-out again: the loop ends when the user closes it.
  while (context.next) {
    command_ = std::move(context.next);
    command_->Start(context);
  }
}

void CommandRunner::End(Host& host) {
  command_.reset();
  host.SetCommandPanel("");
  host.SetPromptPanel("");
}

namespace {

// Points that bound the element as drawn: its ends, and for an arc the quadrant points it
// sweeps through.
template <typename F>
void ForEachOutlinePoint(const CadElement& element, F&& f) {
  const auto& d = element.d;
  switch (element.kind) {
    case ElementKind::kLine:
    case ElementKind::kWitness:
      f(Point{d[0], d[1], d[2]});
      f(Point{d[3], d[4], d[5]});
      break;
    case ElementKind::kLeader:
      f(Point{d[0], d[1], 0});
      f(Point{d[2], d[3], 0});
      break;
    case ElementKind::kArc: {
      const Circle arc = ElementCircle(element);
      const int plane = ArcPlane(element);
      const auto in_plane = [&](double angle) {
        const Point flat = PointOnCircle({}, arc.radius, angle);
        const Point& c = arc.centre;
        if (plane == 2) return Point{c.x + flat.x, c.y, c.z + flat.y};
        if (plane == 3) return Point{c.x, c.y + flat.x, c.z + flat.y};
        return Point{c.x + flat.x, c.y + flat.y, c.z};
      };
      f(in_plane(arc.start_angle));
      f(in_plane(arc.end_angle));
      double sweep = std::fmod(arc.end_angle - arc.start_angle, 360.0);
      if (sweep <= 0.00001) sweep += 360;
      for (int quadrant = 0; quadrant < 4; ++quadrant) {
        double from_start = std::fmod(quadrant * 90 - arc.start_angle, 360.0);
        if (from_start < 0) from_start += 360;
        if (from_start <= sweep) f(in_plane(quadrant * 90));
      }
      break;
    }
    default:
      f(Point{d[0], d[1], element.kind == ElementKind::kText ? 0 : d[2]});
      break;
  }
}

}  // namespace

bool InsideWindow(const CadElement& element, const CadView& view, PixelPoint corner1,
                  PixelPoint corner2) {
  const int left = std::min(corner1.x, corner2.x), right = std::max(corner1.x, corner2.x);
  const int top = std::min(corner1.y, corner2.y), bottom = std::max(corner1.y, corner2.y);
  bool inside = true;
  ForEachOutlinePoint(element, [&](const Point& p) {
    const PixelPoint at = view.WorldToPixel(p);
    if (at.x < left || at.x > right || at.y < top || at.y > bottom) inside = false;
  });
  return inside;
}

}  // namespace vormak
