#include "nctext/block_words.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "nctext/expression.h"
#include "nctext/pane_bench.h"
#include "nctext/pane_services.h"
#include "nctext/status_services.h"
#include "nctext/text_functions.h"

namespace vormak {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsValueRunChar(char c) {
  return IsDigit(c) || c == '*' || c == '+' || c == '-' || c == '.' || c == '/';
}

std::string BracketsToParentheses(std::string text) {
  for (char& c : text) {
    if (c == '[') c = '(';
    if (c == ']') c = ')';
  }
  return text;
}

// The bracket text at the start of `after` (its first or second character is "["): through
// the "]" that closes that first "[", or all of it when none does.
std::string BracketValue(std::string_view after) {
  const size_t open = after.find('[');
  int depth = 0;
  size_t end = after.size();
  for (size_t i = open; i < after.size(); ++i) {
    if (after[i] == '[') ++depth;
    if (after[i] == ']' && --depth == 0) {
      end = i + 1;
      break;
    }
  }
  std::string text = BracketsToParentheses(std::string(after.substr(0, end)));
  const size_t last = text.rfind(')');
  if (last != std::string::npos && last > 1) text.resize(last + 1);
  return text;
}

// Letters whose values a machine may write in ten-thousandths without a point.
bool TakesImpliedDecimal(char letter) {
  return std::string_view("CFIJKUVWXYZ").find(letter) != std::string_view::npos;
}

double BadValue(PaneBench& bench, std::string_view block) {
  if (bench.settings.use[kUseCheckSyntax]) {
    const std::string kept(block.substr(0, std::min(block.size(), kMessageBlockLength)));
    Warn(bench, kBadCharacterInValue + kept);
    FocusPane(bench, bench.active_pane);
  }
  return 0;
}

}  // namespace

CommentChars CommentCharsOf(const MachineSettings& settings) {
  CommentChars chars;
  chars.begin = settings.comment_char.empty() ? '(' : settings.comment_char.front();
  chars.end = settings.end_comment_char.empty() ? 0 : settings.end_comment_char.front();
  if (chars.end == 0 && chars.begin == '(') chars.end = ')';
  return chars;
}

std::string AddressValueText(std::string_view address, std::string_view block) {
  if (address.empty()) return {};
  const size_t at = block.find(address);
  if (at == std::string_view::npos) return {};
  const std::string_view after = block.substr(at + address.size());
  if (address == "=" && after.find('[') != std::string_view::npos) {
    return BracketsToParentheses(std::string(after));
  }
  if ((!after.empty() && after[0] == '[') || (after.size() > 1 && after[1] == '[')) {
    return BracketValue(after);
  }
  size_t n = 0;
  while (n < after.size() && IsValueRunChar(after[n])) ++n;
  return std::string(after.substr(0, n));
}

namespace {

// The value of a one-letter address read where it stands, when blanks cannot change it: the
// digits follow the letter directly and run up to the end of the block or, past any blanks,
// to a character that neither goes on with the value nor opens a bracket. Empty otherwise.
std::optional<std::string_view> UnbrokenValue(std::string_view address, std::string_view block) {
  if (address.size() != 1 || !IsAddressLetter(address[0])) return std::nullopt;
  const size_t at = block.find(address[0]);
  if (at == std::string_view::npos) return std::nullopt;
  size_t end = at + 1;
  while (end < block.size() && IsValueRunChar(block[end])) ++end;
  if (end == at + 1) return std::nullopt;
  size_t next = end;
  while (next < block.size() && block[next] == ' ') ++next;
  if (next < block.size() && (IsValueRunChar(block[next]) || block[next] == '[')) {
    return std::nullopt;
  }
  return block.substr(at + 1, end - at - 1);
}

}  // namespace

double AddressValue(PaneBench& bench, std::string_view address, std::string_view block,
                    bool implied) {
  std::string value_text;
  std::string_view text;
  if (const auto unbroken = UnbrokenValue(address, block)) {
    text = *unbroken;
  } else {
    // Blanks inside a word do not part it: the block is read without them.
    std::string stripped;
    std::string_view clean = block;
    if (block.find(' ') != std::string_view::npos) {
      stripped = StripBlanks(block);
      clean = stripped;
    }
    if (address.empty() || clean.find(address) == std::string_view::npos) return 0;
    value_text = AddressValueText(address, clean);
    text = value_text;
  }
  if (text.empty()) return BadValue(bench, block);
  const bool check_syntax = bench.settings.use[kUseCheckSyntax];
  if (check_syntax && text.find('(') != std::string_view::npos &&
      CountChar('(', text) != CountChar(')', text)) {
    bench.host().Information(kMismatchedBrackets, kWarningCaption);
  }
  // Controls read a signed word such as X+1.25 as X1.25; the "+" is dropped before the number
  // (inside an expression a leading "+" stays a syntax error).
  std::string_view number = text;
  if (number.size() > 1 && number[0] == '+' && (IsDigit(number[1]) || number[1] == '.')) {
    number.remove_prefix(1);
  }
  const EvalResult result = Evaluate(number);
  if (result.failed()) return BadValue(bench, block);
  const char letter = address.front();
  if (implied && TakesImpliedDecimal(letter) && text.find('.') == std::string_view::npos) {
    const LetterFormat& f = bench.word_formats.Get(1, letter);
    const bool whole_units = f.decimal_digits == 0 && f.decimal_point && f.integer_digits > 0;
    if (!whole_units) return result.value / 10000;
  }
  return result.value;
}

SplitWord SplitAtAddress(char letter, std::string_view block) {
  SplitWord split;
  const size_t at = block.find(letter);
  if (at == std::string_view::npos) {
    split.before = std::string(block);
    return split;
  }
  split.found = true;
  split.before = std::string(block.substr(0, at));
  size_t end = at + 1;
  while (end < block.size() && (IsValueRunChar(block[end]) || block[end] == '\t')) ++end;
  split.value = std::string(block.substr(at + 1, end - at - 1));
  split.rest = std::string(block.substr(end));
  return split;
}

std::string RemoveAddress(std::string_view block, char letter) {
  std::string out(block);
  EraseAddress(out, letter);
  return out;
}

void EraseAddress(std::string& block, char letter) {
  const size_t at = block.find(letter);
  if (at == std::string::npos) return;
  size_t end = at + 1;
  while (end < block.size() &&
         (block[end] == ' ' || block[end] == '-' || block[end] == '.' || IsDigit(block[end]))) {
    ++end;
  }
  block.erase(at, end - at);
}

std::pair<size_t, size_t> CommentSpan(std::string_view block, const CommentChars& chars) {
  const size_t first = block.find(chars.begin);
  if (first == std::string_view::npos) return {first, first};
  size_t last = chars.end == 0 ? std::string_view::npos : block.find(chars.end, first + 1);
  last = last == std::string_view::npos ? block.size() : last + 1;
  return {first, last};
}

std::string StripComment(std::string_view block, const CommentChars& chars) {
  const auto [first, last] = CommentSpan(block, chars);
  if (first == std::string_view::npos) return std::string(block);
  std::string out(block.substr(0, first));
  out += block.substr(last);
  return out;
}

std::string CommentOf(std::string_view block, const CommentChars& chars) {
  const auto [first, last] = CommentSpan(block, chars);
  if (first == std::string_view::npos) return std::string(block);
  return std::string(block.substr(first, last - first));
}

bool HoldsMacroKeyword(std::string_view words) {
  for (size_t i = 1; i < words.size(); ++i) {
    if (IsAddressLetter(words[i - 1]) && IsAddressLetter(words[i])) return true;
  }
  return false;
}

std::string OrderWords(std::string_view block, std::string_view order, const CommentChars& chars) {
  // A walk over a long program orders block after block: the room for the words without
  // their comment and for the list of words is kept from one block to the next.
  thread_local std::string without_comment;
  const auto [first, last] = CommentSpan(block, chars);
  const bool has_comment = first != std::string_view::npos;
  const std::string_view comment =
      has_comment ? block.substr(first, last - first) : std::string_view();
  std::string_view words_text = block;
  if (has_comment) {
    without_comment.assign(block.substr(0, first));
    without_comment.append(block.substr(last));
    words_text = without_comment;
  }
  if (words_text.empty() || !IsAddressLetter(words_text.front()) ||
      words_text.find('%') != std::string_view::npos) {
    return std::string(block);
  }
  if (HoldsMacroKeyword(words_text)) return std::string(block);
  // Every word of every letter is kept, in its order of appearance: a block may hold several
  // M or G words, and an expression value must survive whole. A letter's place is its first
  // place in `order`; letters not named there follow alphabetically.
  std::array<size_t, kLetterCount> rank;
  for (size_t i = 0; i < rank.size(); ++i) rank[i] = order.size() + i;
  for (size_t i = order.size(); i-- > 0;) {
    if (IsAddressLetter(order[i])) rank[static_cast<size_t>(order[i] - 'A')] = i;
  }
  struct Word {
    size_t rank;
    std::string_view text;
  };
  thread_local std::vector<Word> words;
  words.clear();
  const std::string_view all = words_text;
  bool blanks = false;
  size_t size = 0;
  for (size_t i = 0; i < all.size();) {
    size_t end = i + 1;
    while (end < all.size() && !IsAddressLetter(all[end])) ++end;
    std::string_view word = all.substr(i, end - i);
    while (!word.empty() && word.back() == ' ') {
      word.remove_suffix(1);
      blanks = true;
    }
    words.push_back({rank[static_cast<size_t>(all[i] - 'A')], word});
    size += word.size() + 1;
    i = end;
  }
  // A handful of words: an insertion sort, which keeps a letter's words in their order.
  for (size_t i = 1; i < words.size(); ++i) {
    for (size_t j = i; j > 0 && words[j - 1].rank > words[j].rank; --j) {
      std::swap(words[j - 1], words[j]);
    }
  }
  std::string out;
  out.reserve(size + comment.size() + 1);
  for (const Word& w : words) {
    if (!out.empty() && blanks) out += ' ';
    out += w.text;
  }
  if (!comment.empty()) {
    if (!out.empty() && blanks) out += ' ';
    out += comment;
  }
  return out;
}

}  // namespace vormak
