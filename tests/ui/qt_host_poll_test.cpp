// While a long command polls for Escape, the window repaints but typed text and clicks do not
// reach the panes, and the window cannot be closed under the command.
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <QThread>

#include "ui/qt_host.h"

using vormak::QtHost;

class QtHostPollTest : public QObject {
  Q_OBJECT

 private:
  // Waits out the poll interval, so the next EscapePending really processes events.
  static void PassPollInterval() { QThread::msleep(40); }

 private slots:
  void InputWaitsWhileACommandPolls() {
    QMainWindow window;
    auto* edit = new QLineEdit(&window);
    window.setCentralWidget(edit);
    window.show();
    QtHost host;
    host.SetMainWindow(&window);
    edit->setFocus();

    // Typed during the command: posted, delivered only by the command's poll.
    QCoreApplication::postEvent(edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    QCoreApplication::postEvent(edit,
                                new QKeyEvent(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a"));
    PassPollInterval();
    QVERIFY(!host.EscapePending());
    QCOMPARE(edit->text(), QString());

    QCoreApplication::postEvent(edit,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    PassPollInterval();
    QVERIFY(host.EscapePending());
    QVERIFY(!host.EscapePending());  // taken once

    // A close request during the command is refused.
    QCoreApplication::postEvent(&window, new QCloseEvent);
    PassPollInterval();
    host.EscapePending();
    QVERIFY(window.isVisible());

    // Outside a command typing works as usual.
    QTest::keyClicks(edit, "g1");
    QCOMPARE(edit->text(), QString("g1"));
  }
};

QTEST_MAIN(QtHostPollTest)
#include "qt_host_poll_test.moc"
