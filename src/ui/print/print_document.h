#pragma once
// Something to print: laid out for the page it is given, then painted page by page. The same
// document goes to the print preview, to a printer and to a PDF file.

#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPainter;
class QPaintDevice;
class QRectF;

namespace vormak {

class PrintDocument {
 public:
  virtual ~PrintDocument() = default;
  // Lays the document out for the device's printable area; answers the number of pages.
  virtual int Layout(const QPaintDevice& device) = 0;
  // Paints page `page` (from 1) of `pages` with the painter's origin at the printable area's
  // top left.
  virtual void PaintPage(QPainter& painter, int page, int pages) = 0;
  virtual QPageLayout::Orientation Orientation() const { return QPageLayout::Portrait; }
};

// Two documents printed one after the other, each numbering its own pages; the orientation is
// the first one's.
class ChainedDocument : public PrintDocument {
 public:
  ChainedDocument(std::unique_ptr<PrintDocument> first, std::unique_ptr<PrintDocument> second)
      : first_(std::move(first)), second_(std::move(second)) {}
  int Layout(const QPaintDevice& device) override;
  void PaintPage(QPainter& painter, int page, int pages) override;
  QPageLayout::Orientation Orientation() const override { return first_->Orientation(); }

 private:
  std::unique_ptr<PrintDocument> first_, second_;
  int first_pages_ = 0;
};

// Asked before each page with the page about to be painted and the number of pages: false
// stops the printing there (Escape).
using PrintProgress = std::function<bool(int page, int pages)>;

enum class PrintOutcome { kDone, kStopped, kFailed };

// Lays out and paints every page on the device; kFailed when it cannot be painted on (a PDF
// file that cannot be written).
PrintOutcome RenderDocument(PrintDocument& document, QPagedPaintDevice& device,
                            const PrintProgress& progress);

// Sets the page margins, in millimetres, and the document's orientation on the device.
void SetUpPage(QPagedPaintDevice& device, const PrintDocument& document, double margin_mm);

// Writes the document as a PDF file on A4 paper.
PrintOutcome WritePdf(PrintDocument& document, const QString& path, double margin_mm,
                      const PrintProgress& progress);

// The margin the machine's PrintMargin asks for: millimetres, 10 when unset or unusable.
double MarginMillimetres(long long print_margin);

// The page header: `left` (a file name, shortened in the middle when too long), `centre` (the
// date) and `right` ("Page n of m") on one line, a rule below. Answers the header's height.
double PaintPageHeader(QPainter& painter, double width, const QString& left, const QString& centre,
                       const QString& right);
// The height PaintPageHeader takes on the device.
double PageHeaderHeight(const QPaintDevice& device);

}  // namespace vormak
