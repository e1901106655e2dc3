#pragma once
// The print commands of the menus: Print NC, Print W/Tools, Print Editor, Print CAD, Print
// Bitmap, Print Columns, Print Tool List, Print To Scale and Set Printer, with To Clipboard and
// Save Bitmap of the plot window. Every print shows the print preview first and prints from it
// to the printer set up; without a printer the preview's print goes to a PDF file. A document
// too long to preview goes straight to the printer or PDF file, page by page in the prompt
// panel, Escape stopping it.

#include <QObject>
#include <QPrinter>
#include <functional>
#include <memory>

#include "ui/print/print_jobs.h"

class QMenu;
class QPrintPreviewDialog;
class QMenuBar;
class QWidget;

namespace vormak {

class Workbench;
struct Catalogue;

class PrintCommands : public QObject {
  Q_OBJECT
 public:
  // `window`: the dialogs' parent; `plot_picture`: the plot window's picture as shown.
  PrintCommands(Workbench& bench, QWidget* window, std::function<QImage()> plot_picture);

  // What the Load Tool window's buttons use: the commands of a window above `widget`, made
  // for it when there are none.
  static PrintCommands* Of(Workbench& bench, QWidget* widget);

  void Print(const PrintRequest& request);
  void Print(std::unique_ptr<PrintDocument> document);
  // The print preview of the document on the printer set up, not shown yet; its pages are
  // painted when it shows them, printing from it sets `outcome`. Both must outlive it.
  std::unique_ptr<QPrintPreviewDialog> Preview(PrintDocument& document, PrintOutcome& outcome);
  // Prints without asking to the PDF file `path`, page by page in the prompt panel; Escape
  // stops. False when stopped or not written (said in a message).
  bool PrintToPdf(PrintDocument& document, const QString& path);
  void SetPrinterClick();
  static bool PrinterInstalled();

  // Above this many pages there is no preview.
  static constexpr int kPreviewPages = 300;

  // Takes over the menu items of the print commands, To Clipboard and Save Bitmap by caption.
  void TakeOverMenuItems(QMenuBar* menus);

  // The Load Tool window's "Print Catalog": the tree as it stands, "Printing NC" meanwhile.
  void PrintCatalogue(const Catalogue& catalogue);

  void PrintColumnsClick();
  void PrintToScaleClick();
  void SaveBitmapClick();

 private:
  bool Progress(int page, int pages);
  void Finished(PrintOutcome outcome, int pages);
  QString PdfFileName() const;

  Workbench& bench_;
  QWidget* window_;
  std::function<QImage()> plot_picture_;
  QPrinter printer_;
  int pages_done_ = 0;
  bool told_no_printer_ = false;
  std::string fixed_prompt_;  // shown instead of the page count while printing
};

}  // namespace vormak
