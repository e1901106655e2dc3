#include "plot/tool_picture.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "cad/palette.h"
#include "interp/tool_shape.h"
#include "plot/view_transform.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180;

// How the picture is turned about its reference point: `angle` degrees, applied to its lines
// only (the tool-rotation flag) or to everything (a rotary sweep).
struct Turning {
  double angle = 0;
  bool all = false;
};

Xyz Turned(const Xyz& p, double angle) {
  if (angle == 0) return p;
  const double r = angle * kRadiansPerDegree;
  return {p.x * std::cos(r) - p.y * std::sin(r), p.x * std::sin(r) + p.y * std::cos(r), p.z};
}

Xyz Plus(const Xyz& a, const Xyz& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}

class PictureDrawer {
 public:
  PictureDrawer(Workbench& bench, int turret, int view, const Xyz& at, Turning turning)
      : bench_(bench),
        plot_(bench.plot),
        turret_(turret),
        view_(view),
        at_(at),
        turning_(turning),
        tools_(bench.tools) {}

  void Outline() {
    const ToolPicture& shape = tools_.shape[ToolShapes::Index(turret_)];
    Pen pen;
    pen.rgb = 0xFFFFFF;
    pen.mode = PenMode::kXor;
    plot_.canvas->SetPen(pen);
    for (const ToolEntry& e : shape.entries) {
      const auto& d = e.d;
      switch (e.Kind()) {
        case kToolLine:
          Segment(Place({d[1], d[2], d[3]}, turning_.angle),
                  Place({d[4], d[5], d[6]}, turning_.angle));
          break;
        case kToolPoint:
          Cross(Place({d[1], d[2], d[3]}, All()));
          break;
        case kToolArc:
          Arc(RoundPlane(d[7]), {d[1], d[2], d[3]}, d[4], d[5], d[6], false);
          break;
        case kToolCircle:
          Arc(RoundPlane(d[7]), {d[1], d[2], d[3]}, d[4], 0, 360, true);
          break;
        default:
          break;
      }
      if (e.Kind() == kToolEnd) break;
    }
  }

  // A mill turned in the isometric view also shows its corner radius from the side.
  void CornerRadius() {
    if (tools_.mill_corner_radius <= 0) return;
    Arc(2, {0, 0, 0}, tools_.mill_corner_radius, 180, 360, false);
  }

  void SolidFill() {
    const SolidOutline& solid = tools_.solid[ToolShapes::Index(turret_)];
    if (solid.Empty()) return;
    const unsigned rgb = CanvasRgb(SolidColour());
    Pen pen;
    pen.rgb = rgb;
    plot_.canvas->SetPen(pen);
    if (solid.points.size() >= 3) {
      std::vector<PixelPoint> polygon;
      for (const SolidPoint& p : solid.points) {
        WidePixel px;
        if (!Pixel(Place({p.x, p.y, 0}, All()), px)) return;
        polygon.push_back({static_cast<int>(px.x), static_cast<int>(px.y)});
      }
      plot_.canvas->Polygon(polygon, true, rgb);
    }
    const double scale = std::fabs(plot_.Slot(view_).scale_x);
    for (const SolidCircle& c : solid.circles) {
      WidePixel centre;
      const double r = std::round(c.radius * scale);
      if (!Pixel(Place({c.x, c.y, 0}, All()), centre) || !(r < kPixelLimit)) continue;
      const int cx = static_cast<int>(centre.x), cy = static_cast<int>(centre.y);
      const int ri = static_cast<int>(r);
      plot_.canvas->Ellipse(cx - ri, cy - ri, cx + ri, cy + ri, true, rgb);
    }
  }

 private:
  double All() const { return turning_.all ? turning_.angle : 0; }
  static int RoundPlane(double plane) {
    const int p = static_cast<int>(std::lround(plane));
    return p >= 1 && p <= 3 ? p : 1;
  }
  Xyz Place(const Xyz& local, double angle) const { return Plus(at_, Turned(local, angle)); }

  std::int32_t SolidColour() const {
    switch (bench_.settings.solid_tool_color) {
      case 1:
        return bench_.cad.table.current_colour;
      case 2:
        return bench_.interp.motion.pen_colour;
      default:
        return plot_.background == palette::kWhite ? palette::kWhite : palette::kBlack;
    }
  }

  bool Pixel(const Xyz& p, WidePixel& out) const {
    out = ViewToPixels(plot_.Slot(view_),
                       ProjectToView(plot_, bench_.settings, view_, turret_, p.x, p.y, p.z));
    return !BeyondPixelLimit(out);
  }

  void Segment(const Xyz& a, const Xyz& b) {
    WidePixel pa, pb;
    if (!Pixel(a, pa) || !Pixel(b, pb)) return;
    plot_.canvas->Line({static_cast<int>(pa.x), static_cast<int>(pa.y)},
                       {static_cast<int>(pb.x), static_cast<int>(pb.y)});
  }

  void Cross(const Xyz& p) {
    WidePixel px;
    if (!Pixel(p, px)) return;
    const int x = static_cast<int>(px.x), y = static_cast<int>(px.y);
    plot_.canvas->Line({x - 5, y}, {x + 5, y});
    plot_.canvas->Line({x, y - 5}, {x, y + 5});
  }

  // Counter-clockwise from `from` to `to` degrees in its plane, as one run of chords so the
  // inverting pen covers every pixel once.
  void Arc(int plane, const Xyz& centre, double radius, double from, double to, bool full) {
    if (!(radius > 0) || !std::isfinite(radius)) return;
    const double angle = All();
    const ViewState& view = plot_.Slot(view_);
    if (full && plane == 1 && !Rotated(bench_.settings, view_)) {
      WidePixel c;
      const double r = std::round(radius * std::fabs(view.scale_x));
      if (!Pixel(Place(centre, angle), c) || !(r < kPixelLimit)) return;
      const int cx = static_cast<int>(c.x), cy = static_cast<int>(c.y), ri = static_cast<int>(r);
      plot_.canvas->Ellipse(cx - ri, cy - ri, cx + ri, cy + ri, false, 0);
      return;
    }
    double sweep = full ? 360 : std::fmod(to - from, 360.0);
    if (sweep <= 0) sweep += 360;
    const double pixels = radius * std::fabs(view.scale_x) * sweep * kRadiansPerDegree;
    const int n = std::clamp(static_cast<int>(pixels / 6), 4, 90);
    Xyz prev;
    for (int i = 0; i <= n; ++i) {
      const double t = (from + sweep * i / n) * kRadiansPerDegree;
      const double u = radius * std::cos(t), v = radius * std::sin(t);
      Xyz local = plane == 2   ? Xyz{centre.x + u, centre.y, centre.z + v}
                  : plane == 3 ? Xyz{centre.x, centre.y + u, centre.z + v}
                               : Xyz{centre.x + u, centre.y + v, centre.z};
      const Xyz p = Place(local, angle);
      if (i > 0) Segment(prev, p);
      prev = p;
    }
  }

  Workbench& bench_;
  PlotState& plot_;
  int turret_;
  int view_;
  Xyz at_;
  Turning turning_;
  const ToolShapes& tools_;
};

double RotaryAngle(const Workbench& bench, int turret) {
  const int axis = std::clamp(bench.interp.motion.rotary_axis_moved, 1, 3) - 1;
  return bench.interp.Turret(turret).reg[static_cast<size_t>(kRegA + axis)];
}

void Picture(Workbench& bench, int turret, int view, bool draw, const Xyz& at, Turning turning) {
  if (bench.plot.canvas == nullptr || !bench.tools.loaded[ToolShapes::Index(turret)]) return;
  PictureDrawer drawer(bench, turret, view, at, turning);
  // The solid is painted before the outline goes over it: the outline's later erase then
  // gives back the solid colour.
  if (draw && bench.interp.motion.solid_view) drawer.SolidFill();
  if (bench.settings.use[kUseTools]) {
    drawer.Outline();
    if (turning.all && view == kIsometricSlot && bench.settings.system_type == SystemType::kMill) {
      drawer.CornerRadius();
    }
  }
  Pen copy = bench.plot.canvas->CurrentPen();
  copy.mode = PenMode::kCopy;
  bench.plot.canvas->SetPen(copy);
}

void EveryOpenView(Workbench& bench, int turret, bool draw, const Xyz& at, Turning turning) {
  for (int slot = 1; slot <= kViewSlots; ++slot) {
    if (bench.plot.ViewOn(slot)) Picture(bench, turret, slot, draw, at, turning);
  }
}

}  // namespace

void DrawToolShape(Workbench& bench, int turret, int view, bool draw, const Xyz& at) {
  const double angle = bench.interp.machine.trt_flag ? RotaryAngle(bench, turret) : 0;
  Picture(bench, turret, view, draw, at, {angle, false});
}

void DrawTurnedTool(Workbench& bench, int turret, int view, bool draw, double angle,
                    const Xyz& at) {
  Picture(bench, turret, view, draw, at, {angle, true});
}

bool ToolInClipRect(const Workbench& bench, int turret, int view, const Xyz& at) {
  const PlotState& plot = bench.plot;
  const WidePixel p = ViewToPixels(
      plot.Slot(view), ProjectToView(plot, bench.settings, view, turret, at.x, at.y, at.z));
  if (BeyondPixelLimit(p)) return false;
  return plot.Slot(view).tool_clip_rect.Contains({static_cast<int>(p.x), static_cast<int>(p.y)});
}

bool PicturePainted(const Workbench& bench, const PictureStand& stand) {
  return stand.painted && stand.painted_clears == bench.plot.clears;
}

namespace {

void Paint(Workbench& bench, int turret, PictureStand& stand) {
  stand.painted = bench.plot.canvas != nullptr;
  stand.painted_clears = bench.plot.clears;
  EveryOpenView(bench, turret, true, stand.at, {stand.angle, stand.turned});
}

// The pixels taken off the canvas; the picture still stands where it stood.
void Unpaint(Workbench& bench, int turret, PictureStand& stand) {
  const bool painted = PicturePainted(bench, stand);
  stand.painted = false;
  if (!painted || !bench.tools.loaded[ToolShapes::Index(turret)]) return;
  EveryOpenView(bench, turret, false, stand.at, {stand.angle, stand.turned});
}

// Where the picture goes, with the angle it is drawn with.
void Place(Workbench& bench, int turret, PictureStand& stand, const Xyz& at, bool turned,
           double angle) {
  stand.at = at;
  stand.turned = turned;
  stand.angle = turned ? angle : bench.interp.machine.trt_flag ? RotaryAngle(bench, turret) : 0;
  stand.drawn = bench.tools.loaded[ToolShapes::Index(turret)];
}

}  // namespace

void EraseStandingPicture(Workbench& bench, int turret) {
  PictureStand& stand = bench.tools.stand[ToolShapes::Index(turret)];
  Unpaint(bench, turret, stand);
  stand.drawn = false;
}

void StandPicture(Workbench& bench, int turret, const Xyz& at, bool turned, double angle) {
  PictureStand& stand = bench.tools.stand[ToolShapes::Index(turret)];
  Place(bench, turret, stand, at, turned, angle);
  if (stand.drawn) Paint(bench, turret, stand);
}

void RestorePicture(Workbench& bench, int turret) {
  const PictureStand stand = bench.tools.stand[ToolShapes::Index(turret)];
  StandPicture(bench, turret, stand.at, stand.turned, stand.angle);
}

void MovePicture(Workbench& bench, int turret, const Xyz& at, bool turned, double angle) {
  if (!bench.interp.run.running) {
    EraseStandingPicture(bench, turret);
    StandPicture(bench, turret, at, turned, angle);
    return;
  }
  PictureStand& stand = bench.tools.stand[ToolShapes::Index(turret)];
  Unpaint(bench, turret, stand);
  Place(bench, turret, stand, at, turned, angle);
}

void LiftPictures(Workbench& bench) {
  for (int turret = 1; turret <= kTurretCount; ++turret) {
    PictureStand& stand = bench.tools.stand[ToolShapes::Index(turret)];
    if (stand.painted) Unpaint(bench, turret, stand);
  }
}

void ShowStandingPictures(Workbench& bench) {
  for (int turret = 1; turret <= kTurretCount; ++turret) {
    PictureStand& stand = bench.tools.stand[ToolShapes::Index(turret)];
    if (!stand.drawn || !bench.tools.loaded[ToolShapes::Index(turret)]) continue;
    if (!PicturePainted(bench, stand)) Paint(bench, turret, stand);
  }
}

void FollowWithPicture(Workbench& bench, int turret, const Xyz& at) {
  ToolShapes& tools = bench.tools;
  if (tools.mouse_turret != turret) EndFollowingPicture(bench);
  tools.mouse_turret = turret;
  Unpaint(bench, turret, tools.mouse);
  Place(bench, turret, tools.mouse, at, false, 0);
  if (tools.mouse.drawn) Paint(bench, turret, tools.mouse);
}

void EndFollowingPicture(Workbench& bench) {
  ToolShapes& tools = bench.tools;
  Unpaint(bench, tools.mouse_turret, tools.mouse);
  tools.mouse.drawn = false;
}

}  // namespace vormak
