#pragma once
// The column print: a program's blocks set out as a table, one column per address letter, so
// that a programmer can run an eye down the X values or the feeds. The sequence number comes
// first, then the G codes, then the other letters in alphabetical order, then the comment.

#include <string>
#include <string_view>
#include <vector>

#include "nctext/block_words.h"
#include "print/listing_pages.h"

namespace vormak {

class EditControl;

// The words of one block by letter: letter, value text. Macro statements and lines that do not
// start with an address stay whole in `rest`; the comment goes to `comment`.
struct BlockColumns {
  std::vector<std::pair<char, std::string>> words;
  std::string rest;
  std::string comment;
};
BlockColumns SplitBlockColumns(const std::string& block, const CommentChars& chars);

// The letters the program uses, in column order (N, G, then alphabetical).
std::string ColumnLetters(const EditControl& pane, const CommentChars& chars);

// The table as printed: the heading line first (letters over their columns, unnumbered), then
// one numbered line per block. `letters` names the columns shown (empty: every letter used);
// words of other letters are left out.
std::vector<ListingLine> ColumnListing(const EditControl& pane, const CommentChars& chars,
                                       std::string_view letters);

}  // namespace vormak
