#pragma once
// The sixteen named colours of drawings, files and the plotter. A colour is stored as the
// drawing files carry it: red in the low byte, then green, then blue.

#include <cstdint>

namespace vormak {

constexpr std::int32_t Rgb(int red, int green, int blue) {
  return static_cast<std::int32_t>(red | (green << 8) | (blue << 16));
}

// The canvas takes 0xRRGGBB.
constexpr unsigned CanvasRgb(std::int32_t colour) {
  const auto c = static_cast<unsigned>(colour);
  return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

namespace palette {
inline constexpr std::int32_t kBlack = Rgb(0, 0, 0);
inline constexpr std::int32_t kNavy = Rgb(0, 0, 128);
inline constexpr std::int32_t kGreen = Rgb(0, 128, 0);
inline constexpr std::int32_t kSkyBlue = Rgb(166, 202, 240);
inline constexpr std::int32_t kDarkRed = Rgb(191, 0, 0);
inline constexpr std::int32_t kPurple = Rgb(128, 0, 128);
inline constexpr std::int32_t kBrown = Rgb(128, 64, 0);
inline constexpr std::int32_t kSilver = Rgb(192, 192, 192);
inline constexpr std::int32_t kGray = Rgb(128, 128, 128);
inline constexpr std::int32_t kBlue = Rgb(0, 0, 255);
inline constexpr std::int32_t kLime = Rgb(0, 255, 0);
inline constexpr std::int32_t kAqua = Rgb(0, 255, 255);
inline constexpr std::int32_t kRed = Rgb(255, 0, 0);
inline constexpr std::int32_t kMagenta = Rgb(255, 0, 255);
inline constexpr std::int32_t kYellow = Rgb(255, 255, 0);
inline constexpr std::int32_t kWhite = Rgb(255, 255, 255);
}  // namespace palette

}  // namespace vormak
