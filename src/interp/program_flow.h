#pragma once
// Jumps, loops, subprogram and macro calls, returns and included files.

namespace vormak {

class Workbench;

// Subprogram and macro levels to 0, locals cleared, stack start lines to 1, M flags 1..99 of
// the current turret cleared, G tables of both turrets to their defaults, times cleared.
void ResetSubprogramState(Workbench& bench);

}  // namespace vormak
