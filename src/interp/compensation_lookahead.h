#pragma once
// The look-ahead of cutter compensation: the next block that moves the cutter in the plot
// plane, read without carrying out anything else it says (no messages, no M codes, no time).

#include <string>

#include "interp/compensation_geometry.h"
#include "interp/interp_state.h"

namespace vormak {

class Workbench;

// Plot-plane views of a turret record: a mill's (X, Y), a lathe's (Z, X).
Vec2 PlaneEnd(const TurretState& t, bool lathe);
Vec2 PlaneCentreOffset(const TurretState& t, bool lathe);  // mill (I, J), lathe (K, I)
void SetPlaneCentreOffset(TurretState& t, bool lathe, Vec2 v);
// The element a block of this record moves along: 1 line, 2 clockwise, 3 counter-clockwise.
int MoveKindOf(const TurretState& t);
// The arc's centre in move coordinates for a move starting at `start`.
Vec2 ArcCentreOf(const Workbench& bench, const TurretState& t, Vec2 start);

struct LookAhead {
  bool found = false;
  int line = 0;          // the block's editor line
  std::string text;      // the line as written
  PathElement element;   // in move coordinates
  TurretState record;    // the record after the block, for reading the one after it
};

// The first block from line `from` of `pane` on that moves in the plot plane, read against
// `record` (the record after the current block). `delta` takes record coordinates to move
// coordinates (the work offsets). Nothing is found at the end of the text, after `max_lines`
// lines without a move, or at a line that changes the program's flow (jumps, loops, calls,
// returns, the end of the program). The block is read in the second turret's record, which
// is put back as it was.
LookAhead ReadNextMove(Workbench& bench, int pane, int from, const TurretState& record, Vec2 delta);

}  // namespace vormak
