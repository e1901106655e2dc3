// The Time dialog writes its comment lines into the program; the Macro Out toggle and dialog
// write the plotter's moves into their files.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "interp/macro_out.h"
#include "interp/run_driver.h"
#include "nctext/pane_services.h"
#include "support/test_paths.h"
#include "ui/main_form.h"
#include "ui/plot_status_window.h"
#include "ui/sci_edit_control.h"
#include "ui/time_dialog.h"
#include "ui_test_home.h"

namespace vormak {

class TimeDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> home_;
  std::unique_ptr<TMainForm> form_;

  QAction* MenuItem(const QStringList& path) const {
    return test::MenuItem(form_->menuBar(), path);
  }

  static QString ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll());
  }

 private slots:
  void init() {
    home_ = test::MakeTestHome();
    QVERIFY(home_->isValid());
    QDir::setCurrent(home_->path());
    form_ = std::make_unique<TMainForm>();
    form_->host().SetNonInteractive(true);
    Workbench& bench = form_->bench();
    bench.settings.system_type = SystemType::kMill;
    bench.settings.x_radius = true;
    bench.settings.use.Set(kUseTools, false);
    bench.settings.use.Set(kUseSubprograms, true);
    bench.settings.nc_path = home_->path().toStdString();
    form_->LEdit1()->SetText("G90 G00 X0 Y0\nT1 M06\nG01 X10. F100.\nG00 X50.\nM30\n");
  }

  void cleanup() {
    form_.reset();
    home_.reset();
  }

  void TimeDialogWritesTheTotalAndTheBlockTimes() {
    QVERIFY(MenuItem({"Utilities&2", "&Time..."})->isEnabled());
    form_->SolidAction()->trigger();  // the dialog switches the solid view off
    const std::string before = form_->LEdit1()->GetText();
    TTime_Dialog dialog(form_->bench(), form_.get());
    dialog.every_line_box->setChecked(true);
    dialog.total_box->setChecked(true);
    dialog.OKClick();
    Workbench& bench = form_->bench();
    QVERIFY(!bench.interp.motion.solid_view);
    // One Alt+F3 brings the solid view back, whatever tick the menu last showed.
    form_->SolidAction()->trigger();
    QVERIFY(bench.interp.motion.solid_view && form_->SolidAction()->isChecked());
    form_->SolidAction()->trigger();
    QVERIFY(!bench.interp.time.accounting);
    QCOMPARE(PaneLine(bench, 1, 3), std::string("(* .102)G01 X10. F100."));
    QCOMPARE(PaneLine(bench, 1, 4), std::string("(* .108)G00 X50."));
    const std::string text = form_->LEdit1()->GetText();
    QVERIFY2(text.ends_with("M30\r\n(* TOTAL TIME= 0 HOURS 0 MINS)\r\n") ||
                 text.ends_with("M30\r\n\r\n(* TOTAL TIME= 0 HOURS 0 MINS)"),
             text.c_str());
    form_->LEdit1()->Undo();  // the whole run comes off in one step
    QCOMPARE(form_->LEdit1()->GetText(), before);
  }

  // Time counts while the status window is open; a run refreshes it; closing stops the count.
  void PlotStatusWindowFollowsTheRun() {
    Workbench& bench = form_->bench();
    MenuItem({"CA&M", "Plot &Status..."})->trigger();
    auto* window = form_->findChild<TPlotStatus*>();
    QVERIFY(window != nullptr && window->isVisible());
    QVERIFY(bench.interp.time.accounting);
    window->watch_edit->setText("X");
    window->AddClick();
    StartRun(bench, RunCommand::kResetNc);
    StartRun(bench, RunCommand::kRunAll);
    QCOMPARE(window->FieldText(0, "Total Time:"), QString("0 Hr 0 Min 13 Sec"));
    QCOMPARE(window->FieldText(1, "To X:"), QString("50"));
    QCOMPARE(window->watch_list->item(0)->text(), QString("X: 50"));
    window->close();
    QVERIFY(!bench.interp.time.accounting);
  }

  // A mill shows neither a turret choice nor a lathe insert's shape, and the spindle's speed
  // once M03 has started it; a twin-turret lathe shows both again.
  void PlotStatusFitsTheMachine() {
    Workbench& bench = form_->bench();
    // No M30 at the end: it stops the spindle, and the status would rightly show no speed.
    form_->LEdit1()->SetText("G90 G00 X0 Y0\nS2500 M03\nG01 X10. F100.\n");
    MenuItem({"CA&M", "Plot &Status..."})->trigger();
    auto* window = form_->findChild<TPlotStatus*>();
    QVERIFY(window != nullptr);
    StartRun(bench, RunCommand::kResetNc);
    StartRun(bench, RunCommand::kRunAll);
    window->ShowPlotStatus();
    QVERIFY(!window->turret_box->isVisible());
    auto* form = qobject_cast<QFormLayout*>(window->pages->widget(0)->layout());
    auto row_shown = [form](const QString& caption) {
      for (int row = 0; row < form->rowCount(); ++row) {
        auto* label = form->itemAt(row, QFormLayout::LabelRole);
        if (label != nullptr && qobject_cast<QLabel*>(label->widget())->text() == caption) {
          return form->isRowVisible(row);
        }
      }
      return false;
    };
    QVERIFY(!row_shown("Center Z:") && !row_shown("Orientation:"));
    QVERIFY(row_shown("Radius:"));
    QCOMPARE(window->FieldText(0, "RPM:"), QString("2500"));

    bench.settings.system_type = SystemType::kLathe;
    bench.settings.twin_turrets = true;
    window->ShowPlotStatus();
    QVERIFY(window->turret_box->isVisible());
    QVERIFY(row_shown("Center Z:"));
  }

  // A long run refreshes the open window on its way, not only at its end.
  void PlotStatusWindowFollowsALongRun() {
    Workbench& bench = form_->bench();
    MenuItem({"CA&M", "Plot &Status..."})->trigger();
    auto* window = form_->findChild<TPlotStatus*>();
    QVERIFY(window != nullptr);
    bench.interp.run.on_run_end = nullptr;  // only the refreshes during the run remain
    std::string program = "G90 G01 F100.\n";
    for (int i = 1; i <= 300; ++i) program += "X" + std::to_string(i) + ".\n";
    form_->LEdit1()->SetText(program + "M30\n");
    StartRun(bench, RunCommand::kResetNc);
    StartRun(bench, RunCommand::kRunAll);
    const double to_x = window->FieldText(1, "To X:").toDouble();
    QVERIFY2(to_x >= 200 && to_x <= 300, qPrintable(window->FieldText(1, "To X:")));
  }

  void MacroOutToggleAndDialogWriteTheirFiles() {
    Workbench& bench = form_->bench();
    MenuItem({"&File", "&Edit Window", "Macro &Out", "&Absolute"})->trigger();
    QVERIFY(MacroOutOpen(bench));
    MenuItem({"Utilities&2", "&Time..."});  // the window stays usable
    StartRun(bench, RunCommand::kResetNc);
    StartRun(bench, RunCommand::kRunAll);
    MenuItem({"&File", "&Edit Window", "Macro &Out", "&Incremental"})->trigger();
    QVERIFY(!MacroOutOpen(bench));
    QCOMPARE(ReadFile(home_->filePath("macout.nc")),
             QString("G01X10.0Y.0Z.0F100.0\r\nG00X50.0Y.0Z.0\r\n"));

    TMacro_Out dialog(bench, form_.get());
    dialog.show();
    QCOMPARE(dialog.file_edit->text(), home_->filePath("m.nc"));
    dialog.file_edit->setText("inc.nc");
    dialog.incremental_button->setChecked(true);
    dialog.OKClick();
    QVERIFY(!MacroOutOpen(bench));
    // The tool first travels back from X50, where the last run left it.
    QCOMPARE(ReadFile(home_->filePath("inc.nc")),
             QString("G00X-50.0Y.0Z.0\r\nG01X10.0Y.0Z.0F100.0\r\nG00X40.0Y.0Z.0\r\n"));
    // A file that cannot be created plots nothing and the dialog stays open.
    dialog.show();
    dialog.file_edit->setText(home_->filePath("no/such/folder/x.nc"));
    dialog.OKClick();
    QVERIFY(!MacroOutOpen(bench));
    QVERIFY(dialog.isVisible());
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::TimeDialogTest)
#include "time_dialog_test.moc"
