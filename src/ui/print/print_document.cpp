#include "ui/print/print_document.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace vormak {

int ChainedDocument::Layout(const QPaintDevice& device) {
  first_pages_ = first_->Layout(device);
  return first_pages_ + second_->Layout(device);
}

void ChainedDocument::PaintPage(QPainter& painter, int page, int pages) {
  if (page <= first_pages_) {
    first_->PaintPage(painter, page, first_pages_);
  } else {
    second_->PaintPage(painter, page - first_pages_, pages - first_pages_);
  }
}

namespace {

QFont HeaderFont() {
  QFont font("DejaVu Sans");
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(9);
  return font;
}

}  // namespace

double MarginMillimetres(long long print_margin) {
  // Below 3 mm most printers cut the text; beyond 50 mm little of the sheet is left.
  if (print_margin < 3 || print_margin > 50) return 10;
  return static_cast<double>(print_margin);
}

void SetUpPage(QPagedPaintDevice& device, const PrintDocument& document, double margin_mm) {
  device.setPageOrientation(document.Orientation());
  device.setPageMargins(QMarginsF(margin_mm, margin_mm, margin_mm, margin_mm),
                        QPageLayout::Millimeter);
}

PrintOutcome RenderDocument(PrintDocument& document, QPagedPaintDevice& device,
                            const PrintProgress& progress) {
  const int pages = document.Layout(device);
  QPainter painter;
  if (!painter.begin(&device)) return PrintOutcome::kFailed;
  for (int page = 1; page <= pages; ++page) {
    if (progress && !progress(page, pages)) {
      painter.end();
      return PrintOutcome::kStopped;
    }
    if (page > 1) device.newPage();
    painter.save();
    document.PaintPage(painter, page, pages);
    painter.restore();
  }
  return painter.end() ? PrintOutcome::kDone : PrintOutcome::kFailed;
}

PrintOutcome WritePdf(PrintDocument& document, const QString& path, double margin_mm,
                      const PrintProgress& progress) {
  QPdfWriter writer(path);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setResolution(600);
  writer.setCreator("Vormak");
  writer.setTitle(QFileInfo(path).completeBaseName());
  SetUpPage(writer, document, margin_mm);
  return RenderDocument(document, writer, progress);
}

double PageHeaderHeight(const QPaintDevice& device) {
  const QFontMetricsF metrics(HeaderFont(), &device);
  return metrics.lineSpacing() * 2;
}

double PaintPageHeader(QPainter& painter, double width, const QString& left, const QString& centre,
                       const QString& right) {
  const QFont font = HeaderFont();
  painter.setFont(font);
  painter.setPen(QPen(Qt::black, 0));
  const QFontMetricsF metrics(font, painter.device());
  const double baseline = metrics.ascent();
  const double right_width = metrics.horizontalAdvance(right);
  const double centre_width = metrics.horizontalAdvance(centre);
  const double room = std::max(width / 2 - centre_width / 2 - metrics.averageCharWidth(), 0.0);
  painter.drawText(QPointF(0, baseline), metrics.elidedText(left, Qt::ElideMiddle, room));
  painter.drawText(QPointF((width - centre_width) / 2, baseline), centre);
  painter.drawText(QPointF(width - right_width, baseline), right);
  const double rule = metrics.lineSpacing() * 1.3;
  painter.drawLine(QPointF(0, rule), QPointF(width, rule));
  return metrics.lineSpacing() * 2;
}

}  // namespace vormak
