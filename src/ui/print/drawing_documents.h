#pragma once
// The plot window on paper: the drawing and the backplot fitted to the page (Print CAD), drawn
// at a scale and spread over as many sheets as it needs (Print To Scale), and the window's
// picture as it stands on the screen (Print Bitmap).

#include <QImage>
#include <string>

#include "ui/print/print_document.h"

namespace vormak {

class Workbench;

class DrawingDocument : public PrintDocument {
 public:
  // `paper_per_unit`: millimetres of paper per drawing unit for a drawing at scale; 0 fits the
  // drawing to the page.
  DrawingDocument(Workbench& bench, std::string title, double paper_per_unit = 0);

  int Layout(const QPaintDevice& device) override;
  void PaintPage(QPainter& painter, int page, int pages) override;
  QPageLayout::Orientation Orientation() const override { return QPageLayout::Landscape; }

  int columns() const { return columns_; }
  int rows() const { return rows_; }

 private:
  // The plot's view set for the page body; the window's own view comes back afterwards.
  void DrawPlot();

  Workbench& bench_;
  std::string title_;
  double paper_per_unit_;
  double dpi_ = 96;
  double width_ = 0;
  double header_ = 0;
  int body_width_ = 1;
  int body_height_ = 1;
  // At scale: the drawing's box in pixels and the sheets it takes.
  int left_ = 0;
  int top_ = 0;
  int columns_ = 1;
  int rows_ = 1;
};

class BitmapDocument : public PrintDocument {
 public:
  BitmapDocument(QImage image, std::string title);
  int Layout(const QPaintDevice& device) override;
  void PaintPage(QPainter& painter, int page, int pages) override;
  QPageLayout::Orientation Orientation() const override { return QPageLayout::Landscape; }

 private:
  QImage image_;
  std::string title_;
  double width_ = 0;
  double height_ = 0;
  double header_ = 0;
};

}  // namespace vormak
