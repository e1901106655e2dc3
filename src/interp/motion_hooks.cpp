#include "interp/motion_hooks.h"

#include "interp/apt_output.h"
#include "interp/machining_time.h"
#include "interp/macro_out.h"
#include "workbench/workbench.h"

namespace vormak {

void LinearAccountingHook(Workbench& bench, int turret, const Point& start, const Point& end,
                          double feed, bool rapid) {
  LinearTime(bench, turret, start, end, feed);
  EchoLinearMove(bench, turret, start, end, rapid);
  AptLinearMove(bench, turret, end, rapid);
}

void ArcAccountingHook(Workbench& bench, int turret, const Point& start, const Point& end,
                       const Point& centre, double radius, double start_angle, double end_angle,
                       int drawn_direction, int direction, int plane, double feed) {
  ArcTime(bench, turret, drawn_direction, start_angle, end_angle, radius, feed);
  EchoArcMove(bench, turret, start, end, direction, plane);
  AptArcMove(bench, end, centre, radius, direction);
}

void RefreshPlotStatus(Workbench& bench) {
  if (bench.interp.run.on_run_end) bench.interp.run.on_run_end();
}

}  // namespace vormak
