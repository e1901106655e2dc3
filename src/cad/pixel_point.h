#pragma once
// A pixel of the plot window: the drawing surface and the drawing's picks both count in it.

namespace vormak {

// A pixel of the plot window, x to the right and y down from its top left corner.
struct PixelPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

}  // namespace vormak
