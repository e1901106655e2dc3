#include "ui/print/painter_canvas.h"

#include <QPolygon>
#include <algorithm>

#include <cmath>

#include "ui/qt_pen.h"

namespace vormak {

namespace {

constexpr unsigned kTeal = 0x008080;
constexpr unsigned kBlue = 0x0000FF;
constexpr unsigned kRed = 0xFF0000;

// QPainter's start angle and span (sixteenths of a degree) of the canvas's arc: counter-
// clockwise from the start radial to the end radial, equal radials the whole ellipse.
std::pair<int, int> ArcAngles(int left, int top, int right, int bottom, PixelPoint start,
                              PixelPoint end) {
  const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
  const auto radial = [cx, cy](PixelPoint p) {
    return std::atan2(cy - p.y, p.x - cx) * 180 / 3.14159265358979323846;
  };
  const double from = radial(start);
  double span = radial(end) - from;
  if (start == end) span = 360;
  while (span <= 0) span += 360;
  return {static_cast<int>(std::lround(from * 16)), static_cast<int>(std::lround(span * 16))};
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, int width, int height, bool paper,
                             double text_scale)
    : painter_(painter),
      width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      paper_(paper),
      text_scale_(text_scale) {
  ApplyPen();
}

unsigned PainterCanvas::PaperRgb(unsigned rgb) const {
  switch (pen_.style) {
    case PenStyle::kDot:
      return kTeal;
    case PenStyle::kDashDot:
      return kBlue;
    case PenStyle::kDashDotDot:
      return kRed;
    default:
      break;
  }
  // White on white paper would be lost, and the light screen colours (aqua, yellow) all but so:
  // they print at half their brightness.
  if (rgb == 0xFFFFFF) return 0;
  const unsigned r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  if (r + g + b < 0x180) return rgb;
  return ((r / 2) << 16) | ((g / 2) << 8) | (b / 2);
}

void PainterCanvas::SetPen(const Pen& pen) {
  if (pen == pen_) return;
  pen_ = pen;
  ApplyPen();
}

void PainterCanvas::ApplyPen() {
  QPen pen(ColourOf(paper_ ? PaperRgb(pen_.rgb) : pen_.rgb));
  const bool dotted = pen_.style == PenStyle::kDot;
  pen.setStyle(paper_ && !dotted ? Qt::SolidLine : QtStyle(pen_.style));
  pen.setWidthF(pen_.width > 1 ? pen_.width * std::max(hairline_, 1.0) : hairline_);
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
}

void PainterCanvas::Clear(unsigned background_rgb) {
  painter_.fillRect(QRect(0, 0, width_, height_), ColourOf(paper_ ? 0xFFFFFF : background_rgb));
}

void PainterCanvas::Line(PixelPoint from, PixelPoint to) {
  painter_.drawLine(from.x, from.y, to.x, to.y);
}

void PainterCanvas::Arc(int left, int top, int right, int bottom, PixelPoint start,
                        PixelPoint end) {
  const auto [from, span] = ArcAngles(left, top, right, bottom, start, end);
  painter_.drawArc(QRect(QPoint(left, top), QPoint(right, bottom)), from, span);
}

void PainterCanvas::Ellipse(int left, int top, int right, int bottom, bool filled,
                            unsigned fill_rgb) {
  painter_.setBrush(filled ? QBrush(ColourOf(fill_rgb)) : QBrush(Qt::NoBrush));
  painter_.drawEllipse(QRect(QPoint(left, top), QPoint(right, bottom)));
  painter_.setBrush(Qt::NoBrush);
}

void PainterCanvas::Polygon(const std::vector<PixelPoint>& points, bool filled, unsigned fill_rgb) {
  QPolygon polygon;
  for (const PixelPoint& p : points) polygon << QPoint(p.x, p.y);
  painter_.setBrush(filled ? QBrush(ColourOf(fill_rgb)) : QBrush(Qt::NoBrush));
  painter_.drawPolygon(polygon);
  painter_.setBrush(Qt::NoBrush);
}

void PainterCanvas::Rectangle(int left, int top, int right, int bottom) {
  painter_.drawRect(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void PainterCanvas::Text(PixelPoint at, const std::string& text, int height) {
  const int pixels = std::max(static_cast<int>(height * text_scale_), 1);
  QFont font = painter_.font();
  font.setPixelSize(pixels);
  painter_.setFont(font);
  painter_.drawText(QRect(at.x, at.y, width_, pixels * 2), Qt::AlignLeft | Qt::AlignTop,
                    QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void PainterCanvas::SetPixel(PixelPoint at, unsigned rgb) {
  const QPen pen = painter_.pen();
  painter_.setPen(QPen(ColourOf(rgb), hairline_));
  painter_.drawPoint(at.x, at.y);
  painter_.setPen(pen);
}

}  // namespace vormak
