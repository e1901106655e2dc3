#include "plot/draw_primitives.h"

#include <algorithm>
#include <cmath>

#include "cad/palette.h"
#include "plot/view_transform.h"

namespace vormak {

namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180;
// Coordinates handed to the graphics system stay well inside int; a line reaching beyond is
// cut at the window whatever ClipDraw says, since no raster engine draws it sensibly.
constexpr double kSafePixels = 1 << 28;

PenStyle StyleOf(int style, PenStyle last) {
  switch (style) {
    case 0:
    case 1:
      return PenStyle::kSolid;
    case 2:
      return PenStyle::kDot;
    case 3:
      return PenStyle::kDashDot;
    case 4:
      return PenStyle::kDashDotDot;
    default:
      return last;
  }
}

double Normalised(double angle) {
  // Within a turn either way fmod gives the angle back as it is: no call for it.
  if (!(angle > -360 && angle < 360)) angle = std::fmod(angle, 360.0);
  return angle < 0 ? angle + 360 : angle;
}

// Counter-clockwise from `from` to `to`, in (0, 360].
double SweepBetween(double from, double to) {
  const double sweep = Normalised(to - from);
  return sweep <= 0 ? 360 : sweep;
}

bool OutsideSameSide(double x1, double y1, double x2, double y2, int w, int h) {
  return (x1 < 0 && x2 < 0) || (x1 > w && x2 > w) || (y1 < 0 && y2 < 0) || (y1 > h && y2 > h);
}

// Cuts the line to the window rectangle; false when nothing of it lies inside.
bool ClipToWindow(double& x1, double& y1, double& x2, double& y2, int w, int h) {
  double t0 = 0, t1 = 1;
  const double dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1, w - x1, y1, h - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  const double sx = x1, sy = y1;
  x1 = sx + t0 * dx;
  y1 = sy + t0 * dy;
  x2 = sx + t1 * dx;
  y2 = sy + t1 * dy;
  return true;
}

int Round(double v) {
  return static_cast<int>(Nearest(v));
}

void WideLine(PlotState& plot, const MachineSettings& settings, WidePixel a, WidePixel b) {
  double x1 = static_cast<double>(a.x), y1 = static_cast<double>(a.y);
  double x2 = static_cast<double>(b.x), y2 = static_cast<double>(b.y);
  const int w = plot.width, h = plot.height;
  const double largest = std::max({std::fabs(x1), std::fabs(y1), std::fabs(x2), std::fabs(y2)});
  const bool clip = settings.clip_draw && !plot.printing;
  if (clip || largest > kSafePixels) {
    if (OutsideSameSide(x1, y1, x2, y2, w, h)) return;
    if (largest > settings.max_clip || largest > kSafePixels) {
      if (!ClipToWindow(x1, y1, x2, y2, w, h)) return;
    }
  }
  plot.canvas->Line({Round(x1), Round(y1)}, {Round(x2), Round(y2)});
}

WidePixel PixelsOf(const PlotState& plot, const MachineSettings& settings, int slot, int turret,
                   const Point& p) {
  return ViewToPixels(plot.Slot(slot), ProjectToView(plot, settings, slot, turret, p.x, p.y, p.z));
}

void SegmentInSlot(PlotState& plot, const MachineSettings& settings, int slot, int turret,
                   const Point& p1, const Point& p2) {
  WideLine(plot, settings, PixelsOf(plot, settings, slot, turret, p1),
           PixelsOf(plot, settings, slot, turret, p2));
}

// The run's pen, selecting it only when the colour or the style changes.
void RunPen(PlotState& plot, std::int32_t colour, int style, DrawRun* run) {
  if (run == nullptr) {
    SelectPen(plot, colour, style);
    return;
  }
  if (run->pen_set && run->colour == colour && run->style == style) return;
  SelectPen(plot, colour, style);
  run->pen_set = true;
  run->colour = colour;
  run->style = style;
}

// Cosine and sine of an angle in degrees, within 1e-14 of the library's of the angle in
// radians: whole quarter turns come off exactly in degrees, the rest (at most an eighth of a
// turn) goes through the series. False for angles beyond two turns.
bool QuickCosSin(double degrees, double& c, double& s) {
  if (!(std::fabs(degrees) <= 720)) return false;
  constexpr double kRounder = 6755399441055744.0;  // 1.5 * 2^52: adding it rounds to whole
  const double quarters = (degrees / 90 + kRounder) - kRounder;
  const double x = (degrees - 90 * quarters) * kRadiansPerDegree;
  const double x2 = x * x;
  const double sin_x =
      x * (1 - x2 * (1.0 / 6) *
                   (1 - x2 * (1.0 / 20) *
                            (1 - x2 * (1.0 / 42) *
                                     (1 - x2 * (1.0 / 72) *
                                              (1 - x2 * (1.0 / 110) *
                                                       (1 - x2 * (1.0 / 156) *
                                                                (1 - x2 * (1.0 / 210))))))));
  const double cos_x =
      1 - x2 * (1.0 / 2) *
              (1 - x2 * (1.0 / 12) *
                       (1 - x2 * (1.0 / 30) *
                                (1 - x2 * (1.0 / 56) *
                                         (1 - x2 * (1.0 / 90) *
                                                  (1 - x2 * (1.0 / 132) *
                                                           (1 - x2 * (1.0 / 182) *
                                                                    (1 - x2 * (1.0 / 240))))))));
  switch (static_cast<int>(quarters) & 3) {
    case 0:
      c = cos_x;
      s = sin_x;
      break;
    case 1:
      c = -sin_x;
      s = cos_x;
      break;
    case 2:
      c = -cos_x;
      s = -sin_x;
      break;
    default:
      c = sin_x;
      s = -cos_x;
      break;
  }
  return true;
}

// Whether rounding v to the nearest whole number cannot go the other way for any value within
// `slack` of it.
bool ClearOfHalf(double v, double slack) {
  if (!(std::fabs(v) < 1e15)) return false;
  return 0.5 - std::fabs(v - static_cast<double>(Nearest(v))) > slack;
}

// The pixel of the point of a circle of the flat view whose cosine and sine are `c` and `s`,
// when values within 1e-14 of them cannot move it to another pixel; false otherwise.
bool ClearPixelOnCircle(const ViewState& view, double cx, double cy, double r, double c, double s,
                        WidePixel& pixel) {
  const double x = (cx + r * c) * view.scale_x + view.off_x;
  const double y = (cy + r * s) * view.scale_y + view.off_y;
  // Far more than the cosine's error times the radius, and the roundings on the way.
  const double slack_x = 1e-9 * (1 + std::fabs(r * view.scale_x) + std::fabs(cx * view.scale_x) +
                                 std::fabs(static_cast<double>(view.off_x)));
  const double slack_y = 1e-9 * (1 + std::fabs(r * view.scale_y) + std::fabs(cy * view.scale_y) +
                                 std::fabs(static_cast<double>(view.off_y)));
  if (!ClearOfHalf(x, slack_x) || !ClearOfHalf(y, slack_y)) return false;
  pixel = {Nearest(x), Nearest(y)};
  return true;
}

// The pixel of the point at `degrees` on a circle of the flat view: what ViewToPixels makes of
// the point from the library's cosine and sine, found with the quick ones wherever their
// difference cannot move it to another pixel.
WidePixel PixelOnCircle(const ViewState& view, double cx, double cy, double r, double degrees) {
  double c = 0, s = 0;
  WidePixel pixel;
  if (QuickCosSin(degrees, c, s) && ClearPixelOnCircle(view, cx, cy, r, c, s, pixel)) return pixel;
  return ViewToPixels(view, {cx + r * std::cos(degrees * kRadiansPerDegree),
                             cy + r * std::sin(degrees * kRadiansPerDegree)});
}

// A point of the arc's circle at angle t (degrees) in its plane.
Point OnArc(int plane, double radius, const Point& c, double t) {
  const double u = radius * std::cos(t * kRadiansPerDegree);
  const double v = radius * std::sin(t * kRadiansPerDegree);
  if (plane == 2) return {c.x + u, c.y, c.z + v};
  if (plane == 3) return {c.x, c.y + u, c.z + v};
  return {c.x + u, c.y + v, c.z};
}

struct ArcSpec {
  int plane = 1;
  double first = 0;   // A1
  double second = 0;  // A2
  double radius = 0;
  Point centre;
  bool full = false;
  double Sweep() const { return full ? 360 : SweepBetween(second, first); }
};

void ArcPolyline(PlotState& plot, const MachineSettings& settings, int slot, int turret,
                 const ArcSpec& arc) {
  const int n = ArcChordCount(arc.radius, plot.Slot(slot).scale_x);
  const double sweep = arc.Sweep();
  Point from = OnArc(arc.plane, arc.radius, arc.centre, arc.second);
  for (int i = 1; i <= n; ++i) {
    const Point to = OnArc(arc.plane, arc.radius, arc.centre, arc.second + sweep * i / n);
    SegmentInSlot(plot, settings, slot, turret, from, to);
    from = to;
  }
}

// An arc standing on edge shows as a line: between its end points, or across the diameter
// for a full circle (whose end points coincide).
void EdgeOnArc(PlotState& plot, const MachineSettings& settings, int slot, int turret,
               const ArcSpec& arc) {
  if (arc.full) {
    SegmentInSlot(plot, settings, slot, turret, OnArc(arc.plane, arc.radius, arc.centre, 0),
                  OnArc(arc.plane, arc.radius, arc.centre, 180));
    return;
  }
  SegmentInSlot(plot, settings, slot, turret, OnArc(arc.plane, arc.radius, arc.centre, arc.first),
                OnArc(arc.plane, arc.radius, arc.centre, arc.second));
}

// The graphics system's elliptic arc on the circle of `r` about (cx, cy) of the flat view, from
// the pixel `start` counter-clockwise to `end`. False, with nothing drawn, where the circle's box
// reaches beyond the safe pixels: the arc goes as a polyline then.
bool EllipticArc(PlotState& plot, const ViewState& view, double cx, double cy, double r,
                 WidePixel start, WidePixel end) {
  if (BeyondPixelLimit(start) || BeyondPixelLimit(end)) return true;
  const WidePixel centre = ViewToPixels(view, {cx, cy});
  const double r_px = r * view.scale_x;
  const double left = static_cast<double>(centre.x) - r_px,
               top = static_cast<double>(centre.y) - r_px;
  const double right = static_cast<double>(centre.x) + r_px;
  const double bottom = static_cast<double>(centre.y) + r_px;
  if (std::max({std::fabs(left), std::fabs(top), std::fabs(right), std::fabs(bottom)}) >
      kSafePixels) {
    return false;
  }
  const PixelPoint s{static_cast<int>(start.x), static_cast<int>(start.y)};
  const PixelPoint e{static_cast<int>(end.x), static_cast<int>(end.y)};
  plot.canvas->Arc(Round(left), Round(top), Round(right), Round(bottom), s, e);
  return true;
}

// Whether the flat view's circle is too large to hand to the graphics system.
bool ClippedCircle(const PlotState& plot, const MachineSettings& settings, const ViewState& view,
                   double r) {
  return settings.clip_draw && !plot.printing && 2 * (r * view.scale_x) > settings.max_clip / 4.0;
}

// An X-Y arc in the flat views, with the graphics system's elliptic arc. The mirror and the
// vertical orientation are reflections: the centre and the angles are reflected and the two
// angles exchanged, so the arc still covers the sweep from the second angle to the first.
void FlatArc(PlotState& plot, const MachineSettings& settings, int slot, int turret,
             const ArcSpec& arc) {
  if (!arc.full && arc.Sweep() < 1.5) {
    EdgeOnArc(plot, settings, slot, turret, arc);  // the chord
    return;
  }
  double cx = arc.centre.x, cy = arc.centre.y;
  double a1 = arc.first, a2 = arc.second;
  if (Mirrored(settings, turret)) {
    if (settings.system_type == SystemType::kLathe) {
      cy = -cy;
      a1 = -a1;
      a2 = -a2;
    } else {
      cx = -cx;
      a1 = 180 - a1;
      a2 = 180 - a2;
    }
    std::swap(a1, a2);
  }
  if (settings.vertical_lathe) {
    std::swap(cx, cy);
    a1 = 90 - a1;
    a2 = 90 - a2;
    std::swap(a1, a2);
  }
  const ViewState& view = plot.Slot(slot);
  const double r = arc.radius;
  if (ClippedCircle(plot, settings, view, r)) {
    ArcPolyline(plot, settings, slot, turret, arc);
    return;
  }
  const WidePixel start = PixelOnCircle(view, cx, cy, r, a2);
  const WidePixel end = arc.full ? start : PixelOnCircle(view, cx, cy, r, a1);
  if (!EllipticArc(plot, view, cx, cy, r, start, end)) {
    ArcPolyline(plot, settings, slot, turret, arc);
  }
}

// A direction in the arc's plane as its cosine and sine.
struct Direction {
  double c = 1;
  double s = 0;
};

// An X-Y arc of the list known by the directions of its ends from the centre, for the flat
// views: `first` and `second` as the drawing angles would give them.
struct ArcByEnds {
  Direction first;
  Direction second;
  double radius = 0;
  Point centre;
};

// The direction from the centre to p as the drawing angle's arctangent takes it: a zero
// difference counts as a tiny one of the sign the other difference has.
bool DirectionTo(const Point& centre, const Point& p, Direction& d) {
  double dx = p.x - centre.x, dy = p.y - centre.y;
  if (dx == 0 && dy == 0) return false;
  if (dx == 0) dx = 1e-7;
  if (dy == 0) dy = 1e-7;
  const double length = std::sqrt(dx * dx + dy * dy);
  d = {dx / length, dy / length};
  return true;
}

// The arc from its ends when the sweep from the second angle to the first lies clear of the
// full circle's and the chord's limits (under 1.5 degrees, or within a degree short of a whole
// turn): there a small error in the angles could change what is drawn.
bool ArcFromEnds(const ListedItem& arc, ArcByEnds& ends) {
  Direction start, end;
  if (!DirectionTo(arc.centre, arc.from, start) || !DirectionTo(arc.centre, arc.to, end)) {
    return false;
  }
  ends.first = arc.clockwise ? start : end;
  ends.second = arc.clockwise ? end : start;
  ends.radius = arc.radius;
  ends.centre = arc.centre;
  // Counter-clockwise from the second end to the first: tan(2.05) and tan(1.05 degrees).
  const Direction& a = ends.second;
  const Direction& b = ends.first;
  const double cross = a.c * b.s - a.s * b.c;
  const double dot = a.c * b.c + a.s * b.s;
  return dot <= 0 || cross >= 0.0358 * dot || cross <= -0.0183 * dot;
}

// FlatArc for an arc known by its ends, not a full circle and with no chord: false, with
// nothing drawn, where an end's pixel is too close to call or the arc would go as a polyline.
bool FlatArcFromEnds(PlotState& plot, const MachineSettings& settings, int slot, int turret,
                     const ArcByEnds& arc) {
  double cx = arc.centre.x, cy = arc.centre.y;
  Direction a1 = arc.first, a2 = arc.second;
  if (Mirrored(settings, turret)) {
    if (settings.system_type == SystemType::kLathe) {
      cy = -cy;
      a1.s = -a1.s;
      a2.s = -a2.s;
    } else {
      cx = -cx;
      a1.c = -a1.c;
      a2.c = -a2.c;
    }
    std::swap(a1, a2);
  }
  if (settings.vertical_lathe) {
    std::swap(cx, cy);
    std::swap(a1.c, a1.s);
    std::swap(a2.c, a2.s);
    std::swap(a1, a2);
  }
  const ViewState& view = plot.Slot(slot);
  const double r = arc.radius;
  if (ClippedCircle(plot, settings, view, r)) return false;
  WidePixel start, end;
  if (!ClearPixelOnCircle(view, cx, cy, r, a2.c, a2.s, start) ||
      !ClearPixelOnCircle(view, cx, cy, r, a1.c, a1.s, end)) {
    return false;
  }
  return EllipticArc(plot, view, cx, cy, r, start, end);
}

ArcSpec SpecOf(int plane, double first_angle, double second_angle, double radius,
               const Point& centre) {
  ArcSpec arc;
  arc.plane = plane >= 1 && plane <= 3 ? plane : 1;
  arc.first = first_angle;
  arc.second = second_angle;
  arc.radius = radius;
  arc.centre = centre;
  arc.full = second_angle - first_angle > 359 || std::fabs(first_angle - second_angle) < 0.0001;
  if (arc.full) arc.first = arc.second = 0;
  return arc;
}

void ArcInSlot(PlotState& plot, const MachineSettings& settings, int slot, int turret,
               const ArcSpec& arc) {
  if (Rotated(settings, slot)) {
    ArcPolyline(plot, settings, slot, turret, arc);
  } else if (arc.plane != 1) {
    EdgeOnArc(plot, settings, slot, turret, arc);
  } else {
    FlatArc(plot, settings, slot, turret, arc);
  }
}

}  // namespace

int ArcChordCount(double radius, double scale) {
  const double n = std::trunc(radius * scale * 0.5);
  if (!(n >= 10)) return 10;
  return n > 360 ? 360 : static_cast<int>(n);
}

void SelectPen(PlotState& plot, std::int32_t colour, int style) {
  if (!plot.canvas) return;
  Pen pen;
  pen.rgb = CanvasRgb(colour);
  pen.style = StyleOf(style, plot.canvas->CurrentPen().style);
  plot.canvas->SetPen(pen);
}

void DrawSegment(PlotState& plot, const MachineSettings& settings, int turret, std::int32_t colour,
                 int style, const Point& p1, const Point& p2, DrawRun* run) {
  if (!plot.canvas) return;
  RunPen(plot, colour, style, run);
  if (run == nullptr) {
    for (int slot = 1; slot <= kViewSlots; ++slot) {
      if (plot.ViewOn(slot)) SegmentInSlot(plot, settings, slot, turret, p1, p2);
    }
    return;
  }
  const bool joined = run->end_set && run->turret == turret && run->end == p1;
  for (int slot = 1; slot <= kViewSlots; ++slot) {
    if (!plot.ViewOn(slot)) continue;
    const WidePixel a = joined ? run->end_pixels[slot] : PixelsOf(plot, settings, slot, turret, p1);
    const WidePixel b = PixelsOf(plot, settings, slot, turret, p2);
    run->end_pixels[slot] = b;
    WideLine(plot, settings, a, b);
  }
  run->end_set = true;
  run->turret = turret;
  run->end = p2;
}

void DrawArc(PlotState& plot, const MachineSettings& settings, int turret, std::int32_t colour,
             int style, int plane, double first_angle, double second_angle, double radius,
             const Point& centre, DrawRun* run) {
  if (!plot.canvas) return;
  if (run != nullptr) run->end_set = false;
  const ArcSpec arc = SpecOf(plane, first_angle, second_angle, radius, centre);
  RunPen(plot, colour, style, run);
  for (int slot = 1; slot <= kViewSlots; ++slot) {
    if (plot.ViewOn(slot)) ArcInSlot(plot, settings, slot, turret, arc);
  }
}

void DrawListedArc(PlotState& plot, const MachineSettings& settings, ListedItem& arc,
                   DrawRun* run) {
  if (!plot.canvas) return;
  const int turret = arc.tag.turret;
  // A whole circle's drawing angles both come out as its start's, which the full circle drops.
  if (arc.to == arc.from) {
    DrawArc(plot, settings, turret, arc.colour, arc.style, arc.plane, 0, 0, arc.radius,
            arc.centre, run);
    return;
  }
  ArcByEnds ends;
  if (arc.plane != 1 || !ArcFromEnds(arc, ends)) {
    SetArcAngles(arc);
    DrawArc(plot, settings, turret, arc.colour, arc.style, arc.plane, arc.first, arc.second,
            arc.radius, arc.centre, run);
    return;
  }
  if (run != nullptr) run->end_set = false;
  RunPen(plot, arc.colour, arc.style, run);
  bool angles_set = false;
  ArcSpec exact;
  for (int slot = 1; slot <= kViewSlots; ++slot) {
    if (!plot.ViewOn(slot)) continue;
    if (!Rotated(settings, slot) && FlatArcFromEnds(plot, settings, slot, turret, ends)) continue;
    if (!angles_set) {
      SetArcAngles(arc);
      exact = SpecOf(arc.plane, arc.first, arc.second, arc.radius, arc.centre);
      angles_set = true;
    }
    ArcInSlot(plot, settings, slot, turret, exact);
  }
}

void DrawCircle(PlotState& plot, const MachineSettings& settings, int turret, std::int32_t colour,
                int style, int plane, double radius, const Point& centre) {
  DrawArc(plot, settings, turret, colour, style, plane, 0, 360, radius, centre);
}

void DrawMarker(PlotState& plot, const MachineSettings& settings, int turret, std::int32_t colour,
                const Point& p, DrawRun* run) {
  if (!plot.canvas) return;
  RunPen(plot, colour, 0, run);
  for (int slot = 1; slot <= kViewSlots; ++slot) {
    if (!plot.ViewOn(slot)) continue;
    const WidePixel at =
        ViewToPixels(plot.Slot(slot), ProjectToView(plot, settings, slot, turret, p.x, p.y, p.z));
    if (BeyondPixelLimit(at)) continue;
    const int x = static_cast<int>(at.x), y = static_cast<int>(at.y);
    plot.canvas->Line({x - 5, y}, {x + 5, y});
    plot.canvas->Line({x, y - 5}, {x, y + 5});
  }
}

}  // namespace vormak
