#pragma once
// Word values of one block read in a single pass: where each address letter first stands
// outside bracket expressions, and its value. Plain numbers are read directly; anything else
// (brackets, operators, a bad value) goes through AddressValue, so the results are exactly
// AddressValue's.

#include <array>
#include <cstddef>
#include <string_view>

namespace vormak {

class Workbench;

// Where an address letter's first place is kept: A..Z, then ":"; -1 for anything else.
inline int AddressSlot(char address) {
  if (address >= 'A' && address <= 'Z') return address - 'A';
  if (address == ':') return 26;
  return -1;
}

class WordReader {
 public:
  explicit WordReader(std::string_view block);

  // Letters A..Z and ":".
  bool Has(char address) const { return FirstAt(address) != std::string_view::npos; }
  size_t FirstAt(char address) const {
    const int slot = AddressSlot(address);
    return slot < 0 ? std::string_view::npos : first_[static_cast<size_t>(slot)];
  }
  // The value of the first occurrence of `address` (0 when absent), as AddressValue reads it.
  double Value(Workbench& bench, char address, bool implied) const;

 private:
  std::string_view block_;
  std::array<size_t, 27> first_;
};

// Where `letter` first stands as a word from `from` on: letters inside a bracket expression
// ("X[#1 MOD 100]", "Y[SIN[30]]") belong to the expression, not to M, S or I words.
size_t FindWordLetter(std::string_view block, char letter, size_t from = 0);

// AddressValue of a one-character address, taking the quick road for plain numbers.
double LetterValue(Workbench& bench, char address, std::string_view block, bool implied);
// The same with the position of that first occurrence already known.
double LetterValueAt(Workbench& bench, std::string_view block, size_t at, bool implied);

}  // namespace vormak
