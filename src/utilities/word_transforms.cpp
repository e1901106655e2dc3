#include "utilities/word_transforms.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "nctext/block_words.h"
#include "nctext/expression.h"
#include "nctext/line_batch.h"
#include "nctext/status_services.h"
#include "nctext/text_functions.h"
#include "settings/word_format.h"
#include "utilities/block_edit.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr char kAxisLetters[3] = {'X', 'Y', 'Z'};

bool IsChangeValueChar(char c) {
  return (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool IsShiftValueChar(char c) {
  return IsChangeValueChar(c) || c == ' ';
}

bool IsRemoveValueChar(char c) {
  return (c >= '0' && c <= '9') || c == '\t' || c == '*' || c == '+' || c == '-' || c == '.' ||
         c == '/';
}

char VarPrefix(const Workbench& bench) {
  return bench.settings.var_prefix.empty() ? '#' : bench.settings.var_prefix.front();
}

// Values read back from text compare equal when they are the same number as written: 1.5
// and 1.50, or 15000 read through an implied-decimal format.
bool SameValue(double a, double b) {
  return std::fabs(a - b) <= 1e-9 * std::fmax(1.0, std::fmax(std::fabs(a), std::fabs(b)));
}

bool ChangeWanted(int mode, double old_value, double find) {
  switch (mode) {
    case kChangeEqual:
    case kChangeEqualEveryLetter:
      return SameValue(old_value, find);
    case kChangeLessThan:
      return old_value < find;
    case kChangeGreaterThan:
      return old_value > find;
    default:
      return true;
  }
}

double ValueOfText(std::string_view text) {
  const EvalResult r = Evaluate(text);
  return r.failed() ? 0.0 : r.value;
}

// The line that comes of `words` with [from, end) replaced by `value`, and `comment`.
std::string SplicedLine(std::string_view words, size_t from, size_t end, std::string_view value,
                        std::string_view comment) {
  std::string line;
  line.reserve(words.size() - (end - from) + value.size() + comment.size());
  line.append(words.substr(0, from));
  line.append(value);
  line.append(words.substr(end));
  line.append(comment);
  return line;
}

// `words` and `comment` as one new line.
std::string WithComment(std::string_view words, std::string_view comment) {
  std::string line;
  line.reserve(words.size() + comment.size());
  line.append(words);
  line.append(comment);
  return line;
}

// The end of the bracket that opens at `open`, past its "]"; the text's end when unclosed.
size_t BracketEnd(const std::string& text, size_t open) {
  int depth = 0;
  for (size_t i = open; i < text.size(); ++i) {
    if (text[i] == '[') ++depth;
    if (text[i] == ']' && --depth == 0) return i + 1;
  }
  return text.size();
}

}  // namespace

std::optional<ChangeRequest> ParseChangeRequest(std::string_view find_text,
                                                std::string_view change_to) {
  if (find_text.empty() || change_to.empty()) return std::nullopt;
  ChangeRequest request;
  std::string find(find_text);
  if (find.find('<') != std::string::npos) {
    std::erase(find, '<');
    request.mode = kChangeLessThan;
  }
  if (find.find('>') != std::string::npos) {
    std::erase(find, '>');
    request.mode = kChangeGreaterThan;
  }
  if (find.size() > 1 && find[1] == '*') {
    find.erase(1, 1);
    request.mode = kChangeAny;
  }
  if (find.empty() || !IsAddressLetter(find.front())) return std::nullopt;
  request.letter = find.front();
  const std::string find_value = find.substr(1);
  request.find = find_value.empty() ? 0.0 : ValueOfText(find_value);
  std::string value(change_to);
  if (!value.empty() && std::isalpha(static_cast<unsigned char>(value.front()))) value.erase(0, 1);
  request.value = ValueOfText(value);
  return request;
}

void ChangeValue(Workbench& bench, int pane, LineRange range, char letter, int mode, double value,
                 double find) {
  const CommentChars chars = CommentCharsOf(bench.settings);
  const char var_prefix = VarPrefix(bench);
  const std::string letters = mode == kChangeEqualEveryLetter
                                  ? std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ")
                                  : std::string(1, letter);
  PreparedBlock block;
  std::string words;
  RewriteLines(bench, pane, range, "Change Value",
               [&](const std::string& line, WalkStep&) -> std::optional<std::string> {
                 if (!PrepareBlockInto(line, chars, block)) return std::nullopt;
                 if (mode == kChangeAnyExpression) {
                   words = block.words;
                 } else {
                   StripBlanksInto(block.words, words);
                 }
                 bool changed = false;
                 for (const char l : letters) {
                   const size_t at = FindWord(words, l);
                   if (at == std::string::npos) continue;
                   const size_t end = RunEnd(words, at + 1, IsChangeValueChar);
                   if (!IsPlainValue(words, at + 1, end, var_prefix)) continue;
                   const std::string_view text =
                       std::string_view(words).substr(at + 1, end - at - 1);
                   const double old_value = mode == kChangeAnyExpression
                                                ? ValueOfText(text)
                                                : ReadAddressValue(bench.word_formats, l, text, 1);
                   if (!ChangeWanted(mode, old_value, find)) continue;
                   words.replace(at + 1, end - at - 1,
                                 FormatAddressValue(bench.word_formats, l, 1, value));
                   changed = true;
                 }
                 if (!changed) return std::nullopt;
                 return WithComment(words, block.comment);
               });
}

void ChangeValue(Workbench& bench, int pane, char letter, int mode, double value, double find) {
  ChangeValue(bench, pane, SelectedLineRange(bench, pane), letter, mode, value, find);
}

void ShiftAddress(Workbench& bench, int pane, LineRange range, char letter, double amount) {
  if (!IsAddressLetter(letter) || amount == 0) return;
  const CommentChars chars = CommentCharsOf(bench.settings);
  const char var_prefix = VarPrefix(bench);
  PreparedBlock block;
  RewriteLines(bench, pane, range, "Offset NC",
               [&](const std::string& line, WalkStep&) -> std::optional<std::string> {
                 if (!PrepareBlockInto(line, chars, block)) return std::nullopt;
                 const std::string_view words = block.words;
                 const size_t at = FindWord(words, letter);
                 if (at == std::string::npos) return std::nullopt;
                 size_t end = RunEnd(words, at + 1, IsShiftValueChar);
                 // Blanks after the value separate it from the next word and stay.
                 while (end > at + 1 && words[end - 1] == ' ') --end;
                 if (!IsPlainValue(words, at + 1, end, var_prefix)) return std::nullopt;
                 const double old_value = ReadAddressValue(bench.word_formats, letter,
                                                           words.substr(at + 1, end - at - 1), 1);
                 return SplicedLine(
                     words, at + 1, end,
                     FormatAddressValue(bench.word_formats, letter, 1, old_value + amount),
                     block.comment);
               });
}

void ShiftAddress(Workbench& bench, int pane, char letter, double amount) {
  ShiftAddress(bench, pane, SelectedLineRange(bench, pane), letter, amount);
}

void ScaleAddress(Workbench& bench, int pane, LineRange range, char letter, double factor) {
  if (!IsAddressLetter(letter) || factor == 0) return;
  const CommentChars chars = CommentCharsOf(bench.settings);
  const char var_prefix = VarPrefix(bench);
  PreparedBlock block;
  std::string stripped;
  RewriteLines(bench, pane, range, "Scale NC",
               [&](const std::string& line, WalkStep&) -> std::optional<std::string> {
                 if (!PrepareBlockInto(line, chars, block)) return std::nullopt;
                 StripBlanksInto(block.words, stripped);
                 const std::string_view words = stripped;
                 const size_t at = FindWord(words, letter);
                 if (at == std::string::npos) return std::nullopt;
                 const size_t end = RunEnd(words, at + 1, IsChangeValueChar);
                 if (!IsPlainValue(words, at + 1, end, var_prefix)) return std::nullopt;
                 const double old_value = ReadAddressValue(bench.word_formats, letter,
                                                           words.substr(at + 1, end - at - 1), 1);
                 return SplicedLine(
                     words, at + 1, end,
                     FormatAddressValue(bench.word_formats, letter, 1, factor * old_value),
                     block.comment);
               });
}

void ScaleAddress(Workbench& bench, int pane, char letter, double factor) {
  ScaleAddress(bench, pane, SelectedLineRange(bench, pane), letter, factor);
}

namespace {

// The end of the value of the word at `at` that Remove Address takes away with the letter:
// the value characters, and a bracket expression or a variable standing for the value, so
// no half of a word is left behind.
size_t RemovedValueEnd(const std::string& text, size_t at, char var_prefix) {
  size_t end = RunEnd(text, at + 1, IsRemoveValueChar);
  const bool has_digits = std::any_of(text.begin() + static_cast<std::ptrdiff_t>(at + 1),
                                      text.begin() + static_cast<std::ptrdiff_t>(end),
                                      [](char c) { return c >= '0' && c <= '9'; });
  if (has_digits || end >= text.size()) return end;
  if (text[end] == var_prefix) {
    ++end;
    if (end < text.size() && text[end] != '[') {
      return RunEnd(text, end, [](char c) { return c >= '0' && c <= '9'; });
    }
  }
  if (end < text.size() && text[end] == '[') return BracketEnd(text, end);
  return end;
}

}  // namespace

bool RemoveAddressRange(Workbench& bench, int pane, LineRange range, char letter, bool confirm) {
  const CommentChars chars = CommentCharsOf(bench.settings);
  const char var_prefix = VarPrefix(bench);
  bool cancelled = false;
  RewriteLines(
      bench, pane, range, "Remove Address",
      [&](const std::string& line, WalkStep& step) -> std::optional<std::string> {
        std::string words = line;
        std::string comment;
        if (line.find(chars.begin) != std::string::npos) {
          comment = CommentOf(line, chars);
          words = StripComment(line, chars);
          if (letter == chars.begin) return words;
        }
        if (words.find(chars.begin) != std::string::npos) return std::nullopt;
        if (FindWord(words, letter) == std::string::npos) return std::nullopt;
        if (letter == 'N' &&
            (words.find("END") != std::string::npos || words.find("NE") != std::string::npos) &&
            words.front() != 'N' && words.rfind("/N", 0) != 0) {
          return std::nullopt;
        }
        if (confirm) {
          step.batch.Flush();
          GoToLine(bench, pane, step.n);
          const Answer answer = bench.host().Question(
              std::string("Remove Address ") + letter + " in" + "\r\n" + words + " ?",
              kRemoveConfirmCaption, true);
          if (answer == Answer::kNo) return std::nullopt;
          if (answer == Answer::kCancel) {
            cancelled = true;
            step.end_pass = true;
            return std::nullopt;
          }
        }
        std::string text = words + comment;
        const size_t at = FindWord(text, letter);
        text.erase(at, RemovedValueEnd(text, at, var_prefix) - at);
        return text;
      });
  return !cancelled;
}

bool RemoveAddressRange(Workbench& bench, char letter, bool confirm) {
  const int pane = bench.active_pane;
  return RemoveAddressRange(bench, pane, SelectedLineRange(bench, pane), letter, confirm);
}

bool DuplicateAxisChoice(const AxisSwitch& choice) {
  return choice.new_axis[0] == choice.new_axis[1] || choice.new_axis[0] == choice.new_axis[2] ||
         choice.new_axis[1] == choice.new_axis[2];
}

namespace {

struct LetterChange {
  size_t at = std::string::npos;
  char to = 0;
  bool reverse = false;
};

// Puts the new letters in and flips signs, working from the end of the block so the
// positions found before stay right.
void ApplyLetterChanges(std::string& words, LetterChange* changes, int count) {
  for (int i = 1; i < count; ++i) {
    for (int j = i; j > 0 && changes[j - 1].at < changes[j].at; --j) {
      std::swap(changes[j - 1], changes[j]);
    }
  }
  for (int i = 0; i < count; ++i) {
    words[changes[i].at] = changes[i].to;
    if (changes[i].reverse) FlipSign(words, changes[i].at);
  }
}

}  // namespace

void SwitchAxes(Workbench& bench, int pane, LineRange range, const AxisSwitch& choice) {
  const CommentChars chars = CommentCharsOf(bench.settings);
  PreparedBlock block;
  RewriteLines(bench, pane, range, "Switch Axis",
               [&](const std::string& line, WalkStep&) -> std::optional<std::string> {
                 if (!PrepareBlockInto(line, chars, block)) return std::nullopt;
                 std::string& words = block.words;
                 LetterChange changes[3];
                 int count = 0;
                 for (int axis = 0; axis < 3; ++axis) {
                   if (choice.new_axis[axis] == kAxisLetters[axis]) continue;
                   const size_t at = FindWord(words, kAxisLetters[axis]);
                   if (at == std::string::npos) continue;
                   changes[count++] = {at, choice.new_axis[axis], choice.reverse[axis]};
                 }
                 if (count == 0) return std::nullopt;
                 ApplyLetterChanges(words, changes, count);
                 return WithComment(words, block.comment);
               });
}

void SwitchAxes(Workbench& bench, const AxisSwitch& choice) {
  const int pane = bench.active_pane;
  SwitchAxes(bench, pane, SelectedLineRange(bench, pane), choice);
}

void SwitchAddresses(Workbench& bench, int pane, LineRange range, char a, char b, bool reverse_a,
                     bool reverse_b) {
  if (a == b) return;
  const CommentChars chars = CommentCharsOf(bench.settings);
  PreparedBlock block;
  RewriteLines(bench, pane, range, "Switch NC",
               [&](const std::string& line, WalkStep&) -> std::optional<std::string> {
                 if (!PrepareBlockInto(line, chars, block)) return std::nullopt;
                 std::string& words = block.words;
                 const size_t at_a = FindWord(words, a);
                 const size_t at_b = FindWord(words, b);
                 if (at_a == std::string::npos || at_b == std::string::npos) return std::nullopt;
                 // The value that was b's is now labelled a, and the other way round.
                 LetterChange changes[2] = {{at_a, b, reverse_b}, {at_b, a, reverse_a}};
                 ApplyLetterChanges(words, changes, 2);
                 return WithComment(words, block.comment);
               });
}

void SwitchAddresses(Workbench& bench, char a, char b, bool reverse_a, bool reverse_b) {
  const int pane = bench.active_pane;
  SwitchAddresses(bench, pane, SelectedLineRange(bench, pane), a, b, reverse_a, reverse_b);
}

}  // namespace vormak
