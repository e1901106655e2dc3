#include "utilities/block_edit.h"

#include <algorithm>
#include <cstdint>

#include "nctext/line_batch.h"
#include "nctext/status_services.h"
#include "settings/machine_settings.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<PreparedBlock> PrepareBlock(const std::string& line, const CommentChars& chars) {
  PreparedBlock block;
  if (!PrepareBlockInto(line, chars, block)) return std::nullopt;
  return block;
}

bool PrepareBlockInto(std::string_view line, const CommentChars& chars, PreparedBlock& block) {
  const auto [first, last] = CommentSpan(line, chars);
  if (first == std::string_view::npos) {
    block.words.assign(line);
    block.comment.clear();
    return true;
  }
  block.comment.assign(line.substr(first, last - first));
  block.words.assign(line.substr(0, first));
  block.words.append(line.substr(last));
  return block.words.find(chars.begin) == std::string::npos;
}

bool PassedOver(const std::string& line, const MachineSettings& settings) {
  return line.empty() || settings.ignore_char.find(line.front()) != std::string::npos;
}

size_t FindWord(std::string_view words, char letter) {
  const size_t at = words.find(letter);
  if (at == std::string_view::npos || !IsLetter(letter)) return at;
  const bool after_letter = at > 0 && IsLetter(words[at - 1]);
  const bool before_letter = at + 1 < words.size() && IsLetter(words[at + 1]);
  return after_letter || before_letter ? std::string::npos : at;
}

LetterWords::LetterWords(std::string_view words) {
  at_.fill(std::string_view::npos);
  constexpr std::uint32_t kAll = (std::uint32_t{1} << 26) - 1;
  std::uint32_t seen = 0;
  const size_t size = words.size();
  for (size_t i = 0; i < size && seen != kAll; ++i) {
    const char c = words[i];
    if (c < 'A' || c > 'Z') continue;
    const std::uint32_t bit = std::uint32_t{1} << (c - 'A');
    if ((seen & bit) != 0) continue;
    // Only a letter's first place counts, as for FindWord.
    seen |= bit;
    const bool after_letter = i > 0 && IsLetter(words[i - 1]);
    const bool before_letter = i + 1 < size && IsLetter(words[i + 1]);
    if (!after_letter && !before_letter) at_[static_cast<size_t>(c - 'A')] = i;
  }
}

size_t RunEnd(std::string_view text, size_t from, bool (*in_run)(char)) {
  size_t end = from;
  while (end < text.size() && in_run(text[end])) ++end;
  return end;
}

bool IsPlainValue(std::string_view words, size_t value_from, size_t value_end, char var_prefix) {
  const auto first = words.begin() + static_cast<std::ptrdiff_t>(value_from);
  const auto last = words.begin() + static_cast<std::ptrdiff_t>(value_end);
  if (std::none_of(first, last, IsDigit)) return false;
  if (value_end < words.size() && (words[value_end] == '[' || words[value_end] == var_prefix)) {
    return false;
  }
  return true;
}

void FlipSign(std::string& words, size_t at) {
  const size_t sign = at + 1;
  if (sign < words.size() && words[sign] == '-') {
    words.erase(sign, 1);
  } else if (sign < words.size() && words[sign] == '+') {
    words[sign] = '-';
  } else {
    words.insert(sign, 1, '-');
  }
}

void RewriteLines(Workbench& bench, int pane, LineRange range, const std::string& caption,
                  const LineRewrite& rewrite) {
  range.last = std::min(range.last, PaneLineCount(bench, pane));
  int processed = range.first - 1;
  {
    PaneLineBatch batch(bench, pane);
    LineProgress progress(bench, caption, range);
    std::string line;
    for (int n = range.first; n <= range.last && !bench.stop_requested; ++n) {
      progress.At(n);
      batch.ReadLine(n, line);
      processed = n;
      if (!PassedOver(line, bench.settings)) {
        WalkStep step{n, batch};
        if (auto text = rewrite(line, step)) batch.Replace(n, std::move(*text));
        if (step.end_pass) break;
      }
      EscapePending(bench);
    }
  }
  SelectLines(bench, pane, range.first, processed);
}

}  // namespace vormak
