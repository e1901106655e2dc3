#pragma once
// The plot window's canvas on a raster image: the window blits it on expose, the batch
// program saves it as PNG. Antialiasing is off so lines land on whole pixels and the XOR
// pen takes back exactly what it drew. A backplot is mostly thin lines and arcs in a few pens:
// those are written straight into the image's pixels; XOR and wide pens, shapes and text go
// through the painter.

#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

#include "plot/canvas.h"
#include "plot/pixel_raster.h"

namespace vormak {

class RasterCanvas : public Canvas {
 public:
  RasterCanvas(int width, int height);
  ~RasterCanvas() override;

  // A new image of the size, cleared to black; the pen stays.
  void Resize(int width, int height);
  const QImage& Image() const { return image_; }
  // Copies a picture into the image at the top left corner (a loaded screen view).
  void DrawPicture(const QImage& picture);

  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
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
  unsigned GetPixel(PixelPoint at) const override;

 private:
  void Begin();
  void ApplyPen();
  void SetBrush(bool filled, unsigned fill_rgb);
  // Thin and copying: its lines and arcs are written pixel by pixel.
  bool Direct() const;

  QImage image_;
  std::unique_ptr<QPainter> painter_;
  // The image's pixels as the painter paints them (taken after it began, so never detached).
  PixelBuffer pixels_;
  std::uint32_t pen_pixel_ = 0;
  Pen pen_;
};

}  // namespace vormak
