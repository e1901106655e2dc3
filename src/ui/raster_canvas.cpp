#include "ui/raster_canvas.h"

#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "nctext/vector_state.h"
#include "ui/qt_pen.h"

namespace vormak {

namespace {

// Coordinates the pixel writer takes; anything further out goes to the painter.
constexpr int kDirectPixels = 1 << 28;
constexpr double kPi = 3.14159265358979323846;

// Direction of a radial from the box centre, degrees counter-clockwise on the screen.
double RadialAngle(double cx, double cy, PixelPoint p) {
  return std::atan2(cy - p.y, p.x - cx) * 180 / kPi;
}

bool Near(PixelPoint p) {
  return std::abs(p.x) <= kDirectPixels && std::abs(p.y) <= kDirectPixels;
}

}  // namespace

RasterCanvas::RasterCanvas(int width, int height) {
  Resize(width, height);
}

RasterCanvas::~RasterCanvas() {
  painter_.reset();
}

void RasterCanvas::Resize(int width, int height) {
  painter_.reset();
  image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  image_.fill(Qt::black);
  Begin();
  ClearVectorUpperHalves();
}

void RasterCanvas::Begin() {
  painter_ = std::make_unique<QPainter>(&image_);
  painter_->setRenderHint(QPainter::Antialiasing, false);
  pixels_.pixels = reinterpret_cast<std::uint32_t*>(image_.bits());
  pixels_.width = image_.width();
  pixels_.height = image_.height();
  pixels_.stride = image_.bytesPerLine() / 4;
  ApplyPen();
}

void RasterCanvas::DrawPicture(const QImage& picture) {
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_->drawImage(0, 0, picture);
  ApplyPen();
  ClearVectorUpperHalves();
}

void RasterCanvas::SetPen(const Pen& pen) {
  // Every primitive sets its pen: a long backplot mostly sets the one already in force.
  if (pen == pen_) return;
  pen_ = pen;
  ApplyPen();
}

void RasterCanvas::ApplyPen() {
  pen_pixel_ = 0xFF000000u | pen_.rgb;
  QPen pen(ColourOf(pen_.rgb));
  pen.setStyle(QtStyle(pen_.style));
  pen.setWidth(pen_.width > 1 ? pen_.width : 0);  // 0: cosmetic one-pixel pen
  painter_->setPen(pen);
  painter_->setBrush(Qt::NoBrush);
  painter_->setCompositionMode(pen_.mode == PenMode::kXor ? QPainter::RasterOp_SourceXorDestination
                                                          : QPainter::CompositionMode_SourceOver);
}

bool RasterCanvas::Direct() const {
  return pen_.mode == PenMode::kCopy && pen_.width <= 1;
}

void RasterCanvas::SetBrush(bool filled, unsigned fill_rgb) {
  painter_->setBrush(filled ? QBrush(ColourOf(fill_rgb)) : QBrush(Qt::NoBrush));
}

void RasterCanvas::Clear(unsigned background_rgb) {
  painter_->setCompositionMode(QPainter::CompositionMode_Source);
  painter_->fillRect(image_.rect(), ColourOf(background_rgb));
  ApplyPen();
  ClearVectorUpperHalves();
}

void RasterCanvas::Line(PixelPoint from, PixelPoint to) {
  if (Direct() && Near(from) && Near(to)) {
    DashPhase dash(pen_.style);
    RasterLine(pixels_, from, to, pen_pixel_, dash);
    return;
  }
  painter_->drawLine(from.x, from.y, to.x, to.y);
  ClearVectorUpperHalves();
}

void RasterCanvas::Arc(int left, int top, int right, int bottom, PixelPoint start, PixelPoint end) {
  if (Direct() && Near({left, top}) && Near({right, bottom}) && Near(start) && Near(end)) {
    DashPhase dash(pen_.style);
    RasterArc(pixels_, left, top, right, bottom, start, end, pen_pixel_, dash);
    return;
  }
  const QRect box(QPoint(left, top), QPoint(right, bottom));
  const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
  const double from = RadialAngle(cx, cy, start);
  double span = RadialAngle(cx, cy, end) - from;
  if (start == end) span = 360;
  while (span <= 0) span += 360;
  painter_->drawArc(box, static_cast<int>(std::lround(from * 16)),
                    static_cast<int>(std::lround(span * 16)));
  ClearVectorUpperHalves();
}

void RasterCanvas::Ellipse(int left, int top, int right, int bottom, bool filled,
                           unsigned fill_rgb) {
  SetBrush(filled, fill_rgb);
  painter_->drawEllipse(QRect(QPoint(left, top), QPoint(right, bottom)));
  painter_->setBrush(Qt::NoBrush);
  ClearVectorUpperHalves();
}

void RasterCanvas::Polygon(const std::vector<PixelPoint>& points, bool filled, unsigned fill_rgb) {
  QPolygon polygon;
  for (const PixelPoint& p : points) polygon << QPoint(p.x, p.y);
  SetBrush(filled, fill_rgb);
  painter_->drawPolygon(polygon);
  painter_->setBrush(Qt::NoBrush);
  ClearVectorUpperHalves();
}

void RasterCanvas::Rectangle(int left, int top, int right, int bottom) {
  painter_->drawRect(QRect(QPoint(left, top), QPoint(right, bottom)));
  ClearVectorUpperHalves();
}

void RasterCanvas::Text(PixelPoint at, const std::string& text, int height) {
  QFont font = painter_->font();
  font.setPixelSize(std::max(height, 1));
  painter_->setFont(font);
  // The corner given is the text's top left.
  painter_->drawText(QRect(at.x, at.y, image_.width(), height * 2), Qt::AlignLeft | Qt::AlignTop,
                     QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
  ClearVectorUpperHalves();
}

void RasterCanvas::SetPixel(PixelPoint at, unsigned rgb) {
  // Through the painter: the image must not be detached from it while it paints.
  QPen pen(ColourOf(rgb));
  pen.setWidth(0);
  painter_->setPen(pen);
  painter_->setCompositionMode(QPainter::CompositionMode_Source);
  painter_->drawPoint(at.x, at.y);
  ApplyPen();
  ClearVectorUpperHalves();
}

unsigned RasterCanvas::GetPixel(PixelPoint at) const {
  if (!image_.rect().contains(at.x, at.y)) return 0;
  return image_.pixel(at.x, at.y) & 0xFFFFFFu;
}

}  // namespace vormak
