#pragma once
// Machining time: every timed move adds its minutes to the block's time and to the running
// total of the run, plus the per-move allowance for acceleration and deceleration. Nothing is
// counted while time accounting is off (interp.time.accounting).

#include <string>

#include "cad/geometry_types.h"

namespace vormak {

class Workbench;

// Spindle speed of constant surface speed `s` at radius `x` (2x is the diameter).
double SurfaceRpm(double s, double x);

// A straight move between points as the move executor receives them ((X, Y, Z) on a mill,
// (Z, X radius, 0) on a lathe) at `feed` units per minute, or per revolution on a lathe under
// G95 or G96. Rapids pass RapidFeed.
void LinearTime(Workbench& bench, int turret, const Point& start, const Point& end, double feed);

// An arc from its sweep: `direction` 2 clockwise, 3 counter-clockwise; angles in degrees.
void ArcTime(Workbench& bench, int turret, int direction, double start_angle, double end_angle,
             double radius, double feed);

// A rotary rapid of the C word from `previous` to `angle` degrees at `rate` degrees a minute.
void RotaryTime(Workbench& bench, double previous, double angle, double rate);

// Minutes that take no allowance: "TTM " lines and G04 dwells.
void AddBlockMinutes(Workbench& bench, double minutes);

// A run starts: the infinite-speed warning may be shown once again.
void StartTimedRun(Workbench& bench);

// Block and total times for the plot status window: "0.102 min." and "2 Hr 15 Min 45 Sec".
std::string BlockTimeText(double minutes);
std::string TotalTimeText(double minutes);

}  // namespace vormak
