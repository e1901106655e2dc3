#pragma once
// The plot window's canvas on a raster image: the window blits it on expose, the batch
// program saves it as PNG. Antialiasing is off so lines land on whole pixels and the XOR
// pen takes back exactly what it drew. A backplot is mostly thin solid lines in one colour:
// those are gathered and handed to the painter in batches; dotted and dashed pens draw each
// line whole so their pattern runs on as before.

#include <QImage>
#include <QLine>
#include <QPainter>
#include <memory>
#include <vector>

#include "plot/canvas.h"

namespace vormak {

class RasterCanvas : public Canvas {
 public:
  RasterCanvas(int width, int height);
  ~RasterCanvas() override;

  // A new image of the size, cleared to black; the pen stays.
  void Resize(int width, int height);
  const QImage& Image() const {
    Flush();
    return image_;
  }
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
  // Draws the gathered lines.
  void Flush() const;
  // Thin, solid and copying: its lines may be gathered.
  bool Batchable() const;

  QImage image_;
  std::unique_ptr<QPainter> painter_;
  Pen pen_;
  mutable std::vector<QLine> pending_;
};

}  // namespace vormak
