#include "ui/print/print_commands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>

#include "nctext/edit_control.h"
#include "nctext/status_services.h"
#include "print/column_table.h"
#include "ui/configuration_widgets.h"
#include "ui/print/catalogue_document.h"
#include "ui/print/plot_picture_export.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr const char* kNoPrinter =
    "No printer is installed on this computer.\r\n"
    "The pages can be printed to a PDF file: choose \"Print to File (PDF)\" in the print dialog.";

// Every action of the menus under `menus`, submenus included.
void CollectActions(const QList<QAction*>& actions, QList<QAction*>& all) {
  for (QAction* action : actions) {
    all.push_back(action);
    if (action->menu() != nullptr) CollectActions(action->menu()->actions(), all);
  }
}

}  // namespace

PrintCommands::PrintCommands(Workbench& bench, QWidget* window,
                             std::function<QImage()> plot_picture)
    : QObject(window),
      bench_(bench),
      window_(window),
      plot_picture_(std::move(plot_picture)),
      printer_(QPrinter::HighResolution) {
  setObjectName("PrintCommands");
}

PrintCommands* PrintCommands::Of(Workbench& bench, QWidget* widget) {
  for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (auto* commands = w->findChild<PrintCommands*>(QString(), Qt::FindDirectChildrenOnly)) {
      return commands;
    }
  }
  return new PrintCommands(bench, widget, {});
}

void PrintCommands::PrintCatalogue(const Catalogue& catalogue) {
  fixed_prompt_ = "Printing NC";
  ShowPrompt(bench_, fixed_prompt_);
  Print(std::make_unique<CatalogueDocument>(bench_, CataloguePictures(catalogue)));
  fixed_prompt_.clear();
}

bool PrintCommands::PrinterInstalled() {
  return !QPrinterInfo::availablePrinterNames().isEmpty();
}

QString PrintCommands::PdfFileName() const {
  const std::string& name =
      bench_.nc_file_name.empty() ? bench_.cad_file_name : bench_.nc_file_name;
  if (name.empty()) return "vormak.pdf";
  const QFileInfo file(Latin1(name));
  return file.dir().filePath(file.completeBaseName() + ".pdf");
}

bool PrintCommands::Progress(int page, int pages) {
  pages_done_ = page - 1;
  ShowPrompt(bench_, !fixed_prompt_.empty() ? fixed_prompt_
                                            : "Printing page " + std::to_string(page) + " of " +
                                                  std::to_string(pages));
  return !bench_.host().EscapePending();
}

void PrintCommands::Finished(PrintOutcome outcome, int pages) {
  switch (outcome) {
    case PrintOutcome::kDone:
      ShowPrompt(bench_, "Printed " + std::to_string(pages) + (pages == 1 ? " page" : " pages"));
      break;
    case PrintOutcome::kStopped:
      ShowPrompt(bench_, "Printing stopped after " + std::to_string(pages_done_) + " pages");
      break;
    case PrintOutcome::kFailed:
      bench_.host().Information("Cannot print: the printer or file could not be opened", "Print");
      break;
  }
}

void PrintCommands::Print(const PrintRequest& request) {
  PrintRequest with_picture = request;
  if (request.what == PrintWhat::kBitmap && plot_picture_) with_picture.bitmap = plot_picture_();
  std::string error;
  auto document = MakePrintDocument(bench_, with_picture, &error);
  if (!document) {
    bench_.host().Information(error, "Print");
    return;
  }
  Print(std::move(document));
}

void PrintCommands::Print(std::unique_ptr<PrintDocument> document) {
  if (!PrinterInstalled()) {
    if (!told_no_printer_) bench_.host().Information(kNoPrinter, "Print");
    told_no_printer_ = true;
    printer_.setOutputFormat(QPrinter::PdfFormat);
    if (printer_.outputFileName().isEmpty()) printer_.setOutputFileName(PdfFileName());
  }
  SetUpPage(printer_, *document, MarginMillimetres(bench_.settings.print_margin));
  const int pages = document->Layout(printer_);
  PrintOutcome outcome = PrintOutcome::kDone;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (pages > kPreviewPages) {
    // A long listing goes straight to the printer: a preview would hold every page at once.
    QApplication::restoreOverrideCursor();
    QPrintDialog dialog(&printer_, window_);
    if (dialog.exec() != QDialog::Accepted) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    outcome = RenderDocument(*document, printer_,
                             [this](int page, int count) { return Progress(page, count); });
    QApplication::restoreOverrideCursor();
    Finished(outcome, pages);
    return;
  }
  auto preview = Preview(*document, outcome);
  bool printed = false;
  connect(preview.get(), &QPrintPreviewDialog::paintRequested, preview.get(),
          [&printed] { printed = true; });
  QApplication::restoreOverrideCursor();
  const bool accepted = preview->exec() == QDialog::Accepted;
  if (accepted && printed) Finished(outcome, pages);
  if (!accepted) ClearPrompt(bench_);
}

std::unique_ptr<QPrintPreviewDialog> PrintCommands::Preview(PrintDocument& document,
                                                            PrintOutcome& outcome) {
  SetUpPage(printer_, document, MarginMillimetres(bench_.settings.print_margin));
  auto preview = std::make_unique<QPrintPreviewDialog>(&printer_, window_);
  preview->setWindowTitle("Print Preview");
  connect(preview.get(), &QPrintPreviewDialog::paintRequested, preview.get(),
          [this, &document, &outcome](QPrinter* printer) {
            outcome = RenderDocument(document, *printer,
                                     [this](int page, int count) { return Progress(page, count); });
          });
  return preview;
}

bool PrintCommands::PrintToPdf(PrintDocument& document, const QString& path) {
  pages_done_ = 0;
  int pages = 0;
  const PrintOutcome outcome =
      WritePdf(document, path, MarginMillimetres(bench_.settings.print_margin),
               [this, &pages](int page, int count) {
                 pages = count;
                 return Progress(page, count);
               });
  if (outcome == PrintOutcome::kFailed) {
    bench_.host().Information("Cannot write " + Bytes(path), "Print");
  } else {
    Finished(outcome, pages);
  }
  return outcome == PrintOutcome::kDone;
}

void PrintCommands::SetPrinterClick() {
  if (!PrinterInstalled()) {
    bench_.host().Information(kNoPrinter, "Set Printer");
    QPageSetupDialog(&printer_, window_).exec();
    return;
  }
  QPrintDialog dialog(&printer_, window_);
  dialog.setWindowTitle("Set Printer");
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  dialog.exec();
}

void PrintCommands::PrintColumnsClick() {
  const EditControl* pane = bench_.Pane(1);
  if (pane == nullptr) return;
  bool ok = false;
  const QString letters = QInputDialog::getText(
      window_, "Print Columns", "Address letters to print in columns:", QLineEdit::Normal,
      Latin1(ColumnLetters(*pane, CommentCharsOf(bench_.settings))), &ok);
  if (!ok) return;
  PrintRequest request;
  request.what = PrintWhat::kColumns;
  request.letters = Bytes(letters.toUpper());
  Print(request);
}

void PrintCommands::PrintToScaleClick() {
  bool ok = false;
  const double millimetres = QInputDialog::getDouble(
      window_, "Print To Scale",
      "Millimetres of paper per drawing unit (1 for a metric drawing at 1:1, 25.4 for an inch "
      "drawing at 1:1):",
      1.0, 0.001, 10000.0, 3, &ok);
  if (!ok) return;
  PrintRequest request;
  request.what = PrintWhat::kToScale;
  request.paper_per_unit = millimetres;
  Print(request);
}

void PrintCommands::SaveBitmapClick() {
  FileDialogRequest request;
  request.caption = "Save Bitmap";
  request.filter =
      "PNG Files (*.png)|*.png|GIF Files (*.gif)|*.gif|Bitmap Files (*.bmp)|*.bmp|All Files "
      "(*.*)|*.*";
  request.default_ext = "png";
  const auto path = bench_.host().SaveFileDialog(request);
  if (!path || !plot_picture_) return;
  const QString error = SavePlotBitmap(plot_picture_(), Latin1(*path));
  if (!error.isEmpty()) bench_.host().Information(Bytes(error), "Save Bitmap");
}

void PrintCommands::TakeOverMenuItems(QMenuBar* menus) {
  QList<QAction*> actions;
  CollectActions(menus->actions(), actions);
  const auto take = [&](const char* caption, auto handler) {
    for (QAction* action : actions) {
      if (action->text() != caption) continue;
      action->setEnabled(true);
      action->setToolTip({});
      connect(action, &QAction::triggered, this, handler);
    }
  };
  const auto print = [this](PrintWhat what) {
    return [this, what] {
      PrintRequest request;
      request.what = what;
      request.pane = bench_.active_pane;
      Print(request);
    };
  };
  take("&Print NC", print(PrintWhat::kNc));
  take("Print &W/Tools", print(PrintWhat::kNcTools));
  take("Print &Editor", print(PrintWhat::kEditor));
  take("&Print CAD", print(PrintWhat::kCad));
  take("Print &Bitmap", print(PrintWhat::kBitmap));
  take("Print Tool List...", print(PrintWhat::kToolList));
  take("&Print Columns...", [this] { PrintColumnsClick(); });
  take("&Print To Scale...", [this] { PrintToScaleClick(); });
  take("Se&t Printer...", [this] { SetPrinterClick(); });
  take("Wmf-&All", [this] { CopyPlotSvg(bench_, false); });
  take("Wmf-&Group", [this] { CopyPlotSvg(bench_, true); });
  take("&Bitmap", [this] {
    if (plot_picture_) CopyPlotBitmap(plot_picture_());
  });
  take("Save Bitmap", [this] { SaveBitmapClick(); });
}

}  // namespace vormak
