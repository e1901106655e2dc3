#pragma once
// Bolt Circle: the holes of a bolt circle as NC blocks in the machine's word formats, written
// into the program at the caret.

#include <string>
#include <vector>

#include "cad/geometry_types.h"

namespace vormak {

class Workbench;
struct WordFormats;

// More holes than this on one circle is a typing slip, not a part.
inline constexpr int kMaxBoltHoles = 720;

struct BoltCircleRequest {
  double centre_x = 0;
  double centre_y = 0;
  double diameter = 0;
  int holes = 0;
  double start_angle = 0;  // degrees, counter-clockwise from +X: the first hole
  // A drilling cycle ("G81 Z-.5 R.1 F10."): it goes on the first hole's block, and "G80"
  // follows the last hole. Empty: plain positions.
  std::string cycle_line;
};

// Empty when the request names no circle (no holes, a diameter that is not positive, more
// than kMaxBoltHoles holes, a value that is not finite); otherwise the reason in the machine's
// words, to show the programmer.
std::string BoltCircleProblem(const BoltCircleRequest& request);

// The hole centres, counter-clockwise from the start angle at equal spacing; empty when the
// request has a problem.
std::vector<Point> BoltCircleHoles(const BoltCircleRequest& request);

// One block a hole, "X.. Y.." in format set 1, the cycle line in front of the first and "G80"
// after the last when a cycle is given.
std::vector<std::string> BoltCircleBlocks(const WordFormats& formats,
                                          const BoltCircleRequest& request);

// The blocks go into the active pane as whole lines: in front of the caret's line when the
// caret stands at its start, else after it. One undo step takes them out. False (nothing
// written, the problem shown) when the request has a problem.
bool InsertBoltCircle(Workbench& bench, const BoltCircleRequest& request);

}  // namespace vormak
