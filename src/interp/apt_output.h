#pragma once
// APT output: while the "APT Output" command plots a program, the statements the interpreter
// meets and the moves it makes are also written as a cutter-location source file (GOTO,
// CIRCLE, FEDRAT ...) that a post-processor or a CAM system can read back. Motion statements
// are written for mills only. The file is written under a scratch name and put in place when
// the command ends, so a failed write never leaves half a file behind.

#include <string>
#include <string_view>

#include "cad/geometry_types.h"

namespace vormak {

class Workbench;

// Creates the scratch file beside `path` and writes the header. False when it cannot be
// created; errno then tells why.
bool OpenAptOutput(Workbench& bench, const std::string& path);
// Writes "FINI" and puts the file in place under its name. False when a write failed (the
// scratch file is removed, a file already there stays as it was); errno then tells why.
bool CloseAptOutput(Workbench& bench);
bool AptOutputOn(const Workbench& bench);
// One statement with CR LF. A failed write stops the run.
void WriteAptLine(Workbench& bench, std::string_view line);

// Statements of words as the interpreter reads them.
void AptFeedWord(Workbench& bench, double feed);      // mills: "FEDRAT/IPM,"
void AptSpindleWord(Workbench& bench, double speed);  // mills: "SPINDL/RPM,"
void AptToolWord(Workbench& bench, double tool);      // "LOADTL/"
void AptMCode(Workbench& bench, int m);               // M8 "COOLNT/FLOOD", M30 "END"
// "CUTTER/" diameter "," corner radius: the tool a "TM " line defines.
void WriteAptCutter(Workbench& bench, double diameter, double corner_radius);

// The statements of a move as the executor made it (mills only): "RAPID" before a rapid that
// is no drilling leg, and the GOTO, wrapped in MULTAX/ON and OFF while "Rotary" is on.
void AptLinearMove(Workbench& bench, int turret, const Point& end, bool rapid);
// CIRCLE about the arc's axis (-1 for G02, 1 for G03, whatever the plane), then the end point.
void AptArcMove(Workbench& bench, const Point& end, const Point& centre, double radius,
                int direction);

// The texts of the statements.
std::string AptGotoLine(const Point& p, double a_degrees);
std::string AptCircleLine(const Point& centre, double radius, int direction);
std::string AptLoadToolLine(double tool);

}  // namespace vormak
