#pragma once
// Jumps, loops, subprogram and macro calls, returns and included files. Each moves the run's
// current line; the run loop adds one after every line, so a statement that wants line n to
// run next leaves the current line at n - 1.

#include <string>
#include <string_view>

namespace vormak {

class Workbench;

inline constexpr const char* kBlockNotFoundTail = "\n not found";
inline constexpr const char* kNoWhileEnd = "Can't Find End of While Loop\r\n";
inline constexpr const char* kNoWhileStart = "Can't Find Start of While Loop\r\n";
inline constexpr const char* kTooManyLevels = "Too many Subprogram Levels";
inline constexpr const char* kNoPlaceToReturn = "No Place to Return From Subprogram";
inline constexpr const char* kFlowCaption = "Vormak";

// Subprogram and macro levels to 0, locals cleared, stack start lines to 1, M flags 1..99 of
// the current turret cleared, G tables of both turrets to their defaults, times cleared.
void ResetSubprogramState(Workbench& bench);

// The pane whose lines the current turret runs: pane 2 for the second turret, else the run's
// source pane.
int FlowPane(const Workbench& bench);
// The first line of the current subprogram level (1 in the main program).
int LevelStartLine(const Workbench& bench);

// GOTO n and IF [condition] GOTO n: the line to go on at, or the current line when the
// condition fails or the block is not there.
int JumpTarget(Workbench& bench, std::string_view line);
// The line of block N n from `start` on, not past an M99 or M30 line; kNotFound when none.
int FindBlock(Workbench& bench, int n, int start);
// A GOTO line as the interpreter meets it: the jump, and the target line run at once.
void GotoStatement(Workbench& bench, std::string_view line);

// IF [condition] THEN assignment.
void IfThen(Workbench& bench, std::string_view line);
// WHILE [condition] DOn: a false condition goes on after ENDn.
void WhileStart(Workbench& bench, std::string_view line);
// ENDn: back to the WHILE statement holding DOn, so it is tested again; none stops the run.
void WhileEnd(Workbench& bench, std::string_view line);

// The line of program p in the pane (O p, then :p), or a file p.nc in the NC folder run at
// once (then 0); kNotFound when neither. `calling_block` is the line that made the call.
int FindSubprogram(Workbench& bench, int p, std::string_view calling_block);
// M98 P, or G65 P with "Macros" on.
void CallSubprogram(Workbench& bench, int turret, std::string_view block);
// M99.
void ReturnFromSubprogram(Workbench& bench, int turret);

// Interprets the lines of a text file (subprogram files, included files). False when the
// file could not be read.
bool RunFile(Workbench& bench, const std::string& path);
// A file name of a program relative to the NC folder, found on disk without regard to case.
std::string SubprogramPath(const Workbench& bench, std::string_view name);

}  // namespace vormak
