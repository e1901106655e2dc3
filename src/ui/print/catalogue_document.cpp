#include "ui/print/catalogue_document.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "cam/tool_catalogue.h"
#include "cam/tool_preview.h"
#include "nctext/edit_control.h"
#include "print/listing_pages.h"
#include "print/program_tools.h"
#include "settings/number_text.h"
#include "ui/configuration_widgets.h"
#include "ui/print/painter_canvas.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kPicturesPerRow = 3;

QFont CatalogueFont(double points) {
  QFont font("Arial");
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  return font;
}

}  // namespace

std::vector<CataloguePicture> CataloguePictures(const Catalogue& catalogue) {
  std::vector<CataloguePicture> pictures;
  for (const CatalogueGroup& group : catalogue.groups) {
    for (const CatalogueTool& tool : group.tools) {
      pictures.push_back({tool.caption, group.caption + "  " + tool.file, tool.file});
    }
  }
  return pictures;
}

std::vector<CataloguePicture> ProgramToolPictures(Workbench& bench) {
  std::vector<CataloguePicture> pictures;
  const EditControl* pane = bench.Pane(1);
  if (pane == nullptr) return pictures;
  for (const ProgramTool& tool : ProgramToolLines(*pane, CommentCharsOf(bench.settings))) {
    if (tool.file.empty()) continue;
    pictures.push_back(
        {tool.text, "Line " + std::to_string(tool.line) + "  " + tool.file, tool.file});
  }
  return pictures;
}

CatalogueDocument::CatalogueDocument(Workbench& bench, std::vector<CataloguePicture> pictures,
                                     Header header)
    : bench_(bench),
      pictures_(std::move(pictures)),
      header_text_(header ? std::move(header) : Header(CatalogueHeader)) {}

int CatalogueDocument::Layout(const QPaintDevice& device) {
  width_ = device.width();
  dpi_ = device.logicalDpiX();
  const QFontMetricsF header(CatalogueFont(12), &device);
  const QFontMetricsF caption(CatalogueFont(9), &device);
  header_ = header.lineSpacing() * 2;
  cell_width_ = width_ / kPicturesPerRow;
  box_ = std::max(static_cast<int>(cell_width_ * 0.85), 1);
  cell_height_ = box_ + caption.lineSpacing() * 3;
  const int rows = std::max(static_cast<int>((device.height() - header_) / cell_height_), 1);
  per_page_ = rows * kPicturesPerRow;
  const int count = static_cast<int>(pictures_.size());
  return std::max((count + per_page_ - 1) / per_page_, 1);
}

void CatalogueDocument::PaintPage(QPainter& painter, int page, int) {
  const QFont header = CatalogueFont(12);
  painter.setFont(header);
  painter.setPen(Qt::black);
  painter.drawText(QPointF(0, QFontMetricsF(header, painter.device()).ascent()),
                   Latin1(header_text_(page)));
  const QFont caption = CatalogueFont(9);
  const QFontMetricsF metrics(caption, painter.device());
  const std::size_t first = static_cast<std::size_t>((page - 1) * per_page_);
  const std::size_t end = std::min(first + static_cast<std::size_t>(per_page_), pictures_.size());
  for (std::size_t i = first; i < end; ++i) {
    const int slot = static_cast<int>(i - first);
    const double x = (slot % kPicturesPerRow) * cell_width_ + (cell_width_ - box_) / 2;
    const double y = header_ + (slot / kPicturesPerRow) * cell_height_;
    painter.save();
    painter.translate(x, y);
    painter.setClipRect(QRect(0, 0, box_, box_));
    PainterCanvas canvas(painter, box_, box_, false, dpi_ / 96.0);
    ToolFileContents tool;
    // On paper, away from the window's own preview, the picture carries its nose radius.
    if (DrawToolPicture(bench_, pictures_[i].file, canvas, tool)) {
      canvas.Text({3, 3}, "R=" + PlainNumberText(tool.nose.nose_radius), 12);
    }
    painter.setClipping(false);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, box_, box_));
    painter.setFont(caption);
    const double text_y = box_ + metrics.ascent() + metrics.lineSpacing() * 0.2;
    painter.drawText(QPointF(0, text_y),
                     metrics.elidedText(Latin1(pictures_[i].caption), Qt::ElideRight, box_));
    painter.drawText(QPointF(0, text_y + metrics.lineSpacing()),
                     metrics.elidedText(Latin1(pictures_[i].detail), Qt::ElideMiddle, box_));
    painter.restore();
  }
}

}  // namespace vormak
