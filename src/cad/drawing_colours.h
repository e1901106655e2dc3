#pragma once
// The colour numbers drawing files carry in place of the elements' RGB values. CDL has its
// own index; DXF and IGES share the written numbers and differ in what they read back.

#include <cstdint>

namespace vormak {

// Index 0 reads as Silver on a Black background and 15 as Silver on a White one, so the
// drawing never vanishes into the screen.
std::int32_t CdlIndexColour(int index, std::int32_t background);
// Colours not in the palette are written as Lime (10).
int CdlColourIndex(std::int32_t colour);

// The number DXF and IGES are written with; colours not in the palette are Lime (3).
int ExchangeColourNumber(std::int32_t colour);
std::int32_t DxfNumberColour(int number, std::int32_t background);
std::int32_t IgesNumberColour(int number);

}  // namespace vormak
