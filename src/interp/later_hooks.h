#pragma once
// Places where the backplotter hands work to pieces that are not built yet: tool
// definitions, APT and Macro Out files, time accounting, tool-nose offsets and the
// animation speed. Each does nothing for now; the interpreter already classifies the lines and
// calls them at the point where the work belongs, so filling one in needs no other change.

#include <string_view>

namespace vormak {

class Workbench;
struct Xyz;

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
