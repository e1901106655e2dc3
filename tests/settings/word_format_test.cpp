#include "settings/word_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "settings/number_text.h"

namespace vormak {
namespace {

WordFormats WithFormat(char letter, const char* stored, int set = 1) {
  WordFormats formats;
  formats.Get(set, letter) = ReadLetterFormat(letter, stored);
  return formats;
}

TEST(LetterFormatStoredForm, ReadsEveryQuirkOfTheFieldRules) {
  const LetterFormat full = ReadLetterFormat('X', "000.0000,1,0,0");
  EXPECT_EQ(full.integer_digits, 3);
  EXPECT_EQ(full.decimal_digits, 4);
  EXPECT_TRUE(full.decimal_point);
  EXPECT_FALSE(full.leading_zeros);
  EXPECT_FALSE(full.trailing_zeros);

  // Without a comma the flags come from the pattern's own first character, and the last
  // flag takes the whole text.
  const LetterFormat bare = ReadLetterFormat('X', "000.0000");
  EXPECT_EQ(bare.integer_digits, 3);
  EXPECT_EQ(bare.decimal_digits, 4);
  EXPECT_FALSE(bare.decimal_point);
  EXPECT_FALSE(bare.leading_zeros);
  EXPECT_FALSE(bare.trailing_zeros);

  const LetterFormat one = ReadLetterFormat('X', "000.0000,1");
  EXPECT_TRUE(one.decimal_point);
  EXPECT_TRUE(one.leading_zeros);
  EXPECT_TRUE(one.trailing_zeros);

  const LetterFormat g = ReadLetterFormat('G', "00,0,1,0");
  EXPECT_EQ(g.integer_digits, 2);
  EXPECT_EQ(g.decimal_digits, 0);
  EXPECT_FALSE(g.decimal_point);
  EXPECT_TRUE(g.leading_zeros);
  EXPECT_FALSE(g.trailing_zeros);
}

TEST(LetterFormatStoredForm, EmptyPatternAndLongFields) {
  const LetterFormat empty = ReadLetterFormat('X', "");
  EXPECT_EQ(empty.integer_digits, 3);
  EXPECT_EQ(empty.decimal_digits, 4);
  EXPECT_TRUE(empty.decimal_point);
  const LetterFormat dot = ReadLetterFormat('X', ".,1,0,0");
  EXPECT_EQ(dot.integer_digits, 3);
  EXPECT_EQ(dot.decimal_digits, 4);
  // Only the counts matter; the pattern field is cut to 20 characters.
  const LetterFormat any = ReadLetterFormat('X', "ab.c,1,0,0");
  EXPECT_EQ(any.integer_digits, 2);
  EXPECT_EQ(any.decimal_digits, 1);
  const LetterFormat cut = ReadLetterFormat('X', std::string(22, '0') + ".00,1,0,0");
  EXPECT_EQ(cut.integer_digits, 20);
  EXPECT_EQ(cut.decimal_digits, 0);
  // The last flag is the whole rest, so "1,junk" is not "1".
  EXPECT_FALSE(ReadLetterFormat('X', "000.0000,1,0,1,junk").trailing_zeros);
}

TEST(LetterFormatStoredForm, WritesPatternAndFlags) {
  EXPECT_EQ(StoredLetterFormat(ReadLetterFormat('X', "000.0000,1,0,0")), "000.0000,1,0,0");
  EXPECT_EQ(StoredLetterFormat(ReadLetterFormat('G', "00,0,1,0")), "00,0,1,0");
  // No decimals but the point: the pattern keeps its ".".
  EXPECT_EQ(StoredLetterFormat(ReadLetterFormat('N', "0000.,1,0,0")), "0000.,1,0,0");
  LetterFormat edited = ReadLetterFormat('X', "000.0000,1,0,0");
  SetDigitsFromPattern(edited, "");
  EXPECT_EQ(edited.integer_digits, 0);  // the dialog has no 3/4 default
  EXPECT_EQ(edited.decimal_digits, 0);
}

TEST(LetterFormatStoredForm, SettingsRoundTrip) {
  MachineSettings settings;
  settings.letter_formats[static_cast<size_t>('Y' - 'A')] = "0000.000,0,1,1";
  WordFormats formats;
  FillFormatSet1(formats, settings);
  EXPECT_EQ(formats.Get(1, 'Y').decimal_digits, 3);
  EXPECT_TRUE(formats.Get(1, 'Y').leading_zeros);
  EXPECT_EQ(formats.Get(2, 'Y').decimal_digits, 4);  // set 2 untouched
  MachineSettings saved;
  StoreFormatSet1(formats, saved);
  EXPECT_EQ(saved.letter_formats[static_cast<size_t>('Y' - 'A')], "0000.000,0,1,1");
  EXPECT_EQ(saved.letter_formats[0], "000.0000,1,0,0");
}

struct FormatRow {
  const char* stored;
  double value;
  const char* text;
};

// The worked examples with 3 integer and 4 decimal digits, one row of flags each.
TEST(FormatAddressValue, WorkedExamples) {
  const FormatRow rows[] = {
      {"000.0000,1,0,0", 1.5, "1.5"},        {"000.0000,1,0,0", 12, "12."},
      {"000.0000,1,0,0", -0.25, "-.25"},     {"000.0000,1,0,0", 0.123456, ".1235"},
      {"000.0000,1,0,1", 1.5, "1.5000"},     {"000.0000,1,0,1", 12, "12.0000"},
      {"000.0000,1,0,1", -0.25, "-.2500"},   {"000.0000,1,0,1", 0.123456, ".1235"},
      {"000.0000,0,0,1", 1.5, "15000"},      {"000.0000,0,0,1", 12, "120000"},
      {"000.0000,0,0,1", -0.25, "-2500"},    {"000.0000,0,0,1", 0.123456, "1235"},
      {"000.0000,0,1,0", 1.5, "0015000"},    {"000.0000,0,1,0", 12, "0120000"},
      {"000.0000,0,1,0", -0.25, "-0002500"}, {"000.0000,0,1,0", 0.123456, "0001235"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FormatAddressValue(WithFormat('X', row.stored), 'X', 1, row.value), row.text)
        << row.stored << " " << row.value;
  }
}

TEST(WordFormats, EveryLetterOfBothSetsStartsAsTheStoredDefault) {
  const WordFormats defaults;
  for (int set : {1, 2}) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
      EXPECT_EQ(defaults.Get(set, letter), ReadLetterFormat(letter, kDefaultLetterFormat))
          << set << " " << letter;
      EXPECT_EQ(defaults.Get(set, letter).letter, letter);
    }
  }
}

TEST(FormatAddressValue, ZeroAndCodes) {
  const WordFormats defaults;
  EXPECT_EQ(FormatAddressValue(defaults, 'G', 1, 1), "1.");
  EXPECT_EQ(FormatAddressValue(defaults, 'G', 1, 0), "0.");
  EXPECT_EQ(FormatAddressValue(defaults, 'M', 1, 30), "30.");
  EXPECT_EQ(FormatAddressValue(WithFormat('X', "000.0000,0,1,1"), 'X', 1, 0), "0");
  EXPECT_EQ(FormatAddressValue(WithFormat('G', "00,0,1,0"), 'G', 1, 0), "00");
  EXPECT_EQ(FormatAddressValue(WithFormat('G', "00,0,0,0"), 'G', 1, 0), "0");
  EXPECT_EQ(FormatAddressValue(WithFormat('G', "00,0,1,0"), 'G', 1, 1), "01");
}

TEST(FormatAddressValue, RoundingAtTheHalf) {
  const WordFormats defaults;
  EXPECT_EQ(FormatAddressValue(defaults, 'X', 1, -1.23441), "-1.2344");
  EXPECT_EQ(FormatAddressValue(defaults, 'X', 1, -1.23447), "-1.2345");
  // Exactly half a unit of the last kept decimal is not more than half: it stays.
  EXPECT_EQ(FormatAddressValue(defaults, 'X', 1, 1.23445), "1.2344");
  EXPECT_EQ(FormatAddressValue(defaults, 'X', 1, 1.234451), "1.2345");
  EXPECT_EQ(FormatAddressValue(defaults, 'X', 1, 0.99996), "1.");
  EXPECT_EQ(FormatAddressValue(WithFormat('X', "000.0000,0,1,0"), 'X', 1, 0.99996), "0010000");
  EXPECT_EQ(FormatAddressValue(WithFormat('X', "000.,1,0,0"), 'X', 1, 2.6), "3.");
  EXPECT_EQ(FormatAddressValue(WithFormat('X', "000.00,1,0,1"), 'X', 1, 0.004), ".00");
}

TEST(FormatAddressValue, ValuesRoundingToNothingAreZero) {
  const WordFormats defaults;
  EXPECT_EQ(FormatAddressValue(defaults, 'X', 1, 0.00001), "0");
  EXPECT_EQ(FormatAddressValue(defaults, 'X', 1, -0.00001), "0");
  EXPECT_EQ(FormatAddressValue(WithFormat('X', "000,0,0,0"), 'X', 1, 0.3), "0");
  EXPECT_EQ(FormatAddressValue(WithFormat('X', "000,0,0,0"), 'X', 1, -0.3), "0");
  EXPECT_EQ(FormatAddressValue(WithFormat('X', "000,0,0,0"), 'X', 1, 0.7), "1");
  EXPECT_EQ(FormatAddressValue(WithFormat('X', "000.0000,1,0,1"), 'X', 1, -0.00001), "-.0000");
}

TEST(FormatAddressValue, LongValuesAreNeverCut) {
  const WordFormats defaults;
  EXPECT_EQ(FormatAddressValue(defaults, 'X', 1, 123456.5), "123456.5");
  EXPECT_EQ(FormatAddressValue(WithFormat('X', "00.0,0,1,1"), 'X', 1, 12345.26), "123453");
  EXPECT_EQ(FormatAddressValue(defaults, 'X', 1, 1e20), "100000000000000000000.");
  EXPECT_EQ(FormatAddressValue(defaults, '#', 1, 0.5), ".5");  // not a letter: plain text
  EXPECT_EQ(FormatAddressValue(WithFormat('X', "0.0,1,0,0", 2), 'X', 2, 1.25), "1.2");
}

TEST(ReadAddressValue, ImpliedDecimalPoint) {
  const WordFormats defaults;
  EXPECT_DOUBLE_EQ(ReadAddressValue(defaults, 'X', "15000", 1), 1.5);
  EXPECT_DOUBLE_EQ(ReadAddressValue(defaults, 'X', "5", 1), 0.0005);
  EXPECT_DOUBLE_EQ(ReadAddressValue(defaults, 'X', "-15", 1), -0.0015);
  EXPECT_DOUBLE_EQ(ReadAddressValue(defaults, 'X', "1.5", 1), 1.5);
  EXPECT_DOUBLE_EQ(ReadAddressValue(WithFormat('X', "000.0000,0,1,0"), 'X', "1.5", 1), 1.5);
  EXPECT_DOUBLE_EQ(ReadAddressValue(WithFormat('X', "000.0000,0,1,0"), 'X', "0015", 1), 1.5);
  EXPECT_DOUBLE_EQ(ReadAddressValue(WithFormat('X', "000.0000,0,1,0"), 'X', "00", 1), 0);
  EXPECT_DOUBLE_EQ(ReadAddressValue(WithFormat('X', "000.0000,0,1,1"), 'X', "0015", 1), 0.0015);
  EXPECT_DOUBLE_EQ(ReadAddressValue(defaults, 'X', " 1 5 0 0 0 ", 1), 1.5);
  EXPECT_DOUBLE_EQ(ReadAddressValue(defaults, 'X', "abc", 1), 0);
  EXPECT_DOUBLE_EQ(ReadAddressValue(WithFormat('N', "0000,0,0,0"), 'N', "120", 1), 120);
}

TEST(PlainNumberText, Examples) {
  EXPECT_EQ(PlainNumberText(12), "12.0");
  EXPECT_EQ(PlainNumberText(0.5), ".5");
  EXPECT_EQ(PlainNumberText(-0.25), "-.25");
  EXPECT_EQ(PlainNumberText(1.23456), "1.2346");
  EXPECT_EQ(PlainNumberText(0), ".0");
  EXPECT_EQ(PlainNumberText(-3), "-3.0");
  EXPECT_EQ(PlainNumberText(1e15), "1000000000000000.0");
  // Decimals past the 15-character field are rounded away, not cut.
  EXPECT_EQ(PlainNumberText(12345678901.23456), "12345678901.235");
  EXPECT_EQ(PlainNumberText(-12345678901.9996), "-12345678902.0");
  EXPECT_EQ(PlainNumberText(111111111111111.09375), "111111111111111.1");
}

// A number written, read back and written again gives the same text, however large.
TEST(PlainNumberText, ReadBackWritesTheSameText) {
  std::mt19937_64 random(5);
  std::uniform_real_distribution<double> exponent(-3, 18);
  for (int i = 0; i < 20000; ++i) {
    const double value = std::pow(10.0, exponent(random)) * (random() % 2 ? 1 : -1);
    const std::string text = PlainNumberText(value);
    const double back = std::strtod(text.c_str(), nullptr);
    ASSERT_EQ(PlainNumberText(back), text) << value;
  }
}

// The fixed-point writer must give printf's own text: the halves of the last decimal (even
// and odd), values that are not exact in binary, the sign of values rounding to zero, huge
// and tiny values that take the general path, and every decimal count the writers use.
TEST(WriteFixed, SameTextAsPrintf) {
  std::vector<double> values = {0,     -0.0,       0.5,      1.5,      2.5,          -2.5,    0.125,
                                0.375, 0.000005,   0.000015, 0.000025, 1.00005,      1.00015, -1e-7,
                                1e-7,  123.456785, 0.1,      -0.7,     999999.99995, 1e12,    3e15,
                                1e-30, 5e-324,     1e300};
  // About the largest values written from the rounded product, and halves of a millionth.
  for (const double v : {999999999.5, 1e9, -999999999.9999995, 123456789.0000005, 0.0000005}) {
    values.push_back(v);
  }
  std::mt19937_64 random(17);
  std::uniform_real_distribution<double> part_program(-5000, 5000);
  for (int i = 0; i < 20000; ++i) {
    values.push_back(part_program(random));
    // Values a machine writes with few decimals, plus and minus a half unit.
    const double written = std::round(part_program(random) * 1e4) / 1e4;
    values.push_back(written + 0.00005);
    values.push_back(written - 0.000005);
  }
  for (const double value : values) {
    for (int decimals = 0; decimals <= 7; ++decimals) {
      char expected[512];
      const int size = std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
      char written[512];
      const char* end = WriteFixed(value, decimals, written, written + 400);
      ASSERT_EQ(std::string(written, static_cast<size_t>(end - written)),
                std::string(expected, static_cast<size_t>(size)))
          << value << " with " << decimals << " decimals";
    }
  }
}

MachineSettings CommentSettings(const char* c, const char* e, char pair7) {
  MachineSettings s;
  s.comment_char = c;
  s.end_comment_char = e;
  s.highlight[6] = {pair7, 3};
  return s;
}

TEST(SyntaxDescriptor, EveryCommentForm) {
  const std::string words = "3A3B3C3D3E3F3G3H3I3J3K3L3M3N3O3P3Q3R3S3T3U3V3W3X3Y3Z3#1";
  EXPECT_EQ(BuildSyntaxDescriptor(CommentSettings("(", ")", '(')), "1(1)000" + words);
  EXPECT_EQ(BuildSyntaxDescriptor(CommentSettings(";", "", '(')), "1;0000" + words);
  EXPECT_EQ(BuildSyntaxDescriptor(CommentSettings("", "", '(')), "00000" + words);
  EXPECT_EQ(BuildSyntaxDescriptor(CommentSettings("(", ")", 0)), "0001(1)" + words);
  EXPECT_EQ(BuildSyntaxDescriptor(CommentSettings(";", "", 0)), "001;00" + words);
  EXPECT_EQ(BuildSyntaxDescriptor(CommentSettings("", "", 0)), "00000" + words);
}

TEST(SyntaxDescriptor, ParsedBackForTheLexer) {
  const SyntaxRules coloured =
      ParseSyntaxDescriptor(BuildSyntaxDescriptor(CommentSettings("(", ")", '(')));
  EXPECT_EQ(coloured.comment_char, '(');
  EXPECT_EQ(coloured.end_comment_char, ')');
  EXPECT_TRUE(coloured.colour_comments);
  EXPECT_EQ(coloured.word_starts, "ABCDEFGHIJKLMNOPQRSTUVWXYZ#");
  const SyntaxRules plain =
      ParseSyntaxDescriptor(BuildSyntaxDescriptor(CommentSettings(";", "", 0)));
  EXPECT_EQ(plain.comment_char, ';');
  EXPECT_EQ(plain.end_comment_char, 0);
  EXPECT_FALSE(plain.colour_comments);
  const SyntaxRules both =
      ParseSyntaxDescriptor(BuildSyntaxDescriptor(CommentSettings("{", "}", 0)));
  EXPECT_EQ(both.comment_char, '{');
  EXPECT_EQ(both.end_comment_char, '}');
  EXPECT_FALSE(both.colour_comments);
  EXPECT_EQ(both.word_starts, "ABCDEFGHIJKLMNOPQRSTUVWXYZ#");
  const SyntaxRules open =
      ParseSyntaxDescriptor(BuildSyntaxDescriptor(CommentSettings(";", "", '(')));
  EXPECT_EQ(open.comment_char, ';');
  EXPECT_EQ(open.end_comment_char, 0);
  EXPECT_TRUE(open.colour_comments);
}

TEST(HighlightColour, FirstMatchingPairWins) {
  std::array<HighlightPair, 7> pairs{};
  pairs[1] = {'X', 1};
  pairs[2] = {'X', 2};
  pairs[3] = {'G', 9};
  EXPECT_EQ(HighlightColour(pairs, PieceKind::kWord, "X1.5"), 0xFF0000u);
  EXPECT_EQ(HighlightColour(pairs, PieceKind::kWord, "G01"), 0x000000u);  // other number: black
  EXPECT_FALSE(HighlightColour(pairs, PieceKind::kWord, "Y2").has_value());
  EXPECT_FALSE(HighlightColour(pairs, PieceKind::kComment, "(X)").has_value());
  pairs[6] = {'(', 5};
  EXPECT_EQ(HighlightColour(pairs, PieceKind::kComment, "(X)"), 0xFF8000u);
}

}  // namespace
}  // namespace vormak
