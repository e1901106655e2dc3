// The main window as laid out for work: the divider between editor and plot window, the
// desktop keys beside the system's own, the toolbar glyphs and rows, and finding a command by
// its caption or hint for a scripted start.
#include <QAction>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolBar>
#include <QWidgetAction>
#include <QtTest>
#include <memory>

#include "ui/desktop_shortcuts.h"
#include "ui/find_replace_dialog.h"
#include "ui/main_form.h"
#include "ui/plot_widget.h"
#include "ui/sci_edit_control.h"
#include "ui/scripted_start.h"
#include "ui/toolbar_layout.h"
#include "ui_test_home.h"

namespace vormak {

class MainWindowLayoutTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> home_;
  std::unique_ptr<TMainForm> form_;

  QString ConfigDir() const { return home_->path() + "/config/vormak"; }

  void Show(const QString& argument, QSize size = QSize(1280, 800)) {
    form_ = std::make_unique<TMainForm>();
    QVERIFY(form_->Start(QCoreApplication::applicationFilePath().toStdString(),
                         argument.toStdString()));
    if (size.isValid()) form_->resize(size);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }

  QAction* Item(const QStringList& path) { return test::MenuItem(form_->menuBar(), path); }

 private slots:
  void init() {
    home_ = test::MakeTestHome();
    QVERIFY(home_->isValid());
  }

  void cleanup() {
    form_.reset();
    home_.reset();
  }

  void TheDividerStartsAtTheEditorShareAndSurvivesARestart() {
    Show("1", QSize());  // as placed at the start
    const double share = double(form_->EditorWidth()) / form_->width();
    QVERIFY2(share > 0.335 && share < 0.365, qPrintable(QString::number(share)));
    QVERIFY(form_->PaintBox1()->width() > form_->width() / 2);

    form_->SetEditorWidth(300);
    QApplication::processEvents();
    QCOMPARE(form_->EditorWidth(), 300);
    QVERIFY(form_->close());
    QFile machine(ConfigDir() + "/mill.ini");
    QVERIFY(machine.open(QIODevice::ReadOnly));
    QVERIFY(machine.readAll().contains("StartEditWidth=300"));

    // The window comes back as it was left, divider included, and a machine switch with the
    // same share does not move it.
    Show("1", QSize(1280, 800));
    QCOMPARE(form_->EditorWidth(), 300);
    form_->resize(1500, 900);
    QApplication::processEvents();
    QCOMPARE(form_->EditorWidth(), 300);
  }

  void TwinTurretPanesShareTheEditorSide() {
    Show("3");
    QVERIFY(form_->LEdit2()->isVisible());
    const int a = form_->LEdit1()->width();
    const int b = form_->LEdit2()->width();
    QVERIFY2(qAbs(a - b) <= 1, qPrintable(QString("%1 %2").arg(a).arg(b)));
    QVERIFY2(a > 100, qPrintable(QString::number(a)));
  }

  void DesktopKeysReachTheirCommandsAndTheSystemKeysStay() {
    Show("1");
    QAction* load = Item({"&File", "&Edit Window", "&Load NC..."});
    QAction* save = Item({"&File", "&Edit Window", "&Save NC"});
    QAction* print = Item({"&File", "&Edit Window", "&Print NC"});
    QAction* find = Item({"&Edit", "&Find/Replace"});
    QAction* redo = Item({"&Edit", "&Redo"});
    QVERIFY(load && save && print && find && redo);
    // The system's keys come first and stay what the menus show.
    QCOMPARE(load->shortcut(), QKeySequence(Qt::Key_F6));
    QCOMPARE(save->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F6));
    QCOMPARE(find->shortcut(), QKeySequence(Qt::Key_F5));
    QVERIFY(print->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_P)));

    // Nobody answers the file dialogs: both commands end at a cancelled dialog.
    int dialogs = 0;
    form_->host().SetFileDialogScript([&dialogs](const FileDialogRequest&, bool) {
      ++dialogs;
      return std::optional<std::string>();
    });
    QSignalSpy loads(load, &QAction::triggered);
    QSignalSpy saves(save, &QAction::triggered);
    QSignalSpy redos(redo, &QAction::triggered);
    form_->PaintBox1()->setFocus();
    QTest::keyClick(form_.get(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(form_.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(loads.count(), 1);
    QCOMPARE(saves.count(), 1);
    QVERIFY(dialogs >= 1);
    QTest::keyClick(form_.get(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(form_->findChild<TFindReplace*>()->isVisible());
    QTest::keyClick(form_.get(), Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(form_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(redos.count(), 2);
  }

  void TheWindowsOwnKeyWinsOverADesktopKey() {
    QMainWindow window;
    QMenu* edit = window.menuBar()->addMenu("&Edit");
    QAction* redo = edit->addAction("&Redo");
    QAction* own = edit->addAction("Yank");
    own->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    AddDesktopShortcuts(&window);
    QCOMPARE(redo->shortcuts(),
             QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    QCOMPARE(own->shortcuts(), QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y)});
  }

  void ToolbarsShowGlyphsInRowsWithNothingHiddenAt1280() {
    Show("1", QSize(1280, 800));
    QApplication::processEvents();
    int rows_start = 0;
    for (QToolBar* bar : form_->findChildren<QToolBar*>()) {
      if (!bar->isVisible()) continue;
      if (form_->toolBarBreak(bar)) ++rows_start;
      for (QAction* action : bar->actions()) {
        if (!action->isVisible() || action->isSeparator()) continue;
        QWidget* button = bar->widgetForAction(action);
        // A button that does not fit goes behind the toolbar's extension arrow, hidden.
        QVERIFY2(button && button->isVisible(),
                 qPrintable(bar->windowTitle() + ": " + action->toolTip()));
        // Every button drawn by the window carries a glyph (the colour button its swatch).
        if (qobject_cast<QWidgetAction*>(action) == nullptr) {
          QVERIFY2(!action->icon().isNull(), qPrintable(action->toolTip()));
        }
      }
    }
    QCOMPARE(rows_start, 1);  // two rows
    // The captions and hints are the system's own.
    QCOMPARE(form_->findChild<QAction*>("PlotRun")->text(), QString("Plot Run "));
    QCOMPARE(form_->findChild<QAction*>("PlotRun")->toolTip(), QString("Plot Run "));
    // A glyph file that renders to nothing would leave a blank button.
    const QImage glyph = ToolbarGlyph("Plot Run ").pixmap(20, 20).toImage();
    int inked = 0;
    for (int y = 0; y < glyph.height(); ++y) {
      for (int x = 0; x < glyph.width(); ++x) inked += qAlpha(glyph.pixel(x, y)) > 0 ? 1 : 0;
    }
    QVERIFY(inked > 20);
    QVERIFY(ToolbarGlyph("No Such Button").isNull());
  }

  void CommandsAreFoundByCaptionOrHint() {
    Show("1");
    QCOMPARE(FindCommand(form_.get(), "Plot Run"), form_->findChild<QAction*>("PlotRun"));
    QCOMPARE(FindCommand(form_.get(), "Load NC"), Item({"&File", "&Edit Window", "&Load NC..."}));
    QCOMPARE(FindCommand(form_.get(), "Load NC..."),
             Item({"&File", "&Edit Window", "&Load NC..."}));
    QAction* half = FindCommand(form_.get(), "Zoom Half");
    QVERIFY(half != nullptr && half->isEnabled());
    QCOMPARE(FindCommand(form_.get(), "Half"), Item({"&View", "Zoom", "&Half"}));
    // Two "&New" items: the enabled one answers.
    QAction* fresh = FindCommand(form_.get(), "New");
    QVERIFY(fresh != nullptr && fresh->isEnabled());
    QCOMPARE(FindCommand(form_.get(), "Plot Runn"), nullptr);
    QCOMPARE(FindCommand(form_.get(), "Toolbars"), nullptr);  // a submenu, not a command
  }

  void StartOptionsAreRead() {
    QString error;
    auto options = ParseStartOptions({"3", "--actions", "Reset NC; Plot Run;;Zoom Half", "--grab",
                                      "out.png", "--size", "1600x1000"},
                                     &error);
    QVERIFY2(options.has_value(), qPrintable(error));
    QCOMPARE(options->argument, std::string("3"));
    QCOMPARE(options->actions, QStringList({"Reset NC", "Plot Run", "Zoom Half"}));
    QCOMPARE(options->grab, QString("out.png"));
    QCOMPARE(options->size, QSize(1600, 1000));
    QVERIFY(options->Scripted());
    QVERIFY(!ParseStartOptions({"--check-start"}, &error)->Scripted());
    const auto screen = ParseStartOptions({"--grab-screen", "all.png"}, &error);
    QVERIFY(screen.has_value() && screen->Scripted());
    QCOMPARE(screen->grab_screen, QString("all.png"));
    for (const QStringList& bad : QList<QStringList>{{"--size", "1600"},
                                                     {"--size", "0x10"},
                                                     {"--grab"},
                                                     {"--grab-screen"},
                                                     {"a.nc", "b.nc"},
                                                     {"--frobnicate"}}) {
      error.clear();
      QVERIFY2(!ParseStartOptions(bad, &error).has_value(), qPrintable(bad.join(' ')));
      QVERIFY(!error.isEmpty());
    }
  }

  // Pictures of an open menu and of a dialog for the documentation: the menu's popup is in the
  // screen picture, a dialog is photographed before it is cancelled, and a menu that does not
  // exist is refused before anything runs.
  void MenusAndDialogsArePhotographed() {
    QTemporaryDir out;
    QString error;
    auto options = ParseStartOptions(
        {"1", "--open-menu", "Utilities1", "--grab-screen", out.filePath("menu.png")}, &error);
    QVERIFY2(options.has_value() && options->Scripted(), qPrintable(error));
    TMainForm form;
    QCOMPARE(
        RunScriptedStart(form, QCoreApplication::applicationFilePath().toStdString(), *options), 0);
    QMenu* menu = test::MenuItem(form.menuBar(), {"Utilities&1"})->menu();
    QVERIFY(menu != nullptr && menu->isVisible());
    const QImage menu_picture(out.filePath("menu.png"));
    QVERIFY(menu_picture.width() >= form.width());
    QVERIFY(menu_picture.pixel(menu->geometry().center() - form.frameGeometry().topLeft()) !=
            QColor(Qt::darkGray).rgb());
    menu->close();

    options = ParseStartOptions(
        {"1", "--actions", "Formats", "--grab-dialog", out.filePath("dialog.png")}, &error);
    QVERIFY2(options.has_value(), qPrintable(error));
    TMainForm second;
    QCOMPARE(
        RunScriptedStart(second, QCoreApplication::applicationFilePath().toStdString(), *options),
        0);
    QVERIFY(QFile::exists(out.filePath("dialog.png")));

    options = ParseStartOptions(
        {"1", "--actions", "Reset NC", "--grab-dialog", out.filePath("none.png")}, &error);
    TMainForm third;
    QCOMPARE(
        RunScriptedStart(third, QCoreApplication::applicationFilePath().toStdString(), *options),
        1);
    QVERIFY(!QFile::exists(out.filePath("none.png")));

    options = ParseStartOptions({"1", "--open-menu", "Frobnicate"}, &error);
    TMainForm fourth;
    QCOMPARE(
        RunScriptedStart(fourth, QCoreApplication::applicationFilePath().toStdString(), *options),
        2);
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::MainWindowLayoutTest)
#include "main_window_layout_test.moc"
