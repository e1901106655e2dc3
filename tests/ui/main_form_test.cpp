// The main window started as the user starts it: a fresh settings folder, the shipped machine
// files and example, the command-line argument.
#include <Qsci/qscilexer.h>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "cad/element_table.h"
#include "cad/palette.h"
#include "nctext/status_services.h"
#include "plot/view_transform.h"
#include "settings/word_format.h"
#include "solidlink/model_link.h"
#include "support/test_paths.h"
#include "ui/configuration_dialog.h"
#include "ui/configuration_pages.h"
#include "ui/main_form.h"
#include "ui/plot_run_actions.h"
#include "ui/plot_widget.h"
#include "ui/sci_edit_control.h"
#include "ui_test_home.h"

namespace vormak {

namespace {

QString ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromLatin1(file.readAll());
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

// The line edit a form row of `parent` labels `label`; null when there is none.
QLineEdit* FieldLabelled(QWidget* parent, const QString& label) {
  for (auto* form : parent->findChildren<QFormLayout*>()) {
    for (int row = 0; row < form->rowCount(); ++row) {
      auto* name = form->itemAt(row, QFormLayout::LabelRole);
      auto* field = form->itemAt(row, QFormLayout::FieldRole);
      if (name == nullptr || field == nullptr) continue;
      auto* text = qobject_cast<QLabel*>(name->widget());
      if (text != nullptr && text->text() == label)
        return qobject_cast<QLineEdit*>(field->widget());
    }
  }
  return nullptr;
}

}  // namespace

class MainFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> home_;
  std::unique_ptr<TMainForm> form_;

  QString ConfigDir() const { return home_->path() + "/config/vormak"; }
  QString Example() const {
    return QString::fromStdString(test::SourceDataDir() + "/examples/example.nc");
  }
  QString PanelText(const char* name) const { return form_->Panel(name)->text(); }

  bool Start(const QString& argument) {
    form_ = std::make_unique<TMainForm>();
    return form_->Start(QCoreApplication::applicationFilePath().toStdString(),
                        argument.toStdString());
  }

  // A machine list of one machine file written by the test, as a shop keeps its own.
  QString WriteShopMachine(const QByteArray& contents) {
    QDir().mkpath(ConfigDir());
    const QString machine = ConfigDir() + "/shop.ini";
    WriteAll(machine, contents);
    WriteAll(ConfigDir() + "/vormak.ini", "[MachineINI]\nMachine1=" + machine.toLatin1() + "\n");
    return machine;
  }

  // Answers the next message box with `button`; its text lands in `text`.
  QTimer* AnswerNextMessageBox(QMessageBox::StandardButton button, QString* text) {
    auto* timer = new QTimer(this);
    timer->setInterval(10);
    connect(timer, &QTimer::timeout, this, [timer, button, text] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      *text = box->text();
      timer->stop();
      box->button(button)->click();
    });
    timer->start();
    return timer;
  }

 private slots:
  void init() {
    home_ = test::MakeTestHome();
    QVERIFY(home_->isValid());
  }

  void cleanup() {
    form_.reset();
    home_.reset();
  }

  void StartsOnTheExampleWithTheMachineSettings() {
    QVERIFY(Start(Example()));
    // The first start lists the shipped machines, the mill first.
    QVERIFY(QFile::exists(ConfigDir() + "/vormak.ini"));
    QVERIFY(QFile::exists(ConfigDir() + "/mill.ini"));
    Workbench& bench = form_->bench();
    QCOMPARE(bench.machines.current, 1);
    QCOMPARE(PanelText("Systype"), QString("Mill"));
    QCOMPARE(PanelText("Format"), QString("Fanuc Mill"));
    QCOMPARE(PanelText("Modified"), QString());
    QCOMPARE(PanelText("Layer"), QString("Lay 1"));
    QCOMPARE(form_->windowTitle(), "  [] (" + Example() + ")");
    QVERIFY(!form_->windowIcon().isNull());

    SciEditControl* pane = form_->LEdit1();
    QCOMPARE(pane->GetLine(2), std::string("O1000 (EXAMPLE - POCKET AND BOLT HOLES)"));
    QCOMPARE(pane->LineCount(), ReadAll(Example()).count('\n') + 1);
    QVERIFY(!pane->IsModified());
    QVERIFY(form_->LEdit2()->isHidden());

    // The mill colours words and comments, in the machine's font, with its syntax.
    QCOMPARE(pane->Syntax(), BuildSyntaxDescriptor(bench.settings));
    QVERIFY(pane->Highlight());
    QVERIFY(pane->lexer() != nullptr);
    QCOMPARE(pane->lexer()->font(0).family(), QString("Monospace"));
    QCOMPARE(pane->lexer()->font(0).pointSize(), 10);
    // Word formats of the machine file are the ones in force.
    QCOMPARE(FormatAddressValue(bench.word_formats, 'N', 1, 10), std::string("10"));
    QCOMPARE(FormatAddressValue(bench.word_formats, 'F', 1, 12.5), std::string("12.5"));
  }

  void ArgumentThreeSelectsTheTwinTurretMachine() {
    QVERIFY(Start("3"));
    Workbench& bench = form_->bench();
    QCOMPARE(bench.machines.current, 3);
    QVERIFY(bench.settings.twin_turrets);
    QCOMPARE(PanelText("Format"), QString("Twin Turret Lat"));  // 15 characters
    QCOMPARE(PanelText("Systype"), QString("Lathe"));
    QVERIFY(form_->MachineAction(3) != nullptr && form_->MachineAction(3)->isChecked());
    QVERIFY(!form_->MachineAction(1)->isChecked());
    // Turret B's pane beside turret A's: A in black, B in the machine's colour (blue).
    QVERIFY(!form_->LEdit2()->isHidden());
    QCOMPARE(form_->LEdit1()->ForeColor(), 0x000000u);
    QCOMPARE(form_->LEdit2()->ForeColor(), 0x0000FFu);
    QCOMPARE(form_->LEdit2()->Syntax(), form_->LEdit1()->Syntax());
    QCOMPARE(form_->LEdit2()->font().pointSize(), 10);

    // Back to the mill from the machines menu: pane 2 goes and pane 1 takes the colour.
    form_->MachineAction(1)->trigger();
    QVERIFY(form_->LEdit2()->isHidden());
    QCOMPARE(bench.active_pane, 1);
    QCOMPARE(PanelText("Systype"), QString("Mill"));
  }

  void SaveKeepsCommentsUnknownKeysAndChangedValues() {
    const QString machine = WriteShopMachine(
        "; Bay 4 mill, checked by the foreman\n"
        "[VORMAK]\n"
        "MachineName=Bay Four\n"
        "SystemType=2\n"
        "; spindle warm-up program\n"
        "WarmUp=O9001\n"
        "X=000.000,1,0,0\n"
        "[Shop]\n"
        "Owner=maintenance\n");
    QVERIFY(Start(""));
    TConfiguration* dialog = form_->Configuration();
    dialog->show();
    QCOMPARE(dialog->windowTitle(), QString("Configuration - Bay Four"));
    dialog->FindPage<MachinePage>()->name_edit()->setText("Bay Four Mill");

    // The Format page: the X line edited as typed, then trailing zeros on.
    auto* format = dialog->FindPage<FormatPage>();
    format->letter_list()->setCurrentRow('X' - 'A');
    QCOMPARE(format->letter_edit()->text(), QString("X=000.000"));
    format->letter_edit()->selectAll();
    QTest::keyClicks(format->letter_edit(), "X=0000.00");
    QCOMPARE(format->letter_list()->item('X' - 'A')->text(), QString("X=0000.00"));
    QCheckBox* trailing = nullptr;
    for (auto* box : format->findChildren<QCheckBox*>()) {
      if (box->text() == "Trailing Zeros") trailing = box;
    }
    QVERIFY(trailing != nullptr && !trailing->isChecked());
    trailing->click();

    dialog->findChild<QPushButton*>("Save")->click();
    QVERIFY(!dialog->isVisible());

    const QString text = ReadAll(machine);
    for (const char* kept :
         {"; Bay 4 mill, checked by the foreman", "; spindle warm-up program", "WarmUp=O9001",
          "[Shop]", "Owner=maintenance", "MachineName=Bay Four Mill", "X=0000.00,1,0,1"}) {
      QVERIFY2(text.contains(kept), kept);
    }
    QVERIFY(!text.contains("X=000.000,1,0,0"));
    // Applied at once: format set 1, the menu entry and the Format panel.
    Workbench& bench = form_->bench();
    QCOMPARE(FormatAddressValue(bench.word_formats, 'X', 1, 1.5), std::string("1.50"));
    QCOMPARE(ReadAddressValue(bench.word_formats, 'X', "150", 1), 1.5);
    QCOMPARE(form_->MachineAction(1)->text(), QString("&1. Bay Four Mill"));
    QCOMPARE(PanelText("Format"), QString("Bay Four Mill"));
  }

  void TemporaryAppliesWithoutWriting() {
    const QByteArray original = "[VORMAK]\nMachineName=Bay Four\nSystemType=2\n";
    const QString machine = WriteShopMachine(original);
    QVERIFY(Start(""));
    TConfiguration* dialog = form_->Configuration();
    dialog->show();
    auto* format = dialog->FindPage<FormatPage>();
    format->letter_list()->setCurrentRow('G' - 'A');
    format->letter_edit()->selectAll();
    QTest::keyClicks(format->letter_edit(), "G=00");
    for (auto* box : format->findChildren<QCheckBox*>()) {
      // A G word without its point: G01, not G1.
      if (box->text() == "Use Decimal Points" && box->isChecked()) box->click();
      if (box->text() == "Leading Zeros") box->click();
    }
    QCOMPARE(format->letter_list()->item('G' - 'A')->text(), QString("G=00"));
    dialog->findChild<QPushButton*>("Temporary")->click();
    const Workbench& bench = form_->bench();
    QCOMPARE(bench.settings.letter_formats['G' - 'A'], std::string("00,0,1,0"));
    QCOMPARE(FormatAddressValue(bench.word_formats, 'G', 1, 1), std::string("01"));
    QCOMPARE(ReadAll(machine).toLatin1(), original);
  }

  void PreProcessScriptFollowsTheConfiguration() {
    WriteShopMachine("[VORMAK]\nMachineName=Bay Four\nStartWidth=0\n");
    QVERIFY(Start(""));
    const QString script = home_->path() + "/trace.scr";
    WriteAll(script, "PLOT\n");
    QVERIFY(!form_->bench().script.preprocess_on);
    TConfiguration* dialog = form_->Configuration();
    dialog->show();
    QLineEdit* edit = FieldLabelled(dialog, "Pre-Process Script:");
    QVERIFY(edit != nullptr);
    edit->setText(script);
    dialog->findChild<QPushButton*>("Temporary")->click();
    QVERIFY(form_->bench().script.preprocess_on);

    // Cleared again: the pre-process is off at once, not after the next Reset NC.
    dialog->show();
    edit->clear();
    dialog->findChild<QPushButton*>("Temporary")->click();
    QVERIFY(!form_->bench().script.preprocess_on);
  }

  void ModelLinkFileFollowsTheConfiguration() {
    WriteShopMachine("[VORMAK]\nMachineName=Bay Four\nStartWidth=0\n");
    QVERIFY(Start(""));
    const Workbench& bench = form_->bench();
    QVERIFY(bench.interp.model_link == nullptr);
    TConfiguration* dialog = form_->Configuration();
    dialog->show();
    QLineEdit* edit = FieldLabelled(dialog, "Link File:");
    QVERIFY(edit != nullptr);
    const QString first = home_->path() + "/first.link";
    edit->setText(first);
    for (auto* box : dialog->findChildren<QCheckBox*>()) {
      if (box->text() == "Solidworks" && !box->isChecked()) box->click();
    }
    dialog->findChild<QPushButton*>("Temporary")->click();
    QVERIFY(bench.interp.model_link != nullptr);
    SendLinearAxes(bench.settings, bench.interp.model_link, 1, 2, 3);
    QVERIFY(ReadAll(first).endsWith("rebuild\n"));

    // Applied again unchanged, the open file goes on; a new name starts the new file.
    dialog->show();
    dialog->findChild<QPushButton*>("Temporary")->click();
    SendLinearAxes(bench.settings, bench.interp.model_link, 1, 2, 3);
    QCOMPARE(ReadAll(first).count("rebuild"), 2);
    const QString second = home_->path() + "/second.link";
    dialog->show();
    edit->setText(second);
    dialog->findChild<QPushButton*>("Temporary")->click();
    SendLinearAxes(bench.settings, bench.interp.model_link, 4, 5, 6);
    QCOMPARE(ReadAll(first).count("rebuild"), 2);
    QCOMPARE(ReadAll(second).count("rebuild"), 1);

    dialog->show();
    edit->clear();
    dialog->findChild<QPushButton*>("Temporary")->click();
    QVERIFY(bench.interp.model_link == nullptr);
  }

  void QuitCancelledKeepsTheWindowAndTheText() {
    const QString machine = WriteShopMachine("[VORMAK]\nMachineName=Bay Four\nStartWidth=0\n");
    QVERIFY(Start(""));
    form_->show();
    form_->LEdit1()->AppendLine("N10 G00 X1.");
    const std::string text = form_->LEdit1()->GetText();
    QVERIFY(form_->LEdit1()->IsModified());
    QCOMPARE(PanelText("Modified"), QString("modified"));

    QString question;
    QTimer* answer = AnswerNextMessageBox(QMessageBox::Cancel, &question);
    QVERIFY(!form_->close());
    delete answer;
    QVERIFY(question.contains("Warning - file not saved."));
    QVERIFY(question.contains("Do you want to save?"));
    QVERIFY(question.contains("NC File: New File"));
    QVERIFY(form_->isVisible());
    QCOMPARE(form_->LEdit1()->GetText(), text);
    QVERIFY(form_->LEdit1()->IsModified());
    // Nothing of the session was written by the close that did not happen.
    QVERIFY(ReadAll(machine).contains("StartWidth=0"));

    // Answered No, the window closes and the session is stored.
    answer = AnswerNextMessageBox(QMessageBox::No, &question);
    QVERIFY(form_->close());
    delete answer;
    QVERIFY(!ReadAll(machine).contains("StartWidth=0\n"));
  }

  void PlotAreaShowsTheCadAndPickToolbars() {
    QVERIFY(Start(""));
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    const CadToolbars& bars = form_->cad_toolbars();
    QStringList hints;
    for (QAction* action : bars.cad_bar->actions()) hints << action->toolTip();
    for (const char* hint : {"Undo Last CAD", "Undete Last Element", "Delete Toolpath",
                             "Record Toolpath", "Tool Box"}) {
      QVERIFY2(hints.contains(hint), hint);
    }
    QVERIFY(bars.cad_bar->isVisible() && bars.pick_bar->isVisible());
    QCOMPARE(bars.pick_bar->actions().size(), 9);
    QVERIFY(bars.pick_modes[static_cast<size_t>(PickMode::kCursor)]->isChecked());

    // The colour button sets the colour new elements get.
    Workbench& bench = form_->bench();
    for (QAction* item : bars.colour_button->menu()->actions()) {
      if (item->text() == "Red") item->trigger();
    }
    QCOMPARE(bench.cad.table.current_colour, palette::kRed);

    // "&Solid" switches the solid view and shows its state.
    QAction* solid = test::MenuItem(form_->menuBar(), {"&View", "&Solid"});
    QVERIFY(solid == form_->SolidAction());
    QCOMPARE(solid->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F3));
    solid->trigger();
    QVERIFY(bench.interp.motion.solid_view && solid->isChecked());
    solid->trigger();
    QVERIFY(!bench.interp.motion.solid_view && !solid->isChecked());

    // View > Toolbars has one check item per toolbar; unchecking hides the bar.
    for (const char* caption : {"Plot", "Insert", "View", "Zoom", "Screen", "Cad", "Pick"}) {
      QAction* item = test::MenuItem(form_->menuBar(), {"&View", "&Toolbars", caption});
      QVERIFY2(item && item->isCheckable() && item->isChecked(), caption);
    }
    QToolBar* plot_bar = form_->plot_run_actions()->plot_bar;
    test::MenuItem(form_->menuBar(), {"&View", "&Toolbars", "Plot"})->trigger();
    QVERIFY(!plot_bar->isVisible());
    test::MenuItem(form_->menuBar(), {"&View", "&Toolbars", "Plot"})->trigger();
    QVERIFY(plot_bar->isVisible());
  }

  void PlotWindowPicksReachTheCadCommand() {
    QVERIFY(Start(""));
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    Workbench& bench = form_->bench();
    PlotWidget* plot = form_->PaintBox1();
    ElementTable& table = bench.cad.table;
    const auto add_line = [&](double y, ElementState state) {
      MakeElement(table, form_->host(), NextFreeSlot(table), ElementKind::kLine, palette::kWhite,
                  {-1, y, 0, 1, y, 0}, 0, 1, state, 1);
    };
    add_line(0, ElementState::kNormal);
    add_line(0.5, ElementState::kNormal);
    add_line(-0.5, ElementState::kToolpath);
    plot->RedrawPlot();
    const auto at = [&](double x, double y) {
      const PixelPoint p = WorldToScreen(bench.plot, bench.settings, bench.plot.current, x, y, 0);
      return QPoint(p.x, p.y);
    };

    // A click picks for the running command; Escape ends it.
    test::MenuItem(form_->menuBar(), {"&CAD", "&Delete", "&Elements"})->trigger();
    QVERIFY(bench.cad.commands.Running());
    QTest::mouseClick(plot, Qt::LeftButton, {}, at(0.3, 0));
    QVERIFY(table.At(1)->deleted);
    QVERIFY(!table.At(2)->deleted);
    QTest::keyClick(plot, Qt::Key_Escape);
    QVERIFY(!bench.cad.commands.Running());

    // "Pick Inside Window": a dragged window takes what lies wholly inside it.
    form_->cad_toolbars().pick_modes[static_cast<size_t>(PickMode::kInsideWindow)]->trigger();
    QVERIFY(bench.cad.pick_mode == PickMode::kInsideWindow);
    test::MenuItem(form_->menuBar(), {"&CAD", "&Delete", "&Elements"})->trigger();
    const QPoint from = at(-1.2, 0.7);
    const QPoint to = at(1.2, 0.3);
    QTest::mousePress(plot, Qt::LeftButton, {}, from);
    QTest::mouseMove(plot, (from + to) / 2);
    QTest::mouseMove(plot, to);
    QTest::mouseRelease(plot, Qt::LeftButton, {}, to);
    QVERIFY(table.At(2)->deleted);
    QTest::keyClick(plot, Qt::Key_Escape);

    // Record Toolpath clears the recorded path first and leaves recording off.
    form_->cad_toolbars().record_toolpath->trigger();
    QVERIFY(table.At(3) == nullptr);
    QVERIFY(!bench.interp.motion.record_toolpath);
    QVERIFY(table.At(1) != nullptr);
  }

  void PromptPanelShowsItsTextAndTooltip() {
    QVERIFY(Start(""));
    const std::string prompt = "Pick First Element of Chain, then the Direction to Follow";
    ShowPrompt(form_->bench(), prompt);
    ShowCommand(form_->bench(), "ROUGHING");
    QCOMPARE(PanelText("Prompt"), " " + QString::fromStdString(prompt));
    QCOMPARE(form_->Panel("Prompt")->toolTip(), " " + QString::fromStdString(prompt));
    QCOMPARE(PanelText("Command"), QString(" ROUGHING"));
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::MainFormTest)
#include "main_form_test.moc"
