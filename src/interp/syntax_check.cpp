#include "interp/syntax_check.h"

#include <algorithm>
#include <map>
#include <vector>

#include "nctext/block_words.h"
#include "nctext/edit_control.h"
#include "nctext/line_batch.h"
#include "nctext/status_services.h"
#include "nctext/text_functions.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr size_t kCheckedLineLength = 80;
constexpr const char* kMessageCaption = "Vormak";

bool Holds(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool Holds(std::string_view text, char c) {
  return text.find(c) != std::string_view::npos;
}

// Characters "*" to "9": the signs, separators and digits a value is written with.
bool IsValueCharacter(char c) {
  return c == ' ' || (c >= '*' && c <= '9');
}

bool InRange(double value, int highest) {
  return value >= 0 && value <= highest;
}

// A lower-case letter in the words of a block; a DPRNT block's text is printed, not read.
bool HoldsLowerCaseWord(std::string_view words) {
  if (Holds(words, "DPRNT")) return false;
  return std::any_of(words.begin(), words.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

class BlockChecker {
 public:
  BlockChecker(Workbench& bench, std::string_view text, const SyntaxReporter& report)
      : bench_(bench), text_(text), report_(report) {}

  int Run();

 private:
  // Reports a fault; Cancel stops the running command.
  void Fault(const char* message) { Fault(message, text_.substr(0, kMessageBlockLength)); }
  void Fault(const char* message, std::string_view shown) {
    if (report_(message + std::string(shown), false) == Answer::kCancel) {
      bench_.stop_requested = true;
    }
  }
  bool LettersSideBySide() const;
  int DoubleAddresses();
  bool GCodesInRange();
  bool DecimalPointsAllowed();

  Workbench& bench_;
  std::string_view text_;
  const SyntaxReporter& report_;
};

int BlockChecker::Run() {
  if (text_.empty()) return kSyntaxClean;
  if (Holds(bench_.settings.ignore_char, text_.front())) return kSyntaxClean;
  if (Holds(text_, '%')) return kSyntaxPercentLine;

  const CommentChars chars = CommentCharsOf(bench_.settings);
  const size_t comment = text_.find(chars.begin);
  if (chars.end != 0 && comment != std::string_view::npos) {
    const size_t end = text_.find(chars.end);
    if (end == std::string_view::npos || comment > end) {
      Fault(kMismatchedComment);
      return kSyntaxFault;
    }
  }
  // The interpreter reads only capital letters as words: x10. would be passed over and the
  // move lost without a sound.
  if (HoldsLowerCaseWord(StripComment(text_, chars))) {
    Fault(kLowerCaseAddress);
    return kSyntaxFault;
  }
  // A block with a comment is checked only for its delimiters: the comment's own text would
  // read as stray letters.
  if (comment != std::string_view::npos) return kSyntaxClean;

  bool faulted = false;
  if (Holds(text_, '[') && CountChar('[', text_) != CountChar(']', text_)) {
    Fault(kMismatchedSquare);
    faulted = true;
  }
  // Macro statements (IF, GOTO, WHILE ... END, bracket expressions) are not word blocks.
  if (Holds(text_, "GO") || Holds(text_, '[') || Holds(text_, "END")) {
    return faulted ? kSyntaxFault : kSyntaxClean;
  }
  if (LettersSideBySide()) {
    Fault(kAddressWithoutValue);
    return kSyntaxFault;
  }
  if (const int doubled = DoubleAddresses(); doubled >= 0) return doubled;
  if (Holds(text_, 'O') && text_.front() != 'O' && !Holds(text_, '(')) {
    Fault(kLetterONotAllowed);
    faulted = true;
  }
  if (!GCodesInRange()) return kSyntaxFault;
  if (Holds(text_, 'M') && !InRange(AddressValue(bench_, "M", text_, false), kHighestMCode)) {
    Fault(kSyntaxBadMCode);
    return kSyntaxFault;
  }
  if (!DecimalPointsAllowed()) return kSyntaxFault;
  return faulted ? kSyntaxFault : kSyntaxClean;
}

bool BlockChecker::LettersSideBySide() const {
  for (size_t i = 0; i + 1 < text_.size(); ++i) {
    if (IsAddressLetter(text_[i]) && IsAddressLetter(text_[i + 1])) return true;
  }
  return false;
}

// -1 when no letter other than G is repeated; otherwise the block's result, decided by the
// answer to the warning.
int BlockChecker::DoubleAddresses() {
  const std::string& multi = bench_.settings.multi_address;
  for (size_t i = 0; i < text_.size(); ++i) {
    const char c = text_[i];
    if (!IsAddressLetter(c) || c == 'G' || Holds(multi, c)) continue;
    if (text_.find(c, i + 1) == std::string_view::npos) continue;
    const std::string message =
        kDoubleAddresses + std::string(text_.substr(0, kMessageBlockLength));
    if (report_(message, true) == Answer::kCancel) {
      bench_.stop_requested = true;
      return kSyntaxFault;
    }
    return kSyntaxClean;
  }
  return -1;
}

bool BlockChecker::GCodesInRange() {
  for (size_t at = text_.find('G'); at != std::string_view::npos; at = text_.find('G', at + 1)) {
    if (!InRange(AddressValue(bench_, "G", text_.substr(at), false), kHighestGCode)) {
      Fault(kSyntaxBadGCode);
      return false;
    }
  }
  return true;
}

bool BlockChecker::DecimalPointsAllowed() {
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (bench_.word_formats.Get(1, letter).decimal_point) continue;
    const size_t at = text_.find(letter);
    if (at == std::string_view::npos) continue;
    size_t end = at + 1;
    while (end < text_.size() && IsValueCharacter(text_[end])) ++end;
    if (Holds(text_.substr(at + 1, end - at - 1), '.')) {
      Fault(kIllegalDecimalPoint, text_);
      return false;
    }
  }
  return true;
}

}  // namespace

int CheckLine(Workbench& bench, std::string_view text, const SyntaxReporter& report) {
  return BlockChecker(bench, text, report).Run();
}

int CheckLine(Workbench& bench, std::string_view text) {
  const SyntaxReporter warn = [&bench](const std::string& message, bool) {
    return Warn(bench, message);
  };
  return CheckLine(bench, text, warn);
}

bool CheckSyntax(Workbench& bench, int pane, LineRange range, const SyntaxLineReporter& report) {
  ShowCommand(bench, "CHECK SYNTAX");
  bench.stop_requested = false;
  bool found = false;
  int line = range.first;
  int checked = range.first - 1;
  SyntaxReporter line_report = [&report, &line](const std::string& message, bool warning_only) {
    return report(line, message, warning_only);
  };
  {
    LineProgress progress(bench, "Check Syntax", range);
    for (; line <= range.last && !bench.stop_requested; ++line) {
      if (EscapePending(bench)) {
        ClearCommand(bench);
        return false;
      }
      progress.At(line);
      std::string text = PaneLine(bench, pane, line);
      if (text.size() > kCheckedLineLength) text.resize(kCheckedLineLength);
      if (CheckLine(bench, text, line_report) == kSyntaxFault) found = true;
      checked = line;
    }
  }
  if (bench.settings.twin_turrets && !bench.stop_requested) CheckTurretMCodes(bench);
  GoToLine(bench, pane, checked + 1);
  SelectLines(bench, pane, range.first, checked);
  ClearCommand(bench);
  return found;
}

bool CheckSyntax(Workbench& bench, int pane) {
  const SyntaxLineReporter warn = [&bench](int, const std::string& message, bool) {
    return Warn(bench, message);
  };
  return CheckSyntax(bench, pane, SelectedLineRange(bench, pane), warn);
}

void CheckTurretMCodes(Workbench& bench) {
  // Turret B's synchronised blocks by P number, in program order.
  std::multimap<double, int> turret_b;
  const int count_b = PaneLineCount(bench, 2);
  for (int n = 1; n <= count_b; ++n) {
    const std::string line = PaneLine(bench, 2, n);
    if (Holds(line, 'P') && !Holds(line, '(')) {
      turret_b.emplace(AddressValue(bench, "P", line, false), n);
    }
  }
  const int count_a = PaneLineCount(bench, 1);
  for (int n = 1; n <= count_a && !bench.stop_requested; ++n) {
    if (EscapePending(bench)) return;
    const std::string line = PaneLine(bench, 1, n);
    if (!Holds(line, 'P') || Holds(line, '(')) continue;
    const auto [first, last] = turret_b.equal_range(AddressValue(bench, "P", line, false));
    const double m_a = AddressValue(bench, "M", line, false);
    for (auto it = first; it != last; ++it) {
      const std::string other = PaneLine(bench, 2, it->second);
      if (AddressValue(bench, "M", other, false) == m_a) continue;
      bench.host().Information(kMNumbersDoNotMatch + line + "\r\n" + other, kMessageCaption);
    }
  }
}

void CheckSyntaxCommand(Workbench& bench) {
  const int pane = bench.active_pane;
  if (bench.Pane(pane) == nullptr) return;
  const bool found = CheckSyntax(bench, pane);
  // A check stopped by Escape or Cancel has not looked at every line.
  if (!found && !bench.stop_requested) bench.host().Information(kNoSyntaxErrors, "Vormak");
}

}  // namespace vormak
