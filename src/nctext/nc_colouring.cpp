#include "nctext/nc_colouring.h"

#include <cstring>
#include <optional>

#include "settings/word_format.h"

namespace vormak {

namespace {

unsigned char StyleOf(std::optional<unsigned> rgb) {
  if (!rgb) return kNcStyleDefault;
  for (int n = 1; n <= 5; ++n) {
    if (HighlightRgb(n) == *rgb) return static_cast<unsigned char>(n);
  }
  return kNcStyleBlack;
}

bool IsBreak(char c) {
  return c == '\r' || c == '\n';
}

}  // namespace

NcColouring MakeNcColouring(std::string_view descriptor,
                            const std::array<HighlightPair, 7>& pairs) {
  const SyntaxRules rules = ParseSyntaxDescriptor(descriptor);
  NcColouring c;
  c.comment_char = rules.comment_char;
  c.end_comment_char = rules.end_comment_char;
  if (rules.colour_comments)
    c.comment_style = StyleOf(HighlightColour(pairs, PieceKind::kComment, ""));
  for (char start : rules.word_starts) {
    const auto byte = static_cast<unsigned char>(start);
    c.word_start[byte] = true;
    c.word_style[byte] =
        StyleOf(HighlightColour(pairs, PieceKind::kWord, std::string_view(&start, 1)));
  }
  return c;
}

unsigned NcStyleRgb(int style, unsigned default_rgb) {
  if (style >= 1 && style <= 5) return HighlightRgb(style);
  if (style == kNcStyleBlack) return 0x000000;
  return default_rgb;
}

void StyleNcText(const NcColouring& c, std::string_view text, char* styles) {
  std::memset(styles, kNcStyleDefault, text.size());
  const size_t n = text.size();
  size_t i = 0;
  while (i < n) {
    const char ch = text[i];
    if (c.comment_char != 0 && ch == c.comment_char) {
      size_t end = i + 1;
      while (end < n && !IsBreak(text[end])) {
        if (c.end_comment_char != 0 && text[end] == c.end_comment_char) {
          ++end;
          break;
        }
        ++end;
      }
      std::memset(styles + i, c.comment_style, end - i);
      i = end;
      continue;
    }
    const auto byte = static_cast<unsigned char>(ch);
    if (!c.word_start[byte]) {
      ++i;
      continue;
    }
    size_t end = i + 1;
    while (end < n) {
      const char next = text[end];
      if (IsBreak(next) || next == ' ' || next == '\t' || next == c.comment_char ||
          c.word_start[static_cast<unsigned char>(next)]) {
        break;
      }
      ++end;
    }
    std::memset(styles + i, c.word_style[byte], end - i);
    i = end;
  }
}

}  // namespace vormak
