#include "cad/drawing_colours.h"

#include <array>
#include <cstddef>

#include "cad/palette.h"

namespace vormak {

namespace {

using namespace palette;

// Position = number in the file.
constexpr std::array<std::int32_t, 16> kCdlColours{
    kBlack, kGreen, kDarkRed, kBrown, kYellow, kSkyBlue, kPurple, kGray,
    kNavy,  kBlue,  kLime,    kAqua,  kRed,    kMagenta, kSilver, kWhite};

constexpr std::array<std::int32_t, 16> kExchangeColours{
    kBlack, kRed,     kYellow, kLime, kSkyBlue, kBlue, kMagenta, kWhite,
    kGray,  kDarkRed, kBrown,  kAqua, kGreen,   kNavy, kPurple,  kSilver};

template <std::size_t N>
int IndexOf(const std::array<std::int32_t, N>& table, std::int32_t colour, int otherwise) {
  for (std::size_t i = 0; i < N; ++i) {
    if (table[i] == colour) return static_cast<int>(i);
  }
  return otherwise;
}

}  // namespace

std::int32_t CdlIndexColour(int index, std::int32_t background) {
  if (index == 0) return background == kBlack ? kSilver : kBlack;
  if (index == 15) return background == kWhite ? kSilver : kWhite;
  if (index < 0 || index > 15) return kSilver;
  return kCdlColours[static_cast<std::size_t>(index)];
}

int CdlColourIndex(std::int32_t colour) {
  return IndexOf(kCdlColours, colour, 10);
}

int ExchangeColourNumber(std::int32_t colour) {
  return IndexOf(kExchangeColours, colour, 3);
}

std::int32_t DxfNumberColour(int number, std::int32_t background) {
  if (number == 0) return background == kBlack ? kSilver : kBlack;
  if (number == 16) return kWhite;
  if (number < 0 || number > 15) return kLime;
  return kExchangeColours[static_cast<std::size_t>(number)];
}

std::int32_t IgesNumberColour(int number) {
  if (number < 0 || number > 15) return kLime;
  return kExchangeColours[static_cast<std::size_t>(number)];
}

}  // namespace vormak
