#pragma once
// The script interpreter: one statement per line of pane 3, executed against the active
// pane. Labels, jumps, GOSUB and RSUB, IF conditions, assignments to the script variables and
// single NC lines handed to the backplotter; everything else goes to the command table.

#include <string>
#include <string_view>

namespace vormak {

class Workbench;

inline constexpr int kScriptPane = 3;
inline constexpr const char* kBadJump = "Bad JUMP in  ";

// Executes one script line (the toolbox buttons call it with a command text).
void ExecuteScriptLine(Workbench& bench, std::string_view line);

// The first match of `text` at or after the caret of `pane` that is not inside a comment;
// the match is selected. 0 when there is none.
int FindOutsideComment(Workbench& bench, int pane, const std::string& text);

// Goes to the line holding label n (":n"); with `push` the current line is saved for RSUB.
// A missing label is reported and stops the script.
void JumpToLabel(Workbench& bench, long long n, bool push);

// Line n - 1 of pane 3 selected, the caret at the start of line n (n within 2..line count).
void MarkScriptLine(Workbench& bench, int n);

// The Step, Run and Reset buttons of the script window.
void ScriptStep(Workbench& bench);
void RunScript(Workbench& bench);
void ResetScript(Workbench& bench);

}  // namespace vormak
