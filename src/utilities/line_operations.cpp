#include "utilities/line_operations.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "nctext/block_words.h"
#include "nctext/edit_control.h"
#include "nctext/status_services.h"
#include "nctext/text_functions.h"
#include "settings/machine_settings.h"
#include "utilities/block_edit.h"
#include "utilities/range_rewrite.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kEscapePollLines = 1024;

bool IsUpperLetter(char c) {
  return c >= 'A' && c <= 'Z';
}

bool BlankLine(const std::string& line) {
  return line.empty() || line == " ";
}

// The blank operations look at a block only when it is not empty and does not begin with an
// ignore character; the comment is set aside while the words are worked on.
struct SpacedBlock {
  std::string words;
  std::string comment;
};

std::optional<SpacedBlock> BlockForSpacing(const std::string& line, const Workbench& bench) {
  if (PassedOver(line, bench.settings)) return std::nullopt;
  const CommentChars chars = CommentCharsOf(bench.settings);
  SpacedBlock block{line, {}};
  if (line.find(chars.begin) != std::string::npos) {
    block.comment = CommentOf(line, chars);
    block.words = StripComment(line, chars);
  }
  if (block.words.find(chars.begin) != std::string::npos) return std::nullopt;
  return block;
}

// A blank before every word letter, never between two letters: a macro keyword (IF, GOTO,
// END) must stay one word for the control to read it.
std::string SpacedWords(const std::string& words) {
  const std::string tight = StripBlanks(words);
  std::string out;
  out.reserve(tight.size() * 2);
  for (size_t i = 0; i < tight.size(); ++i) {
    if (i > 0 && IsUpperLetter(tight[i]) && !IsUpperLetter(tight[i - 1])) out += ' ';
    out += tight[i];
  }
  return out;
}

// Lines keep their count: each line is mapped to exactly one.
void MapEachLine(Workbench& bench, int pane, LineRange range, const char* command,
                 const std::function<std::string(const std::string&)>& map) {
  ShowCommand(bench, command);
  bench.stop_requested = false;
  const MappedRange done = MapRangeLines(
      bench, pane, range, command,
      [&](const std::string& line, std::vector<std::string>& out) { out.push_back(map(line)); });
  SelectLines(bench, pane, range.first, range.first + std::max(done.processed, 1) - 1);
  ClearCommand(bench);
}

// Where the time comment at `at` ends: past its end character, or the line's end.
size_t CommentEnd(const std::string& line, size_t at, char end) {
  if (end == 0) return line.size();
  const size_t close = line.find(end, at + 1);
  return close == std::string::npos ? line.size() : close + 1;
}

}  // namespace

std::string CommentLine(const std::string& line, CommentMode mode, char c, char e) {
  std::string text = line;
  if (mode == CommentMode::kComment) {
    if (text.size() <= 1) return text;
    if (text.front() != c) text.insert(text.begin(), c);
    if (e != 0 && text.back() != e) text += e;
    return text;
  }
  if (text.empty()) return text;
  if (e != 0 && text.back() == e) text.pop_back();
  if (!text.empty() && text.front() == c) text.erase(text.begin());
  return text;
}

void CommentLines(Workbench& bench, int pane, LineRange range, CommentMode mode) {
  ClearPrompt(bench);
  const CommentChars chars = CommentCharsOf(bench.settings);
  MapEachLine(bench, pane, range, kCommentLinesCommand, [&](const std::string& line) {
    return CommentLine(line, mode, chars.begin, chars.end);
  });
}

void CommentLines(Workbench& bench, int pane, CommentMode mode) {
  CommentLines(bench, pane, SelectedLineRange(bench, pane), mode);
}

void RemoveSpaces(Workbench& bench, int pane, LineRange range) {
  MapEachLine(bench, pane, range, kRemoveSpacesCommand, [&](const std::string& line) {
    const auto block = BlockForSpacing(line, bench);
    if (!block || block->words.find(' ') == std::string::npos) return line;
    return StripBlanks(block->words) + block->comment;
  });
}

void RemoveSpaces(Workbench& bench, int pane) {
  RemoveSpaces(bench, pane, SelectedLineRange(bench, pane));
}

void AddSpaces(Workbench& bench, int pane, LineRange range) {
  MapEachLine(bench, pane, range, kAddSpacesCommand, [&](const std::string& line) {
    const auto block = BlockForSpacing(line, bench);
    if (!block) return line;
    return SpacedWords(block->words) + block->comment;
  });
}

void AddSpaces(Workbench& bench, int pane) {
  AddSpaces(bench, pane, SelectedLineRange(bench, pane));
}

void RemoveBlankLines(Workbench& bench, int pane, LineRange range) {
  ShowCommand(bench, kRemoveBlankLinesCommand);
  bench.stop_requested = false;
  // The empty line after a final line break is the end of the file, not a blank line: the
  // last block keeps its break.
  const int count = PaneLineCount(bench, pane);
  if (range.last >= count && count > 1 && PaneLine(bench, pane, count).empty()) {
    range.last = count - 1;
  }
  const MappedRange done =
      MapRangeLines(bench, pane, {1, range.last}, kRemoveBlankLinesCommand,
                    [](const std::string& line, std::vector<std::string>& out) {
                      if (!BlankLine(line)) out.push_back(line);
                    });
  if (done.last < PaneLineCount(bench, pane)) {
    SelectLines(bench, pane, std::min(range.first, done.last), done.last);
  }
  ClearCommand(bench);
}

void RemoveBlankLines(Workbench& bench, int pane) {
  RemoveBlankLines(bench, pane, SelectedLineRange(bench, pane));
}

void ReverseRange(Workbench& bench, int pane, int first, int last) {
  const int count = PaneLineCount(bench, pane);
  if (count < 2) return;
  if (first == 1 && last < 2) last = count;
  last = std::min(last, count);
  if (last - first == 1 || last <= first) return;
  bench.stop_requested = false;
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(last - first + 1));
  for (int n = last; n >= first; --n) {
    lines.push_back(PaneLine(bench, pane, n));
    // Stopped half way, the lines stay where they were: none is lost or doubled.
    if ((n - first) % kEscapePollLines == 0 && EscapePending(bench)) return;
  }
  PutRangeLines(bench, pane, {first, last}, std::move(lines));
  SelectLines(bench, pane, first, last);
}

void ReverseLines(Workbench& bench) {
  const int pane = bench.active_pane;
  const EditControl* control = bench.Pane(pane);
  if (control == nullptr) return;
  ShowCommand(bench, kReverseLinesCommand);
  const TextSelection s = control->GetSelection();
  ReverseRange(bench, pane, std::min(s.start.line, s.end.line), std::max(s.start.line, s.end.line));
  ClearCommand(bench);
}

void RemoveTimeComments(Workbench& bench, int pane, LineRange range) {
  const CommentChars chars = CommentCharsOf(bench.settings);
  const std::string mark = std::string(1, chars.begin) + "* ";
  bench.stop_requested = false;
  const bool to_end = range.last >= PaneLineCount(bench, pane);
  const MappedRange done = MapRangeLines(
      bench, pane, range, "Remove Time",
      [&](const std::string& line, std::vector<std::string>& out) {
        std::string text = line;
        // The time comment itself goes, wherever it stands, and no other comment.
        for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at)) {
          text.erase(at, CommentEnd(text, at, chars.end) - at);
        }
        if (text == line) {
          out.push_back(line);
        } else if (text.find_first_not_of(' ') != std::string::npos) {
          out.push_back(std::move(text));
        }
      });
  if (to_end) {
    GoToLine(bench, pane, range.first);
  } else {
    SelectLines(bench, pane, range.first, done.last);
  }
}

void RemoveTimeComments(Workbench& bench) {
  const LineRange range = SelectedLinesOrToEnd(bench);
  if (range.first > 0) RemoveTimeComments(bench, bench.active_pane, range);
}

}  // namespace vormak
