#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "support/test_paths.h"
#include "ui/main_form.h"
#include "ui/sci_edit_control.h"
#include "ui/sequence_outline_view.h"

namespace vormak {

namespace {

QAction* Find(const QList<QAction*>& actions, const QString& caption) {
  for (QAction* action : actions) {
    if (action->text() == caption) return action;
  }
  return nullptr;
}

int LineHolding(const EditControl& pane, const std::string& text) {
  for (int n = 1; n <= pane.LineCount(); ++n) {
    if (pane.GetLine(n) == text) return n;
  }
  return 0;
}

QTreeWidgetItem* FindItem(QTreeWidgetItem* item, const QString& text) {
  if (item->text(0) == text) return item;
  for (int i = 0; i < item->childCount(); ++i) {
    if (QTreeWidgetItem* found = FindItem(item->child(i), text)) return found;
  }
  return nullptr;
}

QString Example() {
  return QString::fromStdString(test::SourceDataDir() + "/examples/twin_shaft.min");
}

}  // namespace

class TwinTurretWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void CommandLineFileSplitsIntoBothPanesLinedUp() {
    TMainForm form;
    form.host().SetNonInteractive(true);
    form.bench().settings.twin_turrets = true;
    form.ApplySettingsToWindow();
    QVERIFY(form.LoadNcFile(Example().toStdString()));
    const EditControl& a = *form.LEdit1();
    const EditControl& b = *form.LEdit2();
    QVERIFY(LineHolding(b, "G14") > 0);
    QCOMPARE(LineHolding(a, "G14"), 0);
    for (const char* p : {"P100", "P110", "P120", "P130"}) {
      int line_a = 0;
      int line_b = 0;
      for (int n = 1; n <= a.LineCount(); ++n) {
        if (a.GetLine(n).ends_with(std::string(" ") + p)) line_a = n;
        if (b.GetLine(n).ends_with(std::string(" ") + p)) line_b = n;
      }
      QVERIFY(line_a > 0);
      QCOMPARE(line_a, line_b);
    }
    QVERIFY(!a.IsModified());
    QVERIFY(!b.IsModified());

    // The outline holds the sections with their sync blocks; a click shows the line.
    QTreeWidget* tree = form.Outline1()->Tree();
    QCOMPARE(tree->objectName(), QString("Outline1"));
    QVERIFY(form.Outline1()->isVisibleTo(&form));
    QCOMPARE(tree->topLevelItem(0)->text(0), Example());
    QTreeWidgetItem* g14 = FindItem(tree->topLevelItem(0), "G14");
    QVERIFY(g14 != nullptr);
    QTreeWidgetItem* sync = FindItem(g14, "N1220 P110");
    QVERIFY(sync != nullptr);
    form.Outline1()->ItemClicked(sync);
    QCOMPARE(form.LEdit2()->GetSelection().start.line, LineHolding(b, "N1220 P110"));
  }

  void LineUpRealignsAfterEditsAndSaveJoinsTheTurrets() {
    QTemporaryDir dir;
    const QString part = dir.filePath("PART.MIN");
    QVERIFY(QFile::copy(Example(), part));
    TMainForm form;
    form.host().SetNonInteractive(true);
    form.bench().settings.twin_turrets = true;
    form.ApplySettingsToWindow();
    QVERIFY(form.LoadNcFile(part.toStdString()));
    EditControl& a = *form.LEdit1();
    EditControl& b = *form.LEdit2();
    // Two blocks added in turret A above P110 push it out of line.
    a.InsertLine(LineHolding(a, "N200 X62."), "N205 G04 U.2");
    a.InsertLine(LineHolding(a, "N205 G04 U.2"), "N206 M09");
    QVERIFY(LineHolding(a, "N220 P110") != LineHolding(b, "N1220 P110"));
    QAction* utilities2 = Find(form.menuBar()->actions(), "Utilities&2");
    QAction* line_up = Find(utilities2->menu()->actions(), "Line up P#");
    QVERIFY(line_up != nullptr && line_up->isEnabled());
    line_up->trigger();
    QCOMPARE(LineHolding(a, "N220 P110"), LineHolding(b, "N1220 P110"));
    QCOMPARE(LineHolding(a, "N380 P130"), LineHolding(b, "N1350 P130"));

    QVERIFY(form.SaveNc1Click());
    QFile saved(part);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    QCOMPARE(lines.size(), 73);  // 70 lines, 2 added, and the empty text after the last break
    QCOMPARE(lines[3], QByteArray("G13\r"));
    QVERIFY(lines.indexOf("N206 M09\r") > lines.indexOf("N205 G04 U.2\r"));
    QVERIFY(lines.indexOf("G14\r") > lines.indexOf("N400 M02\r"));
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::TwinTurretWindowTest)
#include "twin_turret_window_test.moc"
