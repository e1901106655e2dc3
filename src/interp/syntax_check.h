#pragma once
// The syntax check: typing faults in NC blocks before a program goes to the machine —
// unbalanced comment delimiters and brackets, addresses without values, a letter used twice,
// a stray O, G and M codes out of range, decimal points on addresses whose format has none,
// lower-case letters that the interpreter would not read as words.
// It runs over the selected lines (Utilities2 "Check Synta&x", script SYNTAX) and line by line
// while plotting with "Check Syntax" on. The text is never changed.

#include <functional>
#include <string>
#include <string_view>

#include "nctext/host.h"
#include "nctext/pane_services.h"

namespace vormak {

class Workbench;

inline constexpr int kHighestGCode = 225;
inline constexpr int kHighestMCode = 375;

inline constexpr const char* kMismatchedComment = "Missmatched \"()\" in\r\n";
inline constexpr const char* kMismatchedSquare = "Missmatched \"[]\" in\r\n";
inline constexpr const char* kAddressWithoutValue = "Address Without Value in\r\n";
inline constexpr const char* kDoubleAddresses = "Double Addresses in\r\n";
inline constexpr const char* kLetterONotAllowed = "Letter O Not Allowed in\r\n";
inline constexpr const char* kSyntaxBadGCode = "Bad G Code in\r\n";
inline constexpr const char* kSyntaxBadMCode = "Bad M Code in\r\n";
inline constexpr const char* kIllegalDecimalPoint = "Illegal Decimal Point in\r\n";
inline constexpr const char* kLowerCaseAddress = "Lower Case Address in\r\n";
inline constexpr const char* kMNumbersDoNotMatch = "M Numbers Do Not Match in\r\n";
inline constexpr const char* kNoSyntaxErrors = "No Syntax Errors Found";

// Result of one block.
inline constexpr int kSyntaxClean = 0;
inline constexpr int kSyntaxFault = 1;
inline constexpr int kSyntaxPercentLine = 2;  // a "%" tape mark: not a block

// Shows one finding and answers OK or Cancel. `warning_only` marks the double-address
// message, which counts as a fault only when it is answered with Cancel.
using SyntaxReporter = std::function<Answer(const std::string& text, bool warning_only)>;

// Checks one block and reports its first fault in a warning box (Cancel stops the running
// command): kSyntaxClean, kSyntaxFault or kSyntaxPercentLine.
int CheckLine(Workbench& bench, std::string_view text);
int CheckLine(Workbench& bench, std::string_view text, const SyntaxReporter& report);

// Shows one finding of a range check, with the line it was found on.
using SyntaxLineReporter =
    std::function<Answer(int line, const std::string& text, bool warning_only)>;

// The command over the pane's selected lines: true when faults were found. Escape ends it at
// once (the stop flag is then set). Twin turrets: the M codes of synchronised blocks are
// compared as well.
bool CheckSyntax(Workbench& bench, int pane);
// The same over `range` with findings going to `report` instead of warning boxes.
bool CheckSyntax(Workbench& bench, int pane, LineRange range, const SyntaxLineReporter& report);

// Blocks of the two turrets with the same P number must call the same M code.
void CheckTurretMCodes(Workbench& bench);

// Utilities2 "Check Synta&x" on the active pane; "No Syntax Errors Found" when it found none.
void CheckSyntaxCommand(Workbench& bench);

}  // namespace vormak
