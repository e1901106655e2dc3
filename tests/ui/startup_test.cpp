// The window's life as a user meets it: each command-line form, the recent files, the close
// prompts in their order, toolbar positions, a window place off every screen, drops that are
// refused, and the View > Toolbars list.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>
#include <memory>

#include "ncfiles/recent_files.h"
#include "nctext/pane_services.h"
#include "settings/ini_file.h"
#include "support/test_paths.h"
#include "ui/main_form.h"
#include "ui/sci_edit_control.h"
#include "ui_test_home.h"

namespace vormak {
namespace {

void WriteAll(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> home_;
  std::unique_ptr<TMainForm> form_;

  QString Home(const QString& name) const { return home_->path() + "/" + name; }
  QString ConfigDir() const { return Home("config/vormak"); }
  QString Data(const QString& name) const {
    return QString::fromStdString(test::SourceDataDir()) + "/" + name;
  }

  bool Start(const QString& argument) {
    form_ = std::make_unique<TMainForm>();
    form_->host().SetNonInteractive(true);
    return form_->Start(QCoreApplication::applicationFilePath().toStdString(),
                        argument.toStdString());
  }

  // A shop's machines list: machine 1 a mill and machine 2 a lathe, each with NC and CAD
  // folders of its own holding a program and a drawing.
  void WriteShop(const QByteArray& extra_keys = {}) {
    for (int machine : {1, 2}) {
      const QString dir = Home(QString("shop%1").arg(machine));
      WriteAll(dir + "/nc/PART.NC", ReadAll(Data("examples/example.nc")));
      WriteAll(dir + "/cad/FIXTURE.CDL", ReadAll(Data("tools/DRILL_250.CDL")));
      WriteAll(ConfigDir() + QString("/machine%1.ini").arg(machine),
               "[VORMAK]\nMachineName=" + QByteArray(machine == 1 ? "Shop Mill" : "Shop Lathe") +
                   "\nSystemType=" + QByteArray(machine == 1 ? "2" : "1") +
                   "\nNCPathName=" + (dir + "/nc").toLatin1() +
                   "\nCDLPathName=" + (dir + "/cad").toLatin1() + "\nNCFile=\n" + extra_keys);
    }
    WriteAll(ConfigDir() + "/vormak.ini",
             "[MachineINI]\nMachine1=" + (ConfigDir() + "/machine1.ini").toLatin1() +
                 "\nMachine2=" + (ConfigDir() + "/machine2.ini").toLatin1() + "\n");
  }

  QString Caption() const { return form_->windowTitle(); }

 private slots:
  void init() {
    home_ = test::MakeTestHome();
    QVERIFY(home_->isValid());
    QDir::setCurrent(home_->path());
  }

  void cleanup() {
    form_.reset();
    home_.reset();
  }

  void EachCommandLineForm() {
    WriteShop();
    // A machine number alone.
    QVERIFY(Start("2"));
    QCOMPARE(form_->bench().machines.current, 2);
    QCOMPARE(form_->Panel("Systype")->text(), QString("Lathe"));
    QCOMPARE(form_->Panel("Format")->text(), QString("Shop Lathe"));
    QCOMPARE(Caption(), QString("  [] ()"));

    // Machine, bare NC name and bare drawing name: each from its own folder.
    QVERIFY(Start("2,PART.NC,FIXTURE.CDL"));
    QCOMPARE(form_->bench().machines.current, 2);
    const QString nc = Home("shop2/nc/PART.NC"), cad = Home("shop2/cad/FIXTURE.CDL");
    QCOMPARE(Caption(), "  [" + cad + "] (" + nc + ")");
    QVERIFY(form_->LEdit1()->GetText().starts_with("%"));
    QVERIFY(form_->bench().cad.table.high_water > 0);

    // Empty fields are skipped: a drawing only.
    QVERIFY(Start("1,,FIXTURE.CDL"));
    QCOMPARE(Caption(), "  [" + Home("shop1/cad/FIXTURE.CDL") + "] ()");

    // One file name: ".CDL" after the first dot in any case is a drawing, else a program.
    QVERIFY(Start("fixture.cdl"));
    QCOMPARE(Caption().toUpper(), "  [" + Home("shop1/cad/FIXTURE.CDL").toUpper() + "] ()");
    QVERIFY(Start("PART.NC"));
    QCOMPARE(Caption(), "  [] (" + Home("shop1/nc/PART.NC") + ")");

    // "0" and "11" are not machine numbers: they name files, which are not there.
    QVERIFY(!Start("0"));
    QCOMPARE(form_->bench().machines.current, 1);
    QVERIFY(!Start("11"));
    QCOMPARE(form_->bench().machines.current, 1);
    QCOMPARE(Caption(), QString("  [] ()"));
  }

  void RecentFilesKeepFifteenAndMoveAChosenOneUp() {
    QVERIFY(Start(""));
    QStringList files;
    for (int i = 1; i <= 16; ++i) {
      files << Home(QString("P%1.NC").arg(i));
      WriteAll(files.back(), QString("G0 X%1\n").arg(i).toLatin1());
      form_->AddRecentFile(files.back().toStdString());
    }
    QList<QAction*> items = form_->RecentMenu()->actions();
    QCOMPARE(items.size(), 15);
    QCOMPARE(items.first()->text(), "&1 " + files[15]);
    QCOMPARE(items.last()->text(), "&E " + files[1]);  // P1 fell off

    // Choosing a listed file loads it and puts it first, once.
    form_->RecentFileClick(files[5].toStdString());
    QCOMPARE(PaneLine(form_->bench(), 1, 1), std::string("G0 X6"));
    items = form_->RecentMenu()->actions();
    QCOMPARE(items.size(), 15);
    QCOMPARE(items.first()->text(), "&1 " + files[5]);
    QCOMPARE(items[1]->text(), "&2 " + files[15]);
    int count = 0;
    for (QAction* item : items) count += item->text().endsWith(files[5]) ? 1 : 0;
    QCOMPARE(count, 1);

    // A file deleted since is taken off the list; the program on the screen stays.
    QFile::remove(files[9]);
    form_->RecentFileClick(files[9].toStdString());
    QCOMPARE(form_->RecentMenu()->actions().size(), 14);
    QCOMPARE(PaneLine(form_->bench(), 1, 1), std::string("G0 X6"));

    // The list survives the close, in menu order.
    form_->close();
    IniFile ini;
    QVERIFY(ini.Load((ConfigDir() + "/vormak.ini").toStdString()));
    QCOMPARE(QString::fromStdString(ini.Get("Recent", "Recent1", "")), files[5]);
    QCOMPARE(QString::fromStdString(ini.Get("Recent", "Recent14", "")), files[1]);
    QCOMPARE(QString::fromStdString(ini.Get("Recent", "Recent15", "")), QString());
  }

  // The program's question comes first, then the drawing's; Cancel on either keeps the window.
  void ClosePromptsComeInTheirOrder() {
    WriteShop();
    QVERIFY(Start("1,PART.NC,FIXTURE.CDL"));
    form_->host().SetNonInteractive(false);
    form_->show();
    form_->LEdit1()->AppendLine("M30");
    form_->bench().cad.table.modified = true;

    QStringList asked;
    QString answer = "&No";
    QTimer answering;
    connect(&answering, &QTimer::timeout, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      asked << box->text();
      for (QAbstractButton* button : box->buttons()) {
        if (button->text() == answer) {
          button->click();
          return;
        }
      }
      box->reject();
    });
    answering.start(20);

    answer = "Cancel";
    QVERIFY(!form_->close());
    QCOMPARE(asked.size(), 1);
    QVERIFY2(asked[0].contains("NC File: " + Home("shop1/nc/PART.NC")), qPrintable(asked[0]));
    QVERIFY(form_->LEdit1()->IsModified());

    asked.clear();
    answer = "&No";
    const QString machine_before = QString::fromLatin1(ReadAll(ConfigDir() + "/machine1.ini"));
    QVERIFY(form_->close());
    answering.stop();
    QCOMPARE(asked.size(), 2);
    QVERIFY(asked[0].contains("NC File: "));
    QVERIFY2(asked[1].contains("CAD File: " + Home("shop1/cad/FIXTURE.CDL")), qPrintable(asked[1]));
    // Then the machine's settings and the recent files were written.
    QVERIFY(QString::fromLatin1(ReadAll(ConfigDir() + "/machine1.ini")) != machine_before);
    QVERIFY(ReadAll(ConfigDir() + "/vormak.ini").contains("[Recent]"));
  }

  void ToolbarPositionsComeBackWhenTheMachineKeepsThem() {
    WriteShop("SaveToolbarPos=1\n");
    QVERIFY(Start(""));
    QToolBar* moved = nullptr;
    for (QToolBar* bar : form_->findChildren<QToolBar*>()) {
      if (bar->windowTitle() == "Zoom") moved = bar;
    }
    QVERIFY(moved != nullptr);
    form_->addToolBar(Qt::BottomToolBarArea, moved);
    QVERIFY(form_->close());

    QVERIFY(Start(""));
    for (QToolBar* bar : form_->findChildren<QToolBar*>()) {
      if (bar->windowTitle() == "Zoom") moved = bar;
    }
    QCOMPARE(form_->toolBarArea(moved), Qt::BottomToolBarArea);
    QVERIFY(form_->close());

    // A machine that does not keep them starts with the toolbars along the top.
    WriteShop("SaveToolbarPos=0\n");
    QVERIFY(Start(""));
    for (QToolBar* bar : form_->findChildren<QToolBar*>()) {
      if (bar->windowTitle() == "Zoom") moved = bar;
    }
    QCOMPARE(form_->toolBarArea(moved), Qt::TopToolBarArea);
  }

  void AWindowPlaceOffEveryScreenComesBackOnOne() {
    WriteShop("StartLeft=9000\nStartTop=-7000\nStartWidth=900\nStartHeight=600\n");
    QVERIFY(Start(""));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.intersects(QRect(form_->pos(), form_->size())),
             qPrintable(QString("%1,%2").arg(form_->x()).arg(form_->y())));
    QCOMPARE(form_->size(), QSize(900, 600).boundedTo(screen.size()));
  }

  void FoldersAndBinaryFilesDroppedAreRefused() {
    QVERIFY(Start(""));
    form_->LEdit1()->SetText("G0 X1.\n");
    QDir().mkpath(Home("jobs"));
    QVERIFY(!form_->DropFile(Home("jobs").toStdString()));
    WriteAll(Home("photo.nc"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    QVERIFY(!form_->DropFile(Home("photo.nc").toStdString()));
    QCOMPARE(PaneLine(form_->bench(), 1, 1), std::string("G0 X1."));
    WriteAll(Home("good.nc"), "G0 X2.\n");
    QVERIFY(form_->DropFile(Home("good.nc").toStdString()));
    QCOMPARE(form_->RecentMenu()->actions().first()->text(), "&1 " + Home("good.nc"));
  }

  void ViewToolbarsListsEveryToolbar() {
    QVERIFY(Start(""));
    QAction* toolbars = test::MenuItem(form_->menuBar(), {"&View", "&Toolbars"});
    QVERIFY(toolbars != nullptr && toolbars->menu() != nullptr);
    emit toolbars->menu()->aboutToShow();
    QStringList listed;
    for (QAction* item : toolbars->menu()->actions()) {
      QVERIFY(item->isCheckable());
      listed << item->text();
    }
    QStringList bars;
    for (QToolBar* bar : form_->findChildren<QToolBar*>()) bars << bar->windowTitle();
    listed.sort();
    bars.sort();
    QCOMPARE(listed, bars);
    for (const char* name :
         {"Plot", "Insert", "View", "Zoom", "Cad", "Pick", "File", "Edit", "Animation", "Screen"}) {
      QVERIFY2(listed.contains(name), name);
    }
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::StartupTest)
#include "startup_test.moc"
