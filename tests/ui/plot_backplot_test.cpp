// The plot window keeps what a run drew: zooms, redraws and view changes show the path again,
// the wheel zooms about the cursor, the middle button pans, and a double click on the path
// finds the block that drew it.
#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>
#include <memory>

#include "nctext/text_buffer.h"
#include "plot/view_transform.h"
#include "support/test_paths.h"
#include "ui/main_form.h"
#include "ui/plot_widget.h"
#include "ui/sci_edit_control.h"
#include "ui_test_home.h"
#include "workbench/machine_file.h"

namespace vormak {

namespace {

std::string ReadProgram(const std::string& path) {
  TextBuffer buffer;
  buffer.LoadFile(path);
  return buffer.GetText();
}

}  // namespace

class PlotBackplotTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> home_;

  struct Window {
    Window() {
      form.host().SetNonInteractive(true);
      form.resize(1200, 800);
      form.show();
      exposed = QTest::qWaitForWindowExposed(&form);
      form.bench().settings.use.Set(kUseTools, false);
    }
    // Makes the shipped machine file `name` ("mill.ini", "lathe.ini") the current machine.
    bool UseMachine(const std::string& name) {
      Workbench& bench = form.bench();
      bench.machines.Slot(1).path = test::SourceDataDir() + "/machines/" + name;
      form.SelectMachine(1);
      bench.settings.use.Set(kUseTools, false);
      return bench.machines.current == 1;
    }
    // With VORMAK_TEST_SHOTS naming a folder, the window is saved there to be looked at.
    void Shot(const QString& name) {
      const QString dir = qEnvironmentVariable("VORMAK_TEST_SHOTS");
      if (!dir.isEmpty()) form.grab().save(dir + "/" + name + ".png");
    }
    void Run(const std::string& program) {
      form.LEdit1()->SetText(program);
      Action("ResetNc")->trigger();
      Action("PlotRun")->trigger();
    }
    QAction* Action(const char* name) { return form.findChild<QAction*>(name); }
    PlotWidget* plot() { return form.PaintBox1(); }
    const QImage& Image() { return plot()->canvas().Image(); }
    int PathPixels() {
      const QImage& image = Image();
      const QRgb background = image.pixel(0, 0);
      int drawn = 0;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) drawn += image.pixel(x, y) != background;
      }
      return drawn;
    }
    QPoint Pixel(double x, double y, double z = 0) {
      const PlotState& p = form.bench().plot;
      const PixelPoint at = WorldToScreen(p, form.bench().settings, p.current, x, y, z);
      return {at.x, at.y};
    }
    TMainForm form;
    bool exposed = false;
  };

  void Wheel(PlotWidget* plot, QPoint at, int delta) {
    QWheelEvent event(at, plot->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(plot, &event);
  }

 private slots:
  void init() {
    home_ = test::MakeTestHome();
    QVERIFY(home_->isValid());
  }
  void cleanup() { home_.reset(); }

  void PathStaysThroughZoomRedrawAndViewChanges() {
    const std::string examples = test::SourceDataDir() + "/examples/";
    const std::pair<const char*, std::string> cases[] = {
        {"mill.ini", ReadProgram(examples + "example.nc")},
        {"lathe.ini", ReadProgram(examples + "lathe.nc")},
        {"twin_lathe.ini",
         "G00 X80. Z5.\nG01 X60. F.2\nZ-40.\nG02 X80. Z-50. R10.\nG00 X100.\nM30\n"}};
    for (const auto& [machine, program] : cases) {
      Window w;
      QVERIFY(w.exposed);
      QVERIFY(w.UseMachine(machine));
      if (std::string(machine) == "twin_lathe.ini") {
        w.form.LEdit2()->SetText("G00 X70. Z3.\nG01 X50. F.2\nZ-30.\nX70. Z-45.\nG00 X90.\nM30\n");
      }
      const QString name = QString(machine).section('.', 0, 0);
      w.Run(program);
      w.Shot(name + "_1_run");
      const int fitted = w.PathPixels();
      QVERIFY2(fitted > 300, qPrintable(QString("%1 path pixels").arg(fitted)));
      // Each Half shows the path half as large: it keeps about half its pixels.
      w.plot()->ZoomHalf();
      QVERIFY(w.PathPixels() > fitted / 3);
      w.plot()->ZoomHalf();
      w.Shot(name + "_2_half_twice");
      const int quarter = w.PathPixels();
      QVERIFY(quarter > fitted / 8);
      w.plot()->RedrawPlot();
      QCOMPARE(w.PathPixels(), quarter);
      w.plot()->ZoomAll();
      QCOMPARE(w.PathPixels(), fitted);
      w.plot()->SelectView(kIsometricSlot);
      w.Shot(name + "_3_isometric");
      QVERIFY(w.PathPixels() > fitted / 8);
      w.form.resize(900, 700);
      QApplication::processEvents();
      QVERIFY(w.PathPixels() > fitted / 8);
      // Reset NC takes the path away.
      w.Action("ResetNc")->trigger();
      QCOMPARE(w.PathPixels(), 0);
    }
  }

  // A repaint gives the picture, pixel for pixel, that plotting the program again into the
  // same view gives.
  void RepaintIsTheFreshRunsPicture() {
    for (const char* machine : {"mill.ini", "lathe.ini"}) {
      const std::string example = std::string(machine) == "mill.ini" ? "example.nc" : "lathe.nc";
      const std::string program = ReadProgram(test::SourceDataDir() + "/examples/" + example);
      Window kept;
      QVERIFY(kept.UseMachine(machine));
      kept.Run(program);
      kept.plot()->ZoomHalf();
      const QImage repainted = kept.Image().copy();

      Window fresh;
      QVERIFY(fresh.UseMachine(machine));
      fresh.form.LEdit1()->SetText(program);
      fresh.Action("ResetNc")->trigger();
      PlotState& plot = fresh.form.bench().plot;
      QCOMPARE(plot.width, kept.form.bench().plot.width);
      plot.fit_pending = false;
      plot.Current() = kept.form.bench().plot.Current();
      fresh.plot()->RedrawPlot();
      fresh.Action("PlotRun")->trigger();
      QVERIFY(fresh.PathPixels() > 100);
      QVERIFY(repainted == fresh.Image());
    }
  }

  void DoubleClickMarksTheLineThatDrewTheMove() {
    Window w;
    QVERIFY(w.UseMachine("mill.ini"));
    w.Run("G90 G00 X0 Y0\nG01 X10. Y0 F100.\nY10.\nG00 X20.\n");
    w.plot()->ZoomHalf();
    QTest::mouseDClick(w.plot(), Qt::LeftButton, Qt::NoModifier, w.Pixel(10, 4));
    TextSelection sel = w.form.LEdit1()->GetSelection();
    QCOMPARE(sel.end.line, 3);  // the caret
    QCOMPARE(sel.end.column, 0);
    QCOMPARE(sel.start.line, 4);
    QTest::mouseDClick(w.plot(), Qt::LeftButton, Qt::NoModifier, w.Pixel(6, 0));
    sel = w.form.LEdit1()->GetSelection();
    QCOMPARE(sel.end.line, 2);
    // Hovering names the block and where its move ends.
    QTest::mouseMove(w.plot(), w.Pixel(10, 6));
    QTRY_VERIFY(w.form.bench().nctext.current_prompt.find("Y10.") != std::string::npos);
    const std::string& prompt = w.form.bench().nctext.current_prompt;
    QVERIFY2(prompt.find("End X10.0 Y10.0 Z.0") != std::string::npos, prompt.c_str());
  }

  void WheelZoomsAboutTheCursorAndTheMiddleButtonPans() {
    Window w;
    QVERIFY(w.UseMachine("mill.ini"));
    w.Run("G90 G00 X0 Y0\nG01 X10. Y0 F100.\nY10.\n");
    PlotWidget* plot = w.plot();
    PlotState& state = w.form.bench().plot;
    const QPoint cursor(plot->width() / 3, plot->height() / 4);
    for (int delta : {120, 120, -240, -120}) {
      const ViewPoint held = ScreenToWorld(state, state.current, {cursor.x(), cursor.y()});
      const double height = state.Current().plot_height;
      Wheel(plot, cursor, delta);
      QVERIFY(state.Current().plot_height != height);
      QVERIFY((delta > 0) == (state.Current().plot_height < height));
      const QPoint now = w.Pixel(held.x, held.y);
      QVERIFY(std::abs(now.x() - cursor.x()) <= 1);
      QVERIFY(std::abs(now.y() - cursor.y()) <= 1);
    }
    QVERIFY(w.PathPixels() > 10);
    // The middle button drags the part along.
    const double x = state.Current().centre_x, scale = state.Current().scale_x;
    QTest::mousePress(plot, Qt::MiddleButton, Qt::NoModifier, cursor);
    QTest::mouseMove(plot, cursor + QPoint(40, 0));
    QTest::mouseRelease(plot, Qt::MiddleButton, Qt::NoModifier, cursor + QPoint(40, 0));
    QCOMPARE(state.Current().centre_x, x - 40 / scale);
    // So does Shift with the left button while no command waits for picks.
    const double y = state.Current().centre_y;
    QTest::mousePress(plot, Qt::LeftButton, Qt::ShiftModifier, cursor);
    QTest::mouseMove(plot, cursor + QPoint(0, 30));
    QTest::mouseRelease(plot, Qt::LeftButton, Qt::ShiftModifier, cursor + QPoint(0, 30));
    QCOMPARE(state.Current().centre_y, y + 30 / scale);
    QVERIFY(w.PathPixels() > 10);
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::PlotBackplotTest)
#include "plot_backplot_test.moc"
