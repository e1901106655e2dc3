#include "ncfiles/toolbox_words.h"

#include <cmath>

#include "nctext/block_words.h"
#include "nctext/edit_control.h"
#include "nctext/pane_services.h"
#include "settings/word_format.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kGWordsLooked = 6;

bool IsWordChar(char c) {
  return c == '\t' || c == '*' || c == '+' || c == '-' || c == '.' || c == '/' ||
         (c >= '0' && c <= '9');
}

// Where the word a G command replaces begins: the first G0 when the command is G1 and the
// first G1 when it is G0, else the first G word.
size_t GWordToReplace(Workbench& bench, const std::string& body, std::string_view command) {
  const size_t first = body.find('G');
  const double v = AddressValue(bench, "G", command, true);
  size_t at = first;
  for (int k = 0; k < kGWordsLooked && at != std::string::npos; ++k, at = body.find('G', at + 1)) {
    const double value = AddressValue(bench, "G", std::string_view(body).substr(at), true);
    if ((value == 0 && v == 1) || (value == 1 && v == 0)) return at;
  }
  return first;
}

}  // namespace

ToolboxKind ToolboxKindOf(std::string_view command) {
  if (command.empty()) return ToolboxKind::kNone;
  switch (command.front()) {
    case '@':
      return ToolboxKind::kMacro;
    case '~':
      return ToolboxKind::kScriptLine;
    case '&':
      return ToolboxKind::kScriptFile;
    case '\'':
      return ToolboxKind::kLiteral;
    default:
      return ToolboxKind::kWord;
  }
}

std::string MergeToolboxWord(Workbench& bench, std::string_view line, std::string_view command) {
  const CommentChars chars = CommentCharsOf(bench.settings);
  const std::string appended = std::string(line) + std::string(command);
  if (command.empty()) return std::string(line);
  const bool has_comment = line.find(chars.begin) != std::string_view::npos;
  if (command.front() == chars.begin) {
    return has_comment ? StripComment(line, chars) + std::string(command) : appended;
  }
  const std::string comment = has_comment ? CommentOf(line, chars) : std::string();
  std::string body = has_comment ? StripComment(line, chars) : std::string(line);
  const char letter = command.front();
  if (letter < 'A' || letter > 'Z' || body.find(letter) == std::string::npos) return appended;
  const size_t at = letter == 'G' ? GWordToReplace(bench, body, command) : body.find(letter);
  size_t end = at + 1;
  while (end < body.size() && IsWordChar(body[end])) ++end;
  body.replace(at, end - at, command);
  return body + comment;
}

bool ApplyToolboxText(Workbench& bench, int pane, int n, std::string_view command) {
  const ToolboxKind kind = ToolboxKindOf(command);
  if (kind != ToolboxKind::kLiteral && kind != ToolboxKind::kWord) return false;
  const std::string line = PaneLine(bench, pane, n);
  std::string text;
  if (kind == ToolboxKind::kLiteral) {
    // A command of one quote has nothing between its quotes.
    text = line + std::string(command.size() >= 2 ? command.substr(1, command.size() - 2) : "");
  } else {
    text = OrderWords(MergeToolboxWord(bench, line, command), bench.settings.address_order,
                      CommentCharsOf(bench.settings));
  }
  SetLineText(bench, pane, n, text);
  return true;
}

void SetMotionCode(Workbench& bench, int g) {
  const int pane = bench.active_pane;
  const int n = CaretLine(bench, pane);
  std::string line = PaneLine(bench, pane, n);
  // Blocks written without blanks stay so.
  const char* gap = line.find(' ') != std::string::npos ? " " : "";
  bool numbered = false;
  long long number = 0;
  if (line.find('N') != std::string::npos) {
    number = std::llround(AddressValue(bench, "N", line, false));
    line = RemoveAddress(line, 'N');
    numbered = true;
  }
  if (line.find('G') != std::string::npos) {
    const double value = AddressValue(bench, "G", line, false);
    if (value == 0 || value == 1 || value == 2 || value == 3) line = RemoveAddress(line, 'G');
  }
  while (!line.empty() && line.front() == ' ') line.erase(0, 1);
  std::string text = "G" + FormatAddressValue(bench.word_formats, 'G', 1, g);
  if (!line.empty()) text += gap + line;
  if (numbered) {
    text = "N" + FormatAddressValue(bench.word_formats, 'N', 1, static_cast<double>(number)) + gap +
           text;
  }
  ReplacePaneLine(bench, pane, n, text);
}

}  // namespace vormak
