#pragma once
// What the word transforms share: a line's comment set aside before its words are changed,
// the first word of a letter that is really a word (not a letter inside IF, GOTO, THEN ...),
// and the walk over a range of lines with batching, progress and Escape.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "nctext/block_words.h"
#include "nctext/pane_services.h"

namespace vormak {

class PaneLineBatch;
class Workbench;
struct MachineSettings;

struct PreparedBlock {
  std::string words;    // the block without its comment
  std::string comment;  // with its delimiters; empty when there is none
};

// The comment set aside; empty when a comment character is left over (a second comment or
// an unclosed one): such a block is not touched.
std::optional<PreparedBlock> PrepareBlock(const std::string& line, const CommentChars& chars);
// The same into `block`, whose room a walk over many lines reuses; false where PrepareBlock
// answers nothing.
bool PrepareBlockInto(std::string_view line, const CommentChars& chars, PreparedBlock& block);

// Empty lines and lines beginning with an ignore character are passed over.
bool PassedOver(const std::string& line, const MachineSettings& settings);

// The first occurrence of `letter` in `words`; npos when there is none, or when it stands
// next to another letter (part of a macro keyword): then the block has no such word to change.
size_t FindWord(std::string_view words, char letter);

// FindWord for every letter A to Z at once, from one walk over the block: for a rewrite that
// asks about many letters of the same words.
class LetterWords {
 public:
  explicit LetterWords(std::string_view words);
  // FindWord(words, letter) for a letter A to Z.
  size_t Find(char letter) const { return at_[static_cast<size_t>(letter - 'A')]; }
  bool Has(char letter) const { return Find(letter) != std::string_view::npos; }

 private:
  std::array<size_t, 26> at_;
};

// End of the run of characters after `from` for which `in_run` holds.
size_t RunEnd(std::string_view text, size_t from, bool (*in_run)(char));

// True when the value text of a word is a plain number the utilities may rewrite: it holds a
// digit and is not the start of a bracket expression or a variable (X-[#1], X#5).
bool IsPlainValue(std::string_view words, size_t value_from, size_t value_end, char var_prefix);

// Writes the sign of a value the other way round: "-" after the letter at `at` goes, "+"
// becomes "-", anything else gets a "-".
void FlipSign(std::string& words, size_t at);

// One line of a walk: the new text, or nothing to leave the line as it is. A rewrite that
// shows the pane (to ask about a line) flushes the batch first; setting `end_pass` ends the
// walk after this line.
struct WalkStep {
  int n = 0;
  PaneLineBatch& batch;
  bool end_pass = false;
};
using LineRewrite =
    std::function<std::optional<std::string>(const std::string& line, WalkStep& step)>;

// Walks `range` of `pane` while the stop flag is clear (Escape sets it), passing over
// ignored lines, as one undo step; selects the processed lines at the end.
void RewriteLines(Workbench& bench, int pane, LineRange range, const std::string& caption,
                  const LineRewrite& rewrite);

}  // namespace vormak
