#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolBar>
#include <QtTest>

#include "cad/cad_session.h"
#include "cad/element_table.h"
#include "cam/contour.h"
#include "interp/block_interpreter.h"
#include "plot/plot_cad_view.h"
#include "plot/plot_window.h"
#include "settings/word_format.h"
#include "support/fake_host.h"
#include "ui/cam_actions.h"
#include "workbench/workbench.h"

namespace vormak {

class CamActionsTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    FakeHost host;
    Workbench bench{host};
    QMainWindow window;
    QMenu* cam = nullptr;
    QToolBar* insert_bar = nullptr;
    CamActions actions;
    Fixture() {
      bench.settings.system_type = SystemType::kMill;
      bench.settings.x_radius = true;
      FillFormatSet1(bench.word_formats, bench.settings);
      for (TurretState& turret : bench.interp.turret) SetGDefaults(turret);
      ResizePlotWindow(bench, 800, 600);
      cam = new QMenu("CA&M", &window);
      for (const char* item : {"&Point", "&Tangent", "&Arc", "Contour...", "Corn&er Radius..."}) {
        cam->addAction(item)->setEnabled(false);
      }
      insert_bar = window.addToolBar("Insert");
      CadMenuTarget target;
      target.bench = &bench;
      actions = AddCamActions(&window, cam, insert_bar, target);
    }
    QAction* MenuItem(const QString& text) {
      for (QAction* a : cam->actions()) {
        if (a->text() == text) return a;
      }
      return nullptr;
    }
  };

 private slots:
  void MenuItemsStartTheirCommands() {
    Fixture f;
    QAction* point = f.MenuItem("&Point");
    QVERIFY(point != nullptr && point->isEnabled());
    point->trigger();
    QCOMPARE(f.host.command_panel, std::string("TOOL POINT "));
    QCOMPARE(f.host.prompt_panel, std::string("Pick Point"));
    QVERIFY(f.MenuItem("Lathe Rough...") != nullptr);
    // The Cam toolbar's buttons by their hints, each with its glyph.
    QStringList hints;
    for (QAction* a : f.actions.cam_bar->actions()) {
      hints << a->toolTip();
      QVERIFY2(!ToolbarGlyphFor(a).isNull(), qPrintable(a->toolTip()));
    }
    QVERIFY(hints.contains("Tool Around Corner"));
    QVERIFY(hints.contains("Change Tool Offset"));
  }

  void AutoInsertAndTheOffsetPicture() {
    Fixture f;
    QVERIFY(f.actions.auto_insert->isCheckable());
    f.actions.auto_insert->setChecked(true);
    QVERIFY(f.bench.cam.auto_insert);
    f.actions.auto_insert->setChecked(false);
    QVERIFY(!f.bench.cam.auto_insert);
    const QImage off = f.actions.tool_offset->icon().pixmap(20, 20).toImage();
    f.bench.interp.comp.radius_offset[0] = 0.1;
    ShowToolOffsetPicture(f.actions, f.bench);
    const QImage on = f.actions.tool_offset->icon().pixmap(20, 20).toImage();
    QVERIFY(!off.isNull() && !on.isNull());
    QVERIFY(off != on);
  }

  void CornerRadiusDialogSetsTheSetting() {
    Fixture f;
    f.bench.settings.corner_radius = 0.003;
    TCorner_Radius dialog(f.bench);
    dialog.show();
    QCOMPARE(dialog.radius_edit->text(), QString(".003"));
    dialog.radius_edit->setText("0.05");
    dialog.OKClick();
    QCOMPARE(f.bench.settings.corner_radius, 0.05);
  }

  void ContourDialogPicksAChainAndInsertsIt() {
    Fixture f;
    ElementTable& table = f.bench.cad.table;
    const std::array<std::array<double, 6>, 4> sides{
        {{0, 0, 0, 4, 0, 0}, {4, 0, 0, 4, 2, 0}, {4, 2, 0, 0, 2, 0}, {0, 2, 0, 0, 0, 0}}};
    for (const auto& d : sides) {
      MakeElement(table, f.host, NextFreeSlot(table), ElementKind::kLine, palette::kWhite, d, 0, 1,
                  ElementState::kNormal, 1);
    }
    f.bench.Pane(1)->SetText("G90G17\r\nM30");
    CadMenuTarget target;
    target.bench = &f.bench;
    TContour dialog(target);
    dialog.show();
    dialog.right_button->setChecked(true);
    dialog.radius_edit->setText("0.25");
    dialog.PickContourClick();
    QCOMPARE(f.host.command_panel, std::string("CONTOUR"));
    PlotCadView view(f.bench);
    QVERIFY(CadPick(f.bench, view, view.WorldToPixel({0.5, 0, 0})));
    dialog.Refresh();
    QCOMPARE(dialog.text->toPlainText().count('\n'), 5);  // six lines
    QCOMPARE(dialog.end_label->text(), QString("End=Off"));
    dialog.InsertClick();
    const std::string text = f.bench.Pane(1)->GetText();
    QVERIFY2(text.find("X-.25Y-.25") != std::string::npos, text.c_str());
    QVERIFY(text.rfind("M30") == text.size() - 3);
  }

 private:
  static QIcon ToolbarGlyphFor(QAction* action);
};

}  // namespace vormak

#include "ui/toolbar_layout.h"

QIcon vormak::CamActionsTest::ToolbarGlyphFor(QAction* action) {
  return ToolbarGlyph(action->toolTip());
}

QTEST_MAIN(vormak::CamActionsTest)
#include "cam_actions_test.moc"
