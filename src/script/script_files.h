#pragma once
// Script files: loading a script into pane 3, CHAIN to another script and back, and the
// pre-process script that takes the backplotter's place for every line of a run.

#include <string>
#include <string_view>

namespace vormak {

class Workbench;

inline constexpr const char* kFileNotOpen = "File not Open";
inline constexpr const char* kFileNotFound = "File Not Found";
inline constexpr const char* kMaxChainLevels = "Max Script Chain Levels";

// Where a script name leads: ".scr" added when it has no extension, the scripts folder in
// front unless it starts with "/". Old scripts write "\" between folders and may name a
// drive ("C:\SCR\PART2"): both are read as a path in the scripts folder. A name written in
// other letter case than the file on disk still finds it.
std::string ScriptFilePath(const Workbench& bench, std::string_view name);

// Reads the script into pane 3 (after the Save? query when pane 3 is modified: false on
// Cancel). A missing file stops the script with "File not Open" on the prompt.
bool LoadScriptFile(Workbench& bench, const std::string& path);

// CHAIN: the named script is loaded one level deeper and runs from line 1; at its end the
// chaining script goes on after its CHAIN line. Beyond five levels the script stops.
void ChainScript(Workbench& bench, std::string_view name);
void ReturnFromChain(Workbench& bench);

}  // namespace vormak
