#pragma once
// A canvas for tests: every primitive is recorded with the pen it was drawn with; pixels set
// with SetPixel (or painted by Clear) can be read back.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "plot/canvas.h"

namespace vormak {

class RecordingCanvas : public Canvas {
 public:
  enum class Kind { kClear, kLine, kArc, kEllipse, kPolygon, kRectangle, kText, kPixel };

  struct Primitive {
    Kind kind = Kind::kLine;
    Pen pen;
    std::vector<PixelPoint> points;  // line: from, to; arc: start, end; polygon: its corners
    int left = 0, top = 0, right = 0, bottom = 0;  // arc, ellipse, rectangle
    bool filled = false;
    unsigned rgb = 0;  // clear: background; fill colour; pixel colour
    std::string text;
  };

  RecordingCanvas(int width = 800, int height = 600) : width_(width), height_(height) {}

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Resize(int width, int height) {
    width_ = width;
    height_ = height;
  }
  void SetPen(const Pen& pen) override { pen_ = pen; }
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

  // The primitives of one kind, in order.
  std::vector<Primitive> Of(Kind kind) const;
  size_t Count(Kind kind) const { return Of(kind).size(); }
  // Everything since the last Clear (or since the start).
  std::vector<Primitive> SinceClear() const;
  void Forget() { primitives.clear(); }

  std::vector<Primitive> primitives;

 private:
  void Record(Primitive p) {
    p.pen = pen_;
    primitives.push_back(std::move(p));
  }

  int width_;
  int height_;
  Pen pen_;
  unsigned background_ = 0;
  std::map<std::pair<int, int>, unsigned> pixels_;
};

}  // namespace vormak
