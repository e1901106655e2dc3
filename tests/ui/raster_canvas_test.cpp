#include <QPainter>
#include <QtTest>

#include "ui/raster_canvas.h"

namespace vormak {

class RasterCanvasTest : public QObject {
  Q_OBJECT
 private slots:
  void XorTwiceLeavesNoTrace() {
    RasterCanvas canvas(200, 100);
    canvas.Clear(0x000080);
    canvas.SetPen({0xFF0000, PenStyle::kSolid, PenMode::kCopy, 1});
    canvas.Line({0, 50}, {199, 50});
    const QImage before = canvas.Image().copy();
    canvas.SetPen({0xFFFFFF, PenStyle::kSolid, PenMode::kXor, 1});
    canvas.Rectangle(10, 10, 150, 90);
    QCOMPARE(canvas.GetPixel({10, 50}), 0x00FFFFu);  // red XOR white over the line
    QCOMPARE(canvas.GetPixel({80, 10}), 0xFFFF7Fu);  // navy XOR white
    canvas.Rectangle(10, 10, 150, 90);
    QCOMPARE(canvas.Image(), before);
  }

  void DottedPenLeavesGaps() {
    RasterCanvas canvas(200, 20);
    canvas.Clear(0);
    canvas.SetPen({0xFFFFFF, PenStyle::kDot, PenMode::kCopy, 1});
    canvas.Line({0, 10}, {199, 10});
    int lit = 0;
    for (int x = 0; x < 200; ++x) lit += canvas.GetPixel({x, 10}) != 0 ? 1 : 0;
    QVERIFY(lit > 40);
    QVERIFY(lit < 160);
  }

  void ArcCoversItsCounterClockwiseSweep() {
    RasterCanvas canvas(200, 200);
    canvas.Clear(0);
    canvas.SetPen({0x00FF00, PenStyle::kSolid, PenMode::kCopy, 1});
    // From the right-hand point round the top to the left-hand one.
    canvas.Arc(50, 50, 150, 150, {150, 100}, {50, 100});
    QCOMPARE(canvas.GetPixel({100, 50}), 0x00FF00u);
    QCOMPARE(canvas.GetPixel({100, 150}), 0u);
    canvas.Arc(50, 50, 150, 150, {150, 100}, {150, 100});  // equal radials: whole circle
    QCOMPARE(canvas.GetPixel({100, 150}), 0x00FF00u);
  }

  // Lines gathered per pen land exactly where lines drawn one at a time land, and a later
  // pen still paints over an earlier one where they cross.
  void GatheredLinesMatchLinesDrawnOneByOne() {
    RasterCanvas canvas(300, 200);
    canvas.Clear(0);
    QImage expected(300, 200, QImage::Format_RGB32);
    expected.fill(Qt::black);
    QPainter painter(&expected);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const unsigned colours[] = {0xFF0000, 0x00FF00, 0xFF0000};
    for (int k = 0; k < 3; ++k) {
      canvas.SetPen({colours[k], PenStyle::kSolid, PenMode::kCopy, 1});
      painter.setPen(QPen(QColor::fromRgb(0xFF000000u | colours[k]), 0));
      for (int i = 0; i < 500; ++i) {
        const QPoint a((i * 37 + k * 11) % 300, (i * 53) % 200);
        const QPoint b((i * 91 + 7) % 300, (i * 29 + k * 5) % 200);
        canvas.Line({a.x(), a.y()}, {b.x(), b.y()});
        painter.drawLine(a, b);
      }
    }
    painter.end();
    QCOMPARE(canvas.Image(), expected);
  }

  void FilledShapesTextAndPixels() {
    RasterCanvas canvas(200, 200);
    canvas.Clear(0xFFFFFF);
    canvas.SetPen({0, PenStyle::kSolid, PenMode::kCopy, 1});
    canvas.Polygon({{10, 10}, {90, 10}, {90, 90}, {10, 90}}, true, 0xC0C0C0);
    QCOMPARE(canvas.GetPixel({50, 50}), 0xC0C0C0u);
    QCOMPARE(canvas.GetPixel({10, 10}), 0u);  // the outline in the pen's colour
    canvas.Ellipse(100, 100, 180, 180, true, 0xFF00FF);
    QCOMPARE(canvas.GetPixel({140, 140}), 0xFF00FFu);
    canvas.Ellipse(100, 10, 180, 90, false, 0xFF00FF);
    QCOMPARE(canvas.GetPixel({140, 50}), 0xFFFFFFu);  // hollow
    canvas.SetPixel({5, 150}, 0x123456);
    QCOMPARE(canvas.GetPixel({5, 150}), 0x123456u);
    QCOMPARE(canvas.GetPixel({500, 500}), 0u);  // outside reads black
    const QImage before = canvas.Image().copy();
    canvas.Text({100, 100}, "N10 G01", 14);
    QVERIFY(canvas.Image() != before);
    canvas.Resize(50, 40);
    QCOMPARE(canvas.Width(), 50);
    QCOMPARE(canvas.CurrentPen().rgb, 0u);
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::RasterCanvasTest)
#include "raster_canvas_test.moc"
