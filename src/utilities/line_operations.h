#pragma once
// Text operations on the lines of a pane that read no word values: comment and uncomment
// lines, take blanks out of blocks or put one before each word, delete blank lines, reverse
// the order of lines, and take out the time comments a timing run writes into a program.
// Each run is one undo step and stops between lines on Escape; lines already done stay done.

#include <string>

#include "nctext/pane_services.h"

namespace vormak {

class Workbench;

inline constexpr const char* kCommentLinesCommand = "COMMENT LINES";
inline constexpr const char* kRemoveSpacesCommand = "REMOVE SPACES";
inline constexpr const char* kAddSpacesCommand = "Add Spaces";
inline constexpr const char* kRemoveBlankLinesCommand = "Remove Blank Lines";
inline constexpr const char* kReverseLinesCommand = "REVERSE LINES";

enum class CommentMode { kComment, kUncomment };

// One line with the machine's comment characters `c` and `e`.
std::string CommentLine(const std::string& line, CommentMode mode, char c, char e);

// The ranges: `range` as given (batch and script use); without one SelectedLineRange of the
// pane. Each shows its command text while it runs and selects the processed lines.
void CommentLines(Workbench& bench, int pane, LineRange range, CommentMode mode);
void CommentLines(Workbench& bench, int pane, CommentMode mode);

void RemoveSpaces(Workbench& bench, int pane, LineRange range);
void RemoveSpaces(Workbench& bench, int pane);

void AddSpaces(Workbench& bench, int pane, LineRange range);
void AddSpaces(Workbench& bench, int pane);

// Deletes empty lines and lines of one blank from line 1 (not only from the range's first
// line) down to the range's last line.
void RemoveBlankLines(Workbench& bench, int pane, LineRange range);
void RemoveBlankLines(Workbench& bench, int pane);

// Lines `first` to `last` in reverse order. first 1 and last below 2 mean the whole text; a
// range of two lines is left alone. Escape while the lines are gathered leaves the pane as it
// was.
void ReverseRange(Workbench& bench, int pane, int first, int last);
// The selection's own lines of the active pane.
void ReverseLines(Workbench& bench);

// From the first to the last selected line (to the end when they are the same line): each
// time comment goes, and a line left empty goes with it.
void RemoveTimeComments(Workbench& bench, int pane, LineRange range);
void RemoveTimeComments(Workbench& bench);

}  // namespace vormak
