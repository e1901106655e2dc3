#pragma once
// The block interpreter: one NC line at a time, classified and carried out against the modal
// state of the current turret.

#include <string_view>

namespace vormak {

class Workbench;

// One line of the current turret (the run driver, program flow, included files and scripts).
void InterpretLine(Workbench& bench, std::string_view line);
// Twin-turret: line of turret 1, then line of turret 2.
void InterpretLinePair(Workbench& bench, std::string_view line1, std::string_view line2);

}  // namespace vormak
