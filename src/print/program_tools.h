#pragma once
// The tools a program calls, as its printed tool list shows them: every line that loads or
// defines a tool in a comment ("TL " and a tool file, "TM " and a cutter) or changes the tool
// with a T word, in program order.

#include <string>
#include <vector>

#include "nctext/block_words.h"
#include "print/listing_pages.h"

namespace vormak {

class EditControl;

struct ProgramTool {
  int line = 0;        // editor line, from 1
  std::string text;    // the line as written
  std::string t_word;  // the T word's value text; empty when the line has none
  std::string file;    // the tool file a "TL " comment names; empty otherwise
  std::string hint;    // what follows the first ":" of the tool comment
};

// One tool line, or an entry with `line` 0 when the block neither loads nor changes a tool.
ProgramTool ToolOfLine(const std::string& block, const CommentChars& chars);

std::vector<ProgramTool> ProgramToolLines(const EditControl& pane, const CommentChars& chars);

// The tool list as printed: the tool lines with their editor line numbers.
std::vector<ListingLine> ToolListListing(const std::vector<ProgramTool>& tools);

}  // namespace vormak
