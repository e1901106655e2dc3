#pragma once
// The hint of the script pane: the variables a script line names, with their values.

#include <string>
#include <string_view>

namespace vormak {

class Workbench;

// "#n=value," for every variable the line names (its "#" followed by a number, or by a
// bracket that is worked out); "" for a line without "#".
std::string ScriptLineHint(const Workbench& bench, std::string_view line);

}  // namespace vormak
