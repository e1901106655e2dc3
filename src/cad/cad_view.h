#pragma once
// What the element operations need from the plot window: painting one element in the open
// views, redrawing the window, and the current view's transform for picks. The plot window
// implements it over its view state and canvas; tests use a recording double.

#include "cad/cad_element.h"
#include "cad/geometry_types.h"
#include "cad/pixel_point.h"

namespace vormak {

class CadView {
 public:
  virtual ~CadView() = default;
  // Draws the element in every open view, in the colour of its state (nothing when deleted).
  virtual void Paint(const CadElement& element) = 0;
  // Clears the window and draws the table again.
  virtual void Redraw() = 0;
  // Current view slot: 1 top, 2 front, 3 side, 4 isometric.
  virtual int CurrentSlot() const = 0;
  // A pixel of the window in the two drawing axes of the current view (X-Y, X-Z or Y-Z).
  virtual Point ScreenToView(PixelPoint pixel) const = 0;
  // Where a drawing point appears in the window.
  virtual PixelPoint WorldToPixel(const Point& world) const = 0;
  // Pixels per drawing unit.
  virtual double Scale() const = 0;
  // 0xRRGGBB of a pixel of the window, for the isometric pick probe.
  virtual unsigned ReadPixel(PixelPoint pixel) const = 0;
};

}  // namespace vormak
