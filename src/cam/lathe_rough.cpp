#include "cam/lathe_rough.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "cad/cad_command.h"
#include "cad/element_geometry.h"
#include "cad/geometry_construct.h"
#include "cad/geometry_measure.h"
#include "cam/tool_arc.h"
#include "cam/tool_placement.h"
#include "interp/block_interpreter.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr double kEps = 1e-9;

// The element offset toward the stock: the path of the nose centre.
struct NosePath {
  bool line = true;
  Line l;
  Circle c;  // the arc's angles kept

  Point Start() const { return line ? l.start : PointOnCircle(c.centre, c.radius, c.start_angle); }
  Point End() const { return line ? l.end : PointOnCircle(c.centre, c.radius, c.end_angle); }
  bool InSpan(double angle) const {
    const double sweep = ArcSweep(ArcDirection::kCounterClockwise, c.start_angle, c.end_angle);
    return ArcSweep(ArcDirection::kCounterClockwise, c.start_angle, angle) <= sweep + 1e-7 ||
           sweep <= kEps;
  }
  Point At(double fraction) const {
    if (line) {
      return {l.start.x + fraction * (l.end.x - l.start.x),
              l.start.y + fraction * (l.end.y - l.start.y), 0};
    }
    double sweep = ArcSweep(ArcDirection::kCounterClockwise, c.start_angle, c.end_angle);
    if (sweep <= kEps) sweep = 360;
    return PointOnCircle(c.centre, c.radius, c.start_angle + fraction * sweep);
  }
  // Where the horizontal line at `v` meets the path, the crossing nearest `boundary`.
  std::optional<double> CrossingAt(double v, double boundary) const {
    if (line) {
      const double dy = l.end.y - l.start.y;
      if (std::fabs(dy) < kEps) return std::nullopt;
      const double t = (v - l.start.y) / dy;
      if (t < -1e-7 || t > 1 + 1e-7) return std::nullopt;
      return l.start.x + t * (l.end.x - l.start.x);
    }
    const double dv = v - c.centre.y;
    if (std::fabs(dv) > c.radius + 1e-9) return std::nullopt;
    const double dz = std::sqrt(std::max(0.0, c.radius * c.radius - dv * dv));
    std::optional<double> best;
    for (const double z : {c.centre.x - dz, c.centre.x + dz}) {
      if (!InSpan(DirectionAngle(c.centre, {z, v, 0}))) continue;
      if (!best || std::fabs(z - boundary) < std::fabs(*best - boundary)) best = z;
    }
    return best;
  }
  // Whether q lies on the stock's side of the path.
  bool OnStockSide(const Point& q, const Point& stock) const {
    if (!line) {
      const bool outside = Distance2D(stock, c.centre) >= c.radius;
      return (Distance2D(q, c.centre) >= c.radius - 1e-7) == outside;
    }
    const auto cross = [&](const Point& p) {
      return (l.end.x - l.start.x) * (p.y - l.start.y) - (l.end.y - l.start.y) * (p.x - l.start.x);
    };
    return cross(q) * cross(stock) >= -1e-12;
  }
  // Unit normal at p toward the stock.
  Point NormalToStock(const Point& p, const Point& stock) const {
    Point n;
    if (line) {
      const double len = Distance2D(l.start, l.end);
      n = {-(l.end.y - l.start.y) / len, (l.end.x - l.start.x) / len, 0};
    } else {
      const double len = Distance2D(c.centre, p);
      n = {(p.x - c.centre.x) / len, (p.y - c.centre.y) / len, 0};
    }
    const Point probe{p.x + 1e-4 * n.x, p.y + 1e-4 * n.y, 0};
    if (!OnStockSide(probe, stock)) n = {-n.x, -n.y, 0};
    return n;
  }
};

std::string Words(const Workbench& bench, const Point& nose) {
  const Point p = ProgrammedPoint(bench, nose);
  if (IsLatheBench(bench)) {
    return "X" + WordValue(bench, 'X', LatheXValue(bench, p.y)) + "Z" + WordValue(bench, 'Z', p.x);
  }
  return "X" + WordValue(bench, 'X', p.x) + "Y" + WordValue(bench, 'Y', p.y);
}

}  // namespace

RoughPlan PlanRoughing(const Workbench& bench, const CadElement& element, double boundary,
                       double min_depth, double max_depth) {
  RoughPlan plan;
  if (min_depth > max_depth) std::swap(min_depth, max_depth);
  if (!(min_depth > 0) || !(max_depth > 0) || !std::isfinite(max_depth)) {
    plan.error = kRoughBadDepth;
    return plan;
  }
  const bool is_line = element.kind == ElementKind::kLine;
  if (!is_line && element.kind != ElementKind::kArc) return plan;
  if (!is_line && !(element.d[3] > 0)) {
    plan.error = kArcZeroRadius;
    return plan;
  }
  const double r = EffectiveRadius(bench);
  // The stock side: toward the boundary, at the height of the element's middle.
  NosePath shape;
  shape.line = is_line;
  shape.l = ElementLine(element);
  shape.c = ElementCircle(element);
  const Point stock{boundary, (shape.Start().y + shape.End().y) / 2, 0};
  // Every point of the element lies on one side of the boundary, off it.
  double side = 0;
  for (int i = 0; i <= 32; ++i) {
    const double h = shape.At(i / 32.0).x - boundary;
    if (std::fabs(h) < 1e-7 || (side != 0 && (h > 0) != (side > 0))) {
      plan.error = kRoughBoundaryInside;
      return plan;
    }
    side = h;
  }
  const double toward = side > 0 ? -1 : 1;  // from the element toward the boundary
  NosePath path = shape;
  if (is_line) {
    if (r > 0) path.l = OffsetLine(shape.l, stock, r);
  } else {
    path.c.radius += Distance2D(stock, shape.c.centre) >= shape.c.radius ? r : -r;
    if (path.c.radius <= kEps) {
      plan.error = kArcInsideTooSmall;
      return plan;
    }
  }
  const Point a = path.Start(), b = path.End();
  const double hi = std::max(a.y, b.y), lo = std::min(a.y, b.y);
  const double total = hi - lo;
  plan.passes = total > 1e-7 ? static_cast<int>(std::ceil(total / max_depth - 1e-9)) : 0;
  plan.depth = plan.passes > 0 ? total / plan.passes : 0;
  const double lift = plan.passes > 0 ? plan.depth : min_depth;

  const TurretState& t = bench.interp.Turret(bench.tools.current_turret);
  const std::string feed =
      t[kRegF] > 0 ? "" : "F" + WordValue(bench, 'F', IsLatheBench(bench) ? 0.01 : 10);
  bool fed = false;
  const auto rapid = [&](const Point& p) { plan.blocks.push_back("G00" + Words(bench, p)); };
  const auto cut = [&](const Point& p) {
    plan.blocks.push_back("G01" + Words(bench, p) + (fed ? "" : feed));
    fed = true;
  };
  // Off the shape at 45 degrees, up and back toward the boundary, or straight off it where
  // the shape is steeper.
  const auto retract = [&](const Point& p) {
    Point q{p.x + toward * lift, p.y + lift, 0};
    if (!path.OnStockSide(q, stock) || !path.OnStockSide(Midpoint(p, q), stock)) {
      const Point n = path.NormalToStock(p, stock);
      q = {p.x + lift * n.x, p.y + lift * n.y, 0};
    }
    cut(q);
    rapid({boundary, q.y, 0});
  };

  rapid({boundary, hi + lift, 0});
  for (int k = 1; k <= plan.passes; ++k) {
    const double v = k == plan.passes ? lo : hi - k * plan.depth;
    const std::optional<double> z = path.CrossingAt(v, boundary);
    if (!z) continue;
    rapid({boundary, v, 0});
    const Point end{*z, v, 0};
    cut(end);
    plan.feed_ends.push_back(ProgrammedPoint(bench, end));
    retract(end);
  }
  // The finishing pass, from the end nearer the boundary.
  const bool from_start = std::fabs(a.x - boundary) <= std::fabs(b.x - boundary);
  const Point near = from_start ? a : b, far = from_start ? b : a;
  rapid({boundary, near.y, 0});
  cut(near);
  if (is_line) {
    cut(far);
  } else {
    const Point shape_start = from_start ? shape.Start() : shape.End();
    const ToolArc arc = BuildToolArc(bench, element, shape_start, stock, r);
    if (!arc.message.empty()) {
      plan.error = arc.message;
      plan.blocks.clear();
      return plan;
    }
    plan.blocks.push_back(arc.block + (fed ? "" : feed));
    fed = true;
  }
  retract(far);
  return plan;
}

void RunRoughPlan(Workbench& bench, const RoughPlan& plan) {
  for (const std::string& block : plan.blocks) {
    if (bench.stop_requested) break;
    InterpretLine(bench, block);
  }
}

namespace {

class RoughingCommand : public CadCommand {
 public:
  explicit RoughingCommand(Workbench& bench) : bench_(bench) {}
  std::string Name() const override { return "ROUGHING"; }

 protected:
  std::vector<PickStep> Steps() const override {
    return {{"Pick First Element of Chain", PickStep::Take::kElement, kPickLineOrArc}};
  }
  bool AtCursor() const override { return true; }
  void Finish(CadContext& context) override {
    const RoughChoices& rough = bench_.cam.rough;
    if (!rough.have_boundary) {
      context.host.Information(kRoughNoBoundary, "Information");
      return Restart(context);
    }
    const RoughPlan plan =
        PlanRoughing(bench_, *picks_[0].element, rough.boundary, rough.min_depth, rough.max_depth);
    if (!plan.error.empty()) {
      context.host.Information(plan.error, "Information");
      return Restart(context);
    }
    RunRoughPlan(bench_, plan);
    Restart(context);
  }

 private:
  Workbench& bench_;
};

class StockBoundaryCommand : public CadCommand {
 public:
  explicit StockBoundaryCommand(Workbench& bench) : bench_(bench) {}
  std::string Name() const override { return "ROUGHING"; }

 protected:
  std::vector<PickStep> Steps() const override { return {{"Pick Stock Boundary"}}; }
  void Finish(CadContext& context) override {
    bench_.cam.rough.boundary = picks_[0].point.x;
    bench_.cam.rough.have_boundary = true;
    ended_ = true;
    context.host.SetPromptPanel("");
  }

 private:
  Workbench& bench_;
};

}  // namespace

std::unique_ptr<PickCommand> MakeRoughingCommand(Workbench& bench) {
  return std::make_unique<RoughingCommand>(bench);
}

std::unique_ptr<PickCommand> MakeStockBoundaryCommand(Workbench& bench) {
  return std::make_unique<StockBoundaryCommand>(bench);
}

}  // namespace vormak
