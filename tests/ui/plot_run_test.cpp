// The Plot toolbar runs the program in the editor: the plot window is drawn and the executed
// line is marked.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "nctext/status_services.h"
#include "support/test_paths.h"
#include "ui/main_form.h"
#include "ui/plot_widget.h"
#include "ui/sci_edit_control.h"
#include "ui_test_home.h"

namespace vormak {

class PlotRunTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> home_;
  std::unique_ptr<TMainForm> form_;

  QAction* Action(const char* name) const { return form_->findChild<QAction*>(name); }

  // Pixels of the plot window that are not the background.
  int DrawnPixels() const {
    const QImage& image = form_->PaintBox1()->canvas().Image();
    const QRgb background = image.pixel(0, 0);
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) drawn += image.pixel(x, y) != background ? 1 : 0;
    }
    return drawn;
  }

 private slots:
  void init() {
    home_ = test::MakeTestHome();
    QVERIFY(home_->isValid());
    form_ = std::make_unique<TMainForm>();
    form_->host().SetNonInteractive(true);
    form_->resize(1000, 700);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    Workbench& bench = form_->bench();
    bench.settings.system_type = SystemType::kMill;
    bench.settings.x_radius = true;
    bench.settings.use.Set(kUseTools, false);
    bench.settings.use.Set(kUseSubprograms, true);
  }

  void cleanup() {
    form_.reset();
    home_.reset();
  }

  void RunAllDrawsThePlotAndMarksTheLastLine() {
    SciEditControl* pane = form_->LEdit1();
    pane->SetText("G90 G00 X0 Y0\nG01 X5. Y0 F10.\nG03 X0 Y5. R5.\nG00 X-5. Y-5.\n");
    QVERIFY(Action("PlotRun") != nullptr);
    Action("ResetNc")->trigger();
    const int before = DrawnPixels();
    Action("PlotRun")->trigger();
    QVERIFY(DrawnPixels() > before + 20);
    // The caret stands after the last block, which is marked.
    const TextSelection sel = pane->GetSelection();
    QCOMPARE(std::min(sel.start.line, sel.end.line), 5);
    QCOMPARE(form_->bench().interp.Turret(1)[kRegX], -5.0);
  }

  // A lathe has no Y axis: its Insert toolbar leaves out the Y and XY buttons. "Edit Undo"
  // takes an insert back.
  void InsertButtonsFollowTheMachineAndEditUndoTakesAnInsertBack() {
    Workbench& bench = form_->bench();
    bench.settings.system_type = SystemType::kLathe;
    form_->ApplySettingsToWindow();
    QVERIFY(!Action("Insert Y Value")->isVisible());
    QVERIFY(!Action("Insert XY Value")->isVisible());
    QVERIFY(Action("Insert XZ Value")->isVisible());
    bench.settings.system_type = SystemType::kMill;
    form_->ApplySettingsToWindow();
    QVERIFY(Action("Insert Y Value")->isVisible());
    QVERIFY(Action("Insert XY Value")->isVisible());

    SciEditControl* pane = form_->LEdit1();
    pane->SetText("G90 G00 X1. Y2.\nX5.\n");
    Action("ResetNc")->trigger();
    Action("PlotCurrentLine")->trigger();
    Action("Insert Z Value")->trigger();
    const std::string inserted = pane->GetLine(1);
    QVERIFY2(inserted.find('Z') != std::string::npos, inserted.c_str());
    Action("EditUndo")->trigger();
    QCOMPARE(QString::fromStdString(pane->GetLine(1)), QString("G90 G00 X1. Y2."));
  }

  void AltDownStepsOneLineAtATime() {
    SciEditControl* pane = form_->LEdit1();
    pane->SetText("G90 G00 X1.\nX2.\nX3.\n");
    Action("ResetNc")->trigger();
    QAction* step = Action("PlotCurrentLine");
    QCOMPARE(step->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Down));
    step->trigger();
    step->trigger();
    QCOMPARE(form_->bench().interp.Turret(1)[kRegX], 2.0);
    TextSelection sel = pane->GetSelection();
    QCOMPARE(std::min(sel.start.line, sel.end.line), 2);
    Action("PlotStepUp")->trigger();
    sel = pane->GetSelection();
    QCOMPARE(std::min(sel.start.line, sel.end.line), 1);
  }

  // An endless GOTO loop stops at Escape, and at a right-button release on the plot window.
  // Escape with nothing running resets the command: the panels are cleared.
  void EscapeWhenIdleClearsTheCommandAndPrompt() {
    form_->LEdit1()->SetText("G90 G00 X1.\nX2.\n");
    Action("ResetNc")->trigger();
    Action("PlotRun")->trigger();
    ShowCommand(form_->bench(), "ROUGHING");
    QVERIFY(form_->Panel("Prompt")->text().trimmed() == "Run All");
    QTest::keyClick(form_->LEdit1(), Qt::Key_Escape);
    QCOMPARE(form_->Panel("Prompt")->text().trimmed(), QString());
    QCOMPARE(form_->Panel("Command")->text().trimmed(), QString());
  }

  void EscapeOrRightButtonStopsAnEndlessLoop() {
    for (bool escape : {true, false}) {
      form_->bench().settings.use.Set(kUseMacros, true);
      form_->LEdit1()->SetText("N1 G91 G01 X.01 F10.\nGOTO 1\n");
      Action("ResetNc")->trigger();
      QTimer::singleShot(200, this, [this, escape] {
        if (escape) {
          QTest::keyClick(form_->LEdit1(), Qt::Key_Escape);
        } else {
          QTest::mouseRelease(form_->PaintBox1(), Qt::RightButton, {}, QPoint(50, 50));
        }
      });
      Action("PlotRun")->trigger();
      QVERIFY(form_->bench().stop_requested);
      QVERIFY(form_->bench().interp.run.lines_run > 10);
      QVERIFY(!form_->bench().interp.run.running);
    }
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::PlotRunTest)
#include "plot_run_test.moc"
