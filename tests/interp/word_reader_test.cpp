// Plain numbers in words take a quick road; the value must be the one the general reader
// gives, to the last bit, or a long program drifts from what the control cuts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include "interp/word_reader.h"
#include "nctext/block_words.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

TEST(WordReaderTest, PlainNumbersReadToTheSameBitsAsTheGeneralReader) {
  FakeHost host;
  Workbench bench(host);
  std::mt19937_64 random(77);
  const auto check = [&](const std::string& number) {
    const double expected = std::strtod(number.c_str(), nullptr);
    const double got = LetterValue(bench, 'X', "G1 X" + number + " Y0", false);
    EXPECT_EQ(got, expected) << number;
    EXPECT_EQ(std::signbit(got), std::signbit(expected)) << number;
  };
  for (const char* n : {"0", "-0", "-0.", ".5", "5.", "0000.25", "123.456", "-298.445", "0.1",
                        "0.3", "9007199254740993", "900719925474099.3", "1234567890123456789.5",
                        "0.000000000000000001", "-.0001"}) {
    check(n);
  }
  for (int k = 0; k < 20000; ++k) {
    const int digits = 1 + static_cast<int>(random() % 20);
    std::string n = random() % 2 ? "-" : "";
    const int point = static_cast<int>(random() % static_cast<unsigned>(digits + 1));
    for (int d = 0; d < digits; ++d) {
      if (d == point) n += '.';
      n += static_cast<char>('0' + random() % 10);
    }
    check(n);
  }
}

// Random blocks of the characters that decide where a word's value ends: every letter's value
// is AddressValue's, to the bit, with and without implied decimals. (Brackets stay out: a
// letter inside one is no word for the reader, while AddressValue takes the first letter.)
TEST(WordReaderTest, RandomBlocksReadAsTheGeneralReaderReadsThem) {
  FakeHost host;
  Workbench bench(host);
  std::mt19937 random(2024);
  static constexpr char kChars[] = "XYZFG0123456789012345678901234567890123456789 .-+*/#";
  for (int k = 0; k < 20000; ++k) {
    std::string block;
    const int length = 1 + static_cast<int>(random() % 16);
    for (int i = 0; i < length; ++i) block += kChars[random() % (sizeof kChars - 1)];
    const WordReader words(block);
    for (const char letter : {'X', 'Y', 'F'}) {
      for (const bool implied : {false, true}) {
        const double expected = AddressValue(bench, std::string(1, letter), block, implied);
        const double got = words.Value(bench, letter, implied);
        if (std::isnan(expected)) {
          EXPECT_TRUE(std::isnan(got)) << block;
          continue;
        }
        ASSERT_EQ(got, expected) << block << " " << letter << implied;
        ASSERT_EQ(std::signbit(got), std::signbit(expected)) << block << " " << letter << implied;
      }
    }
  }
}

TEST(WordReaderTest, ImpliedDecimalsAndBlanksInsideTheNumber) {
  FakeHost host;
  Workbench bench(host);
  // A whole number in a length word is ten-thousandths; blanks inside a word are read over.
  EXPECT_DOUBLE_EQ(LetterValue(bench, 'X', "G1 X12500", true), 1.25);
  EXPECT_DOUBLE_EQ(LetterValue(bench, 'X', "G1 X 1 2.5", true), 12.5);
  EXPECT_DOUBLE_EQ(LetterValue(bench, 'S', "S1200 M3", true), 1200);
}

}  // namespace
}  // namespace vormak
