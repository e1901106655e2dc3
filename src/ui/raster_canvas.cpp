#include "ui/raster_canvas.h"

#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace vormak {

namespace {

QColor ColourOf(unsigned rgb) {
  return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | rgb));
}

Qt::PenStyle QtStyle(PenStyle style) {
  switch (style) {
    case PenStyle::kDot:
      return Qt::DotLine;
    case PenStyle::kDash:
      return Qt::DashLine;
    case PenStyle::kDashDot:
      return Qt::DashDotLine;
    case PenStyle::kDashDotDot:
      return Qt::DashDotDotLine;
    default:
      return Qt::SolidLine;
  }
}

// Lines gathered before the painter draws them in one call.
constexpr size_t kBatchLines = 8192;
constexpr double kPi = 3.14159265358979323846;

// Direction of a radial from the box centre, degrees counter-clockwise on the screen.
double RadialAngle(double cx, double cy, PixelPoint p) {
  return std::atan2(cy - p.y, p.x - cx) * 180 / kPi;
}

}  // namespace

RasterCanvas::RasterCanvas(int width, int height) {
  Resize(width, height);
}

RasterCanvas::~RasterCanvas() {
  Flush();
  painter_.reset();
}

void RasterCanvas::Resize(int width, int height) {
  Flush();
  painter_.reset();
  image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  image_.fill(Qt::black);
  Begin();
}

void RasterCanvas::Begin() {
  painter_ = std::make_unique<QPainter>(&image_);
  painter_->setRenderHint(QPainter::Antialiasing, false);
  ApplyPen();
}

void RasterCanvas::DrawPicture(const QImage& picture) {
  Flush();
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_->drawImage(0, 0, picture);
  ApplyPen();
}

void RasterCanvas::SetPen(const Pen& pen) {
  // Every primitive sets its pen: a long backplot mostly sets the one already in force.
  if (pen == pen_) return;
  Flush();
  pen_ = pen;
  ApplyPen();
}

void RasterCanvas::ApplyPen() {
  QPen pen(ColourOf(pen_.rgb));
  pen.setStyle(QtStyle(pen_.style));
  pen.setWidth(pen_.width > 1 ? pen_.width : 0);  // 0: cosmetic one-pixel pen
  painter_->setPen(pen);
  painter_->setBrush(Qt::NoBrush);
  painter_->setCompositionMode(pen_.mode == PenMode::kXor ? QPainter::RasterOp_SourceXorDestination
                                                          : QPainter::CompositionMode_SourceOver);
}

bool RasterCanvas::Batchable() const {
  return pen_.style == PenStyle::kSolid && pen_.mode == PenMode::kCopy && pen_.width <= 1;
}

void RasterCanvas::Flush() const {
  if (pending_.empty()) return;
  painter_->drawLines(pending_.data(), static_cast<int>(pending_.size()));
  pending_.clear();
}

void RasterCanvas::SetBrush(bool filled, unsigned fill_rgb) {
  painter_->setBrush(filled ? QBrush(ColourOf(fill_rgb)) : QBrush(Qt::NoBrush));
}

void RasterCanvas::Clear(unsigned background_rgb) {
  pending_.clear();  // painted over anyway
  painter_->setCompositionMode(QPainter::CompositionMode_Source);
  painter_->fillRect(image_.rect(), ColourOf(background_rgb));
  ApplyPen();
}

void RasterCanvas::Line(PixelPoint from, PixelPoint to) {
  if (!Batchable()) {
    painter_->drawLine(from.x, from.y, to.x, to.y);
    return;
  }
  pending_.emplace_back(from.x, from.y, to.x, to.y);
  if (pending_.size() >= kBatchLines) Flush();
}

void RasterCanvas::Arc(int left, int top, int right, int bottom, PixelPoint start, PixelPoint end) {
  const QRect box(QPoint(left, top), QPoint(right, bottom));
  const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
  const double from = RadialAngle(cx, cy, start);
  double span = RadialAngle(cx, cy, end) - from;
  if (start == end) span = 360;
  while (span <= 0) span += 360;
  Flush();
  painter_->drawArc(box, static_cast<int>(std::lround(from * 16)),
                    static_cast<int>(std::lround(span * 16)));
}

void RasterCanvas::Ellipse(int left, int top, int right, int bottom, bool filled,
                           unsigned fill_rgb) {
  Flush();
  SetBrush(filled, fill_rgb);
  painter_->drawEllipse(QRect(QPoint(left, top), QPoint(right, bottom)));
  painter_->setBrush(Qt::NoBrush);
}

void RasterCanvas::Polygon(const std::vector<PixelPoint>& points, bool filled, unsigned fill_rgb) {
  Flush();
  QPolygon polygon;
  for (const PixelPoint& p : points) polygon << QPoint(p.x, p.y);
  SetBrush(filled, fill_rgb);
  painter_->drawPolygon(polygon);
  painter_->setBrush(Qt::NoBrush);
}

void RasterCanvas::Rectangle(int left, int top, int right, int bottom) {
  Flush();
  painter_->drawRect(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void RasterCanvas::Text(PixelPoint at, const std::string& text, int height) {
  Flush();
  QFont font = painter_->font();
  font.setPixelSize(std::max(height, 1));
  painter_->setFont(font);
  // The corner given is the text's top left.
  painter_->drawText(QRect(at.x, at.y, image_.width(), height * 2), Qt::AlignLeft | Qt::AlignTop,
                     QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void RasterCanvas::SetPixel(PixelPoint at, unsigned rgb) {
  Flush();
  // Through the painter: the image must not be detached from it while it paints.
  QPen pen(ColourOf(rgb));
  pen.setWidth(0);
  painter_->setPen(pen);
  painter_->setCompositionMode(QPainter::CompositionMode_Source);
  painter_->drawPoint(at.x, at.y);
  ApplyPen();
}

unsigned RasterCanvas::GetPixel(PixelPoint at) const {
  Flush();
  if (!image_.rect().contains(at.x, at.y)) return 0;
  return image_.pixel(at.x, at.y) & 0xFFFFFFu;
}

}  // namespace vormak
