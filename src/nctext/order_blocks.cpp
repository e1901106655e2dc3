#include "nctext/order_blocks.h"

#include <algorithm>
#include <array>
#include <string>

#include "nctext/block_words.h"
#include "nctext/expression.h"
#include "nctext/line_batch.h"
#include "nctext/pane_bench.h"
#include "nctext/pane_services.h"
#include "nctext/status_services.h"
#include "nctext/text_functions.h"

namespace vormak {

namespace {

bool IsOrderValueChar(char c) {
  switch (c) {
    case ' ':
    case '#':
    case '*':
    case '+':
    case ',':
    case '-':
    case '.':
    case '/':
    case '[':
    case ']':
      return true;
    default:
      return c >= '0' && c <= '9';
  }
}

// The value text after the first `letter` of `words`, an outer "[ ]" taken off, into `text`.
void ReadOrderValueText(std::string_view words, char letter, std::string& text) {
  const size_t at = words.find(letter);
  size_t end = at + 1;
  while (end < words.size() && IsOrderValueChar(words[end])) ++end;
  StripBlanksInto(words.substr(at + 1, end - at - 1), text);
  if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
    text.pop_back();
    text.erase(0, 1);
  }
  for (char& c : text) {
    if (c == '[') c = '(';
    if (c == ']') c = ')';
  }
}

// Room the walk reuses from block to block.
struct StripRoom {
  std::string words;
  std::string comment;
  std::string value;
};

// Modes 2 and 3 on one block; false when the user cancelled a warning.
bool StripRepeats(PaneBench& bench, std::string& line, std::string_view letters,
                  std::array<double, kLetterCount>& current,
                  const std::array<double, kLetterCount>& previous, const CommentChars& chars,
                  StripRoom& room) {
  // The comment is set aside so its text is not read as words.
  std::string& words = room.words;
  std::string& comment = room.comment;
  const auto [first, last] = CommentSpan(line, chars);
  if (first == std::string::npos) {
    words = line;
    comment.clear();
  } else {
    comment.assign(line, first, last - first);
    words.assign(line, 0, first);
    words.append(line, last);
  }
  // A macro statement holds no words to strip; its letters would only read as bad values.
  if (HoldsMacroKeyword(words)) return true;
  std::array<bool, kLetterCount> present{};
  for (const char c : words) {
    if (c >= 'A' && c <= 'Z') present[static_cast<size_t>(c - 'A')] = true;
  }
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (!present[static_cast<size_t>(letter - 'A')]) continue;
    ReadOrderValueText(words, letter, room.value);
    const EvalResult r = Evaluate(room.value);
    if (r.failed()) {
      if (Warn(bench, kBadCharacterInValue + line) == Answer::kCancel) return false;
      continue;
    }
    const size_t i = static_cast<size_t>(letter - 'A');
    current[i] = r.value;
    if (letters.find(letter) != std::string_view::npos && r.value == previous[i]) {
      EraseAddress(words, letter);
    }
  }
  line.assign(words);
  line.append(comment);
  return true;
}

}  // namespace

void OrderBlocks(PaneBench& bench, int pane, std::string_view order, std::string_view letters,
                 int mode) {
  OrderBlocks(bench, pane, SelectedLineRange(bench, pane), order, letters, mode);
}

void OrderBlocks(PaneBench& bench, int pane, LineRange range, std::string_view order,
                 std::string_view letters, int mode) {
  if (!bench.Pane(pane) || pane == 3) return;
  range.last = std::min(range.last, PaneLineCount(bench, pane));
  const CommentChars chars = CommentCharsOf(bench.settings);
  std::array<double, kLetterCount> current{};
  std::array<double, kLetterCount> previous{};
  bench.stop_requested = false;
  int processed = range.first - 1;
  StripRoom room;
  std::string read;
  {
    // One undo step, written to the pane as one edit however long the program.
    PaneLineBatch batch(bench, pane);
    LineProgress progress(bench, "Order NC", range);
    for (int n = range.first; n <= range.last; ++n) {
      if (EscapePending(bench) || bench.stop_requested) break;
      progress.At(n);
      previous = current;
      batch.ReadLine(n, read);
      std::string line =
          mode == kOrderSortAddresses || mode == kOrderBoth ? OrderWords(read, order, chars) : read;
      if (mode == kOrderStripUnneeded || mode == kOrderBoth) {
        if (!StripRepeats(bench, line, letters, current, previous, chars, room)) break;
      }
      batch.Replace(n, std::move(line));
      processed = n;
    }
  }
  SelectLines(bench, pane, range.first, std::max(processed, range.first));
}

}  // namespace vormak
