// The tool at the end of each move: the picture placed or swept along the move, the rapid
// crash check through the stock of the solid view, and the comment codes that define tools.
#include <cmath>
#include <string>

#include "interp/later_hooks.h"
#include "interp/motion_hooks.h"
#include "interp/tool_load.h"
#include "plot/animation.h"
#include "plot/draw_primitives.h"
#include "plot/tool_picture.h"
#include "plot/view_transform.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr double kCrashStep = 0.05;  // program units between the samples of a rapid
constexpr long long kMostCrashSamples = 200000;
// Hits this close to the start, in tool radii, are where the tool already stood.
constexpr double kStartClearance = 1.45;

Xyz Drawn(const MachineSettings& s, const Point& p) {
  return {p.x, s.lathe_minus ? -p.y : p.y, p.z};
}

bool IsStock(unsigned rgb) {
  return rgb == 0xC0C0C0 || rgb == 0xC6C3C6 || rgb == 0xC6C6C6;
}

int ArcPlane(const Workbench& bench, int turret) {
  if (bench.settings.system_type == SystemType::kLathe) return 1;
  const TurretState& t = bench.interp.Turret(turret);
  return t.G(19) ? 3 : t.G(18) ? 2 : 1;
}

// Whether stock lies under the tool standing at the pixel: its centre and a ring just inside
// its radius, so that a tool passing tangent to the stock does not count.
bool StockUnderTool(const Canvas& canvas, double cx, double cy, double radius_px) {
  const auto stock_at = [&](double x, double y) {
    const long long px = std::llround(x), py = std::llround(y);
    if (px < 0 || py < 0 || px >= canvas.Width() || py >= canvas.Height()) return false;
    return IsStock(canvas.GetPixel({static_cast<int>(px), static_cast<int>(py)}));
  };
  if (stock_at(cx, cy)) return true;
  const double ring = radius_px - 1.5;
  if (ring < 1) return false;
  const int points = std::clamp(static_cast<int>(ring * 2), 8, 720);
  for (int i = 0; i < points; ++i) {
    const double a = 2 * 3.14159265358979323846 * i / points;
    if (stock_at(cx + ring * std::cos(a), cy + ring * std::sin(a))) return true;
  }
  return false;
}

void ReportCrash(Workbench& bench, int turret, const Xyz& at) {
  bench.stop_requested = true;
  bench.tools.crash_line = bench.interp.run.current_line;
  DrawMarker(bench.plot, bench.settings, turret, palette::kYellow, {at.x, at.y, at.z});
  for (int slot = 1; slot <= kViewSlots; ++slot) {
    if (bench.plot.ViewOn(slot)) DrawToolShape(bench, turret, slot, true, at);
  }
  bench.host().Information("Rapid move hits part", "Information");
}

}  // namespace

void LoadToolFromComment(Workbench& bench, std::string_view text) {
  bench.tools.current_turret = bench.interp.run.turret;
  LoadToolShape(bench, bench.interp.run.turret, "TL" + std::string(text));
}

void DefineToolFromComment(Workbench& bench, std::string_view text) {
  bench.tools.current_turret = bench.interp.run.turret;
  DefineMillTool(bench, "TM" + std::string(text));
}

void SetAnimationSpeed(Workbench& bench, int speed) {
  bench.settings.plot_speed = speed;
  RecomputeScales(bench.plot, bench.settings, bench.plot.current);
}

void ToolPictureHook(Workbench& bench, int turret, const Point& start, const Point& end,
                     const Point& centre, int direction) {
  const MachineSettings& s = bench.settings;
  ToolShapes& tools = bench.tools;
  const size_t i = ToolShapes::Index(turret);
  if (!tools.loaded[i] || bench.plot.printing) return;
  const bool arc = direction == 2 || direction == 3;
  // Drawn below the centre line the arc turns the other way round.
  if (arc && s.lathe_minus) direction = 5 - direction;
  const SweptMove move{arc ? 2 : 1, Drawn(s, start), Drawn(s, end), Drawn(s, centre), direction};
  if (s.twin_turrets) {
    tools.pair_move[i] = move;  // swept with the other turret's move after the line pair
    return;
  }
  const MotionState& motion = bench.interp.motion;
  if (motion.animation || motion.solid_view) {
    if (arc) {
      AnimateArc(bench, turret, direction, move.start, move.end, move.centre,
                 ArcPlane(bench, turret));
    } else if (bench.interp.machine.trt_flag) {
      TurnedLine(bench, turret, move.start, move.end);
    } else {
      AnimateLine(bench, turret, move.start, move.end);
    }
    return;
  }
  MovePicture(bench, turret, move.end);
}

void RotaryToolPictureHook(Workbench& bench, int turret, const Point& start, const Point& end,
                           bool clockwise) {
  if (!bench.settings.use[kUseTools] || !bench.tools.loaded[ToolShapes::Index(turret)]) return;
  const MotionState& motion = bench.interp.motion;
  if (motion.animation || motion.solid_view) {
    TurnedArc(bench, turret, clockwise ? 2 : 3, Drawn(bench.settings, start),
              Drawn(bench.settings, end), {0, 0, 0});
    return;
  }
  MovePicture(bench, turret, Drawn(bench.settings, end));
}

void DrawBothTurretTools(Workbench& bench) {
  ToolShapes& tools = bench.tools;
  const MotionState& motion = bench.interp.motion;
  if (motion.animation || motion.solid_view) {
    AnimatePair(bench, tools.pair_move[0], tools.pair_move[1]);
  } else {
    for (int turret = 1; turret <= 2; ++turret) {
      const SweptMove& m = tools.pair_move[ToolShapes::Index(turret)];
      if (m.kind != 0) MovePicture(bench, turret, m.end);
    }
  }
  tools.pair_move = {};
}

// The rapid walked in the X-Y plane of the drawing: stock under the swept tool, away from where
// the tool stood at the start, stops the run.
void CrashCheckHook(Workbench& bench, int turret, const Point& start, const Point& end) {
  PlotState& plot = bench.plot;
  if (plot.canvas == nullptr) return;
  const MachineSettings& s = bench.settings;
  const Xyz a = Drawn(s, start), b = Drawn(s, end);
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length = std::hypot(dx, dy);
  if (!(length > 0) || !std::isfinite(length)) return;
  const double radius = std::fabs(bench.tools.turret[ToolShapes::Index(turret)].nose_radius);
  const double step = std::max(kCrashStep, length / kMostCrashSamples);
  const ViewState& view = plot.Current();
  const double radius_px = radius * std::fabs(view.scale_x);
  for (double walked = step; walked < length; walked += step) {
    if (walked < kStartClearance * radius) continue;
    const double f = walked / length;
    const Xyz at{a.x + dx * f, a.y + dy * f, a.z + (b.z - a.z) * f};
    const WidePixel p =
        ViewToPixels(view, ProjectToView(plot, s, plot.current, turret, at.x, at.y, at.z));
    if (BeyondPixelLimit(p)) continue;
    if (StockUnderTool(*plot.canvas, static_cast<double>(p.x), static_cast<double>(p.y),
                       radius_px)) {
      ReportCrash(bench, turret, at);
      return;
    }
  }
}

}  // namespace vormak
