// The Rotate NC and Reformat dialogs on a window's editor pane.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include "settings/word_format.h"
#include "support/fake_host.h"
#include "support/test_paths.h"
#include "ui/rotate_reformat_dialogs.h"
#include "ui/sci_edit_control.h"
#include "utilities/reformat.h"
#include "workbench/workbench.h"

namespace vormak {

class RotateReformatDialogsTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    FakeHost host;
    Workbench bench{host};
    SciEditControl pane;
    explicit Fixture(const char* text) {
      bench.SetPane(1, &pane);
      bench.active_pane = 1;
      bench.settings.system_type = SystemType::kMill;
      bench.settings.x_radius = true;
      FillFormatSet1(bench.word_formats, bench.settings);
      pane.SetText(text);
      pane.EmptyUndoBuffer();
      pane.SetSelection({{1, 0}, {1, 0}});
    }
    ~Fixture() { bench.SetPane(1, nullptr); }
    QString Text() const { return QString::fromLatin1(pane.GetText().c_str()); }
  };

 private slots:
  void RotateCopiesOfTheSelectionAreOneUndoStep() {
    const char* square = "G01 X10. Y0\r\nX10. Y10.\r\nM30";
    Fixture f(square);
    TRotate_NC dialog(f.bench);
    QCOMPARE(dialog.windowTitle(), QString("Rotate NC"));
    QCOMPARE(dialog.axis_box->currentText(), QString("Z"));
    dialog.angle_edit->setText("90");
    dialog.copies_edit->setText("2");
    dialog.leave_original_box->setChecked(true);
    // Copies without a selection: nothing happens.
    dialog.OKClick();
    QCOMPARE(f.Text(), QString(square));
    f.pane.SetSelection({{1, 0}, {2, 9}});
    dialog.OKClick();
    QCOMPARE(f.Text(), QString("G01 X10. Y0\r\nX10. Y10.\r\nG01 X0 Y10.\r\nX-10. Y10.\r\n"
                               "G01 X-10. Y0\r\nX-10. Y-10.\r\nM30"));
    f.pane.Undo();
    QCOMPARE(f.Text(), QString(square));
    QVERIFY(!f.pane.CanUndo());
  }

  void ReformatListsTheMachinesAndRewritesForTheChosenOne() {
    Fixture f("G01 X1. Y1.\r\nG02 X2. Y2. I1. J0");
    const std::string machines = test::SourceDataDir() + "/machines/";
    f.bench.machines.Slot(1) = {machines + "mill.ini", "Fanuc Mill"};
    f.bench.machines.Slot(3) = {machines + "edm.ini", "Wire EDM"};
    f.bench.machines.current = 1;
    TReformat dialog(f.bench);
    dialog.show();
    QCOMPARE(dialog.source_label->text(), QString("Fanuc Mill"));
    QCOMPARE(dialog.destination_box->count(), 10);
    QCOMPARE(dialog.destination_box->currentIndex(), 0);
    dialog.destination_box->setCurrentIndex(2);
    dialog.OKClick();
    QCOMPARE(f.Text(), QString("G01 X1. Y1.\r\nG02 X2. Y2. I2. J1."));
    f.pane.Undo();
    QCOMPARE(f.Text(), QString("G01 X1. Y1.\r\nG02 X2. Y2. I1. J0"));

    // An empty slot cannot be read: said, and nothing changes.
    dialog.show();
    dialog.destination_box->setCurrentIndex(5);
    dialog.OKClick();
    QVERIFY(f.host.Showed("Cannot open "));
    QCOMPARE(f.Text(), QString("G01 X1. Y1.\r\nG02 X2. Y2. I1. J0"));
  }

  void MenuItemsAreTakenOver() {
    FakeHost host;
    Workbench bench{host};
    QWidget parent;
    QMenu menu;
    menu.addAction("&Rotate NC...")->setEnabled(false);
    menu.addAction("R&eformat...")->setEnabled(false);
    AddRotateReformatItems(&menu, bench, &parent);
    QCOMPARE(menu.actions().size(), 2);
    for (QAction* action : menu.actions()) QVERIFY(action->isEnabled());
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::RotateReformatDialogsTest)
#include "rotate_reformat_dialogs_test.moc"
