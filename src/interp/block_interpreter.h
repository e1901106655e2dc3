#pragma once
// The block interpreter: one NC line at a time, classified and carried out against the modal
// state of the current turret.

#include <string_view>

namespace vormak {

class Workbench;
struct TurretState;
struct Xyz;
struct MachineSettings;

inline constexpr const char* kBadGCode = "Bad G code in\r\n";
inline constexpr const char* kBadMCode = "Bad M code in\r\n";
inline constexpr const char* kNoSpindle = "G01 without spindle on";
inline constexpr const char* kNoCoolant = "G01 without coolant";

// One line of the current turret (the run driver, program flow, included files and scripts).
void InterpretLine(Workbench& bench, std::string_view line);
// Whether the interpreter reads `line` as a WHILE statement (its comment aside): the only line
// an END goes back to.
bool IsWhileStatement(const Workbench& bench, std::string_view line);
// Twin-turret: line of turret 1, then line of turret 2.
void InterpretLinePair(Workbench& bench, std::string_view line1, std::string_view line2);

// One block of `turret`: its words into the registers, its G and M codes applied, and the
// move, cycle, call or return it asks for.
void InterpretBlock(Workbench& bench, int turret, std::string_view block);

// The block's words into the turret's registers, in the machine's fixed order. False when the
// block goes no further: a Cancel answer stopped the run on the way, or it is a DPRNT block.
bool ReadWords(Workbench& bench, int turret, std::string_view block);

// The block's last motion G word (0, 1, 2, 3, 100 or 130), or the turret's current one.
double MotionGCode(Workbench& bench, int turret, std::string_view block);
// Every G word of the block, in order: its flag set and its group partners cleared.
void ApplyGWords(Workbench& bench, int turret, std::string_view block);
// Every M word of the block, in order: spindle, coolant and pen colour follow.
void ApplyMWords(Workbench& bench, int turret, std::string_view block);

// G73..G89 off, G80 on, no cycle active.
void CancelCycles(Workbench& bench, int turret);
void ClearGFlag(Workbench& bench, int turret, int g);

// G0, G17, G54, G80 and G90 set, every other flag of G1..G99 clear; G100 and up kept.
void SetGDefaults(TurretState& turret);

// M6 (and T) with "Change EachTool": the pen takes the next colour of the drawing colour table,
// after 15 back to 1.
void AdvancePenColour(Workbench& bench);

// X words are radii: the machine says so, or it is a mill.
bool RadiusMode(const MachineSettings& settings);
// The work offset, common offset and coordinate shift a block's points get, as the options
// "Offsets" and "G92, G50" say.
Xyz ActiveOffsets(const Workbench& bench);

// One of G73, G81..G87 is set.
bool DrillingCycleInForce(const TurretState& turret);

}  // namespace vormak
