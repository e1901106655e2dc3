#pragma once
// Rotate NC: a tool path turned about a centre and one machine axis, once or as a pattern of
// rotated copies. The words of the plane are rewritten in the machine's formats; a missing
// word of the plane is added so the turned point is complete.

#include "nctext/pane_services.h"

namespace vormak {

class Workbench;

inline constexpr const char* kRotateNcPrompt = "Rotate NC";

// (p, q) turned counter-clockwise by `angle` degrees about (p0, q0) in the plane whose first
// coordinate is p. An angle of exactly 0 leaves the point as it is.
void RotatePair(double& p, double& q, double angle, double p0, double q0);

struct RotateRequest {
  double angle = 0;  // degrees
  char axis = 'Z';   // X, Y or Z
  double x0 = 0;     // the centre of rotation
  double y0 = 0;
  double z0 = 0;
};

// Turns the blocks of `range` of `pane` once, as one undo step; Escape stops between lines.
// Selects the range at the end.
void RotateRange(Workbench& bench, int pane, LineRange range, const RotateRequest& request);

// The Rotate NC command on `range`: with no copies the range itself is turned. With n copies
// there are n passes; before each (the first too when `leave_original`) the lines are copied
// below themselves and the copy is turned, so each copy is the one before turned once more.
// Answers the lines of the last pass.
LineRange RotateCopies(Workbench& bench, int pane, LineRange range, const RotateRequest& request,
                       int copies, bool leave_original);

}  // namespace vormak
