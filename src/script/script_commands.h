#pragma once
// The command table of the script language: editor moves, searches and the NC utilities on
// the active pane. The first command word found anywhere in the line decides.

#include <string_view>

namespace vormak {

class Workbench;

inline constexpr const char* kPausePrompt = "Press OK to continue\r\n  or Cancel to stop";

void ScriptCommand(Workbench& bench, std::string_view line);

}  // namespace vormak
