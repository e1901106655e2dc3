#pragma once
// Word transforms over the selected lines of a pane: change one value to another, shift an
// address by a constant, scale addresses, remove addresses, exchange the axes or two
// addresses. Each run is one undo step, stops between lines on Escape, passes over lines
// that begin with an ignore character and selects the processed lines at the end.

#include <optional>
#include <string>
#include <string_view>

#include "nctext/pane_services.h"

namespace vormak {

class Workbench;

inline constexpr const char* kRemoveConfirmCaption = "Confirm";
inline constexpr const char* kDuplicateAxisChoices = "Duplicate Address Choices Not Allowed";
inline constexpr const char* kDuplicateAxisCaption = "ERROR";

enum ChangeMode : int {
  kChangeEqual = 0,
  kChangeAny = 1,
  kChangeLessThan = 2,
  kChangeGreaterThan = 3,
  kChangeAnyExpression = 4,  // script use: blanks kept, the value read as an expression
  kChangeEqualEveryLetter = 5,
};

// What the "Change Value" dialog makes of its "Find:" and "Change to:" texts; empty when
// either is empty or the find text does not begin with a letter A to Z.
struct ChangeRequest {
  char letter = 'A';
  int mode = kChangeEqual;
  double find = 0;
  double value = 0;
};
std::optional<ChangeRequest> ParseChangeRequest(std::string_view find, std::string_view change_to);

// The ranges: `range` as given (batch and script use); the overloads without one take
// SelectedLineRange of the pane.
void ChangeValue(Workbench& bench, int pane, LineRange range, char letter, int mode, double value,
                 double find);
void ChangeValue(Workbench& bench, int pane, char letter, int mode, double value, double find);

void ShiftAddress(Workbench& bench, int pane, LineRange range, char letter, double amount);
void ShiftAddress(Workbench& bench, int pane, char letter, double amount);

void ScaleAddress(Workbench& bench, int pane, LineRange range, char letter, double factor);
void ScaleAddress(Workbench& bench, int pane, char letter, double factor);

// `letter` may be the comment character: then comments go. With `confirm` each block is
// shown and asked about (Yes, No, Cancel); Cancel ends this letter's pass. False when the
// pass was cancelled.
bool RemoveAddressRange(Workbench& bench, int pane, LineRange range, char letter, bool confirm);
bool RemoveAddressRange(Workbench& bench, char letter, bool confirm);

// new_axis[i] is the letter the X (0), Y (1) and Z (2) words become; reverse[i] changes the
// sign of that axis's value.
struct AxisSwitch {
  char new_axis[3] = {'X', 'Y', 'Z'};
  bool reverse[3] = {false, false, false};
};
// True when two rows choose the same letter: the dialog refuses that.
bool DuplicateAxisChoice(const AxisSwitch& choice);
void SwitchAxes(Workbench& bench, int pane, LineRange range, const AxisSwitch& choice);
void SwitchAxes(Workbench& bench, const AxisSwitch& choice);

void SwitchAddresses(Workbench& bench, int pane, LineRange range, char a, char b, bool reverse_a,
                     bool reverse_b);
void SwitchAddresses(Workbench& bench, char a, char b, bool reverse_a, bool reverse_b);

}  // namespace vormak
