#include "recording_canvas.h"

namespace vormak {

void RecordingCanvas::Clear(unsigned background_rgb) {
  Primitive p;
  p.kind = Kind::kClear;
  p.rgb = background_rgb;
  Record(p);
  background_ = background_rgb;
  pixels_.clear();
}

void RecordingCanvas::Line(PixelPoint from, PixelPoint to) {
  Primitive p;
  p.kind = Kind::kLine;
  p.points = {from, to};
  Record(p);
}

void RecordingCanvas::Arc(int left, int top, int right, int bottom, PixelPoint start,
                          PixelPoint end) {
  Primitive p;
  p.kind = Kind::kArc;
  p.left = left;
  p.top = top;
  p.right = right;
  p.bottom = bottom;
  p.points = {start, end};
  Record(p);
}

void RecordingCanvas::Ellipse(int left, int top, int right, int bottom, bool filled,
                              unsigned fill_rgb) {
  Primitive p;
  p.kind = Kind::kEllipse;
  p.left = left;
  p.top = top;
  p.right = right;
  p.bottom = bottom;
  p.filled = filled;
  p.rgb = fill_rgb;
  Record(p);
}

void RecordingCanvas::Polygon(const std::vector<PixelPoint>& points, bool filled,
                              unsigned fill_rgb) {
  Primitive p;
  p.kind = Kind::kPolygon;
  p.points = points;
  p.filled = filled;
  p.rgb = fill_rgb;
  Record(p);
}

void RecordingCanvas::Rectangle(int left, int top, int right, int bottom) {
  Primitive p;
  p.kind = Kind::kRectangle;
  p.left = left;
  p.top = top;
  p.right = right;
  p.bottom = bottom;
  Record(p);
}

void RecordingCanvas::Text(PixelPoint at, const std::string& text, int height) {
  Primitive p;
  p.kind = Kind::kText;
  p.points = {at};
  p.text = text;
  p.bottom = height;
  Record(p);
}

void RecordingCanvas::SetPixel(PixelPoint at, unsigned rgb) {
  Primitive p;
  p.kind = Kind::kPixel;
  p.points = {at};
  p.rgb = rgb;
  Record(p);
  pixels_[{at.x, at.y}] = rgb;
}

unsigned RecordingCanvas::GetPixel(PixelPoint at) const {
  const auto found = pixels_.find({at.x, at.y});
  return found == pixels_.end() ? background_ : found->second;
}

std::vector<RecordingCanvas::Primitive> RecordingCanvas::Of(Kind kind) const {
  std::vector<Primitive> found;
  for (const auto& p : primitives) {
    if (p.kind == kind) found.push_back(p);
  }
  return found;
}

std::vector<RecordingCanvas::Primitive> RecordingCanvas::SinceClear() const {
  std::vector<Primitive> found;
  for (const auto& p : primitives) {
    if (p.kind == Kind::kClear) {
      found.clear();
    } else {
      found.push_back(p);
    }
  }
  return found;
}

}  // namespace vormak
