#include "dnc/tape_code.h"

#include <gtest/gtest.h>

#include <bit>
#include <map>
#include <set>

#include "dnc/tape_title_font.h"

namespace vormak {
namespace {

std::string Bytes(std::initializer_list<int> codes) {
  std::string s;
  for (int c : codes) s += static_cast<char>(c);
  return s;
}

// The EIA RS-244 table as the tape punch's manual lists it.
const std::map<int, int> kEia = {
    {' ', 0x10},  {'0', 0x20},  {'1', 0x01}, {'2', 0x02}, {'3', 0x13}, {'4', 0x04}, {'5', 0x15},
    {'6', 0x16},  {'7', 0x07},  {'8', 0x08}, {'9', 0x19}, {'A', 0x61}, {'B', 0x62}, {'C', 0x73},
    {'D', 0x64},  {'E', 0x75},  {'F', 0x76}, {'G', 0x67}, {'H', 0x68}, {'I', 0x79}, {'J', 0x51},
    {'K', 0x52},  {'L', 0x43},  {'M', 0x54}, {'N', 0x45}, {'O', 0x46}, {'P', 0x57}, {'Q', 0x58},
    {'R', 0x49},  {'S', 0x32},  {'T', 0x23}, {'U', 0x34}, {'V', 0x25}, {'W', 0x26}, {'X', 0x37},
    {'Y', 0x38},  {'Z', 0x29},  {':', 0x1A}, {'%', 0x0B}, {'#', 0x1C}, {'*', 0x0D}, {'&', 0x0E},
    {'@', 0x1F},  {'/', 0x31},  {8, 0x2A},   {',', 0x3B}, {'[', 0x2C}, {']', 0x5E}, {9, 0x3E},
    {20, 0x2F},   {'-', 0x40},  {'~', 0x4A}, {'$', 0x5B}, {18, 0x4C},  {'"', 0x5D}, {';', 0x4F},
    {'+', 0x70},  {'(', 0x7A},  {'.', 0x6B}, {')', 0x7C}, {'?', 0x6D}, {'!', 0x6E}, {127, 0x7F},
    {'\n', 0x80}, {'\'', 0x3D},
};

TEST(EiaCode, EveryCharacterBothWays) {
  ASSERT_EQ(kEia.size(), 65u);
  std::map<int, int> back;
  for (int c = 0; c < 256; ++c) {
    const auto it = kEia.find(c);
    const int expected = it == kEia.end() ? 0x10 : it->second;
    EXPECT_EQ(EiaCode(static_cast<unsigned char>(c)), expected) << "character " << c;
  }
  for (const auto& [character, code] : kEia) back[code] = character;
  for (int code = 0; code < 256; ++code) {
    const auto decoded = EiaCharacter(static_cast<unsigned char>(code));
    const auto it = back.find(code);
    if (it == back.end()) {
      EXPECT_FALSE(decoded.has_value()) << "code " << code;
    } else {
      ASSERT_TRUE(decoded.has_value()) << "code " << code;
      EXPECT_EQ(*decoded, it->second) << "code " << code;
    }
  }
}

TEST(EiaCode, BlocksEndWithTheEndOfBlockCode) {
  EXPECT_EQ(EncodeBlock(TapeCode::kEia, "N10G1X1.5"),
            Bytes({0x45, 0x01, 0x20, 0x67, 0x01, 0x37, 0x01, 0x6B, 0x15, 0x80}));
  EXPECT_EQ(EncodeBlock(TapeCode::kEia, "B"), Bytes({0x62, 0x80}));
  // Lower case has no EIA code: it goes as the EIA blank.
  EXPECT_EQ(EncodeBlock(TapeCode::kEia, "x="), Bytes({0x10, 0x10, 0x80}));
  EXPECT_EQ(EncodeBlock(TapeCode::kEia, ""), Bytes({0x80}));
}

TEST(IsoCode, EvenParityOnEveryByte) {
  for (int c = 0; c < 128; ++c) {
    const unsigned char code = IsoCode(static_cast<unsigned char>(c));
    EXPECT_EQ(code & 0x7F, c);
    EXPECT_EQ(std::popcount(static_cast<unsigned>(code)) % 2, 0) << c;
  }
  EXPECT_EQ(EncodeBlock(TapeCode::kIso, "/1"), Bytes({0xAF, 0xB1, 0x8D, 0x0A}));
  EXPECT_EQ(EncodeBlock(TapeCode::kAscii, "G0"), "G0\r\n");
}

TEST(TapeCodeType, FromPunchType) {
  EXPECT_EQ(TapeCodeFromPunchType(1), TapeCode::kAscii);
  EXPECT_EQ(TapeCodeFromPunchType(2), TapeCode::kEia);
  EXPECT_EQ(TapeCodeFromPunchType(3), TapeCode::kIso);
  EXPECT_EQ(TapeCodeFromPunchType(7), TapeCode::kAscii);
  EXPECT_STREQ(TapeCodeName(TapeCode::kIso), "ISO");
}

TEST(TitleFont, EveryListedCharacterHasItsOwnGlyph) {
  const std::string listed = " #$-./0123456789:ABCDEFGHIJKLMNOPQRSTUVWXYZ\\";
  std::set<std::string> glyphs;
  for (const char c : listed) {
    const std::string columns = TitleColumns(static_cast<unsigned char>(c));
    ASSERT_GE(columns.size(), 1u) << c;
    EXPECT_LE(columns.size(), 8u) << c;
    bool holes = false;
    for (const char col : columns) {
      EXPECT_EQ(static_cast<unsigned char>(col) & 0x80, 0) << c;
      holes = holes || col != 0;
    }
    EXPECT_EQ(holes, c != ' ') << c;
    glyphs.insert(columns);
  }
  EXPECT_EQ(glyphs.size(), listed.size());
  for (const char c : std::string("abz()%*?!\"")) {
    EXPECT_TRUE(TitleColumns(static_cast<unsigned char>(c)).empty()) << c;
  }
  // The letter T: a bar across the top and a stem down the middle.
  EXPECT_EQ(TitleColumns('T'), Bytes({0x40, 0x40, 0x7F, 0x40, 0x40}));
}

}  // namespace
}  // namespace vormak
