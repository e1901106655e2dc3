#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "ncfiles/keyboard_macro.h"
#include "ui/keyboard_macro_actions.h"
#include "ui/main_form.h"
#include "ui/sci_edit_control.h"
#include "ui/sequence_toolbar.h"
#include "ui/toolbox_window.h"

namespace vormak {

namespace {

QAction* Find(const QList<QAction*>& actions, const QString& caption) {
  for (QAction* action : actions) {
    if (action->text() == caption) return action;
  }
  return nullptr;
}

QAction* MacroItem(TMainForm& form, const char* caption) {
  QAction* file = Find(form.menuBar()->actions(), "&File");
  QAction* keys = Find(file->menu()->actions(), "&Keyboard Macro");
  return Find(keys->menu()->actions(), caption);
}

void Caret(SciEditControl* pane, int line) {
  pane->SetSelection({{line, 0}, {line, 0}});
}

}  // namespace

class KeyboardToolboxTest : public QObject {
  Q_OBJECT
 private slots:
  void KeysConvertBothWays() {
    QKeyEvent paren(QEvent::KeyPress, Qt::Key_ParenLeft, Qt::ShiftModifier, "(");
    const KeyRecord record = KeyRecordOf(paren, kKeyDown);
    QCOMPARE(int(record.key), int('9'));
    QCOMPARE(int(record.shift), int(kShiftBit));
    const PlayedKey played = PlayedKeyOf(record);
    QCOMPARE(played.key, int(Qt::Key_ParenLeft));
    QCOMPARE(played.text, QString("("));
    QKeyEvent keypad(QEvent::KeyPress, Qt::Key_3, Qt::KeypadModifier | Qt::ControlModifier, "");
    QCOMPARE(int(KeyRecordOf(keypad, kKeyUp).key), 99);
    QCOMPARE(int(KeyRecordOf(keypad, kKeyUp).shift), int(kCtrlBit));
    QKeyEvent lower(QEvent::KeyPress, Qt::Key_G, Qt::NoModifier, "g");
    QCOMPARE(PlayedKeyOf(KeyRecordOf(lower, kKeyDown)).text, QString("g"));
    QCOMPARE(PlayedKeyOf({kVkDown, 0, kKeyDown}).key, int(Qt::Key_Down));
  }

  void RecordPlayAndPlayUntilBookmark() {
    QTemporaryDir dir;
    TMainForm form;
    form.host().SetNonInteractive(true);
    form.bench().settings.script_path = dir.path().toStdString();
    SciEditControl* pane = form.LEdit1();
    pane->SetText("A1\r\nA2\r\nA3\r\nA4\r\nA5\r\nA6\r\nA7");
    Caret(pane, 1);
    MacroItem(form, "&Start Recording")->trigger();
    QVERIFY(MacroItem(form, "&Start Recording")->isChecked());
    QTest::keyClick(pane, Qt::Key_Home);
    QTest::keyClick(pane, 'X', Qt::ShiftModifier);
    QTest::keyClick(pane, Qt::Key_Down);
    MacroItem(form, "&End Recording")->trigger();
    QCOMPARE(pane->GetLine(1), std::string("XA1"));
    QVERIFY(!MacroItem(form, "&Start Recording")->isChecked());

    Caret(pane, 4);
    MacroItem(form, "&Play")->trigger();
    QCOMPARE(pane->GetLine(4), std::string("XA4"));
    QCOMPARE(pane->GetSelection().end.line, 5);

    // Lines 2 and 3 selected, a bookmark on line 3: the run stops before it.
    pane->SetBookmark(2, 3);
    pane->SetSelection({{2, 0}, {5, 0}});
    MacroItem(form, "&Until Breakpoint")->trigger();
    QCOMPARE(pane->GetLine(2), std::string("XA2"));
    QCOMPARE(pane->GetLine(3), std::string("A3"));
    pane->SetBookmark(2, 0);
    pane->SetSelection({{5, 0}, {7, 0}});
    MacroItem(form, "&Until Breakpoint")->trigger();
    QCOMPARE(pane->GetLine(5), std::string("XA5"));
    QCOMPARE(pane->GetLine(6), std::string("XA6"));
    QCOMPARE(pane->GetLine(7), std::string("XA7"));
  }

  void MotionCodeKeysOnThePane() {
    TMainForm form;
    form.host().SetNonInteractive(true);
    SciEditControl* pane = form.LEdit1();
    pane->SetText("N10 G01 X5.\r\nG90 X5.");
    Caret(pane, 1);
    QTest::keyClick(pane, Qt::Key_2, Qt::ControlModifier);
    QVERIFY(pane->GetLine(1).starts_with("N"));
    QVERIFY(pane->GetLine(1).find(" G2") != std::string::npos);
    QVERIFY(pane->GetLine(1).find("G01") == std::string::npos);
    Caret(pane, 2);
    QTest::keyClick(pane, Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier);
    // The G word in the form of the (default) machine, in front of G90.
    QVERIFY(pane->GetLine(2).starts_with("G1"));
    QVERIFY(pane->GetLine(2).find(" G90 X5.") != std::string::npos);
  }

  void ToolboxButtonsMergeWordsTextAndScriptLines() {
    TMainForm form;
    form.host().SetNonInteractive(true);
    auto& buttons = form.bench().settings.toolbox;
    buttons[0].command = "M08";
    buttons[1].command = "'(CHECK DIA)'";
    buttons[2].command = "~HOME";
    buttons[3].command = "";
    form.ApplySettingsToWindow();
    Tinput_nc* toolbox = form.Toolbox();
    QCOMPARE(toolbox->windowTitle(), QString("ToolBox"));
    QCOMPARE(toolbox->Button(1)->text(), QString("M08"));
    QVERIFY(toolbox->Button(1)->toolTip().isEmpty());
    QCOMPARE(toolbox->Button(2)->toolTip(), QString("'(CHECK DIA)'"));
    QVERIFY(form.cad_toolbars().tool_box->isEnabled());

    SciEditControl* pane = form.LEdit1();
    pane->SetText("G00 X5.\r\nG01 Z-1.\r\nZ-2.");
    Caret(pane, 2);
    QTest::mouseClick(toolbox->Button(1), Qt::LeftButton);
    QVERIFY(pane->GetLine(2).find("M08") != std::string::npos);
    QTest::mouseClick(toolbox->Button(2), Qt::LeftButton);
    QVERIFY(pane->GetLine(2).ends_with("(CHECK DIA)"));
    QTest::mouseClick(toolbox->Button(4), Qt::LeftButton);
    QCOMPARE(pane->GetLine(3), std::string("Z-2."));
    QTest::mouseClick(toolbox->Button(3), Qt::LeftButton);
    QCOMPARE(pane->GetSelection().end.line, 1);
  }

  void SequenceToolbarListsToolChangesAndJumps() {
    TMainForm form;
    form.host().SetNonInteractive(true);
    std::string text;
    for (int n = 1; n <= 16; ++n) {
      text += "(TL T" + std::to_string(n) + ":NOTE " + std::to_string(n) + ")\r\nX1.\r\nZ1.\r\n";
    }
    form.LEdit1()->SetText(text);
    SequenceToolbar* bar = form.Sequence();
    QCOMPARE(bar->Bar()->windowTitle(), QString("Sequence"));
    QVERIFY(bar->Button(1)->text().isEmpty());
    bar->SeqClick();
    QCOMPARE(int(bar->Entries().size()), 16);
    QCOMPARE(bar->Button(1)->text(), QString("1"));
    QCOMPARE(bar->Button(14)->toolTip(), QString("NOTE 14"));
    QTest::mouseClick(bar->Button(3), Qt::LeftButton);
    QCOMPARE(form.LEdit1()->GetSelection().end.line, 7);
    // Down pages the buttons one entry on; button 14 then stands for entry 15.
    bar->Page(1);
    QCOMPARE(bar->Button(14)->text(), QString("15"));
    QTest::mouseClick(bar->Button(14), Qt::LeftButton);
    QCOMPARE(form.LEdit1()->GetSelection().end.line, 43);
    // No tool file of that name: no picture.
    bar->ShowPicture(1);
    QVERIFY(!bar->PictureWindow()->isVisible());
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::KeyboardToolboxTest)
#include "keyboard_toolbox_test.moc"
