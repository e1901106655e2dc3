#pragma once
// Macro Out: a program with macros, loops and subprograms written out as the plain motion
// blocks the plotter ran, one block a move, in absolute or incremental form.

#include <string>
#include <string_view>

#include "cad/geometry_types.h"

namespace vormak {

class Workbench;

// Creates (empties) the file; false when it cannot be created.
bool OpenMacroOut(Workbench& bench, const std::string& path);
// False when the last lines could not be written (said to the user).
bool CloseMacroOut(Workbench& bench);
bool MacroOutOpen(const Workbench& bench);

// One line into the open file, with the NC line break; a failed write closes the file with one
// message.
void WriteMacroOutLine(Workbench& bench, std::string_view line);

// The block of a straight move ("G00X" for rapids, "G01X" with the record's F) or of an arc
// ("G02X" / "G03X" with the record's I, J, K and F), points as the move executor has them.
std::string LinearMoveBlock(const Workbench& bench, int turret, const Point& start,
                            const Point& end, bool rapid);
std::string ArcMoveBlock(const Workbench& bench, int turret, const Point& start, const Point& end,
                         int direction);

// The echo of one move while the file is open. An arc of a mill out of the plane the file
// is in (1 X-Y, where it starts; 2 X-Z; 3 Y-Z) first gets its plane code on a line of its
// own, so that the echoed blocks plot the same arcs.
void EchoLinearMove(Workbench& bench, int turret, const Point& start, const Point& end, bool rapid);
void EchoArcMove(Workbench& bench, int turret, const Point& start, const Point& end, int direction,
                 int plane);

}  // namespace vormak
