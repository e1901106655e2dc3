#pragma once
// Messages, the Command and Prompt panels and the stop polls of long loops, all through the
// workbench's Host.

#include <functional>
#include <string>

#include "nctext/host.h"

namespace vormak {

class PaneBench;

inline constexpr const char* kWarningCaption = "Warning";

// What the pane and status services keep beside the panes themselves.
struct NcTextState {
  std::string current_prompt;  // the last ShowPrompt text
  // Set by the window: gives a pane (1, 2 or 4) the keyboard focus.
  std::function<void(int pane)> focus_pane;
  // Set by the run driver: puts the run state back to idle when Escape stops a run.
  std::function<void()> reset_run_state;
};

// Warning box with OK and Cancel; Cancel stops the running command.
Answer Warn(PaneBench& bench, const std::string& text);

void ShowCommand(PaneBench& bench, const std::string& text);
void ShowPrompt(PaneBench& bench, const std::string& text);
void ClearCommand(PaneBench& bench);
void ClearPrompt(PaneBench& bench);

// True when an Escape press was waiting; it stops the running command and resets the run.
bool EscapePending(PaneBench& bench);
// True when a right-button release is waiting (it stays waiting).
bool RightButtonPending(PaneBench& bench);

}  // namespace vormak
