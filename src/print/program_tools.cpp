#include "print/program_tools.h"

#include <cctype>

#include "nctext/edit_control.h"

namespace vormak {

namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The value of the first T word outside the comment: "T" at the start of a word, then a
// number. Macro statements (GOTO, WHILE ...) carry no tool word.
std::string TWord(const std::string& block, const CommentChars& chars) {
  const std::string words = StripComment(block, chars);
  if (HoldsMacroKeyword(words)) return {};
  for (std::size_t i = 0; i + 1 < words.size(); ++i) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(words[i])));
    if (c != 'T') continue;
    std::size_t end = i + 1;
    while (end < words.size() &&
           (std::isdigit(static_cast<unsigned char>(words[end])) || words[end] == '.')) {
      ++end;
    }
    if (end > i + 1) return words.substr(i + 1, end - i - 1);
  }
  return {};
}

}  // namespace

ProgramTool ToolOfLine(const std::string& block, const CommentChars& chars) {
  ProgramTool tool;
  tool.t_word = TWord(block, chars);
  const std::string opener(1, chars.begin);
  std::size_t at = block.find(opener + "TL ");
  const bool loads = at != std::string::npos;
  if (!loads) at = block.find(opener + "TM ");
  const bool defines = at != std::string::npos;
  if (!defines && tool.t_word.empty()) return tool;
  tool.line = 1;
  tool.text = block;
  if (!defines) return tool;
  std::string comment = block.substr(at + 4);
  if (chars.end != 0) comment = comment.substr(0, comment.find(chars.end));
  // A drive letter ("C:\TOOLS\...") is part of the name, not the start of a description.
  const std::size_t colon = comment.find(':');
  if (colon != std::string::npos && comment.compare(colon, 2, ":\\") != 0) {
    tool.hint = Trimmed(comment.substr(colon + 1));
    comment.resize(colon);
  }
  if (loads) tool.file = Trimmed(comment);
  return tool;
}

std::vector<ProgramTool> ProgramToolLines(const EditControl& pane, const CommentChars& chars) {
  std::vector<ProgramTool> tools;
  const int count = pane.LineCount();
  for (int line = 1; line <= count; ++line) {
    ProgramTool tool = ToolOfLine(pane.GetLine(line), chars);
    if (tool.line == 0) continue;
    tool.line = line;
    tools.push_back(std::move(tool));
  }
  return tools;
}

std::vector<ListingLine> ToolListListing(const std::vector<ProgramTool>& tools) {
  std::vector<ListingLine> lines;
  lines.reserve(tools.size());
  for (const ProgramTool& tool : tools) lines.push_back({tool.line, PrintableText(tool.text)});
  return lines;
}

}  // namespace vormak
