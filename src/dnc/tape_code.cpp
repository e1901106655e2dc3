#include "dnc/tape_code.h"

#include <array>
#include <bit>

namespace vormak {

namespace {

struct EiaEntry {
  unsigned char character;
  unsigned char code;
};

// Character and EIA RS-244 code.
constexpr EiaEntry kEiaTable[] = {
    {' ', 0x10},  {'0', 0x20},  {'1', 0x01},  {'2', 0x02}, {'3', 0x13}, {'4', 0x04}, {'5', 0x15},
    {'6', 0x16},  {'7', 0x07},  {'8', 0x08},  {'9', 0x19}, {'A', 0x61}, {'B', 0x62}, {'C', 0x73},
    {'D', 0x64},  {'E', 0x75},  {'F', 0x76},  {'G', 0x67}, {'H', 0x68}, {'I', 0x79}, {'J', 0x51},
    {'K', 0x52},  {'L', 0x43},  {'M', 0x54},  {'N', 0x45}, {'O', 0x46}, {'P', 0x57}, {'Q', 0x58},
    {'R', 0x49},  {'S', 0x32},  {'T', 0x23},  {'U', 0x34}, {'V', 0x25}, {'W', 0x26}, {'X', 0x37},
    {'Y', 0x38},  {'Z', 0x29},  {':', 0x1A},  {'%', 0x0B}, {'#', 0x1C}, {'*', 0x0D}, {'&', 0x0E},
    {'@', 0x1F},  {'/', 0x31},  {'\b', 0x2A}, {',', 0x3B}, {'[', 0x2C}, {']', 0x5E}, {'\t', 0x3E},
    {20, 0x2F},   {'-', 0x40},  {'~', 0x4A},  {'$', 0x5B}, {18, 0x4C},  {'"', 0x5D}, {';', 0x4F},
    {'+', 0x70},  {'(', 0x7A},  {'.', 0x6B},  {')', 0x7C}, {'?', 0x6D}, {'!', 0x6E}, {0x7F, 0x7F},
    {'\n', 0x80}, {'\'', 0x3D},
};

struct EiaMaps {
  std::array<unsigned char, 256> code{};
  std::array<short, 256> character{};
};

constexpr EiaMaps MakeEiaMaps() {
  EiaMaps m;
  for (auto& c : m.code) c = kEiaBlank;
  for (auto& c : m.character) c = -1;
  for (const EiaEntry& e : kEiaTable) {
    m.code[e.character] = e.code;
    m.character[e.code] = e.character;
  }
  return m;
}

constexpr EiaMaps kEia = MakeEiaMaps();

}  // namespace

TapeCode TapeCodeFromPunchType(int punch_type) {
  if (punch_type == 2) return TapeCode::kEia;
  if (punch_type == 3) return TapeCode::kIso;
  return TapeCode::kAscii;
}

const char* TapeCodeName(TapeCode code) {
  switch (code) {
    case TapeCode::kEia:
      return "EIA";
    case TapeCode::kIso:
      return "ISO";
    case TapeCode::kAscii:
      break;
  }
  return "ASCII";
}

unsigned char EiaCode(unsigned char c) {
  return kEia.code[c];
}

std::optional<unsigned char> EiaCharacter(unsigned char code) {
  const short c = kEia.character[code];
  if (c < 0) return std::nullopt;
  return static_cast<unsigned char>(c);
}

unsigned char IsoCode(unsigned char c) {
  return (std::popcount(static_cast<unsigned>(c)) % 2) ? static_cast<unsigned char>(c | 0x80) : c;
}

std::string EncodeBlock(TapeCode code, const std::string& text) {
  std::string out;
  out.reserve(text.size() + 2);
  switch (code) {
    case TapeCode::kAscii:
      out = text;
      out += "\r\n";
      break;
    case TapeCode::kEia:
      for (const char c : text) out += static_cast<char>(EiaCode(static_cast<unsigned char>(c)));
      out += static_cast<char>(kEiaEndOfBlock);
      break;
    case TapeCode::kIso:
      for (const char c : text) out += static_cast<char>(IsoCode(static_cast<unsigned char>(c)));
      out += static_cast<char>(IsoCode('\r'));
      out += static_cast<char>(IsoCode('\n'));
      break;
  }
  return out;
}

}  // namespace vormak
