#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "interp/block_interpreter.h"
#include "settings/word_format.h"
#include "support/fake_host.h"
#include "ui/comp_nc_dialog.h"
#include "ui/sci_edit_control.h"
#include "workbench/workbench.h"

namespace vormak {

class CompNcDialogTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    FakeHost host;
    Workbench bench{host};
    SciEditControl pane;
    explicit Fixture(const char* text) {
      bench.settings.system_type = SystemType::kMill;
      bench.settings.x_radius = true;
      FillFormatSet1(bench.word_formats, bench.settings);
      for (TurretState& turret : bench.interp.turret) SetGDefaults(turret);
      bench.SetPane(1, &pane);
      pane.SetText(text);
      pane.EmptyUndoBuffer();
    }
    ~Fixture() { bench.SetPane(1, nullptr); }
    QString Text() const { return QString::fromLatin1(pane.GetText().c_str()); }
  };

 private slots:
  void CopiesBelowTheOriginalAsOneUndoStep() {
    const char* square = "G01X10.Y0F10.\r\nX10.Y10.\r\nX0Y10.";
    Fixture f(square);
    f.pane.SetSelection({{1, 0}, {3, 6}});
    TComp_NC dialog(f.bench);
    QCOMPARE(dialog.windowTitle(), QString("Comp NC"));
    QCOMPARE(dialog.times_edit->text(), QString("0"));
    dialog.show();
    dialog.offset_edit->setText("0.5");
    dialog.right_button->setChecked(true);
    dialog.times_edit->setText("2");
    dialog.leave_box->setChecked(true);
    dialog.OKClick();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.pane.LineCount(), 9);
    QCOMPARE(QString::fromStdString(f.pane.GetLine(1)), QString("G01X10.Y0F10."));
    QCOMPARE(QString::fromStdString(f.pane.GetLine(5)), QString("X10.5Y10.5"));
    QCOMPARE(QString::fromStdString(f.pane.GetLine(8)), QString("X11.Y11."));
    // The last copy is selected.
    QCOMPARE(f.pane.GetSelection().start.line, 7);
    f.pane.Undo();
    QCOMPARE(f.Text(), QString(square));
  }

  void ToolRadiusOffsetSetsTheCurrentTurret() {
    Fixture f("");
    f.bench.tools.turret[0].nose_radius = 0.4;
    f.bench.interp.comp.radius_offset[0] = 0.1;
    TTool_Offset dialog(f.bench);
    QCOMPARE(dialog.windowTitle(), QString("Tool Radius Offset"));
    dialog.show();
    QCOMPARE(dialog.radius_label->text(), QString(".4"));
    QCOMPARE(dialog.add_edit->text(), QString(".1"));
    dialog.add_edit->setText("0.25");
    dialog.OKClick();
    QCOMPARE(f.bench.interp.comp.radius_offset[0], 0.25);
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::CompNcDialogTest)
#include "comp_nc_dialog_test.moc"
