#include <QtTest>

#include "support/vector_state_probe.h"
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

  // Lines and arcs are written into the pixels while shapes go through the painter: each
  // still covers what was drawn before it, in the order drawn, and a picture taken of the
  // image keeps what it showed.
  void PixelsAndPainterKeepTheOrderDrawn() {
    RasterCanvas canvas(200, 100);
    canvas.Clear(0);
    canvas.SetPen({0xFF0000, PenStyle::kSolid, PenMode::kCopy, 1});
    canvas.Line({0, 50}, {199, 50});
    canvas.Polygon({{20, 20}, {60, 20}, {60, 80}, {20, 80}}, true, 0x0000FF);
    QCOMPARE(canvas.GetPixel({40, 50}), 0x0000FFu);  // the fill over the line
    const QImage before = canvas.Image();
    canvas.SetPen({0x00FF00, PenStyle::kSolid, PenMode::kCopy, 1});
    canvas.Line({40, 0}, {40, 99});
    canvas.Arc(100, 20, 160, 80, {160, 50}, {160, 50});
    QCOMPARE(canvas.GetPixel({40, 50}), 0x00FF00u);  // the line over the fill
    QCOMPARE(canvas.GetPixel({130, 20}), 0x00FF00u);
    QCOMPARE(canvas.GetPixel({100, 50}), 0x00FF00u);  // the circle over the red line
    QCOMPARE(before.pixel(40, 50) & 0xFFFFFFu, 0x0000FFu);
    QCOMPARE(before.pixel(100, 50) & 0xFFFFFFu, 0xFF0000u);
    canvas.SetPen({0xFFFFFF, PenStyle::kSolid, PenMode::kXor, 1});
    canvas.Line({0, 50}, {199, 50});
    QCOMPARE(canvas.GetPixel({150, 50}), 0x00FFFFu);  // XOR still through the painter
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

  // Qt's fills and painter calls leave the AVX upper halves marked in use, which slows every
  // double the engine then works with; each canvas call hands the engine a clean state.
  void PainterCallsLeaveTheVectorStateClean() {
    if (!test::UpperHalvesInUse()) QSKIP("this processor cannot say");
    RasterCanvas canvas(300, 200);
    const auto clean = [] { return !*test::UpperHalvesInUse(); };
    QVERIFY(clean());
    canvas.Clear(0x102030);
    QVERIFY(clean());
    canvas.SetPen({0xFF0000, PenStyle::kSolid, PenMode::kCopy, 3});  // wide: through the painter
    canvas.Line({0, 0}, {299, 199});
    QVERIFY(clean());
    canvas.Arc(50, 50, 150, 150, {150, 100}, {50, 100});
    QVERIFY(clean());
    canvas.Rectangle(5, 5, 100, 60);
    QVERIFY(clean());
    canvas.Ellipse(10, 10, 90, 90, true, 0x00FF00);
    QVERIFY(clean());
    canvas.Polygon({{20, 20}, {60, 20}, {60, 80}}, true, 0x0000FF);
    QVERIFY(clean());
    canvas.Text({10, 10}, "X1.5 Y-2.", 12);
    QVERIFY(clean());
    canvas.SetPixel({3, 3}, 0xFFFFFF);
    QVERIFY(clean());
    canvas.Resize(400, 300);
    QVERIFY(clean());
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::RasterCanvasTest)
#include "raster_canvas_test.moc"
