// What the word rewrites share: a block split from its comment into kept room, and the first
// word of every letter found in one walk over the block.
#include "utilities/block_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vormak {
namespace {

constexpr size_t kNone = std::string::npos;

// Every letter A to Z answered as FindWord answers it.
void ExpectSameAsFindWord(const std::string& words) {
  const LetterWords found(words);
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    EXPECT_EQ(found.Find(letter), FindWord(words, letter))
        << letter << " in " << words.substr(0, 60);
  }
}

TEST(LetterWords, FirstWordOfEachLetterAsFindWordFindsIt) {
  const std::vector<std::string> blocks{
      "",
      "N10 G01 X1.5 Y-2. F100.",
      "G1 X1 X2 Y3 Y4",
      "IF [#1 GT 2] GOTO 5",
      "GOTO 5 G1 O7",
      "X1 (CUT Y2) Y3",
      "xY1 Y2 aZ3 Zb",
      "\xb5X1 Y\xe9 Z2\xff",
      "X",
      "XY",
      "A1B2C3D4E5F6G7H8I9J0K1L2M3N4O5P6Q7R8S9T0U1V2W3X4Y5Z6 A7 Z8",
  };
  for (const std::string& words : blocks) ExpectSameAsFindWord(words);

  // Repeated letters: the first place counts, also when it stands next to another letter.
  const LetterWords repeated("X1 X2 GOTO 5 G1 O7");
  EXPECT_EQ(repeated.Find('X'), 0u);
  EXPECT_EQ(repeated.Find('G'), kNone);
  EXPECT_EQ(repeated.Find('O'), kNone);
  EXPECT_FALSE(repeated.Has('T'));
  // A letter inside a comment is found where it stands: the comment is set aside first.
  EXPECT_EQ(LetterWords("X1 (CUT Y2) Y3").Find('Y'), 8u);
  // Lower-case letters and bytes above 127 are neighbours of different kinds.
  EXPECT_EQ(LetterWords("aZ3 Z4").Find('Z'), kNone);
  EXPECT_EQ(LetterWords("\xe9Z3").Find('Z'), 1u);
}

TEST(LetterWords, LongBlocks) {
  std::string block = "N1";
  for (int i = 0; i < 25'000; ++i) block += " M8 ";
  block += "Q5";
  ASSERT_GT(block.size(), 100'000u);
  ExpectSameAsFindWord(block);
  EXPECT_EQ(LetterWords(block).Find('Q'), block.size() - 2);
  EXPECT_EQ(LetterWords(block).Find('M'), 3u);
}

TEST(PrepareBlockInto, ReusedRoomKeepsNothingOfTheLineBefore) {
  const CommentChars paren{'(', ')'};
  PreparedBlock block;
  ASSERT_TRUE(PrepareBlockInto("N1 X1 (FIRST) Y2", paren, block));
  EXPECT_EQ(block.words, "N1 X1  Y2");
  EXPECT_EQ(block.comment, "(FIRST)");
  ASSERT_TRUE(PrepareBlockInto("N2", paren, block));
  EXPECT_EQ(block.words, "N2");
  EXPECT_EQ(block.comment, "");
  ASSERT_TRUE(PrepareBlockInto("N3 (OPEN", paren, block));
  EXPECT_EQ(block.words, "N3 ");
  EXPECT_EQ(block.comment, "(OPEN");
  // A second comment: the block is not touched.
  EXPECT_FALSE(PrepareBlockInto("N4 (A) (B)", paren, block));
  EXPECT_FALSE(PrepareBlock("N4 (A) (B)", paren));
  const CommentChars semicolon{';', 0};
  ASSERT_TRUE(PrepareBlockInto("N5 X1 ;TO THE END (X)", semicolon, block));
  EXPECT_EQ(block.words, "N5 X1 ");
  EXPECT_EQ(block.comment, ";TO THE END (X)");
}

}  // namespace
}  // namespace vormak
