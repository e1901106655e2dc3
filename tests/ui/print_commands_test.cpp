// The print commands in a window: PDF output page by page with Escape stopping it, the menu
// items taken over, the plot on the clipboard as SVG and saved as PNG, GIF or BMP.
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QImageReader>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "cad/element_table.h"
#include "settings/word_format.h"
#include "support/fake_host.h"
#include "ui/print/plot_picture_export.h"
#include "ui/print/print_commands.h"
#include "ui/raster_canvas.h"
#include "ui/sci_edit_control.h"
#include "workbench/workbench.h"

namespace vormak {

class PrintCommandsTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    FakeHost host;
    Workbench bench{host};
    SciEditControl pane;
    QWidget window;
    QTemporaryDir dir;
    PrintCommands commands{bench, &window, [] {
                             QImage image(64, 48, QImage::Format_RGB32);
                             image.fill(Qt::darkBlue);
                             return image;
                           }};
    explicit Fixture(int lines) {
      bench.SetPane(1, &pane);
      bench.active_pane = 1;
      FillFormatSet1(bench.word_formats, bench.settings);
      std::string text;
      for (int i = 1; i <= lines; ++i)
        text += "N" + std::to_string(i) + " G01 X" + std::to_string(i) + "\r\n";
      pane.SetText(text);
      bench.nc_file_name = "/tmp/part.nc";
    }
    ~Fixture() { bench.SetPane(1, nullptr); }
    std::unique_ptr<PrintDocument> Document(PrintWhat what) {
      PrintRequest request;
      request.what = what;
      std::string error;
      return MakePrintDocument(bench, request, &error);
    }
  };

 private slots:
  void AListingGoesToPdfPageByPageInThePromptPanel() {
    Fixture f(400);
    auto document = f.Document(PrintWhat::kNc);
    const QString path = f.dir.filePath("part.pdf");
    QVERIFY(f.commands.PrintToPdf(*document, path));
    QVERIFY(QFileInfo(path).size() > 1000);
    // 401 lines of the pane: more than one page, each counted in the prompt.
    QVERIFY2(f.host.prompt_panel.find("Printed ") != std::string::npos,
             f.host.prompt_panel.c_str());
    QVERIFY(f.host.prompt_panel.find(" 1 page") == std::string::npos);
  }

  void EscapeStopsThePrintingBetweenPages() {
    Fixture f(2000);
    auto document = f.Document(PrintWhat::kNc);
    f.host.QueueEscape(2);  // pages 1 and 2 go out, Escape before the third
    QVERIFY(!f.commands.PrintToPdf(*document, f.dir.filePath("stopped.pdf")));
    QVERIFY2(f.host.prompt_panel.find("Printing stopped after 2 pages") != std::string::npos,
             f.host.prompt_panel.c_str());
  }

  void AFileThatCannotBeWrittenIsSaid() {
    Fixture f(3);
    auto document = f.Document(PrintWhat::kToolList);
    QVERIFY(!f.commands.PrintToPdf(*document, f.dir.filePath("no/such/folder/x.pdf")));
    QVERIFY(!f.host.messages.empty());
    QVERIFY(f.host.messages.back().text.find("Cannot write") != std::string::npos);
  }

  void ThePreviewShowsEveryPage() {
    Fixture f(400);
    auto document = f.Document(PrintWhat::kNc);
    PrintOutcome outcome = PrintOutcome::kFailed;
    auto preview = f.commands.Preview(*document, outcome);
    preview->show();
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    QVERIFY(pages != nullptr);
    QTRY_VERIFY(pages->pageCount() > 1);
    const int count = pages->pageCount();
    QCOMPARE(outcome, PrintOutcome::kDone);
    QCOMPARE(f.host.prompt_panel.find("Printing page " + std::to_string(count) + " of " +
                                      std::to_string(count)),
             std::string::size_type{1});
    preview->close();
  }

  void TheMenuItemsAreTakenOver() {
    Fixture f(3);
    QMenuBar bar;
    QMenu* file = bar.addMenu("&File");
    QMenu* plot = file->addMenu("&Plot Window");
    const QStringList captions{"&Print CAD", "Print &Bitmap", "Save Bitmap"};
    for (const QString& caption : captions) plot->addAction(caption)->setEnabled(false);
    QMenu* clipboard = plot->addMenu("To &Clipboard");
    for (const char* caption : {"Wmf-&All", "Wmf-&Group", "&Bitmap"}) {
      clipboard->addAction(caption)->setEnabled(false);
    }
    file->addAction("Se&t Printer...")->setEnabled(false);
    file->addAction("&Load NC...")->setEnabled(false);
    f.commands.TakeOverMenuItems(&bar);
    for (QAction* a : plot->actions()) QVERIFY2(a->isEnabled(), qPrintable(a->text()));
    for (QAction* a : clipboard->actions()) QVERIFY2(a->isEnabled(), qPrintable(a->text()));
    QVERIFY(file->actions()[1]->isEnabled());
    QVERIFY(!file->actions()[2]->isEnabled());  // not a print command
    // To Clipboard > Bitmap puts the window's picture there.
    clipboard->actions()[2]->trigger();
    const QImage copied = QApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(64, 48));
    QCOMPARE(copied.pixel(10, 10) & 0xFFFFFF, QColor(Qt::darkBlue).rgb() & 0xFFFFFF);
  }

  void TheDrawingGoesToTheClipboardAsSvg() {
    Fixture f(1);
    RasterCanvas canvas(300, 200);
    f.bench.plot.canvas = &canvas;
    f.bench.plot.width = 300;
    f.bench.plot.height = 200;
    QVERIFY(MakeElement(f.bench.cad.table, f.host, NextFreeSlot(f.bench.cad.table),
                        ElementKind::kLine, 255, {0, 0, 0, 5, 3, 0}, 0, 1, ElementState::kNormal,
                        0) != nullptr);
    RecomputeExtents(f.bench.cad.table);
    QVERIFY(!CopyPlotSvg(f.bench, true));  // no group yet
    QVERIFY(CopyPlotSvg(f.bench, false));
    const QByteArray svg = QApplication::clipboard()->mimeData()->data("image/svg+xml");
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("polyline") || svg.contains("<path") || svg.contains("<line"));
    // The window's own canvas is given back.
    QCOMPARE(f.bench.plot.canvas, static_cast<Canvas*>(&canvas));
    f.bench.plot.canvas = nullptr;
  }

  void SaveBitmapChoosesTheFormatByExtension() {
    QTemporaryDir dir;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (const char* name : {"a.png", "b.GIF", "c.bmp"}) {
      const QString path = dir.filePath(name);
      QVERIFY2(SavePlotBitmap(picture, path).isEmpty(), name);
      QImageReader reader(path);
      QCOMPARE(reader.format(), QFileInfo(path).suffix().toLower().toLatin1());
      QCOMPARE(reader.read().pixel(5, 5) & 0xFFFFFF, 0xFF0000u);
    }
    QVERIFY(!SavePlotBitmap(picture, dir.filePath("d.jpg")).isEmpty());
    QVERIFY(!SavePlotBitmap(picture, dir.filePath("missing/e.png")).isEmpty());
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::PrintCommandsTest)
#include "print_commands_test.moc"
