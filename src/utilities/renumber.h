#pragma once
// Renumber: the sequence numbers of a program rewritten with a running number. Blocks without
// a number get one in front, existing numbers are replaced, and comment lines, program-number
// lines, block-delete lines and macro lines are dealt with as a machinist expects.

#include <string>

#include "nctext/pane_services.h"

namespace vormak {

class Workbench;

inline constexpr const char* kRenumberStatus = "Status: Renumber Blocks";
inline constexpr const char* kRenumberRunInterrupted = "Status: Run Interupted.";
inline constexpr const char* kRenumberInterrupted = "Renumber Interupted.";

struct RenumberOptions {
  long long start = 5;
  long long increment = 5;
  bool include_o = false;         // "Include O Blocks"
  bool include_comments = false;  // "Include Comments"
  bool existing_only = false;     // "Existing Addess only"
  char letter = 'N';              // "Address to Renumber:"
};

// The letter of an "Address to Renumber:" text: its first character, "N" when empty.
char RenumberLetter(const std::string& text);

// What the rule made of one line.
enum class RenumberOutcome {
  kLeftAlone,     // not numbered, not rewritten
  kCommentMoved,  // "Existing Addess only" and no address: comment put at the end
  kNumbered,
};

struct RenumberedLine {
  RenumberOutcome outcome = RenumberOutcome::kLeftAlone;
  std::string text;  // the line to write: the rewritten line, or the line as read
};

// The rule for one line with running number `number`. `whole_text` is the whole-program way,
// which takes trailing blanks off a line with a comment and always writes what remains
// followed by the comment.
RenumberedLine RenumberLine(Workbench& bench, const std::string& line, long long number,
                            const RenumberOptions& options, bool whole_text);

// Renumbers the lines of SelectedLineRange(pane) in place, as one undo step; a range of
// line 1 to line 1 goes to RenumberWhole.
void RenumberRange(Workbench& bench, int pane, const RenumberOptions& options);
// The same over given lines (batch and script use).
void RenumberLines(Workbench& bench, int pane, LineRange range, const RenumberOptions& options);
// Renumbers every line of the pane; when stopped the pane stays as it was.
void RenumberWhole(Workbench& bench, int pane, const RenumberOptions& options);

}  // namespace vormak
