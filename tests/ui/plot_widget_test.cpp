#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <cmath>
#include <memory>

#include "cad/element_table.h"
#include "plot/view_transform.h"
#include "support/fake_host.h"
#include "ui/plot_widget.h"
#include "ui/view_actions.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

// Records the picks a waiting command would get.
class RecordingTarget : public PlotPickTarget {
 public:
  bool Pick(PixelPoint at) override {
    picks.push_back(at);
    return true;
  }
  bool WantsWindow() const override { return wants_window; }
  bool Window(PixelPoint a, PixelPoint b) override {
    windows.push_back({a, b});
    return true;
  }
  void Escape() override { ++escapes; }
  std::vector<PixelPoint> picks;
  std::vector<std::pair<PixelPoint, PixelPoint>> windows;
  bool wants_window = false;
  int escapes = 0;
};

}  // namespace

class PlotWidgetTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<FakeHost> host;
  std::unique_ptr<Workbench> bench;
  std::unique_ptr<QMainWindow> window;
  PlotWidget* plot = nullptr;
  ViewActions actions;

  ViewState& View() { return bench->plot.Current(); }
  unsigned PixelAt(double x, double y, double z) {
    return plot->canvas().GetPixel(
        WorldToScreen(bench->plot, bench->settings, bench->plot.current, x, y, z));
  }
  // A projected line's pixels may fall one beside its rounded midpoint.
  bool LitNear(double x, double y, double z) {
    const PixelPoint at = WorldToScreen(bench->plot, bench->settings, bench->plot.current, x, y, z);
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        if (plot->canvas().GetPixel({at.x + dx, at.y + dy}) == 0xFFFFFFu) return true;
    return false;
  }
  void AddLine(Point a, Point b) {
    MakeElement(bench->cad.table, *host, NextFreeSlot(bench->cad.table), ElementKind::kLine,
                palette::kWhite, {a.x, a.y, a.z, b.x, b.y, b.z}, 0, 1, ElementState::kNormal, 0);
  }
  void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mousePress(plot, Qt::LeftButton, modifiers, from);
    QTest::mouseMove(plot, (from + to) / 2);
    QTest::mouseMove(plot, to);
    QTest::mouseRelease(plot, Qt::LeftButton, modifiers, to);
  }

 private slots:
  void init() {
    host = std::make_unique<FakeHost>();
    bench = std::make_unique<Workbench>(*host);
    bench->settings.system_type = SystemType::kMill;
    window = std::make_unique<QMainWindow>();
    plot = new PlotWidget(*bench);
    window->setCentralWidget(plot);
    actions = BuildViewActions(window.get(), plot);
    plot->setFixedSize(800, 600);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }

  void cleanup() {
    window.reset();
    bench->plot.canvas = nullptr;
    bench.reset();
    host.reset();
  }

  void ResizeFollowsTheWindow() {
    QCOMPARE(bench->plot.width, 800);
    QCOMPARE(bench->plot.height, 600);
    QCOMPARE(View().scale_x, 30.0);
    plot->setFixedSize(600, 400);
    QTRY_COMPARE(bench->plot.height, 400);
    QCOMPARE(View().plot_height, 10.0);
    QCOMPARE(View().scale_x, 20.0);
    QCOMPARE(plot->canvas().Width(), 600);
  }

  void ShortcutsAndToolbars() {
    QCOMPARE(actions.zoom_window->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(actions.zoom_all->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F1));
    QCOMPARE(actions.zoom_last->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(actions.zoom_half->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F2));
    QCOMPARE(actions.redraw->shortcut(), QKeySequence(Qt::Key_F3));
    QCOMPARE(actions.axis->shortcut(), QKeySequence(Qt::Key_F9));
    QCOMPARE(actions.view_bar->windowTitle(), QString("View"));
    QCOMPARE(actions.zoom_bar->actions().size(), 4);
    QCOMPARE(actions.screen_bar->windowTitle(), QString("Screen"));
    QCOMPARE(actions.view_slot->count(), 9);
    QVERIFY(actions.views[0]->isChecked());
  }

  void ElementsAppearInTheFourViews() {
    AddLine({0, 0, 0}, {4, 0, 0});  // along X
    AddLine({0, 0, 0}, {0, 4, 0});  // along Y
    AddLine({0, 0, 0}, {0, 0, 4});  // along Z
    actions.zoom_all->trigger();
    const unsigned white = 0xFFFFFF;
    // Top: X and Y show; Z stands on end.
    QCOMPARE(PixelAt(2, 0, 0), white);
    QCOMPARE(PixelAt(0, 2, 0), white);
    actions.views[1]->trigger();  // front: X right, Z up
    QCOMPARE(bench->plot.current, 2);
    QCOMPARE(PixelAt(2, 0, 0), white);
    QCOMPARE(PixelAt(0, 0, 2), white);
    actions.views[2]->trigger();  // side: Y right, Z up
    QCOMPARE(PixelAt(0, 2, 0), white);
    QCOMPARE(PixelAt(0, 0, 2), white);
    QCOMPARE(PixelAt(0, 1, 1), 0u);
    actions.views[3]->trigger();  // isometric: all three
    QVERIFY(actions.views[3]->isChecked());
    for (const Point& p : {Point{2, 0, 0}, Point{0, 2, 0}, Point{0, 0, 2}}) {
      QVERIFY(LitNear(p.x, p.y, p.z));
    }
  }

  void ZoomWindowWithTheRubberBand() {
    const QImage before = plot->canvas().Image().copy();
    actions.zoom_window->trigger();
    QVERIFY(plot->ZoomWindowActive());
    QCOMPARE(host->prompt_panel, std::string(" Zoom: Make box around area"));
    QTest::mousePress(plot, Qt::LeftButton, {}, QPoint(300, 200));
    QTest::mouseMove(plot, QPoint(500, 300));
    // The band is drawn inverted over the black window ...
    QCOMPARE(plot->canvas().GetPixel({400, 200}), 0xFFFFFFu);
    QTest::keyClick(plot, Qt::Key_Escape);
    // ... and inverting it again takes it away without a trace.
    QCOMPARE(plot->canvas().Image(), before);
    QVERIFY(!plot->ZoomWindowActive());
    QCOMPARE(View().plot_height, 10.0);

    actions.zoom_window->trigger();
    Drag({300, 200}, {500, 300});
    QCOMPARE(View().plot_height, 2.5);
    QVERIFY(qAbs(View().centre_y - 50.0 / 30) < 1e-9);
    QCOMPARE(View().last_plot_height, 10.0);
    QVERIFY(!plot->ZoomWindowActive());
  }

  void ZoomAllHalfLastSequence() {
    AddLine({0, 0, 0}, {10, 5, 0});
    actions.zoom_all->trigger();
    const double fitted = View().plot_height;
    QVERIFY(qAbs(fitted - 10 * 300.0 / 540) < 1e-9);
    QCOMPARE(host->prompt_panel.rfind(" Window Width= ", 0), size_t{0});
    actions.zoom_half->trigger();
    actions.zoom_half->trigger();
    QCOMPARE(View().plot_height, fitted * 4);
    actions.zoom_last->trigger();
    QCOMPARE(View().plot_height, 10.0);
    QCOMPARE(View().centre_x, 0.0);
    actions.zoom_last->trigger();
    QCOMPARE(View().plot_height, fitted * 4);
  }

  void PanAndRotateWithTheMouse() {
    Drag({400, 300}, {460, 300}, Qt::ControlModifier);
    QVERIFY(qAbs(View().centre_x - (-2.0)) < 1e-9);
    QCOMPARE(View().off_x, 460);
    actions.views[3]->trigger();
    const double a = View().angles.a;
    Drag({100, 100}, {100, 180}, Qt::AltModifier);
    QVERIFY(qAbs(View().angles.a - std::fmod(a + 10 + 360, 360.0)) < 1e-9);
    QCOMPARE(bench->plot.isometric_angles, View().angles);
  }

  void PicksGoToTheWaitingCommand() {
    RecordingTarget target;
    plot->SetPickTarget(&target);
    QTest::mouseClick(plot, Qt::LeftButton, {}, QPoint(123, 45));
    QCOMPARE(target.picks.size(), size_t{1});
    QCOMPARE(target.picks[0], (PixelPoint{123, 45}));
    target.wants_window = true;
    Drag({10, 20}, {110, 220});
    QCOMPARE(target.windows.size(), size_t{1});
    QCOMPARE(target.windows[0].second, (PixelPoint{110, 220}));
    QTest::keyClick(plot, Qt::Key_Escape);
    QCOMPARE(target.escapes, 1);
    plot->SetPickTarget(nullptr);
  }

  void SavedScreenViewReloads() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    bench->settings.picture_path = dir.path().toStdString() + "/";
    AddLine({-3, -3, 0}, {3, 2, 0});
    actions.zoom_all->trigger();
    actions.axis->trigger();
    const QImage saved = plot->canvas().Image().copy();
    const ViewState view = View();
    actions.view_slot->setCurrentIndex(3);
    actions.save_view->trigger();
    QVERIFY(QFile::exists(dir.filePath("4.gif")));
    QVERIFY(QFile::exists(dir.filePath("vorpic.ini")));
    QCOMPARE(host->prompt_panel.rfind(" Saved ", 0), size_t{0});

    actions.zoom_half->trigger();
    plot->SetWhiteBackground();
    QVERIFY(plot->canvas().Image() != saved);
    actions.load_view->trigger();
    QCOMPARE(host->prompt_panel.rfind(" Loaded ", 0), size_t{0});
    QCOMPARE(plot->canvas().Image().convertToFormat(QImage::Format_RGB32),
             saved.convertToFormat(QImage::Format_RGB32));
    QVERIFY(qAbs(View().plot_height - view.plot_height) < 1e-4);
    QCOMPARE(View().off_x, view.off_x);
    QCOMPARE(View().off_y, view.off_y);

    actions.view_slot->setCurrentIndex(8);  // never saved
    actions.load_view->trigger();
    QCOMPARE(host->prompt_panel.rfind(" Can't Load ", 0), size_t{0});
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::PlotWidgetTest)
#include "plot_widget_test.moc"
