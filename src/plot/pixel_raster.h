#pragma once
// Thin lines and elliptic arcs written straight into a 32-bit pixel buffer. A backplot of a
// million moves is almost all one-pixel lines and arcs in a handful of pens: writing their
// pixels directly is what lets a redraw keep up with the mouse.
//
// Every pixel depends only on the primitive, never on the window it is cut to, so a line
// running off the window lights the same pixels inside it as the whole line would, and a
// repaint gives the picture of the run byte for byte. Dotted and dashed pens keep their
// pattern counted in pixels from the primitive's start; an arc's pattern runs on round it.

#include <cstddef>
#include <cstdint>

#include "plot/canvas.h"

namespace vormak {

struct PixelBuffer {
  std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;  // pixels from one row to the next
};

// Where a pen's on-off pattern stands; a solid pen is always on.
class DashPhase {
 public:
  explicit DashPhase(PenStyle style);
  bool Solid() const { return length_ == 0; }
  // Pixels in one round of the pattern, and which of them are lit (bit i for pixel i).
  int Length() const { return length_; }
  std::uint32_t LitMask() const { return lit_; }
  // Where in the pattern the pixel `steps` pixels on from here falls.
  int PositionAfter(std::int64_t steps) const;
  void Advance(std::int64_t steps);

 private:
  std::uint32_t lit_ = 0;
  int length_ = 0;
  int at_ = 0;  // pixels into the pattern
};

// The line from `from` to `to`, both ends lit; `skip_first` leaves out its first pixel (a
// polyline's joint already lit by the leg before). The phase moves on by the pixels of the leg.
void RasterLine(const PixelBuffer& buffer, PixelPoint from, PixelPoint to, std::uint32_t pixel,
                DashPhase& dash, bool skip_first = false);

// Where an arc's quarter points fall and how many chords each stretch between them takes
// depend on the angles of its end radials. kQuick takes them from a short series and falls
// back on the library's arctangent whenever one of those decisions lies too close to call;
// kExact always takes the library's. Both light the same pixels.
enum class ArcAngles { kQuick, kExact };

// The arc of the ellipse inside the box, counter-clockwise on the screen from the direction of
// `start` to the direction of `end` (seen from the box's centre); equal points give the whole
// ellipse. Drawn as chords standing at most a quarter pixel off the curve, with a corner at
// each quarter point inside the sweep so that the ellipse's extreme pixels are always lit.
void RasterArc(const PixelBuffer& buffer, int left, int top, int right, int bottom,
               PixelPoint start, PixelPoint end, std::uint32_t pixel, DashPhase& dash,
               ArcAngles angles = ArcAngles::kQuick);

}  // namespace vormak
