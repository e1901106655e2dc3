#pragma once
// The plot's canvas on any QPainter: a printer page, a PDF page or an SVG picture, drawn as
// vectors. On paper (`paper`) the sheet stays white, white lines print black, light colours
// print darker, and the move styles print in colours that read well on paper: dotted rapids
// teal, dash-dot blue, dash-dot-dot red; every pen but the dotted one solid. XOR pens draw
// plainly.

#include <QPainter>

#include "plot/canvas.h"

namespace vormak {

class PainterCanvas : public Canvas {
 public:
  // Draws in a box of `width` x `height` device pixels at the painter's current origin.
  // `text_scale`: device pixels per screen pixel, for text heights given in screen pixels.
  PainterCanvas(QPainter& painter, int width, int height, bool paper, double text_scale = 1);

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetPen(const Pen& pen) override;
  Pen CurrentPen() const override { return pen_; }
  void Clear(unsigned background_rgb) override;
  void Line(PixelPoint from, PixelPoint to) override;
  void Arc(int left, int top, int right, int bottom, PixelPoint start, PixelPoint end) override;
  void Ellipse(int left, int top, int right, int bottom, bool filled, unsigned fill_rgb) override;
  void Polygon(const std::vector<PixelPoint>& points, bool filled, unsigned fill_rgb) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void Text(PixelPoint at, const std::string& text, int height) override;
  void SetPixel(PixelPoint at, unsigned rgb) override;
  unsigned GetPixel(PixelPoint) const override { return 0; }

  // Line width in device pixels for pens of width 1 (0: the finest the device draws).
  void SetHairline(double width) { hairline_ = width; }

 private:
  void ApplyPen();
  unsigned PaperRgb(unsigned rgb) const;

  QPainter& painter_;
  int width_;
  int height_;
  bool paper_;
  double text_scale_;
  double hairline_ = 0;
  Pen pen_;
};

}  // namespace vormak
