#include "plot/backplot.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "nctext/vector_state.h"
#include "plot/draw_primitives.h"
#include "plot/view_transform.h"

namespace vormak {

namespace {

constexpr double kRadiansPerDegree = kPi / 180;
constexpr int kArcSamples = 24;

void Draw(PlotState& plot, const MachineSettings& settings, const ListedItem& item,
          DrawRun* run = nullptr) {
  switch (item.kind) {
    case ListedKind::kSegment:
      DrawSegment(plot, settings, item.tag.turret, item.colour, item.style, item.from, item.to,
                  run);
      break;
    case ListedKind::kArc:
      DrawArc(plot, settings, item.tag.turret, item.colour, item.style, item.plane, item.first,
              item.second, item.radius, item.centre, run);
      break;
    case ListedKind::kMarker:
      DrawMarker(plot, settings, item.tag.turret, item.colour, item.to, run);
      break;
  }
}

bool FullCircle(const ListedItem& arc) {
  return arc.second - arc.first > 359 || std::fabs(arc.first - arc.second) < 0.0001;
}

// The arc covers the counter-clockwise sweep from its second angle to its first.
double Sweep(const ListedItem& arc) {
  if (FullCircle(arc)) return 360;
  double sweep = std::fmod(arc.first - arc.second, 360.0);
  if (sweep < 0) sweep += 360;
  return sweep <= 0 ? 360 : sweep;
}

Point OnArc(const ListedItem& arc, double degrees) {
  const double u = arc.radius * std::cos(degrees * kRadiansPerDegree);
  const double v = arc.radius * std::sin(degrees * kRadiansPerDegree);
  const Point& c = arc.centre;
  if (arc.plane == 2) return {c.x + u, c.y, c.z + v};
  if (arc.plane == 3) return {c.x, c.y + u, c.z + v};
  return {c.x + u, c.y + v, c.z};
}

// Angles along the arc at which the projected arc can reach furthest: in the unturned views
// the quarter points inside the sweep, in the turned ones evenly spaced samples.
template <class Visit>
void ArcExtremes(const ListedItem& arc, bool turned, Visit&& visit) {
  const double start = FullCircle(arc) ? 0 : arc.second;
  const double sweep = Sweep(arc);
  visit(OnArc(arc, start));
  visit(OnArc(arc, start + sweep));
  if (turned) {
    for (int i = 1; i < kArcSamples; ++i) visit(OnArc(arc, start + sweep * i / kArcSamples));
    return;
  }
  for (int quarter = 0; quarter < 8; ++quarter) {
    const double angle = 90.0 * quarter;
    if (angle > start && angle < start + sweep) visit(OnArc(arc, angle));
  }
}

struct PixelSpace {
  const PlotState& plot;
  const MachineSettings& settings;
  int slot;
  ViewPoint At(int turret, const Point& p) const {
    const ViewState& view = plot.Slot(slot);
    const ViewPoint v = ProjectToView(plot, settings, slot, turret, p.x, p.y, p.z);
    return {v.x * view.scale_x + view.off_x, v.y * view.scale_y + view.off_y};
  }
};

double DistanceToSegment(const ViewPoint& p, const ViewPoint& a, const ViewPoint& b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// The arc's drawing angles are worked out only when it comes within reach.
double DistanceToArc(const PixelSpace& space, ListedItem& arc, const ViewPoint& p, double reach) {
  const double radius_px = arc.radius * space.plot.Slot(space.slot).scale_x;
  // Seen from any side the arc stays within its radius of the centre.
  const ViewPoint centre = space.At(arc.tag.turret, arc.centre);
  const double from_centre = std::hypot(p.x - centre.x, p.y - centre.y);
  if (from_centre - radius_px > reach) return from_centre - radius_px;
  SetArcAngles(arc);
  const double start = FullCircle(arc) ? 0 : arc.second;
  const double sweep = Sweep(arc);
  const int chords = std::clamp(static_cast<int>(radius_px * sweep / 360), 8, 720);
  double nearest = std::numeric_limits<double>::infinity();
  ViewPoint from = space.At(arc.tag.turret, OnArc(arc, start));
  for (int i = 1; i <= chords; ++i) {
    const ViewPoint to = space.At(arc.tag.turret, OnArc(arc, start + sweep * i / chords));
    nearest = std::min(nearest, DistanceToSegment(p, from, to));
    from = to;
  }
  return nearest;
}

}  // namespace

void PlotSegment(PlotState& plot, const MachineSettings& settings, const MoveTag& tag,
                 std::int32_t colour, int style, const Point& from, const Point& to) {
  Draw(plot, settings, plot.backplot.AddSegment(tag, colour, style, from, to));
}

void PlotArc(PlotState& plot, const MachineSettings& settings, const MoveTag& tag,
             std::int32_t colour, int style, int plane, bool clockwise, double radius,
             const Point& centre, const Point& from, const Point& to) {
  // Without a window (a batch count) the arc is only kept: its drawing angles are not needed.
  Draw(plot, settings,
       plot.backplot.AddArc(tag, colour, style, plane, clockwise, radius, centre, from, to,
                            plot.canvas != nullptr));
}

void PlotMarker(PlotState& plot, const MachineSettings& settings, const MoveTag& tag,
                std::int32_t colour, const Point& at) {
  Draw(plot, settings, plot.backplot.AddMarker(tag, colour, at));
}

void RepaintBackplot(PlotState& plot, const MachineSettings& settings) {
  if (!plot.canvas) return;
  ClearVectorUpperHalves();
  // Nothing else draws while the list is painted, so the pen and the joints carry over.
  DrawRun run;
  plot.backplot.ForEachWithoutAngles([&](ListedItem& item) {
    if (item.kind == ListedKind::kArc) {
      DrawListedArc(plot, settings, item, &run);
    } else {
      Draw(plot, settings, item, &run);
    }
  });
}

void ClearBackplot(PlotState& plot) {
  plot.backplot.Clear();
  plot.fit_pending = true;
}

void ViewBox::Add(double x, double y) {
  if (Empty()) {
    min_x = max_x = x;
    min_y = max_y = y;
    return;
  }
  min_x = std::min(min_x, x);
  max_x = std::max(max_x, x);
  min_y = std::min(min_y, y);
  max_y = std::max(max_y, y);
}

ViewBox BackplotBox(const PlotState& plot, const MachineSettings& settings, int slot) {
  ViewBox box;
  const bool turned = Rotated(settings, slot);
  // How far from its centre's picture an arc's picture can reach, per unit of radius, with
  // room for rounding: an arc whose reach lies inside the box found so far cannot widen it.
  double reach_x = 1, reach_y = 1;
  if (turned) {
    const auto& m = plot.Slot(slot).matrix;
    reach_x = std::fabs(m[0]) + std::fabs(m[1]) + std::fabs(m[2]);
    reach_y = std::fabs(m[3]) + std::fabs(m[4]) + std::fabs(m[5]);
  }
  const auto inside = [&](const ListedItem& arc) {
    if (box.Empty()) return false;
    const Point& c = arc.centre;
    const ViewPoint v = ProjectToView(plot, settings, slot, arc.tag.turret, c.x, c.y, c.z);
    const double slack = 1e-9 * (std::fabs(v.x) + std::fabs(v.y) + arc.radius + 1);
    const double rx = arc.radius * reach_x + slack;
    const double ry = arc.radius * reach_y + slack;
    return v.x - rx >= box.min_x && v.x + rx <= box.max_x && v.y - ry >= box.min_y &&
           v.y + ry <= box.max_y;
  };
  plot.backplot.ForEachWithoutAngles([&](ListedItem& item) {
    const auto add = [&](const Point& p) {
      const ViewPoint v = ProjectToView(plot, settings, slot, item.tag.turret, p.x, p.y, p.z);
      box.Add(v.x, v.y);
    };
    switch (item.kind) {
      case ListedKind::kSegment:
        add(item.from);
        add(item.to);
        break;
      case ListedKind::kArc:
        if (inside(item)) break;
        SetArcAngles(item);
        ArcExtremes(item, turned, add);
        break;
      case ListedKind::kMarker:
        add(item.to);
        break;
    }
  });
  return box;
}

ViewBox DrawingBox(const PlotState& plot, const MachineSettings& settings, int slot,
                   const DrawingExtents& e) {
  ViewBox box;
  if (e.min_x > e.max_x || e.min_y > e.max_y) return box;
  for (double x : {e.min_x, e.max_x}) {
    for (double y : {e.min_y, e.max_y}) {
      const ViewPoint v = ProjectToView(plot, settings, slot, 1, x, y, 0);
      box.Add(v.x, v.y);
    }
  }
  return box;
}

void FitViewToBox(PlotState& plot, const MachineSettings& settings, int slot, const ViewBox& box) {
  if (box.Empty()) return;
  ViewState& view = plot.Slot(slot);
  const auto usable = [](int pixels) {
    return static_cast<double>(pixels - Nearest(0.1 * pixels));
  };
  const double width = box.max_x - box.min_x;
  const double height = box.max_y - box.min_y;
  double scale = std::numeric_limits<double>::infinity();
  if (width > 0) scale = usable(plot.width) / width;
  if (height > 0) scale = std::min(scale, usable(plot.height) / height);
  // A single point keeps the zoom it has and only comes to the middle.
  if (std::isfinite(scale) && scale > 0 && plot.height > 0) {
    view.plot_height = std::max(kMinPlotHeight, plot.height / 2.0 / scale);
  }
  view.centre_x = (box.min_x + box.max_x) / 2;
  view.centre_y = (box.min_y + box.max_y) / 2;
  RecomputeScales(plot, settings, slot);
}

std::optional<ListedItem> HitBackplot(const PlotState& plot, const MachineSettings& settings,
                                      PixelPoint at, double tolerance) {
  const PixelSpace space{plot, settings, plot.current};
  const ViewPoint p{static_cast<double>(at.x), static_cast<double>(at.y)};
  std::optional<ListedItem> best;
  double best_distance = tolerance;
  plot.backplot.ForEachWithoutAngles([&](ListedItem& item) {
    double distance = 0;
    switch (item.kind) {
      case ListedKind::kSegment:
        distance = DistanceToSegment(p, space.At(item.tag.turret, item.from),
                                     space.At(item.tag.turret, item.to));
        break;
      case ListedKind::kArc:
        distance = DistanceToArc(space, item, p, best_distance);
        break;
      case ListedKind::kMarker: {
        const ViewPoint m = space.At(item.tag.turret, item.to);
        distance = std::hypot(p.x - m.x, p.y - m.y);
        break;
      }
    }
    // What was drawn last lies on top.
    if (distance <= best_distance) {
      best_distance = distance;
      best = item;
    }
  });
  return best;
}

}  // namespace vormak
