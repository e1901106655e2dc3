#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <thread>

#include "dnc/pty_peer.h"
#include "nctext/edit_control.h"
#include "support/fake_host.h"
#include "ui/punch_dialog.h"
#include "workbench/workbench.h"

namespace vormak {

class PunchDialogTest : public QObject {
  Q_OBJECT
 private:
  static QStringList Messages(const Tpunch_d& dialog) {
    QStringList texts;
    for (int i = 0; i < dialog.Messages()->count(); ++i)
      texts << dialog.Messages()->item(i)->text();
    return texts;
  }

 private slots:
  void OpensWithTheMachineSettingsAndPunches() {
    test::PtyPeer peer;
    QVERIFY(peer.ok());
    FakeHost host;
    Workbench bench(host);
    bench.settings.comm_device = peer.SlaveName();
    bench.settings.comm_baud_rate = 4800;
    bench.settings.punch_type = 3;
    bench.settings.inches_leader = 1;
    bench.Pane(1)->SetText("/1\n");
    Tpunch_d dialog(bench);
    QCOMPARE(dialog.windowTitle(), QString("Punch - Reader"));
    for (const char* caption : {"&Punch", "Punch W/&O ()", "&Read", "Clear", "Close"}) {
      QVERIFY2(dialog.Button(caption) != nullptr, caption);
    }
    dialog.show();
    QVERIFY(dialog.Port().IsOpen());
    peer.CloseSlave();
    const QString device = QString::fromStdString(peer.SlaveName());
    QCOMPARE(Messages(dialog), QStringList{"Device ready: " + device});
    QCOMPARE(dialog.StatusLine()->text(),
             "4800 Baud, 8 Data Bits, 1 Stop Bits, ISO Format, " + device);
    QVERIFY(dialog.Box("RTS")->isChecked());
    QVERIFY(dialog.Box("DTR")->isChecked());
    QVERIFY(dialog.Box("XON")->isChecked());
    QVERIFY(!dialog.Box("BREAK")->isChecked());

    std::string received;
    std::thread far_end([&] { received = peer.Receive(500); });
    dialog.Button("&Punch")->click();
    far_end.join();
    QCOMPARE(QByteArray::fromStdString(received),
             QByteArray("\x12") + QByteArray(10, '\0') + QByteArray("\xAF\xB1\x8D\x0A\x14"));
    QCOMPARE(dialog.ProgressLine()->text(), QString("line 1 of 1"));
    QVERIFY(!dialog.Busy());

    dialog.Button("Clear")->click();
    QCOMPARE(dialog.Messages()->count(), 0);
    dialog.Button("Close")->click();
    QVERIFY(!dialog.Port().IsOpen());
    QVERIFY(!dialog.isVisible());
  }

  void ReadsIntoTheActivePane() {
    test::PtyPeer peer;
    QVERIFY(peer.ok());
    FakeHost host;
    Workbench bench(host);
    bench.settings.comm_device = peer.SlaveName();
    bench.settings.comm_port = 3;
    bench.settings.punch_type = 3;
    bench.settings.comm_handshake = 2;
    bench.Pane(1)->SetText("");
    Tpunch_d dialog(bench);
    dialog.show();
    peer.CloseSlave();
    QVERIFY(!dialog.Box("RTS")->isChecked());
    QVERIFY(dialog.Box("XON")->isChecked());
    dialog.Button("&Read")->click();
    QCOMPARE(QByteArray::fromStdString(peer.Receive(200, 2)), QByteArray("\x11\x11"));
    QVERIFY(Messages(dialog).contains("Reading from Comm 3"));
    peer.Send("\xB1\x0A\xB2");
    QTRY_COMPARE(QString::fromStdString(bench.Pane(1)->GetText()), QString("1\r\n"));
    QCOMPARE(dialog.ProgressLine()->text(), QString("line 1"));
    // The far end goes away: said in the list, what arrived stays.
    peer.CloseMaster();
    QTRY_VERIFY(
        Messages(dialog).contains("An I/O error occurred during communications with the device."));
    QCOMPARE(QString::fromStdString(bench.Pane(1)->GetText()), QString("1\r\n"));
  }

  void APortThatCannotOpenLeavesTheDialogUsable() {
    FakeHost host;
    Workbench bench(host);
    bench.settings.comm_device = "/nonexistent/ttyUSB7";
    Tpunch_d dialog(bench);
    dialog.show();
    QVERIFY(!dialog.Port().IsOpen());
    QCOMPARE(host.Texts(), std::vector<std::string>{
                               "Async32 error: Error accessing specified device (Error: 2) "});
    QVERIFY(Messages(dialog).contains("Error accessing specified device (Error: 2) "));
    dialog.Button("&Punch")->click();
    QCOMPARE(
        host.Texts().back(),
        std::string("Async32 error: Port not open, unable to complete operation (Error: -1) "));
  }

  void MenuItemTakesOverThePlaceholder() {
    FakeHost host;
    Workbench bench(host);
    QWidget parent;
    QMenu menu;
    QAction* placeholder = menu.addAction("P&unch/Read");
    placeholder->setEnabled(false);
    QCOMPARE(AddPunchReadItem(&menu, bench, &parent), placeholder);
    QVERIFY(placeholder->isEnabled());
    QMenu empty;
    QAction* added = AddPunchReadItem(&empty, bench, &parent);
    QCOMPARE(added->text(), QString("P&unch/Read"));
    QCOMPARE(empty.actions().size(), 1);
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::PunchDialogTest)
#include "punch_dialog_test.moc"
