#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "cad/element_table.h"
#include "support/fake_host.h"
#include "ui/drawing_file_actions.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

QAction* Find(QMenu* menu, const char* caption) {
  for (QAction* action : menu->actions()) {
    if (action->text() == caption) return action;
  }
  return nullptr;
}

}  // namespace

class DrawingFileActionsTest : public QObject {
  Q_OBJECT
 private slots:
  void ItemsOfThePlotWindowMenuAreConnected() {
    QMenu file("&File");
    QMenu* plot = file.addMenu("&Plot Window");
    plot->addAction("&Load CAD")->setEnabled(false);
    plot->addAction("&Print CAD")->setEnabled(false);
    FakeHost host;
    Workbench bench(host);
    int captions = 0;
    DrawingFileTarget target{&bench, nullptr, {}, [&captions] { ++captions; }, {}};
    InstallDrawingFileActions(&file, target);
    QCOMPARE(plot->actions().size(), 7);  // Load CAD kept in place, five added
    QAction* load = Find(plot, "&Load CAD");
    QVERIFY(load->isEnabled());
    QCOMPARE(load->shortcut(), QKeySequence(Qt::Key_F7));
    QCOMPARE(Find(plot, "&Save CAD")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F7));
    QVERIFY(!Find(plot, "&Print CAD")->isEnabled());
    QVERIFY(Find(plot, "Save &As..") != nullptr);
    QVERIFY(Find(plot, "&Merge...") != nullptr);
    QVERIFY(Find(plot, "&Get Tool...") != nullptr);
    QVERIFY(Find(plot, "&New") != nullptr);

    // Save CAD of an unnamed drawing goes through Save As and names the drawing.
    QTemporaryDir dir;
    const std::string name = dir.filePath("part").toStdString();
    MakeElement(bench.cad.table, host, 1, ElementKind::kLine, palette::kRed, {0, 0, 0, 1, 1, 0}, 0,
                1, ElementState::kNormal, 0);
    host.QueueFileName(name);
    Find(plot, "&Save CAD")->trigger();
    QCOMPARE(QString::fromStdString(bench.cad_file_name), QString::fromStdString(name + ".CDL"));
    QVERIFY(QFile::exists(QString::fromStdString(name + ".CDL")));
    QVERIFY(!bench.cad.table.modified);
    QCOMPARE(captions, 1);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);  // the hourglass is gone again
  }

  void QuitAsksAboutAModifiedDrawing() {
    FakeHost host;
    Workbench bench(host);
    DrawingFileTarget target{&bench, nullptr, {}, {}, {}};
    QVERIFY(ConfirmDrawingQuit(target));  // nothing to ask
    QVERIFY(host.messages.empty());
    bench.cad.table.modified = true;
    host.QueueAnswer(Answer::kCancel);
    QVERIFY(!ConfirmDrawingQuit(target));
    QCOMPARE(QString::fromStdString(host.messages.back().caption), QString("Quit"));
    host.QueueAnswer(Answer::kNo);
    QVERIFY(ConfirmDrawingQuit(target));
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::DrawingFileActionsTest)
#include "drawing_file_actions_test.moc"
