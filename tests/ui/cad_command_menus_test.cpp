#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "cad/cad_session.h"
#include "cad/fake_cad_view.h"
#include "support/fake_host.h"
#include "ui/cad_command_menus.h"
#include "ui/form_dialog.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

QAction* Find(QMenu* menu, const QString& sub, const QString& item) {
  for (QAction* action : menu->actions()) {
    if (action->text() != sub || action->menu() == nullptr) continue;
    for (QAction* inner : action->menu()->actions()) {
      if (inner->text() == item) return inner;
    }
  }
  return nullptr;
}

// Answers the next dialog of the class once it is shown: sets a line edit and presses a button.
void AnswerLater(const QString& dialog_class, const QString& field, const QString& value,
                 const QString& button) {
  QTimer::singleShot(0, [=] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() != dialog_class || !top->isVisible()) continue;
      if (!field.isEmpty()) top->findChild<QLineEdit*>(field)->setText(value);
      for (QPushButton* b : top->findChildren<QPushButton*>()) {
        if (b->text() == button) b->click();
      }
    }
  });
}

}  // namespace

class CadCommandMenusTest : public QObject {
  Q_OBJECT
 private slots:
  void EveryConstructionItemStartsItsCommand() {
    FakeHost host;
    Workbench bench(host);
    FakeCadView view;
    int syncs = 0;
    CadMenuTarget target;
    target.bench = &bench;
    target.view = [&] { return &view; };
    target.sync_pick_mode = [&] { ++syncs; };
    QMenu cad("&CAD");
    AddCadCommandMenus(&cad, target);
    for (const char* sub : {"&Points", "&Lines", "&Circles", "Tr&im", "&Xform", "&Analyse"}) {
      QAction* menu = nullptr;
      for (QAction* a : cad.actions()) {
        if (a->text() == sub) menu = a;
      }
      QVERIFY2(menu != nullptr && menu->isEnabled(), sub);
      for (QAction* item : menu->menu()->actions()) QVERIFY(item->isEnabled());
    }
    QCOMPARE(Find(&cad, "&Lines", "&8. Tangent to Arc, Angle") != nullptr, true);
    QCOMPARE(Find(&cad, "&Analyse", "&Element")->shortcut(), QKeySequence(Qt::Key_F12));

    bench.cad.pick_mode = PickMode::kEndPoint;
    Find(&cad, "&Circles", "&5. Offset Size")->trigger();
    QCOMPARE(host.command_panel, std::string("ARC: OFFSET DISTANCE"));
    QVERIFY(bench.cad.pick_mode == PickMode::kCursor);  // this command picks at the cursor
    QCOMPARE(syncs, 1);

    Find(&cad, "&Lines", "&Horizontal")->trigger();
    QVERIFY(CadKeyIn(bench, view, {1, 2, 3}));
    QVERIFY(CadKeyIn(bench, view, {5, 7, 0}));
    const CadElement* line = bench.cad.table.At(1);
    QVERIFY(line != nullptr);
    QCOMPARE(line->d[3], 5.0);
    QCOMPARE(line->d[4], 2.0);
  }

  void FieldDialogTakesTheAnswers() {
    FormRequest form{"TRotate_CAD", "Rotate CAD", {}, {}, {}};
    form.fields = {{FormField::Kind::kValue, "Incremental Degrees:", "0", {}, true},
                   {FormField::Kind::kCheck, "Leave Original", "1", {}, true}};
    AnswerLater("TRotate_CAD", "Incremental Degrees", "45", "OK");
    QVERIFY(RunFormDialog(form, nullptr));
    QCOMPARE(form.fields[0].value, std::string("45"));
    QCOMPARE(form.fields[1].value, std::string("1"));

    FormRequest cancelled{
        "TAngle2", "Angle", {{FormField::Kind::kValue, "Angle:", "30", {}, true}}, {}, {}};
    AnswerLater("TAngle2", "Angle", "99", "Cancel");
    QVERIFY(!RunFormDialog(cancelled, nullptr));
    QCOMPARE(cancelled.fields[0].value, std::string("30"));  // unchanged

    FormRequest readout{"TAnalyze",
                        "Analyse",
                        {{FormField::Kind::kLine, "", "X= 1.0000", {}, true}},
                        {"&Close", "&Element"},
                        {}};
    AnswerLater("TAnalyze", "", "", "&Element");
    QVERIFY(RunFormDialog(readout, nullptr));
    QCOMPARE(readout.pressed, std::string("&Element"));
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::CadCommandMenusTest)
#include "cad_command_menus_test.moc"
