#pragma once
// What the Time dialog writes into the program: reports of the total and segment time between
// the lines of a run, the time of each block in front of it, and the total at the end.

#include <string>

namespace vormak {

class Workbench;

// The Time dialog's choices.
struct TimeDialogChoices {
  bool reports = false;       // "Insert Report After Every:"
  bool after_m06 = false;     // "M06"
  bool before_t = false;      // "T"
  bool after_text = true;     // the choice beside the text box
  std::string text;           // that text
  bool every_line = false;    // "Insert on Every Line"
  bool total_at_end = false;  // "Insert Total at End"
};

// A comment line "* " label hours " HOURS " minutes " MINS" with the machine's comment
// characters; hours truncated, minutes rounded.
std::string TimeCommentLine(const Workbench& bench, const std::string& label, double minutes);

// The OK button of the Time dialog: the solid view off, time counted while the program (or the
// selected lines) runs from a reset, the reports written as chosen, the total appended.
void RunTimeDialog(Workbench& bench, const TimeDialogChoices& choices);

}  // namespace vormak
