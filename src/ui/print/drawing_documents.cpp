#include "ui/print/drawing_documents.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "plot/plot_window.h"
#include "plot/view_transform.h"
#include "plot/zoom.h"
#include "print/bounds_canvas.h"
#include "print/listing_pages.h"
#include "ui/configuration_widgets.h"
#include "ui/print/painter_canvas.h"
#include "ui/print/plot_elsewhere.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr double kMillimetresPerInch = 25.4;

}  // namespace

DrawingDocument::DrawingDocument(Workbench& bench, std::string title, double paper_per_unit)
    : bench_(bench), title_(std::move(title)), paper_per_unit_(paper_per_unit) {}

// Zoom All on the page body, then, at scale, the height the page shows at that scale about
// the same centre.
void DrawingDocument::DrawPlot() {
  PlotState& plot = bench_.plot;
  Zoom(plot, bench_.settings, bench_.cad.table.extents, plot.current, ZoomMode::kAll);
  if (paper_per_unit_ > 0) {
    const double pixels_per_unit = paper_per_unit_ * dpi_ / kMillimetresPerInch;
    plot.Current().plot_height = (body_height_ / 2) / pixels_per_unit;
    Zoom(plot, bench_.settings, bench_.cad.table.extents, plot.current, ZoomMode::kRecompute);
  }
  Redraw(bench_);
}

int DrawingDocument::Layout(const QPaintDevice& device) {
  dpi_ = device.logicalDpiX();
  width_ = device.width();
  header_ = PageHeaderHeight(device);
  body_width_ = std::max(device.width(), 1);
  body_height_ = std::max(static_cast<int>(device.height() - header_), 1);
  columns_ = rows_ = 1;
  left_ = top_ = 0;
  if (paper_per_unit_ <= 0) return 1;
  BoundsCanvas bounds(body_width_, body_height_);
  {
    PlotElsewhere elsewhere(bench_, &bounds, body_width_, body_height_);
    DrawPlot();
  }
  if (bounds.Empty()) return 1;
  left_ = bounds.Left();
  top_ = bounds.Top();
  columns_ = std::max((bounds.Right() - left_) / body_width_ + 1, 1);
  rows_ = std::max((bounds.Bottom() - top_) / body_height_ + 1, 1);
  return columns_ * rows_;
}

void DrawingDocument::PaintPage(QPainter& painter, int page, int pages) {
  QString right = Latin1(PageOfText(page, pages));
  if (pages > 1) {
    // Which sheet of the mosaic this is, so the sheets can be laid out again.
    const int column = (page - 1) % columns_ + 1, row = (page - 1) / columns_ + 1;
    right = QString("Row %1 Column %2   %3").arg(row).arg(column).arg(right);
  }
  PaintPageHeader(painter, width_, Latin1(title_), Latin1(bench_.host().DateText()), right);
  painter.translate(0, header_);
  painter.setClipRect(QRect(0, 0, body_width_, body_height_));
  if (pages > 1) {
    const int column = (page - 1) % columns_, row = (page - 1) / columns_;
    painter.translate(-(left_ + column * body_width_), -(top_ + row * body_height_));
  }
  PainterCanvas canvas(painter, body_width_, body_height_, true, dpi_ / 96.0);
  canvas.SetHairline(dpi_ * 0.2 / kMillimetresPerInch);
  PlotElsewhere elsewhere(bench_, &canvas, body_width_, body_height_);
  DrawPlot();
}

BitmapDocument::BitmapDocument(QImage image, std::string title)
    : image_(std::move(image)), title_(std::move(title)) {}

int BitmapDocument::Layout(const QPaintDevice& device) {
  width_ = device.width();
  height_ = device.height();
  header_ = PageHeaderHeight(device);
  return 1;
}

void BitmapDocument::PaintPage(QPainter& painter, int page, int pages) {
  PaintPageHeader(painter, width_, Latin1(title_), {}, Latin1(PageOfText(page, pages)));
  if (image_.isNull()) return;
  const QSizeF room(width_, height_ - header_);
  const QSizeF size = QSizeF(image_.size()).scaled(room, Qt::KeepAspectRatio);
  painter.drawImage(QRectF(QPointF((room.width() - size.width()) / 2, header_), size), image_);
}

}  // namespace vormak
