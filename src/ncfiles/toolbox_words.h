#pragma once
// Quick edits of the caret's line from the keyboard and the toolbox: setting the motion code
// (Ctrl+0 to Ctrl+3) and putting a toolbox button's NC word or text into the line.

#include <string>
#include <string_view>

namespace vormak {

class Workbench;

// What a toolbox button's command does, by its first character.
enum class ToolboxKind {
  kNone,        // empty: nothing
  kMacro,       // "@name": plays the stored keyboard macro name.key
  kScriptLine,  // "~line": executes one script line
  kScriptFile,  // "&name": runs name.scr of the scripts folder
  kLiteral,     // "'text'": the text between the quotes is appended to the line
  kWord,        // anything else: NC words merged into the line
};
ToolboxKind ToolboxKindOf(std::string_view command);

// The line with the command's word merged in: a word of the same letter is replaced (for G,
// G0 and G1 stand in for each other first), a comment command replaces the line's comment,
// anything else is appended.
std::string MergeToolboxWord(Workbench& bench, std::string_view line, std::string_view command);

// A literal or NC-word command applied to line n of the pane; the words are then put in the
// machine's address order. False (nothing changed) for the other kinds.
bool ApplyToolboxText(Workbench& bench, int pane, int n, std::string_view command);

// Makes G0, G1, G2 or G3 the first word of the caret's line in the active pane (after its N
// word), replacing a motion code the line already has.
void SetMotionCode(Workbench& bench, int g);

}  // namespace vormak
