#include <QAction>
#include <QMenu>
#include <QtTest>

#include "cad/cad_session.h"
#include "cad/fake_cad_view.h"
#include "plot/plot_window.h"
#include "support/fake_host.h"
#include "support/recording_canvas.h"
#include "ui/cad_edit_menus.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

QAction* Find(QMenu* menu, const QStringList& path) {
  QMenu* at = menu;
  for (int i = 0; i < path.size(); ++i) {
    QAction* found = nullptr;
    for (QAction* action : at->actions()) {
      if (action->text() == path[i]) found = action;
    }
    if (found == nullptr) return nullptr;
    if (i + 1 == path.size()) return found;
    at = found->menu();
    if (at == nullptr) return nullptr;
  }
  return nullptr;
}

}  // namespace

class CadEditMenusTest : public QObject {
  Q_OBJECT
 private slots:
  void MenusReachTheTable() {
    FakeHost host;
    Workbench bench(host);
    FakeCadView view;
    int refreshes = 0;
    CadMenuTarget target{&bench, [&] { return &view; }, [&] { ++refreshes; }, {}, nullptr};
    QMenu cad("&CAD");
    AddCadEditMenus(&cad, target);
    for (const QStringList& path :
         {QStringList{"&Delete", "D&uplicates"}, QStringList{"&Undelete", "All"},
          QStringList{"C&hange", "&Layer", "&Result"}, QStringList{"&Group", "R&esult"}}) {
      QVERIFY2(Find(&cad, path) != nullptr, qPrintable(path.join(" > ")));
    }
    ElementTable& table = bench.cad.table;
    MakeElement(table, host, NextFreeSlot(table), ElementKind::kPoint, 0, {0, 0, 0, 0, 0, 0}, 0, 1,
                ElementState::kNormal, 1);
    Find(&cad, {"&Delete", "&Elements"})->trigger();
    QCOMPARE(host.command_panel, std::string("DELETE ELEMENT"));
    QVERIFY(CadPick(bench, view, {400, 300}));
    QVERIFY(table.At(1)->deleted);
    Find(&cad, {"&Undelete", "Last"})->trigger();
    QVERIFY(!table.At(1)->deleted);
    CadEscape(bench);
    QCOMPARE(host.command_panel, std::string(""));
    QVERIFY(!CadPick(bench, view, {400, 300}));
    QCOMPARE(refreshes, 2);

    const QList<QAction*> buttons = MakeCadToolbarActions(&cad, target);
    QCOMPARE(buttons.size(), 3);
    QCOMPARE(buttons[0]->toolTip(), QString("Undo Last CAD"));
    buttons[0]->trigger();
    QVERIFY(table.At(1) == nullptr);
  }

  void UnsetViewPaintsInThePlotWindow() {
    FakeHost host;
    Workbench bench(host);
    RecordingCanvas canvas;
    bench.plot.canvas = &canvas;
    ResizePlotWindow(bench, 800, 600);
    ElementTable& table = bench.cad.table;
    MakeElement(table, host, NextFreeSlot(table), ElementKind::kLine, table.current_colour,
                {0, 0, 0, 1, 1, 0}, 0, 1, ElementState::kNormal, 1);
    CadMenuTarget target;
    target.bench = &bench;
    QMenu cad("&CAD");
    AddCadEditMenus(&cad, target);
    Find(&cad, {"&Delete", "Current &Color"})->trigger();
    QVERIFY(table.At(1)->deleted);
    QCOMPARE(canvas.Count(RecordingCanvas::Kind::kLine), size_t{1});  // painted out
    QCOMPARE(canvas.primitives.back().pen.rgb, 0u);                   // in the background
  }

  void NothingHappensWithoutAPlotView() {
    FakeHost host;
    Workbench bench(host);
    CadMenuTarget target{&bench, [] { return static_cast<CadView*>(nullptr); }, {}, {}, nullptr};
    QMenu cad("&CAD");
    AddCadEditMenus(&cad, target);
    Find(&cad, {"&Group", "&New"})->trigger();
    QVERIFY(!bench.cad.commands.Running());
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::CadEditMenusTest)
#include "cad_edit_menus_test.moc"
