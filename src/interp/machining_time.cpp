#include "interp/machining_time.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "cad/geometry_measure.h"
#include "interp/interp_state.h"
#include "nctext/status_services.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr char kNeedRpm[] = "Need RPM for Time";
constexpr double kCssStep = 0.02;  // constant surface speed is stepped every 0.02 of radius
constexpr long long kMaxCssSteps = 1'000'000;  // a longer taper takes wider steps

bool IsLatheSystem(const Workbench& bench) {
  return bench.settings.system_type == SystemType::kLathe;
}

// A speed that came out infinite (a radius of 0 under constant surface speed, S0 under G97):
// the move gets no time and the programmer hears of it once a run.
void InfiniteSpeed(Workbench& bench) {
  TimeState& time = bench.interp.time;
  if (time.infinite_speed_warned) return;
  time.infinite_speed_warned = true;
  bench.host().Information("Speed is infinite: no time counted for line " +
                               std::to_string(bench.interp.run.current_line),
                           "Time");
}

// Adds one move's minutes to the block and the total. While the block has time, the move's
// allowance is booked with it.
void Book(Workbench& bench, double minutes, double allowance) {
  TimeState& time = bench.interp.time;
  if (!std::isfinite(minutes) || minutes < 0) {
    InfiniteSpeed(bench);
    minutes = 0;
  }
  time.block_time += minutes;
  if (time.block_time > 0) {
    time.block_time += allowance;
    minutes += allowance;
  }
  time.total_time += minutes;
}

double MoveTime(double length, double speed) {
  if (!(speed > 0) || !std::isfinite(speed)) return std::numeric_limits<double>::infinity();
  return length / speed;
}

}  // namespace

double SurfaceRpm(double s, double x) {
  return 3.82 * s / (2 * x);
}

void LinearTime(Workbench& bench, int turret, const Point& start, const Point& end, double feed) {
  if (!bench.interp.time.accounting || feed == 0) return;
  const MachineSettings& settings = bench.settings;
  const TurretState& t = bench.interp.Turret(turret);
  const double s = t[kRegS];
  const bool lathe = IsLatheSystem(bench);
  const double allowance = feed * settings.decel_factor;

  // Along Z under feed per revolution.
  if (lathe && bench.interp.machine.feed_per_rev && end.y == start.y && t.G(1)) {
    if (s == 0) {
      if (Warn(bench, kNeedRpm) == Answer::kCancel) bench.stop_requested = true;
      return;
    }
    // The feed is per minute from here on, and so is its allowance.
    const double per_minute = t.G(96) ? feed * SurfaceRpm(s, start.y) : feed * s;
    Book(bench, MoveTime(std::fabs(end.x - start.x), per_minute),
         std::isfinite(per_minute) ? per_minute * settings.decel_factor : 0);
    return;
  }
  const double length =
      std::sqrt((end.x - start.x) * (end.x - start.x) + (end.y - start.y) * (end.y - start.y) +
                (end.z - start.z) * (end.z - start.z));
  if (length == 0) return;
  const double rise = std::fabs(end.y - start.y);
  if (lathe && t.G(96) && t.G(1) && rise > 0) {
    // Facing or taper under constant surface speed: the speed changes with the radius, so the
    // move is cut in steps of 0.02 with the speed of each step's radius, up to MaxRPM.
    long long n = std::llround(rise / kCssStep);
    if (n < 1) n = 1;
    const double step = n > kMaxCssSteps ? rise / static_cast<double>(kMaxCssSteps) : kCssStep;
    n = std::min(n, kMaxCssSteps);
    double x = std::min(start.y, end.y);
    double minutes = 0;
    for (long long i = 0; i < n; ++i) {
      x += step;
      const double rpm = std::min(SurfaceRpm(s, x), settings.max_rpm);
      if (feed * rpm > 0) minutes += (length / static_cast<double>(n)) / (feed * rpm);
    }
    Book(bench, minutes, allowance);
    return;
  }
  if (lathe && t.G(97) && t.G(1)) {
    Book(bench, MoveTime(length, s * feed), allowance);
    return;
  }
  Book(bench, MoveTime(length, feed), allowance);
}

void ArcTime(Workbench& bench, int turret, int direction, double start_angle, double end_angle,
             double radius, double feed) {
  if (!bench.interp.time.accounting || feed == 0) return;
  const TurretState& t = bench.interp.Turret(turret);
  double speed = feed;
  if (IsLatheSystem(bench) && bench.interp.machine.feed_per_rev) {
    speed = feed * SurfaceRpm(t[kRegS], std::fabs(t[kRegX]));
  }
  const ArcDirection dir =
      direction == 2 ? ArcDirection::kClockwise : ArcDirection::kCounterClockwise;
  const double length = ArcLength(dir, start_angle, end_angle, radius);
  if (speed > 0 && std::isfinite(speed)) {
    Book(bench, length / speed, speed * bench.settings.decel_factor);
  } else if (!(speed <= 0)) {
    InfiniteSpeed(bench);  // an arc ending on the axis under feed per revolution
  }
}

void RotaryTime(Workbench& bench, double previous, double angle, double rate) {
  if (!bench.interp.time.accounting || rate == 0 || angle == previous) return;
  Book(bench, std::fabs(angle - previous) / rate, bench.settings.decel_factor / 2 * rate);
}

void AddBlockMinutes(Workbench& bench, double minutes) {
  TimeState& time = bench.interp.time;
  if (!time.accounting || !std::isfinite(minutes)) return;
  time.block_time += minutes;
  time.total_time += minutes;
}

void StartTimedRun(Workbench& bench) {
  bench.interp.time.infinite_speed_warned = false;
}

std::string BlockTimeText(double minutes) {
  char text[48];
  std::snprintf(text, sizeof text, "%7.3f", minutes);
  std::string out;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c != ' ') out += *c;
  }
  return out + " min.";
}

std::string TotalTimeText(double minutes) {
  const double h = std::trunc(minutes / 60);
  const double m = std::trunc(minutes - 60 * h);
  const double s = std::round(60 * minutes - (3600 * h + 60 * m));
  char text[96];
  std::snprintf(text, sizeof text, "%.0f Hr %.0f Min %.0f Sec", h, m, s);
  return text;
}

}  // namespace vormak
