#pragma once
// The run driver: which editor lines are interpreted, in which order, and when a run stops.
// The Plot toolbar, the Plot menu and scripts start it; it feeds the block interpreter line by
// line, honours breakpoints and program stops, and keeps the executed line in view.

#include <string>

#include "nctext/edit_control.h"

namespace vormak {

class Workbench;

inline constexpr const char* kMissingM99 = "Missing M99 for Return";

enum class RunCommand {
  kPlotCurrentLine,  // single step down
  kRunAll,           // "Plot Run "
  kRunSelectedText,  // "Plot Selected Text"
  kPlotAuto,
  kStepUp,  // the marked plot line one line up; nothing is interpreted
  kResetNc,
  kRecordToolpath,
};

enum class RunMode { kSingleLine = 1, kSelectedLines = 2, kCaretToEnd = 3 };

enum class InsertCommand { kX, kY, kZ, kXY, kXZ, kArc };

// Runs only start from idle: a command given while a run goes on is ignored.
void StartRun(Workbench& bench, RunCommand command);

// "Reset NC", then the lines the programmer selected (when the selection spans lines) or the
// whole program: the Time and Macro Out dialogs run programs this way.
void ResetAndRun(Workbench& bench);
// Whether a selection holds more than one line; one ending at the start of a line (the marked
// plot line) holds only the lines above it.
bool SelectionHoldsLines(const TextSelection& selection);
// `pass_breakpoint`: the first line runs even when it carries a breakpoint (the run resumes
// there); Plot Auto's later steps stop on one.
void RunLines(Workbench& bench, RunMode mode, bool pass_breakpoint = true);

// The end-of-program state: M flags, machine state, subprograms, G tables, the tool at home.
void ResetProgram(Workbench& bench);
// Escape and the commands that take the mouse: panels cleared, the plot window's pick and
// drawing modes ended, the run stopped.
void ResetRunState(Workbench& bench);
// Makes Escape reset the run state (called once per workbench by its host).
void InstallRunDriver(Workbench& bench);

// Writes the current tool position (or the last arc block) into the active pane.
void InsertCommandValue(Workbench& bench, InsertCommand command);
// The line with `letter`'s value set to `value` text: replaced after the letter, or appended.
std::string SetWordInLine(const std::string& line, char letter, const std::string& value);

}  // namespace vormak
