// Utilities2 "Bolt Circle..": the dialog writes the holes at the caret in the machine's formats
// as one undo step, and keeps what was typed when it is refused. File > Keyboard Macro >
// "Play Demo" plots the shipped example and runs the shipped script on it.
#include "ui/bolt_circle_dialog.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "nctext/pane_services.h"
#include "plot/view_state.h"
#include "ui/demo_action.h"
#include "ui/main_form.h"
#include "ui/sci_edit_control.h"
#include "ui_test_home.h"

namespace vormak {

class BoltCircleDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> home_;
  std::unique_ptr<TMainForm> form_;

 private slots:
  void init() {
    home_ = test::MakeTestHome();
    QVERIFY(home_->isValid());
    form_ = std::make_unique<TMainForm>();
    QVERIFY(form_->Start(QCoreApplication::applicationFilePath().toStdString(), "1"));
    form_->host().SetNonInteractive(true);
  }

  void cleanup() {
    form_.reset();
    home_.reset();
  }

  void HolesGoInAtTheCaretAsOneUndoStep() {
    QVERIFY(test::MenuItem(form_->menuBar(), {"Utilities&2", "Bolt Circle.."})->isEnabled());
    SciEditControl* pane = form_->LEdit1();
    pane->SetText("G90 G00 X0 Y0\nM30\n");
    pane->EmptyUndoBuffer();
    pane->SetSelection({{2, 0}, {2, 0}});
    TBolt_Circle dialog(form_->bench(), form_.get());
    dialog.centre_x_edit->setText("1");
    dialog.centre_y_edit->setText("2");
    dialog.diameter_edit->setText("4");
    dialog.holes_edit->setText("4");
    dialog.start_angle_edit->setText("90");
    dialog.cycle_edit->setText("G81 Z-.5 R.1 F10.");
    dialog.OKClick();
    QCOMPARE(PaneLine(form_->bench(), 1, 2), std::string("G81 Z-.5 R.1 F10. X1. Y4."));
    QCOMPARE(PaneLine(form_->bench(), 1, 3), std::string("X-1. Y2."));
    QCOMPARE(PaneLine(form_->bench(), 1, 4), std::string("X1. Y0"));
    QCOMPARE(PaneLine(form_->bench(), 1, 5), std::string("X3. Y2."));
    QCOMPARE(PaneLine(form_->bench(), 1, 6), std::string("G80"));
    QCOMPARE(PaneLine(form_->bench(), 1, 7), std::string("M30"));
    pane->Undo();
    QCOMPARE(PaneLine(form_->bench(), 1, 2), std::string("M30"));
    QCOMPARE(PaneLineCount(form_->bench(), 1), 3);

    // Two and a half holes are refused: nothing is written and the dialog stays open.
    dialog.show();
    dialog.holes_edit->setText("2.5");
    dialog.OKClick();
    QVERIFY(dialog.isVisible());
    QCOMPARE(PaneLine(form_->bench(), 1, 2), std::string("M30"));
  }

  void PlayDemoPlotsTheExampleAndRunsTheScript() {
    QVERIFY(
        test::MenuItem(form_->menuBar(), {"&File", "&Keyboard Macro", "Play Demo"})->isEnabled());
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    QVERIFY(PlayDemo(*form_));
    Workbench& bench = form_->bench();
    QVERIFY(bench.nc_file_name.ends_with("examples/example.nc"));
    // The example is plotted before the script edits it: every leg the batch plotter draws of
    // the same file is kept in the plot window's backplot.
    const QString batch = qEnvironmentVariable("VORMAK_BATCH");
    QVERIFY2(!batch.isEmpty(), "VORMAK_BATCH names vormak-batch");
    QTemporaryDir work;
    const QString csv = work.filePath("moves.csv");
    QProcess plot;
    plot.start(batch, {"plot", QString::fromStdString(bench.nc_file_name), "--moves", csv});
    QVERIFY(plot.waitForFinished(60000));
    QCOMPARE(plot.exitCode(), 0);
    QFile moves(csv);
    QVERIFY(moves.open(QIODevice::ReadOnly));
    const qsizetype legs = moves.readAll().count('\n') - 1;  // less the heading
    QVERIFY(legs > 10);  // the example has rapids, feeds and arcs
    QCOMPARE(static_cast<qsizetype>(bench.plot.backplot.MoveCount()), legs);
    // The script numbered the blocks from N10 by 10 and put a space before every word.
    // The program number line keeps no block number.
    QVERIFY2(PaneLine(bench, 1, 3).starts_with("N10 "), PaneLine(bench, 1, 3).c_str());
    QVERIFY2(PaneLine(bench, 1, 4).starts_with("N20 "), PaneLine(bench, 1, 4).c_str());
    QVERIFY(!bench.stop_requested);
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::BoltCircleDialogTest)
#include "bolt_circle_dialog_test.moc"
