#pragma once
// A printed listing: monospaced rows under a header with the file name, the date and
// "Page n of m".

#include <QFont>
#include <string>
#include <vector>

#include "print/listing_pages.h"
#include "ui/print/print_document.h"

namespace vormak {

class ListingDocument : public PrintDocument {
 public:
  // `heading_rows`: that many first lines are repeated on top of every page.
  // `landscape` for tables wider than a portrait page.
  ListingDocument(std::string title, std::string date, std::vector<ListingLine> lines,
                  int heading_rows = 0, bool landscape = false);

  int Layout(const QPaintDevice& device) override;
  void PaintPage(QPainter& painter, int page, int pages) override;
  QPageLayout::Orientation Orientation() const override {
    return landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait;
  }

  const std::vector<ListingPage>& pages() const { return pages_; }

 private:
  std::string title_;
  std::string date_;
  std::vector<ListingLine> lines_;
  int heading_rows_;
  bool landscape_;
  QFont font_;
  std::vector<ListingPage> pages_;
  int number_width_ = 0;
  double width_ = 0;
  double header_ = 0;
  double line_height_ = 0;
  double ascent_ = 0;
};

}  // namespace vormak
