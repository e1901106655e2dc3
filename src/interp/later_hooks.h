#pragma once
// Places where the backplotter hands work to pieces that are not built yet: canned cycles,
// tool definitions, APT and Macro Out files, time accounting, tool-nose offsets and the
// animation speed. Each does nothing for now; the interpreter already classifies the lines and
// calls them at the point where the work belongs, so filling one in needs no other change.

#include <string_view>

namespace vormak {

class Workbench;
struct Xyz;

// A drilling cycle is in force (G73, G81..G87) or a lathe cycle G74/G75/G76 is set: the block
// becomes the cycle's moves. `start` and `end` are the block's points with the offsets added
// (mill order X, Y, Z); `r` is the R register (39); `cycle_g` the G number that is set.
void RunCannedCycle(Workbench& bench, int turret, const Xyz& start, const Xyz& end, double r,
                    int cycle_g);

// G200 in the dialect with Q-parameter cycles: the cycle's parameters from "Q203=" (surface),
// "Q200=", "Q201=", "Q206=", "Q202=", "Q210=", "Q204=" of `block`.
void DefineCycle200(Workbench& bench, int turret, std::string_view block);
// M99 in that dialect: the cycle defined by G200 is called at the current position.
void CallCycle200(Workbench& bench, int turret);

// "TL ": a tool from a drawing file for the current turret; `text` is the line after "TL".
void LoadToolFromComment(Workbench& bench, std::string_view text);
// "TM ": a tool defined on the line; `text` is the line after "TM".
void DefineToolFromComment(Workbench& bench, std::string_view text);

// "APT ": `text` (the line without its first four characters and its last one) goes to the
// APT file while APT output is open.
void WriteAptComment(Workbench& bench, std::string_view text);

// "TMC " / "TMO ": `text` (variables replaced, brackets removed) goes to the Macro Out file
// while it is open, as a comment for "TMC " (`as_comment`), as a block for "TMO ".
void WriteMacroOutComment(Workbench& bench, std::string_view text, bool as_comment);

// "TTM ": minutes added to the running machining time.
void AddMinutes(Workbench& bench, double minutes);

// "TOR ": the tool radius offset for compensation; `text` is the line after "TOR".
void ToolRadiusFromComment(Workbench& bench, std::string_view text);

// "TSP ": animation speed 1..100.
void SetAnimationSpeed(Workbench& bench, int speed);

// G4: while time accounting is on, the dwell is added to the block's time: the X word of
// `after_g` in seconds (implied decimals off) when it holds one, else its P word in
// milliseconds.
void AddDwell(Workbench& bench, std::string_view after_g);

}  // namespace vormak
