#include "print/column_table.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "nctext/edit_control.h"
#include "nctext/text_functions.h"

namespace vormak {

namespace {

bool IsLetter(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

char Upper(char c) {
  return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

// N first, G second, the rest alphabetically.
int ColumnRank(char letter) {
  if (letter == 'N') return 0;
  if (letter == 'G') return 1;
  return 2 + (letter - 'A');
}

std::string SortedLetters(std::string letters) {
  std::ranges::sort(letters, [](char a, char b) { return ColumnRank(a) < ColumnRank(b); });
  letters.erase(std::unique(letters.begin(), letters.end()), letters.end());
  return letters;
}

std::string Padded(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

}  // namespace

BlockColumns SplitBlockColumns(const std::string& block, const CommentChars& chars) {
  BlockColumns columns;
  const std::size_t open = block.find(chars.begin);
  if (open != std::string::npos) columns.comment = CommentOf(block, chars);
  const std::string words = StripComment(block, chars);
  const auto first = words.find_first_not_of(" \t");
  if (first == std::string::npos) return columns;
  if (!IsLetter(words[first]) || HoldsMacroKeyword(words)) {
    columns.rest = words.substr(first);
    return columns;
  }
  std::size_t i = first;
  while (i < words.size()) {
    const char c = words[i];
    if (c == ' ' || c == '\t') {
      ++i;
      continue;
    }
    if (!IsLetter(c)) {  // a stray character is kept with the rest of the line
      columns.rest += c;
      ++i;
      continue;
    }
    std::size_t end = i + 1;
    int depth = 0;
    while (end < words.size()) {
      const char v = words[end];
      if (v == '[') ++depth;
      if (v == ']') --depth;
      if (depth <= 0 && (IsLetter(v) || v == ' ' || v == '\t')) break;
      ++end;
    }
    columns.words.emplace_back(Upper(c), words.substr(i + 1, end - i - 1));
    i = end;
  }
  return columns;
}

std::string ColumnLetters(const EditControl& pane, const CommentChars& chars) {
  std::string letters;
  std::array<bool, 26> seen{};
  const int count = pane.LineCount();
  for (int line = 1; line <= count; ++line) {
    for (const auto& [letter, value] : SplitBlockColumns(pane.GetLine(line), chars).words) {
      if (letter < 'A' || letter > 'Z' || seen[static_cast<std::size_t>(letter - 'A')]) continue;
      seen[static_cast<std::size_t>(letter - 'A')] = true;
      letters += letter;
    }
  }
  return SortedLetters(letters);
}

std::vector<ListingLine> ColumnListing(const EditControl& pane, const CommentChars& chars,
                                       std::string_view letters) {
  const std::string order =
      letters.empty() ? ColumnLetters(pane, chars) : SortedLetters(UpperText(letters));
  const int count = pane.LineCount();
  // The cells of each block, one per column; a letter written twice in a block shares its cell.
  std::vector<std::vector<std::string>> cells(static_cast<std::size_t>(count));
  std::vector<std::string> tails(static_cast<std::size_t>(count));
  std::vector<std::size_t> widths(order.size(), 1);
  for (int line = 1; line <= count; ++line) {
    const BlockColumns block = SplitBlockColumns(pane.GetLine(line), chars);
    auto& row = cells[static_cast<std::size_t>(line - 1)];
    row.assign(order.size(), {});
    for (const auto& [letter, value] : block.words) {
      const std::size_t column = order.find(letter);
      if (column == std::string::npos) continue;
      std::string& cell = row[column];
      if (!cell.empty()) cell += ' ';
      cell += PrintableText(value);
      widths[column] = std::max(widths[column], cell.size());
    }
    std::string tail = block.rest;
    if (!block.comment.empty()) tail += (tail.empty() ? "" : " ") + block.comment;
    tails[static_cast<std::size_t>(line - 1)] = PrintableText(tail);
  }
  std::vector<ListingLine> lines;
  lines.reserve(static_cast<std::size_t>(count) + 1);
  std::string heading;
  for (std::size_t c = 0; c < order.size(); ++c) {
    heading += Padded(std::string(1, order[c]), widths[c] + 2);
  }
  lines.push_back({0, heading});
  for (int line = 1; line <= count; ++line) {
    std::string text;
    const auto& row = cells[static_cast<std::size_t>(line - 1)];
    for (std::size_t c = 0; c < order.size(); ++c) text += Padded(row[c], widths[c] + 2);
    text += tails[static_cast<std::size_t>(line - 1)];
    while (!text.empty() && text.back() == ' ') text.pop_back();
    lines.push_back({line, text});
  }
  return lines;
}

}  // namespace vormak
