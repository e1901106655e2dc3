#pragma once
// Animation: the tool picture moved along a feed move in small steps, and in the solid view
// its solid outline painted at every step. The step length is the view's animation step; a
// window that watches the sweep (`ToolShapes::repaint`) is repainted after every step and each
// step lasts at least the time the speed bar asks for, so a setting takes about the same wall
// time on a fast machine as on a slow one.

#include <string>

#include "interp/tool_shape.h"

namespace vormak {

class Workbench;

inline constexpr int kMostSweepSteps = 32000;

// Straight move. Rapids, F0, G50 and moves shorter than two steps place the tool at the end
// at once.
void AnimateLine(Workbench& bench, int turret, const Xyz& start, const Xyz& end);
// The line sweep while the tool-rotation flag is set: the picture turned by the direction of
// the end point seen from the origin.
void TurnedLine(Workbench& bench, int turret, const Xyz& start, const Xyz& end);
// Arc of `direction` 2 (clockwise) or 3 about `centre` in `plane` (1 X-Y, 2 X-Z, 3 Y-Z); the
// third coordinate changes evenly along it (a helix).
void AnimateArc(Workbench& bench, int turret, int direction, const Xyz& start, const Xyz& end,
                const Xyz& centre, int plane = 1);
// A pure rotary move: the tool turns with the rotation about the origin.
void TurnedArc(Workbench& bench, int turret, int direction, const Xyz& start, const Xyz& end,
               const Xyz& centre);

// Both turrets swept in one loop; the turret with fewer steps stops at its end point.
void AnimatePair(Workbench& bench, const SweptMove& first, const SweptMove& second);

// The read-out of the command panel for a tool standing at `at`.
std::string PositionReadout(const Workbench& bench, const Xyz& at);

// The microseconds a sweep step lasts at least for a speed bar setting (1 fast .. 100 slow).
long long StepDelayMicroseconds(int speed);

// The pick modes' tool under the mouse: the picture of the current turret follows the pixel.
void FollowMouse(Workbench& bench, int px, int py);

}  // namespace vormak
