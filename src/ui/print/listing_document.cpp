#include "ui/print/listing_document.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/configuration_widgets.h"

namespace vormak {

ListingDocument::ListingDocument(std::string title, std::string date,
                                 std::vector<ListingLine> lines, int heading_rows, bool landscape)
    : title_(std::move(title)),
      date_(std::move(date)),
      lines_(std::move(lines)),
      heading_rows_(heading_rows),
      landscape_(landscape),
      font_("DejaVu Sans Mono") {
  font_.setStyleHint(QFont::Monospace);
  font_.setFixedPitch(true);
  font_.setPointSizeF(9);
}

int ListingDocument::Layout(const QPaintDevice& device) {
  const QFontMetricsF metrics(font_, &device);
  width_ = device.width();
  header_ = PageHeaderHeight(device);
  line_height_ = metrics.lineSpacing();
  ascent_ = metrics.ascent();
  const double cell = metrics.horizontalAdvance(QLatin1Char('M'));
  PageGrid grid;
  grid.columns = std::max(static_cast<int>(std::floor(width_ / cell)), 8);
  grid.rows = std::max(static_cast<int>(std::floor((device.height() - header_) / line_height_)), 1);
  pages_ = PaginateListing(lines_, grid, heading_rows_);
  number_width_ = NumberColumnWidth(lines_);
  return static_cast<int>(pages_.size());
}

void ListingDocument::PaintPage(QPainter& painter, int page, int pages) {
  PaintPageHeader(painter, width_, Latin1(title_), Latin1(date_), Latin1(PageOfText(page, pages)));
  painter.setFont(font_);
  double y = header_ + ascent_;
  for (const ListingRow& row : pages_[static_cast<std::size_t>(page - 1)].rows) {
    painter.drawText(QPointF(0, y), Latin1(RowText(lines_, row, number_width_)));
    y += line_height_;
  }
}

}  // namespace vormak
