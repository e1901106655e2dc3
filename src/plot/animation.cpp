#include "plot/animation.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "nctext/status_services.h"
#include "plot/tool_picture.h"
#include "plot/view_transform.h"
#include "settings/word_format.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr double kDegrees = 57.2957795131;  // per radian
constexpr int kFastForward = 10;            // steps skipped at once outside the window

// Where the tool stands after each step of a sweep.
struct SweepPath {
  int n = 0;
  std::function<Xyz(int)> at;
  std::function<double(int)> angle;  // turned sweeps: the picture's angle after step i
  Xyz end;
  bool turned = false;
  double end_angle = 0;
};

Xyz Along(const Xyz& s, const Xyz& inc, int i) {
  return {s.x + inc.x * i, s.y + inc.y * i, s.z + inc.z * i};
}

SweepPath LinePath(const Workbench& bench, const Xyz& s, const Xyz& e) {
  SweepPath p;
  p.end = e;
  const double step = bench.plot.animation_step;
  if (!(step > 0)) return p;
  const double dx = e.x - s.x, dy = e.y - s.y, dz = e.z - s.z;
  const bool along_z = bench.plot.current != kTopSlot && dx == 0 && dy == 0;
  const double count = (along_z ? std::fabs(dz) : std::hypot(dx, dy)) / step;
  if (!std::isfinite(count)) return p;
  Xyz inc;
  if (count > kMostSweepSteps) {
    // Too long for the step: fewer, longer steps.
    p.n = kMostSweepSteps;
    inc = {dx / p.n, dy / p.n, dz / p.n};
  } else {
    p.n = static_cast<int>(count);
    if (along_z) {
      inc = {0, 0, dz > 0 ? step : -step};
    } else {
      const double direction = std::atan2(dy, dx);
      inc = {step * std::cos(direction), step * std::sin(direction), p.n >= 1 ? dz / p.n : 0};
    }
  }
  p.at = [s, inc](int i) { return Along(s, inc, i); };
  return p;
}

// In-plane coordinates: plane 1 (x, y), 2 (x, z), 3 (y, z); the third runs along the axis.
struct PlaneAxes {
  int plane = 1;
  double U(const Xyz& p) const { return plane == 3 ? p.y : p.x; }
  double V(const Xyz& p) const { return plane == 1 ? p.y : p.z; }
  double W(const Xyz& p) const { return plane == 1 ? p.z : plane == 2 ? p.y : p.x; }
  Xyz Point(double u, double v, double w) const {
    if (plane == 2) return {u, w, v};
    if (plane == 3) return {w, u, v};
    return {u, v, w};
  }
};

SweepPath ArcPath(const Workbench& bench, int direction, const Xyz& s, const Xyz& e, const Xyz& c,
                  int plane) {
  SweepPath p;
  p.end = e;
  const PlaneAxes axes{plane};
  const double cu = axes.U(c), cv = axes.V(c);
  const double r = std::hypot(axes.U(s) - cu, axes.V(s) - cv);
  double a1 = std::atan2(axes.V(s) - cv, axes.U(s) - cu) * kDegrees;
  const double a2 = std::atan2(axes.V(e) - cv, axes.U(e) - cu) * kDegrees;
  const bool clockwise = direction == 2;
  double sweep;
  if (clockwise) {
    sweep = std::fmod(a1 - a2 + 720, 360.0);
  } else {
    if (a1 > a2) a1 -= 360;
    sweep = a2 - a1;
  }
  if (sweep < 1e-9) sweep = 360;  // start and end together: the whole circle
  p.end_angle = a2;
  const double step = bench.plot.animation_step;
  const double length = r * sweep / kDegrees;
  const double count = step > 0 ? length / step : 0;
  if (!std::isfinite(count) || count <= 1) return p;
  p.n = count > kMostSweepSteps ? kMostSweepSteps : static_cast<int>(count);
  const double per_step =
      (count > kMostSweepSteps ? sweep / p.n : sweep / count) * (clockwise ? -1 : 1);
  const double w0 = axes.W(s), dw = (axes.W(e) - w0) / p.n;
  p.angle = [a1, per_step](int i) { return a1 + per_step * i; };
  p.at = [axes, cu, cv, r, w0, dw, angle = p.angle](int i) {
    const double a = angle(i) / kDegrees;
    return axes.Point(cu + r * std::cos(a), cv + r * std::sin(a), w0 + dw * i);
  };
  return p;
}

void Wait(long long microseconds, std::chrono::steady_clock::time_point since) {
  const auto until = since + std::chrono::microseconds(microseconds);
  while (std::chrono::steady_clock::now() < until) {
  }
}

// One turret's part of a sweep: the clip, fast-forward and erase rules.
class TurretSweep {
 public:
  TurretSweep(Workbench& bench, int turret, SweepPath path)
      : bench_(bench), turret_(turret), path_(std::move(path)) {}

  // Takes the standing picture away. False when the tool goes to its end point at once.
  void Begin() { EraseStandingPicture(bench_, turret_); }
  bool Done() const { return done_; }
  const Xyz& Current() const { return current_; }
  const SweepPath& Path() const { return path_; }

  // One step; true when a picture was drawn.
  bool Advance() {
    if (done_ || ++i_ > path_.n) {
      done_ = true;
      return false;
    }
    current_ = path_.at(i_);
    if (ToolInClipRect(bench_, turret_, bench_.plot.current, current_)) {
      if (drawn_) Picture(false, prev_, prev_angle_);
      prev_ = current_;
      prev_angle_ = path_.turned ? path_.angle(i_) : 0;
      Picture(true, prev_, prev_angle_);
      drawn_ = shown_ = true;
      return true;
    }
    if (shown_) {
      // Left the window: the rest of the move is not stepped.
      done_ = true;
    } else {
      i_ += kFastForward - 1;
    }
    return false;
  }

  void Finish() {
    if (drawn_) Picture(false, prev_, prev_angle_);
    StandPicture(bench_, turret_, path_.end, path_.turned, path_.end_angle);
  }

 private:
  void Picture(bool draw, const Xyz& at, double angle) {
    for (int slot = 1; slot <= kViewSlots; ++slot) {
      if (!bench_.plot.ViewOn(slot)) continue;
      if (path_.turned) {
        DrawTurnedTool(bench_, turret_, slot, draw, angle, at);
      } else {
        DrawToolShape(bench_, turret_, slot, draw, at);
      }
    }
  }

  Workbench& bench_;
  int turret_;
  SweepPath path_;
  int i_ = 0;
  bool done_ = false;
  bool shown_ = false;  // the picture was inside the window once
  bool drawn_ = false;  // and stands at prev_
  Xyz prev_;
  double prev_angle_ = 0;
  Xyz current_;
};

void ShowReadout(Workbench& bench, const Xyz& at) {
  ShowCommand(bench, PositionReadout(bench, at));
}

void RunSweeps(Workbench& bench, std::vector<TurretSweep>& sweeps) {
  Host& host = bench.host();
  const bool watched = static_cast<bool>(bench.tools.repaint);
  const long long delay = StepDelayMicroseconds(bench.settings.plot_speed);
  bool stopped = false;
  for (;;) {
    const auto step_start = std::chrono::steady_clock::now();
    bool drew = false, moving = false;
    const Xyz* shown = nullptr;
    for (TurretSweep& s : sweeps) {
      drew |= s.Advance();
      if (!s.Done()) {
        moving = true;
        if (shown == nullptr) shown = &s.Current();
      }
    }
    if (!moving) break;
    if (host.EscapePending() || host.RightButtonPending()) {
      bench.stop_requested = true;
      stopped = true;
      break;
    }
    if (shown != nullptr) ShowReadout(bench, *shown);
    if (drew && watched) {
      bench.tools.repaint();
      Wait(delay, step_start);
    }
  }
  for (TurretSweep& s : sweeps) s.Finish();
  if (!stopped) ShowReadout(bench, sweeps.front().Path().end);
  if (watched) bench.tools.repaint();
}

// A rapid, F0, G50 or a move of fewer than two steps: the tool is placed at its end.
bool PlacedAtOnce(const Workbench& bench, int turret, const SweepPath& path) {
  const TurretState& t = bench.interp.Turret(turret);
  return t.G(0) || t[kRegF] == 0 || t.G(50) || path.n < 2;
}

void SweepOne(Workbench& bench, int turret, SweepPath path) {
  if (bench.interp.time.accounting) return;
  const bool at_once = PlacedAtOnce(bench, turret, path);
  std::vector<TurretSweep> sweeps;
  sweeps.emplace_back(bench, turret, std::move(path));
  sweeps.front().Begin();
  if (at_once) {
    sweeps.front().Finish();
    ShowReadout(bench, sweeps.front().Path().end);
    return;
  }
  RunSweeps(bench, sweeps);
}

std::string Cut(std::string text) {
  if (text.size() > 20) text.resize(20);
  return text;
}

}  // namespace

long long StepDelayMicroseconds(int speed) {
  return 40LL * std::clamp(speed, 1, 100);
}

void AnimateLine(Workbench& bench, int turret, const Xyz& start, const Xyz& end) {
  SweepOne(bench, turret, LinePath(bench, start, end));
}

void TurnedLine(Workbench& bench, int turret, const Xyz& start, const Xyz& end) {
  SweepPath path = LinePath(bench, start, end);
  const double angle = std::atan2(end.y, end.x) * kDegrees;
  path.turned = true;
  path.end_angle = angle;
  path.angle = [angle](int) { return angle; };
  SweepOne(bench, turret, std::move(path));
}

void AnimateArc(Workbench& bench, int turret, int direction, const Xyz& start, const Xyz& end,
                const Xyz& centre, int plane) {
  SweepOne(bench, turret, ArcPath(bench, direction, start, end, centre, plane));
}

void TurnedArc(Workbench& bench, int turret, int direction, const Xyz& start, const Xyz& end,
               const Xyz& centre) {
  SweepPath path = ArcPath(bench, direction, start, end, centre, 1);
  path.turned = true;
  if (!path.angle) {
    const double angle = path.end_angle;
    path.angle = [angle](int) { return angle; };
  }
  SweepOne(bench, turret, std::move(path));
}

void AnimatePair(Workbench& bench, const SweptMove& first, const SweptMove& second) {
  if (bench.interp.time.accounting) return;
  std::vector<TurretSweep> sweeps;
  const SweptMove* moves[] = {&first, &second};
  for (int turret = 1; turret <= 2; ++turret) {
    const SweptMove& m = *moves[turret - 1];
    if (m.kind == 0 || !bench.tools.loaded[ToolShapes::Index(turret)]) continue;
    SweepPath path = m.kind == 2 ? ArcPath(bench, m.direction, m.start, m.end, m.centre, 1)
                                 : LinePath(bench, m.start, m.end);
    if (PlacedAtOnce(bench, turret, path)) path.n = 0;
    sweeps.emplace_back(bench, turret, std::move(path));
    sweeps.back().Begin();
  }
  if (sweeps.empty()) return;
  RunSweeps(bench, sweeps);
}

std::string PositionReadout(const Workbench& bench, const Xyz& at) {
  const MachineSettings& s = bench.settings;
  const WordFormats& f = bench.word_formats;
  const auto value = [&](char letter, double v) {
    return Cut(FormatAddressValue(f, letter, 1, v));
  };
  if (s.system_type == SystemType::kLathe) {
    const double x = s.x_radius ? at.y : 2 * at.y;
    return "X" + value('X', x) + "  Z" + value('Z', at.x);
  }
  return "X" + value('X', at.x) + "  Y" + value('Y', at.y) + "  Z" + value('Z', at.z);
}

void FollowMouse(Workbench& bench, int px, int py) {
  const int turret = bench.tools.current_turret;
  if (!bench.tools.loaded[ToolShapes::Index(turret)]) return;
  const ViewPoint v = ScreenToWorld(bench.plot, bench.plot.current, {px, py});
  FollowWithPicture(bench, turret, {v.x, v.y, 0});
  const MachineSettings& s = bench.settings;
  char text[96];
  if (s.system_type == SystemType::kLathe) {
    const double x = (s.lathe_minus ? -v.y : v.y) * (s.x_radius ? 1 : 2);
    std::snprintf(text, sizeof text, "%s%.4f  Z%.4f", s.x_radius ? "X" : "DIA X", x, v.x);
  } else {
    std::snprintf(text, sizeof text, "X%.4f  Y%.4f", v.x, v.y);
  }
  ShowCommand(bench, text);
}

}  // namespace vormak
