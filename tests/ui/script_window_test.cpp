// The script window: load, step, run, stop with the right button, the Save? query, the hint of
// a line, and "&Script..." in the main window's File menu.
#include <QAction>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <memory>

#include "nctext/pane_services.h"
#include "script/script_args.h"
#include "script/script_interpreter.h"
#include "support/fake_host.h"
#include "ui/main_form.h"
#include "ui/sci_edit_control.h"
#include "ui/script_window.h"
#include "ui_test_home.h"

namespace vormak {

class ScriptWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<FakeHost> host_;
  std::unique_ptr<Workbench> bench_;
  std::unique_ptr<Tscript4> window_;

  std::string Write(const char* name, const char* text) {
    const std::string path = dir_->filePath(name).toStdString();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    host_ = std::make_unique<FakeHost>();
    bench_ = std::make_unique<Workbench>(*host_);
    bench_->settings.script_path = dir_->path().toStdString();
    bench_->Pane(1)->SetText("A\r\nB\r\nC");
    bench_->Pane(3)->SetText("#1=7");  // a script loaded before the window was first shown
    window_ = std::make_unique<Tscript4>(*bench_);
  }

  void cleanup() {
    window_.reset();
    bench_.reset();
    host_.reset();
    dir_.reset();
  }

  void TakesOverPaneThreeWithItsScript() {
    QCOMPARE(static_cast<EditControl*>(window_->script_memo), bench_->Pane(3));
    QCOMPARE(PaneLine(*bench_, 3, 1), std::string("#1=7"));
    QCOMPARE(window_->windowTitle(), QString("Script"));
    window_.reset();
    QCOMPARE(PaneLine(*bench_, 3, 1), std::string("#1=7"));  // kept when the window goes
  }

  void LoadStepAndRun() {
    const std::string path = Write("walk.scr", "#1=1\r\nFORWARD\r\n#2=LINENO\r\n");
    host_->QueueFileName(path);
    window_->LoadClick();
    QCOMPARE(
        host_->dialogs.back().filter,
        std::string("Script Files (*.scr)|*.scr|Text files (*.TXT)|*.TXT|All files (*.*)|*.*"));
    QCOMPARE(window_->windowTitle(), QString::fromStdString("Script:" + path));
    QVERIFY(!window_->script_memo->IsModified());
    window_->StepClick();
    QCOMPARE(GetScriptVariable(*bench_, 1), 1.0);
    QCOMPARE(CaretLine(*bench_, 3), 2);
    QCOMPARE(GetScriptVariable(*bench_, 2), 0.0);
    window_->RunClick();
    QCOMPARE(GetScriptVariable(*bench_, 2), 2.0);
    QVERIFY(!bench_->script.running);
    window_->ResetClick();
    QCOMPARE(CaretLine(*bench_, 3), 1);
  }

  void RightButtonStopsTheRun() {
    window_->script_memo->SetText(":1\r\n#1=#1+1\r\nJUMP 1");
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::RightButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window_->script_memo->viewport(), &release);
    QVERIFY(bench_->stop_requested);
    // While a release waits, the run stops after its first line.
    host_->right_button = true;
    window_->ResetClick();
    window_->RunClick();
    QVERIFY(bench_->stop_requested);
    QCOMPARE(CaretLine(*bench_, 3), 1);
  }

  void SaveQueryOnClose() {
    window_->show();
    window_->script_memo->SetText("#5=5");  // typed: modified
    host_->QueueAnswer(Answer::kCancel);
    window_->CloseClick();
    QVERIFY(window_->isVisible());
    QCOMPARE(host_->messages.back().caption, std::string("Save?"));
    QVERIFY(host_->messages.back().text.find("Script File: ") != std::string::npos);

    const std::string path = dir_->filePath("saved.scr").toStdString();
    host_->QueueAnswer(Answer::kYes);
    host_->QueueFileName(path);
    window_->CloseClick();
    QVERIFY(!window_->isVisible());
    std::ifstream in(path, std::ios::binary);
    std::string saved((std::istreambuf_iterator<char>(in)), {});
    QCOMPARE(saved, std::string("#5=5"));
    QVERIFY(!window_->script_memo->IsModified());
    window_->show();
    window_->CloseClick();  // unmodified: no question
    QVERIFY(!window_->isVisible());
  }

  void HintListsTheVariablesOfALine() {
    SetScriptVariable(*bench_, 3, 2.5);
    SetScriptVariable(*bench_, 4, 3);
    window_->script_memo->SetText("#3=#4+1\r\nIF [#[1+2]=2.5],10\r\nHOME");
    QCOMPARE(window_->HintOfLine(1), QString("#3=2.5000,#4=3.0000,"));
    QCOMPARE(window_->HintOfLine(2), QString("#3=2.5000,"));
    QCOMPARE(window_->HintOfLine(3), QString());
  }

  void FileMenuShowsTheScriptWindow() {
    auto home = test::MakeTestHome();
    QDir::setCurrent(home->path());
    TMainForm form;
    form.host().SetNonInteractive(true);
    QAction* item = test::MenuItem(form.menuBar(), {"&File", "&Script..."});
    QVERIFY(item && item->isEnabled());
    item->trigger();
    auto* window = form.findChild<Tscript4*>();
    QVERIFY(window && window->isVisible());
    QCOMPARE(static_cast<EditControl*>(window->script_memo), form.bench().Pane(3));
    item->trigger();
    QCOMPARE(form.findChildren<Tscript4*>().size(), 1);
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::ScriptWindowTest)
#include "script_window_test.moc"
