#pragma once
// The parts of a move that other units of the backplotter take over: rotary axes, cutter
// compensation, machining time with the Macro Out and APT echo, the tool picture and the
// rapid crash check. Each does nothing until its unit is built; the move executor calls them
// at their fixed places.

#include <string_view>

#include "cad/geometry_types.h"

namespace vormak {

class Workbench;

// Mills with "Rotary" on: a rotary word in a G01 block is a pure rotation, drawn as an arc
// about the origin and timed at `feed`, and true is returned (the move is done); otherwise the
// coordinate rotations are applied to both points (and to I, J, K of an arc) and false is
// returned.
bool RotaryAxesHook(Workbench& bench, int turret, Point& start, Point& end, double feed);

// Cutter or tool-nose compensation of the move; may replace the end point.
void CompensationHook(Workbench& bench, int turret, Point& start, Point& end);

// Machining time of a straight move at `feed` (rapids at RapidFeed), the Macro Out line and
// the APT statements. `rapid` chooses the "G00X" echo and the RAPID statement.
void LinearAccountingHook(Workbench& bench, int turret, const Point& start, const Point& end,
                          double feed, bool rapid);

// Machining time of an arc from radius and sweep, the "G02X" / "G03X" echo, the CIRCLE and
// GOTO statements. The angles are those of the arc's plane as drawn (first axis to the right)
// and `drawn_direction` the sense it turns in there; `direction` is the G code the block
// programs, which the X-Z plane draws the other way round.
void ArcAccountingHook(Workbench& bench, int turret, const Point& start, const Point& end,
                       const Point& centre, double radius, double start_angle, double end_angle,
                       int drawn_direction, int direction, int plane, double feed);

// The tool picture swept or moved along the move (straight moves: centre unused).
void ToolPictureHook(Workbench& bench, int turret, const Point& start, const Point& end,
                     const Point& centre, int direction);

// A pure rotary move: the tool picture turns with the part about the origin.
void RotaryToolPictureHook(Workbench& bench, int turret, const Point& start, const Point& end,
                           bool clockwise);

// A rapid walked across the solid picture of the part; stops the run on a hit.
void CrashCheckHook(Workbench& bench, int turret, const Point& start, const Point& end);

// Run driver places taken over by the script window (defined in script/), the time dialog and
// the tool picture.

// True when the pre-process script (setting CustomScript) takes the interpreter's place.
bool PreProcessScriptActive(Workbench& bench);
// The script decides through its PLOT statements what of the line is interpreted.
void RunPreProcessScript(Workbench& bench, std::string_view line);
// "Reset NC": the pre-process script is loaded into the script window when it is not there.
void LoadPreProcessScript(Workbench& bench);
// Twin turrets: both tools drawn after a line pair.
void DrawBothTurretTools(Workbench& bench);
// A time report due before `line`: the lines inserted above it (0 or 2).
int InsertDueTimeReport(Workbench& bench, std::string_view line);
// "Insert on Every Line": the block's time written in front of line n.
void InsertBlockTime(Workbench& bench, int n);
// The plot status window refreshed after a run.
void RefreshPlotStatus(Workbench& bench);

}  // namespace vormak
