#pragma once
// Punching the active pane to the machine tool or tape punch: DC2, a leader, every block in
// the tape code (titles and leaders where the comment keys ask for them), DC4.

#include <string>

#include "dnc/dnc_messages.h"
#include "dnc/serial_device.h"
#include "dnc/tape_code.h"

namespace vormak {

class Workbench;
struct MachineSettings;

struct PunchJob {
  TapeCode code = TapeCode::kAscii;
  bool without_comments = false;  // "Punch W/O ()": lines holding the comment character stay home
  int inches_leader = 20;
  int punch_wait = 0;
  std::string comment_char = "(";
  std::string end_comment_char = ")";
};

PunchJob PunchJobFromSettings(const MachineSettings& settings, bool without_comments);

enum class PunchOutcome {
  kDone,
  kStopped,       // Escape between lines: the blocks so far went out, then DC4
  kTitleAborted,  // Escape while a title was punched: the caller closes the port and dialog
  kFailed,        // the port failed (the far end went away): the error text is in `error`
};

struct PunchResult {
  PunchOutcome outcome = PunchOutcome::kDone;
  int lines = 0;  // lines handled
  std::string error;
};

// The pause after each block and each title character: the cube of PunchWait in
// milliseconds, at most two seconds; none for 0.
int PunchPauseMilliseconds(int punch_wait);

// Keys in a comment that ask for tape rather than text (each after the comment character).
inline constexpr const char* kTitleKey = "TMR ";
inline constexpr const char* kDateTitleKey = "TPD ";
inline constexpr const char* kLeaderKey = "TPL ";

// The title text of a line holding the comment character and "TMR ": from the blank after the
// key word on, without a final end-comment character.
std::string TitleText(const std::string& line, size_t key_at, const std::string& end_comment);

// The bytes of a title: each character's font columns and one leader byte (pauses aside).
std::string TitleBytes(const std::string& text);

PunchResult Punch(Workbench& bench, int pane, SerialDevice& port, const PunchJob& job,
                  TransferObserver& observer);

}  // namespace vormak
