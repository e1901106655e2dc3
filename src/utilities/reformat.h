#pragma once
// Reformat: a program written for the current machine rewritten for another registered
// machine: every word in the other machine's letter formats, arc centres converted between
// incremental and absolute, and a lathe's X between radius and diameter.

#include <optional>
#include <string>

#include "nctext/pane_services.h"
#include "settings/machine_settings.h"

namespace vormak {

class Workbench;

inline constexpr const char* kReformatLetterONotAllowed = "Letter \"O\" Not Allowed";
inline constexpr const char* kReformatCaption = "Reformat";

// The settings of the machine file at `path`; empty when it cannot be read.
std::optional<MachineSettings> ReadTargetMachine(const Workbench& bench, const std::string& path);

// Rewrites `range` of `pane` for `target` (its formats become format set 2), as one undo step.
// A block with an address O inside it stops the command there. Escape stops between lines.
void ReformatRange(Workbench& bench, int pane, LineRange range, const MachineSettings& target);
// The selected lines of the active pane for machine slot `target` (1 to 10).
void ReformatRange(Workbench& bench, int pane, int target);

}  // namespace vormak
