#pragma once
// The plot window's drawing surface in pixels. The window and the batch program draw on a
// raster image; tests record every primitive.

#include <string>
#include <vector>

#include "cad/pixel_point.h"

namespace vormak {

enum class PenStyle { kSolid, kDot, kDash, kDashDot, kDashDotDot };
enum class PenMode { kCopy, kXor };  // XOR for rubber bands and tool pictures

struct Pen {
  unsigned rgb = 0xFFFFFF;  // 0xRRGGBB
  PenStyle style = PenStyle::kSolid;
  PenMode mode = PenMode::kCopy;
  int width = 1;
  friend bool operator==(const Pen&, const Pen&) = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetPen(const Pen& pen) = 0;
  virtual Pen CurrentPen() const = 0;
  virtual void Clear(unsigned background_rgb) = 0;
  virtual void Line(PixelPoint from, PixelPoint to) = 0;
  // An elliptic arc inside the bounding box, counter-clockwise as seen on the screen from the
  // start to the end radial (the classic Arc(left, top, right, bottom, start, end) primitive);
  // equal radials give the whole ellipse.
  virtual void Arc(int left, int top, int right, int bottom, PixelPoint start, PixelPoint end) = 0;
  virtual void Ellipse(int left, int top, int right, int bottom, bool filled,
                       unsigned fill_rgb) = 0;
  virtual void Polygon(const std::vector<PixelPoint>& points, bool filled, unsigned fill_rgb) = 0;
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
  virtual void Text(PixelPoint at, const std::string& text, int height) = 0;
  virtual void SetPixel(PixelPoint at, unsigned rgb) = 0;
  virtual unsigned GetPixel(PixelPoint at) const = 0;
};

}  // namespace vormak
