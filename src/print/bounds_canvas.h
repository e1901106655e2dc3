#pragma once
// A canvas that draws nothing and keeps the box around everything drawn on it: how large a
// drawing comes out at a given scale, before it is spread over sheets of paper.

#include <algorithm>
#include <climits>

#include "plot/canvas.h"

namespace vormak {

class BoundsCanvas : public Canvas {
 public:
  BoundsCanvas(int width, int height) : width_(width), height_(height) {}

  bool Empty() const { return left_ > right_; }
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Right() const { return right_; }
  int Bottom() const { return bottom_; }

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetPen(const Pen& pen) override { pen_ = pen; }
  Pen CurrentPen() const override { return pen_; }
  void Clear(unsigned) override {}
  void Line(PixelPoint from, PixelPoint to) override {
    Take(from.x, from.y);
    Take(to.x, to.y);
  }
  // The whole box of an arc counts: a little more paper, never a cut arc.
  void Arc(int left, int top, int right, int bottom, PixelPoint, PixelPoint) override {
    Take(left, top);
    Take(right, bottom);
  }
  void Ellipse(int left, int top, int right, int bottom, bool, unsigned) override {
    Take(left, top);
    Take(right, bottom);
  }
  void Polygon(const std::vector<PixelPoint>& points, bool, unsigned) override {
    for (const PixelPoint& p : points) Take(p.x, p.y);
  }
  void Rectangle(int left, int top, int right, int bottom) override {
    Take(left, top);
    Take(right, bottom);
  }
  void Text(PixelPoint at, const std::string& text, int height) override {
    Take(at.x, at.y);
    Take(at.x + height * static_cast<int>(text.size()) * 3 / 5, at.y + height);
  }
  void SetPixel(PixelPoint at, unsigned) override { Take(at.x, at.y); }
  unsigned GetPixel(PixelPoint) const override { return 0; }

 private:
  void Take(int x, int y) {
    left_ = std::min(left_, x);
    right_ = std::max(right_, x);
    top_ = std::min(top_, y);
    bottom_ = std::max(bottom_, y);
  }

  int width_;
  int height_;
  Pen pen_;
  int left_ = INT_MAX;
  int top_ = INT_MAX;
  int right_ = INT_MIN;
  int bottom_ = INT_MIN;
};

}  // namespace vormak
