#pragma once
// What the plot status window shows: the interpreter's state for one turret on the Status and
// Movement pages, and the watch list of variables, addresses and the current line.

#include <string>
#include <utility>
#include <vector>

namespace vormak {

class Workbench;

// Caption and text of each field, in the order of the page; "---" where nothing is known.
using StatusFields = std::vector<std::pair<std::string, std::string>>;
StatusFields StatusPageFields(const Workbench& bench, int turret);
StatusFields MovementPageFields(const Workbench& bench, int turret);

// The entries "Add" makes of the text typed on the Watch page: "@n" or "@a@b" (macro
// variables), "#n" or "#a#b" (script variables), a letter A..Z or "$"; nothing for anything
// else. Every "." and "-" is removed first.
std::vector<std::string> WatchEntries(std::string text);
// An entry rewritten with its value: "@5: 1.5", "#3: 0", "X: 2.5", "G: ,1,17,90", "M: 38",
// "$: " and the current line.
std::string WatchEntryText(const Workbench& bench, int turret, const std::string& entry);

}  // namespace vormak
