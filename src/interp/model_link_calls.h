#pragma once
// The places of a plot where the CAD model that follows the program is told where the machine
// is: the rotary axes after a block's words, the slides before a block's own move and before
// each leg of a mill's drilling cycle. Each does nothing without the option "Solidworks" and a
// link (bench.interp.model_link).

#include "interp/interp_state.h"

namespace vormak {

class Workbench;

// B when it differs from the previous B or is 0; C likewise.
void LinkRotaryAxes(Workbench& bench, int turret);
// The end point of the block's own move, offsets included; mills and wire machines.
void LinkBlockEnd(Workbench& bench, const Xyz& end);
// The end point of a drilling leg before the leg is made; the legs after the first only while no
// APT file is written.
void LinkDrillLeg(Workbench& bench, const Xyz& point, bool first_leg);

}  // namespace vormak
