#pragma once
// The colouring of NC text in the editor panes, without the editor: which style each byte
// of a run of lines takes. The window's lexer hands the styles to the editor; only the
// lines the editor asks for (those shown) are ever styled.

#include <array>
#include <string>
#include <string_view>

#include "settings/machine_settings.h"

namespace vormak {

// Styles: 0 the pane's own text colour; 1..5 the highlight colours red, blue, green, magenta,
// orange; 6 black.
inline constexpr int kNcStyleDefault = 0;
inline constexpr int kNcStyleBlack = 6;
inline constexpr int kNcStyleCount = 7;

struct NcColouring {
  char comment_char = 0;      // 0: no comments
  char end_comment_char = 0;  // 0: to the end of the line
  unsigned char comment_style = kNcStyleDefault;
  std::array<unsigned char, 256> word_style{};  // by the word's first byte; 0: not a word
  std::array<bool, 256> word_start{};
};

// From the syntax descriptor of the pane and the highlight pairs, as HighlightColour directs.
NcColouring MakeNcColouring(std::string_view descriptor, const std::array<HighlightPair, 7>& pairs);

// RGB of a style (`default_rgb` for style 0).
unsigned NcStyleRgb(int style, unsigned default_rgb);

// Writes one style byte for every byte of `text` into `styles` (text.size() bytes). `text`
// must start at the beginning of a line; line breaks end comments and words.
void StyleNcText(const NcColouring& colouring, std::string_view text, char* styles);

}  // namespace vormak
