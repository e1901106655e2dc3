#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include "nctext/pane_services.h"
#include "settings/word_format.h"
#include "support/fake_host.h"
#include "ui/sci_edit_control.h"
#include "ui/utility_dialogs.h"
#include "workbench/workbench.h"

namespace vormak {

class UtilityDialogsTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    FakeHost host;
    Workbench bench{host};
    SciEditControl pane;
    explicit Fixture(const char* text) {
      bench.SetPane(1, &pane);
      FillFormats();
      pane.SetText(text);
      pane.EmptyUndoBuffer();
      pane.SetSelection({{1, 0}, {1, 0}});
    }
    ~Fixture() { bench.SetPane(1, nullptr); }
    void FillFormats();
    QString Text() const { return QString::fromLatin1(pane.GetText().c_str()); }
  };

 private slots:
  void ChangeValueIsOneUndoStepAndABadFindKeepsTheDialog() {
    Fixture f("G01 X1.5 Y2 (CUT)\r\nX1.50\r\nX15");
    TChange_Value dialog(f.bench);
    QCOMPARE(dialog.windowTitle(), QString("Change Value"));
    dialog.show();
    dialog.find_edit->setText("1.5");  // no letter: nothing happens
    dialog.change_edit->setText("X2");
    dialog.OKClick();
    QVERIFY(dialog.isVisible());
    QCOMPARE(f.Text(), QString("G01 X1.5 Y2 (CUT)\r\nX1.50\r\nX15"));
    dialog.find_edit->setText("X1.5");
    dialog.OKClick();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.Text(), QString("G01X2.Y2(CUT)\r\nX2.\r\nX15"));
    f.pane.Undo();
    QCOMPARE(f.Text(), QString("G01 X1.5 Y2 (CUT)\r\nX1.50\r\nX15"));
    QVERIFY(!f.pane.CanUndo());
  }

  void ScaleRunsEveryLetterOverTheSameLinesAsOneStep() {
    // The first pass selects what it did; the second letter must still reach the last line.
    Fixture f("G01 X1. Y1.\r\nG01 X2. Y2.");
    TScale_Address dialog(f.bench);
    dialog.show();
    QCOMPARE(f.host.prompt_panel, std::string(" Scale NC"));
    dialog.addresses_edit->setText("XY");
    dialog.factor_edit->setText("2");
    dialog.OKClick();
    QCOMPARE(f.Text(), QString("G01X2.Y2.\r\nG01X4.Y4."));
    f.pane.Undo();
    QCOMPARE(f.Text(), QString("G01 X1. Y1.\r\nG01 X2. Y2."));
  }

  void SwitchAxisRefusesDuplicateChoices() {
    Fixture f("G01 X1 Y-2");
    TSwitch_Axis dialog(f.bench);
    QString shown;
    dialog.show_error = [&shown](const QString& text, const QString& caption) {
      shown = caption + ": " + text;
    };
    dialog.show();
    dialog.axis_boxes[1]->setCurrentIndex(2);  // X=X, Y=Z, Z=Z
    dialog.OKClick();
    QCOMPARE(shown, QString("ERROR: Duplicate Address Choices Not Allowed"));
    QCOMPARE(f.host.beeps, 1);
    QVERIFY(dialog.isVisible());
    dialog.axis_boxes[0]->setCurrentIndex(1);
    dialog.axis_boxes[1]->setCurrentIndex(0);
    dialog.reverse_boxes[0]->setChecked(true);
    dialog.OKClick();
    QCOMPARE(f.Text(), QString("G01 Y-1 X-2"));
  }

  void RenumberShowsAndKeepsStartAndIncrement() {
    Fixture f("G00 X1\r\nG01 X2\r\n");
    f.bench.settings.start_block = 10;
    f.bench.settings.block_increment = 2;
    f.bench.settings.use.Set(kUseUpperCase, true);
    Trenumber dialog(f.bench);
    dialog.show();
    QCOMPARE(dialog.start_edit->text(), QString("10"));
    QCOMPARE(dialog.increment_edit->text(), QString("2"));
    dialog.address_edit->clear();
    QTest::keyClicks(dialog.address_edit, "n");
    QCOMPARE(dialog.address_edit->text(), QString("N"));
    dialog.start_edit->setText("100");
    dialog.increment_edit->setText("5*2");
    dialog.OKClick();
    QCOMPARE(f.Text(), QString("N100G00 X1\r\nN110G01 X2\r\n"));
    QCOMPARE(f.bench.settings.start_block, 100);
    QCOMPARE(f.bench.settings.block_increment, 10);
  }

  void MenuItemsAreTakenOverAndEnabled() {
    FakeHost host;
    Workbench bench(host);
    QWidget parent;
    QMenu menu;
    for (const char* caption : {"&Change Value...", "Re&number...", "Ord&er NC..."}) {
      menu.addAction(caption)->setEnabled(false);
    }
    AddUtilityItems(&menu, bench, &parent);
    QCOMPARE(menu.actions().size(), 8);
    for (QAction* action : menu.actions())
      QVERIFY2(action->isEnabled(), qPrintable(action->text()));
  }
};

void UtilityDialogsTest::Fixture::FillFormats() {
  bench.settings.letter_formats['N' - 'A'] = "0000,0,0,0";
  FillFormatSet1(bench.word_formats, bench.settings);
}

}  // namespace vormak

QTEST_MAIN(vormak::UtilityDialogsTest)
#include "utility_dialogs_test.moc"
