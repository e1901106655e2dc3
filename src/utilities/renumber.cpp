#include "utilities/renumber.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "nctext/block_words.h"
#include "nctext/line_batch.h"
#include "nctext/status_services.h"
#include "nctext/text_functions.h"
#include "settings/word_format.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsSplitValueChar(char c) {
  return (c >= '0' && c <= '9') || c == '\t' || c == '*' || c == '+' || c == '-' || c == '.' ||
         c == '/';
}

void TrimTrailingBlanks(std::string& text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
}

// Where an "N" must go in front of a macro line rather than the N of one of its words being
// taken for the sequence number: IF [#1 NE 0] GOTO 10, END1, and likewise any line whose first
// N ends or stands inside a word (THEN, SIN, AND ...), which would otherwise be split apart.
enum class KeywordN { kNone, kInsert, kLeaveAlone };

KeywordN MacroKeywordN(const std::string& words, bool existing_only) {
  const size_t first_n = words.find('N');
  if (first_n == std::string::npos) return KeywordN::kNone;
  bool keyword = false;
  const size_t ne = words.find("NE");
  if (ne != std::string::npos) {
    if (existing_only) return KeywordN::kLeaveAlone;
    keyword = keyword || first_n == ne;
  }
  const size_t end = words.find("END");
  if (end != std::string::npos) {
    if (existing_only) return KeywordN::kLeaveAlone;
    keyword = keyword || first_n == end + 1;
  }
  const bool inside_word = first_n > 0 && IsLetter(words[first_n - 1]);
  if (!keyword && inside_word) {
    if (existing_only) return KeywordN::kLeaveAlone;
    keyword = true;
  }
  return keyword ? KeywordN::kInsert : KeywordN::kNone;
}

}  // namespace

char RenumberLetter(const std::string& text) {
  return text.empty() ? 'N' : text.front();
}

RenumberedLine RenumberLine(Workbench& bench, const std::string& line, long long number,
                            const RenumberOptions& options, bool whole_text) {
  // Lines are taken whole, however long: cutting a block to a fixed width would lose words.
  const CommentChars chars = CommentCharsOf(bench.settings);
  const char c = chars.begin;
  std::string read = line;
  std::string comment;
  std::string words = line;
  if (line.find(c) != std::string::npos) {
    if (whole_text) TrimTrailingBlanks(read);
    comment = CommentOf(read, chars);
    words = StripComment(read, chars);
  }
  RenumberedLine result;
  result.text = whole_text ? words + comment : line;

  const char f = !words.empty() ? words.front() : (read.empty() ? '\0' : read.front());
  if (f == '%' || f == ' ' || f == '$' || f == ':' || (words.empty() && comment.empty())) {
    return result;
  }
  const char letter = options.letter;
  if (letter == 'N') {
    if (f == 'O' && !options.include_o) return result;
    if (f == c && !options.include_comments) return result;
  }
  if (options.existing_only && words.find(letter) == std::string::npos) {
    if (!comment.empty()) {
      result.outcome = RenumberOutcome::kCommentMoved;
      result.text = words + comment;
    }
    return result;
  }

  std::string numbered;
  if (options.include_o && f == 'O') {
    const SplitWord split = SplitAtAddress('O', words);
    numbered = split.before + "O" + IntText(number) + split.rest;
  } else {
    if (f == '/' && words.find(letter) == std::string::npos) words.insert(1, 1, letter);
    if (letter == 'N') {
      switch (MacroKeywordN(words, options.existing_only)) {
        case KeywordN::kLeaveAlone:
          return result;
        case KeywordN::kInsert:
          words.insert(words.front() == '/' ? 1 : 0, 1, 'N');
          break;
        case KeywordN::kNone:
          break;
      }
    }
    const SplitWord split = SplitAtAddress(letter, words);
    std::string before = split.before;
    std::string rest = split.rest;
    if (!split.found) {
      size_t n = 0;
      while (n < words.size() && IsSplitValueChar(words[n])) ++n;
      before.clear();
      rest = words.substr(n);
    }
    numbered = before + letter +
               FormatAddressValue(bench.word_formats, letter, 1, static_cast<double>(number)) +
               rest;
  }
  result.outcome = RenumberOutcome::kNumbered;
  result.text = numbered + comment;
  return result;
}

void RenumberLines(Workbench& bench, int pane, LineRange range, const RenumberOptions& options) {
  ShowPrompt(bench, kRenumberStatus);
  bench.stop_requested = false;
  range.last = std::min(range.last, PaneLineCount(bench, pane));
  int processed = range.first - 1;
  {
    PaneLineBatch batch(bench, pane);
    LineProgress progress(bench, kRenumberStatus, range);
    long long number = options.start;
    for (int n = range.first; n <= range.last && !bench.stop_requested; ++n) {
      progress.At(n);
      RenumberedLine r = RenumberLine(bench, batch.Line(n), number, options, false);
      if (r.outcome != RenumberOutcome::kLeftAlone) batch.Replace(n, std::move(r.text));
      if (r.outcome == RenumberOutcome::kNumbered) number += options.increment;
      processed = n;
      if (EscapePending(bench) || RightButtonPending(bench)) bench.stop_requested = true;
    }
  }
  if (bench.stop_requested) {
    ShowPrompt(bench, kRenumberRunInterrupted);
  } else {
    ClearPrompt(bench);
  }
  SelectLines(bench, pane, range.first, processed);
}

void RenumberRange(Workbench& bench, int pane, const RenumberOptions& options) {
  const LineRange range = SelectedLineRange(bench, pane);
  if (range.first == 1 && range.last == 1) {
    RenumberWhole(bench, pane, options);
  } else {
    RenumberLines(bench, pane, range, options);
  }
}

void RenumberWhole(Workbench& bench, int pane, const RenumberOptions& options) {
  ShowPrompt(bench, kRenumberStatus);
  bench.stop_requested = false;
  const int count = PaneLineCount(bench, pane);
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(count));
  {
    LineProgress progress(bench, kRenumberStatus, {1, count});
    long long number = options.start;
    for (int n = 1; n <= count && !bench.stop_requested; ++n) {
      progress.At(n);
      RenumberedLine r = RenumberLine(bench, PaneLine(bench, pane, n), number, options, true);
      if (r.outcome == RenumberOutcome::kNumbered) number += options.increment;
      lines.push_back(std::move(r.text));
      EscapePending(bench);
    }
  }
  if (bench.stop_requested) {
    // Nothing is written: the program stays as it was.
    ShowPrompt(bench, kRenumberInterrupted);
    return;
  }
  {
    PaneLineBatch batch(bench, pane);
    for (int n = 1; n <= count; ++n) batch.Replace(n, std::move(lines[static_cast<size_t>(n - 1)]));
  }
  ClearPrompt(bench);
  if (EditControl* control = bench.Pane(pane)) control->SetSelection({{1, 0}, {1, 0}});
}

}  // namespace vormak
