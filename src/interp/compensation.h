#pragma once
// Cutter and tool-nose compensation of one move, with a look-ahead of one block: the corner
// between this move and the next decides where the cutter centre stops. Used three ways:
// on screen under "Cutter Comp" with G41/G42, by Comp NC to rewrite the selected blocks with
// compensated words, and by the contour command on its own pane with a lead-in.

#include <string>
#include <string_view>

#include "cad/geometry_types.h"
#include "nctext/pane_services.h"

namespace vormak {

class Workbench;

inline constexpr const char* kCompensationError = "Error in Compensation";
inline constexpr const char* kOffsetArcTooSmall = "Offset Arc Too Small in\r\n";

// Compensates the move of `turret` when the "Cutter Comp" option is on with G41/G42 in force,
// or while Comp NC runs: `start` becomes the last compensated point, `end` the compensated
// end; an arc's centre words in the record follow. Comp NC also rewrites the block.
void CompensateMove(Workbench& bench, int turret, Point& start, Point& end);

// "TOR ": a text holding R and a number sets the current turret's radius offset.
void SetRadiusOffsetFromText(Workbench& bench, std::string_view text);

// What the "Comp NC" dialog asks for.
struct CompNcRequest {
  double amount = 0;  // "Offset Amount"
  int side = 41;      // Left 41, Right 42
  int times = 0;      // "Copy and Offset #Times"
  bool leave_original = false;
};

// Comp NC over `range` of `pane`: once in place with times 0, otherwise `times` passes, each
// over a copy of the previous pass placed below it (the first pass too with leave_original).
// Answers the lines of the last pass, which end up selected.
LineRange RunCompNc(Workbench& bench, int pane, LineRange range, const CompNcRequest& request);

}  // namespace vormak
