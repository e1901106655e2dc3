#pragma once
// How each address letter writes its value on the current machine (X1.5, X1.5000, X15000,
// X0015), and the colouring of words and comments in the editor panes.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "settings/machine_settings.h"

namespace vormak {

struct LetterFormat {
  char letter = 'A';
  int integer_digits = 3;
  int decimal_digits = 4;
  bool decimal_point = true;
  bool leading_zeros = false;
  bool trailing_zeros = false;
  friend bool operator==(const LetterFormat&, const LetterFormat&) = default;
};

using FormatSet = std::array<LetterFormat, kLetterCount>;

// Set 1 is the current machine's; set 2 is the target machine of Reformat.
struct WordFormats {
  WordFormats();
  std::array<FormatSet, 2> sets;

  // set 1 or 2 (anything else is set 1); letter A..Z.
  const LetterFormat& Get(int set, char letter) const;
  LetterFormat& Get(int set, char letter);
};

inline bool IsAddressLetter(char c) {
  return c >= 'A' && c <= 'Z';
}

// The stored form "000.0000,1,0,0" read with the machine file's field rules.
LetterFormat ReadLetterFormat(char letter, std::string_view stored);
// The Format page's line edit: only the two counts, no 3/4 default for an empty pattern.
void SetDigitsFromPattern(LetterFormat& format, std::string_view pattern);
// "000.0000": integer zeros, "." when there are decimals or a point, decimal zeros.
std::string LetterPattern(const LetterFormat& format);
// Pattern and the three flags, as written to the machine file.
std::string StoredLetterFormat(const LetterFormat& format);

// Format set 1 from the stored A..Z keys of the settings (after a load, after the
// Configuration dialog's Apply), and back into the stored keys (before a save).
void FillFormatSet1(WordFormats& formats, const MachineSettings& settings);
void StoreFormatSet1(const WordFormats& formats, MachineSettings& settings);
// Reformat's target: set 2 from another machine's stored keys.
void FillFormatSet(WordFormats& formats, int set,
                   const std::array<std::string, kLetterCount>& stored);

// The value as the machine writes it for `letter` in format set `set`; a character outside
// A..Z gets PlainNumberText.
std::string FormatAddressValue(const WordFormats& formats, char letter, int set, double value);

// The value of a word's value text; without a "." the letter's format places the implied
// decimal point. Text that is not a number reads as 0.
double ReadAddressValue(const WordFormats& formats, char letter, std::string_view text, int set);

// The colouring rules handed to editor panes 1 and 2: comment characters and word letters.
std::string BuildSyntaxDescriptor(const MachineSettings& settings);

// What the descriptor tells the colouring lexer.
struct SyntaxRules {
  char comment_char = 0;      // 0: no comments
  char end_comment_char = 0;  // 0: a comment runs to the end of the line
  bool colour_comments = false;
  std::string word_starts;  // characters that begin an address word
};
SyntaxRules ParseSyntaxDescriptor(std::string_view descriptor);

enum class PieceKind { kWord, kComment };
// RGB (0xRRGGBB) of a word or comment piece while highlighting is on; empty leaves the
// pane's own text colour.
std::optional<unsigned> HighlightColour(const std::array<HighlightPair, 7>& pairs, PieceKind kind,
                                        std::string_view piece);
// RGB of a highlight colour number: 1 red, 2 blue, 3 green, 4 magenta, 5 orange, else black.
unsigned HighlightRgb(int colour_number);

}  // namespace vormak
