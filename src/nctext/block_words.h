#pragma once
// Reading and rewriting the words of one NC block: the value of an address, the comment,
// and the order of the words.

#include <string>
#include <string_view>
#include <utility>

#include "settings/machine_settings.h"

namespace vormak {

class PaneBench;

inline constexpr const char* kBadCharacterInValue = "Bad Character in Value\r\n";
inline constexpr const char* kMismatchedBrackets = "Missmatched Brackets";
inline constexpr size_t kMessageBlockLength = 30;

// The machine's comment delimiters; end 0 when a comment runs to the end of the line.
struct CommentChars {
  char begin = '(';
  char end = ')';
};
CommentChars CommentCharsOf(const MachineSettings& settings);

// The value of the first occurrence of `address` ("X", "=", ...) in `block`, 0 when absent.
// Brackets are evaluated as expressions; with `implied`, a C F I J K U V W X Y Z value
// written without a point is in ten-thousandths. A bad value reads 0 and, with "Check
// Syntax" on, is reported (Cancel stops the running command).
double AddressValue(PaneBench& bench, std::string_view address, std::string_view block,
                    bool implied);

// The value text AddressValue would evaluate: what follows the address, brackets made into
// parentheses. Empty when the address is absent or has no value.
std::string AddressValueText(std::string_view address, std::string_view block_without_blanks);

struct SplitWord {
  bool found = false;
  std::string before;  // the whole block when the letter is absent
  std::string value;   // tab, "*", "+", "-", ".", "/" and digits after the letter
  std::string rest;
};
SplitWord SplitAtAddress(char letter, std::string_view block);

// Deletes the first `letter` and the blanks, "-", "." and digits after it.
std::string RemoveAddress(std::string_view block, char letter);
// The same in place.
void EraseAddress(std::string& block, char letter);

// Where the comment of `block` stands, [first, last) with both delimiters (to the end when no
// end delimiter follows); first is npos when the block holds no comment character.
std::pair<size_t, size_t> CommentSpan(std::string_view block, const CommentChars& chars);

// Deletes the comment with both delimiters (to the end when no end delimiter follows).
std::string StripComment(std::string_view block, const CommentChars& chars);
// The comment with its delimiters; the whole block when it holds no comment character.
std::string CommentOf(std::string_view block, const CommentChars& chars);

// True when two letters A to Z stand together: a macro keyword (IF, GOTO, END, SIN ...). Such a
// block is a macro statement, not a row of words, and word-by-word edits leave it alone.
bool HoldsMacroKeyword(std::string_view words);

// The block's words in `order` (G words in their order of appearance), then the remaining
// letters alphabetically, then the comment. Blocks that do not start with a letter, or hold
// "%", are returned as they are.
std::string OrderWords(std::string_view block, std::string_view order, const CommentChars& chars);

}  // namespace vormak
