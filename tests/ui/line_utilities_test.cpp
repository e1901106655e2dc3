// The Utilities2 line items in a window's editor pane: each run is one undo step.
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <QWidget>
#include <QtTest>

#include "settings/word_format.h"
#include "support/fake_host.h"
#include "ui/configuration_widgets.h"
#include "ui/line_utility_items.h"
#include "ui/sci_edit_control.h"
#include "workbench/workbench.h"

namespace vormak {

class LineUtilitiesTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    FakeHost host;
    Workbench bench{host};
    SciEditControl pane;
    QWidget parent;
    QMenu menu;
    explicit Fixture(const char* text) {
      bench.SetPane(1, &pane);
      bench.active_pane = 1;
      FillFormatSet1(bench.word_formats, bench.settings);
      pane.SetText(text);
      pane.EmptyUndoBuffer();
      pane.SetSelection({{1, 0}, {1, 0}});
      AddLineUtilityItems(&menu, bench, &parent);
    }
    ~Fixture() { bench.SetPane(1, nullptr); }
    QString Text() const { return QString::fromLatin1(pane.GetText().c_str()); }
    void Run(const char* caption) {
      for (QAction* a : menu.actions()) {
        if (a->text() == caption) return a->trigger();
      }
      QFAIL(caption);
    }
  };

 private slots:
  void EachItemIsOneUndoStep() {
    const char* program = "\r\nG01 X1. Y2. (\xE9)\r\n \r\n(* .5)G01X3.Y4.\r\nM30";
    const struct {
      const char* caption;
      const char* result;
    } runs[] = {
        {"&Comment", "\r\n(G01 X1. Y2. (\xE9)\r\n \r\n(* .5)G01X3.Y4.)\r\n(M30)"},
        {"&Uncomment", "\r\nG01 X1. Y2. (\xE9\r\n \r\n* .5)G01X3.Y4.\r\nM30"},
        {"Remove &Spaces", "\r\nG01X1.Y2.(\xE9)\r\n\r\n(* .5)G01X3.Y4.\r\nM30"},
        {"&Add Spaces", "\r\nG01 X1. Y2.(\xE9)\r\n\r\nG01 X3. Y4.(* .5)\r\nM30"},
        {"Remove &Blanks", "G01 X1. Y2. (\xE9)\r\n(* .5)G01X3.Y4.\r\nM30"},
        {"Re&verse Lines", "M30\r\n(* .5)G01X3.Y4.\r\n \r\nG01 X1. Y2. (\xE9)\r\n"},
        {"&Remove Time", "\r\nG01 X1. Y2. (\xE9)\r\n \r\nG01X3.Y4.\r\nM30"},
    };
    for (const auto& run : runs) {
      Fixture f(program);
      f.Run(run.caption);
      QCOMPARE(f.Text(), QString::fromLatin1(run.result));
      f.pane.Undo();
      QCOMPARE(f.Text(), QString::fromLatin1(program));
      QVERIFY2(!f.pane.CanUndo(), run.caption);
    }
  }

  void BreakArcsToolbarButtonIsOneUndoStep() {
    FakeHost host;
    Workbench bench{host};
    SciEditControl pane;
    bench.SetPane(1, &pane);
    bench.active_pane = 1;
    bench.settings.system_type = SystemType::kMill;
    const QString program("G00 X10. Y0\r\nG03 X-10. Y0 I-10. J0\r\nM30");
    pane.SetText(Bytes(program));
    pane.EmptyUndoBuffer();
    QMainWindow window;
    QMenu menu;
    menu.addAction("&Break Arcs")->setEnabled(false);
    AddLineUtilityItems(&menu, bench, &window);
    QCOMPARE(menu.actions().size(), 8);
    auto* bar = window.findChild<QToolBar*>("Utilities");
    QVERIFY(bar != nullptr);
    QAction* button = bar->findChild<QAction*>("BreakArcs");
    QVERIFY(button != nullptr);
    button->trigger();
    QCOMPARE(QString::fromLatin1(pane.GetText().c_str()),
             QString("G00 X10. Y0\r\nG03X.0Y10.0I-10.0J.0\r\nG03X-10.0Y.0I.0J-10.0\r\nM30"));
    pane.Undo();
    QCOMPARE(QString::fromLatin1(pane.GetText().c_str()), program);
    QVERIFY(!pane.CanUndo());
    bench.SetPane(1, nullptr);
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::LineUtilitiesTest)
#include "line_utilities_test.moc"
