// A drawing built by menus, Pick buttons, mouse clicks and the Key In dialog in the main
// window gives the elements that `vormak-batch cad` gives for the same steps, in the top view
// (tests/cad/batch_cad/mouse.cmds) and in the front view (front_mouse.cmds). A picture of the
// window is left in the temporary folder.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QtTest>
#include <deque>
#include <map>
#include <memory>

#include "cad/element_listing.h"
#include "plot/view_transform.h"
#include "support/test_paths.h"
#include "ui/main_form.h"
#include "ui/plot_widget.h"
#include "ui_test_home.h"

namespace vormak {

class CadMouseDrawingTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> home_;
  std::unique_ptr<TMainForm> form_;
  std::deque<std::map<std::string, std::string>> answers_;

  void Command(const QString& menu, const QString& item) {
    test::MenuItem(form_->menuBar(), {"&CAD", menu, item})->trigger();
  }
  void Mode(PickMode mode) {
    form_->cad_toolbars().pick_modes[static_cast<size_t>(mode)]->trigger();
  }
  // A click at a point given in the current view's two axes.
  void Pick(double x, double y) {
    Workbench& bench = form_->bench();
    const bool front = bench.plot.current == 2;
    const PixelPoint p = WorldToScreen(bench.plot, bench.settings, bench.plot.current, x,
                                       front ? 0 : y, front ? y : 0);
    QTest::mouseClick(form_->PaintBox1(), Qt::LeftButton, {}, QPoint(p.x, p.y));
  }
  void Key(double x, double y, double z) {
    answers_.push_back({{"X Position", std::to_string(x)},
                        {"Y Position", std::to_string(y)},
                        {"Z Position", std::to_string(z)}});
    Mode(PickMode::kKeyboard);
  }

 private:
  void OpenWindow() {
    form_ = std::make_unique<TMainForm>();
    QVERIFY(form_->Start(QCoreApplication::applicationFilePath().toStdString(), ""));
    form_->resize(1200, 800);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    form_->bench().settings.system_type = SystemType::kMill;  // the batch run's machine
    form_->host().SetFormScript([this](FormRequest& form) {
      form.pressed = form.buttons.empty() ? "OK" : form.buttons[0];
      if (answers_.empty()) return true;
      for (const auto& [name, value] : answers_.front()) form.Field(name)->value = value;
      answers_.pop_front();
      return true;
    });
  }

  void Compare(const char* picture_name, const char* expected_name) {
    QVERIFY(answers_.empty());
    form_->PaintBox1()->RedrawPlot();
    const QString picture = QDir::temp().filePath(picture_name);
    QVERIFY(form_->grab().save(picture));
    qInfo("window picture: %s", qPrintable(picture));
    QFile expected(
        QString::fromStdString(test::TestDataDir() + "/../cad/batch_cad/" + expected_name));
    QVERIFY(expected.open(QIODevice::ReadOnly));
    QCOMPARE(ElementListing(form_->bench().cad.table, true), expected.readAll().toStdString());
  }

 private slots:
  void init() {
    home_ = test::MakeTestHome();
    QVERIFY(home_->isValid());
  }
  void cleanup() {
    form_.reset();
    home_.reset();
  }

  void SameElementsAsTheBatchRun() {
    OpenWindow();

    Command("&Lines", "&Horizontal");
    Key(0, 0, 0);
    Key(8, 3, 0);
    Command("&Lines", "&Vertical");
    Key(0, 0, 0);
    Key(2, 6, 0);
    Command("Tr&im", "&Fillet");
    answers_.push_back({{"Radius", "1.5"}});
    Pick(4, 0.05);
    Pick(0.05, 3);
    Command("&Circles", "&Between 2 points");
    Mode(PickMode::kEndPoint);
    Pick(7.9, 0);
    Key(12, 0, 0);
    Command("&Lines", "&1. 2 Points");
    Mode(PickMode::kEndPoint);
    Pick(0.05, 5.9);
    Mode(PickMode::kCentre);
    Pick(10, 2);
    Command("Tr&im", "&1 Object");
    Pick(2, 4.8);
    Pick(8, 0.6);
    Compare("vormak_cad_mouse.png", "mouse.expected");
  }

  // Tool drag: with the button held the tool follows the mouse tangent to the line and its
  // place is shown; it is fixed where the button is let go.
  void DraggedToolFollowsTheMouse() {
    OpenWindow();
    Workbench& bench = form_->bench();
    bench.tools.Current().nose_radius = 0.5;
    Command("&Lines", "&Horizontal");
    Key(0, 0, 0);
    Key(8, 0, 0);
    test::MenuItem(form_->menuBar(), {"CA&M", "Tangent-&Drag"})->trigger();
    Pick(4, 0.05);  // the side of the line
    const Xyz before = bench.interp.motion.tool_position[0];
    const auto pixel = [&bench](double x, double y) {
      const PixelPoint p = WorldToScreen(bench.plot, bench.settings, bench.plot.current, x, y, 0);
      return QPoint(p.x, p.y);
    };
    QWidget* plot = form_->PaintBox1();
    QTest::mousePress(plot, Qt::LeftButton, {}, pixel(2, 3));
    QMouseEvent move(QEvent::MouseMove, pixel(5, 3), plot->mapToGlobal(pixel(5, 3)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(plot, &move);
    bool shown = false;  // the command panel reads the place the mouse is at
    for (const QLabel* label : form_->findChildren<QLabel*>()) {
      shown |= label->text().startsWith("X5.") && label->text().contains("Y.5");
    }
    QVERIFY(shown);
    QCOMPARE(bench.interp.motion.tool_position[0], before);  // not placed while held
    QTest::mouseRelease(plot, Qt::LeftButton, {}, pixel(5, 3));
    const Xyz placed = bench.interp.motion.tool_position[0];
    QVERIFY2(std::fabs(placed.x - 5) < 0.05 && std::fabs(placed.y - 0.5) < 1e-6,
             qPrintable(QString("%1 %2").arg(placed.x).arg(placed.y)));
  }

  // The same kind of drawing in the front view: picks land in X-Z and the corner, the circle
  // and the trim are worked out there.
  void FrontViewGivesTheBatchRunsElements() {
    OpenWindow();
    form_->PaintBox1()->SelectView(2);
    QCOMPARE(form_->bench().plot.current, 2);
    Command("&Lines", "&Horizontal");
    Key(0, 0, 0);
    Key(8, 0, 3);
    Command("&Lines", "&Vertical");
    Key(0, 0, 0);
    Key(2, 0, 6);
    Command("Tr&im", "&Fillet");
    answers_.push_back({{"Radius", "1.5"}});
    Pick(4, 0.05);
    Pick(0.05, 3);
    Command("&Circles", "&1. Center, Radius");
    answers_.push_back({{"Radius", "2"}});
    Mode(PickMode::kEndPoint);
    Pick(7.9, 0);
    Command("&Lines", "&1. 2 Points");
    Mode(PickMode::kEndPoint);
    Pick(0.05, 5.9);
    Mode(PickMode::kCentre);
    Pick(8, 2);
    Command("Tr&im", "&1 Object");
    Pick(2, 4.5);
    Pick(7, 1.732);
    Compare("vormak_cad_mouse_front.png", "front_mouse.expected");
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::CadMouseDrawingTest)
#include "cad_mouse_drawing_test.moc"
