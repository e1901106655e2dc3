// The calculator opened from the CAM menu: its pages work out their fields, the labels read
// and the button pressed turn red, the running list takes lines and gives them back.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "ui/calc_form.h"
#include "ui/main_form.h"
#include "ui_test_home.h"

namespace vormak {

class CalcFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> home_;
  std::unique_ptr<TMainForm> form_;
  Tcalcform* calc_ = nullptr;

  static bool Red(QWidget* w) { return w->styleSheet().contains("red"); }

  void Type(const QString& page, const QString& key, const QString& text) {
    calc_->Field(page, key)->setText(text);
  }

 private slots:
  void init() {
    home_ = test::MakeTestHome();
    QVERIFY(home_->isValid());
    QDir::setCurrent(home_->path());
    form_ = std::make_unique<TMainForm>();
    form_->host().SetNonInteractive(true);
    QAction* item = test::MenuItem(form_->menuBar(), {"CA&M", "Calc&ulator..."});
    QVERIFY(item != nullptr && item->isEnabled());
    item->trigger();
    calc_ = form_->findChild<Tcalcform*>();
    QVERIFY(calc_ != nullptr);
  }

  void cleanup() {
    form_.reset();
    home_.reset();
  }

  void OpensModelessWithSevenPages() {
    QVERIFY(calc_->isVisible());
    QVERIFY(!calc_->isModal());
    QCOMPARE(calc_->windowTitle(), QString("Calculator"));
    const QStringList captions = {"RPM-SFM", "Triangle",    "Tap", "Drill Point",
                                  "Convt",   "Ipm-Ipr-Fpt", "Calc"};
    QCOMPARE(calc_->Pages()->count(), captions.size());
    for (int i = 0; i < captions.size(); ++i) QCOMPARE(calc_->Pages()->tabText(i), captions[i]);
    // A second trigger shows the same window again.
    test::MenuItem(form_->menuBar(), {"CA&M", "Calc&ulator..."})->trigger();
    QCOMPARE(form_->findChildren<Tcalcform*>().size(), 1);
    if (qEnvironmentVariableIsSet("VORMAK_CALC_PICTURES")) {
      for (int i = 0; i < captions.size(); ++i) {
        calc_->Pages()->setCurrentIndex(i);
        calc_->grab().save(qEnvironmentVariable("VORMAK_CALC_PICTURES") +
                           QString("/%1.png").arg(i));
      }
    }
  }

  void FindTurnsItsInputsRed() {
    Type("RPM-SFM", "S", "100");
    Type("RPM-SFM", "D", "1");
    calc_->Button("RPM-SFM", "N")->click();
    QCOMPARE(calc_->Field("RPM-SFM", "N")->text(), QString("382.0000"));
    QVERIFY(Red(calc_->Label("RPM-SFM", "S")) && Red(calc_->Label("RPM-SFM", "D")));
    QVERIFY(!Red(calc_->Label("RPM-SFM", "N")));
    QVERIFY(Red(calc_->Button("RPM-SFM", "N")));
    // The next Find, on any page, starts from black.
    Type("Convt", "MM", "25.4");
    calc_->Button("Convt", "1")->click();
    QCOMPARE(calc_->Field("Convt", "IN")->text(), QString("  1.0000"));
    QVERIFY(!Red(calc_->Label("RPM-SFM", "S")) && !Red(calc_->Button("RPM-SFM", "N")));
    QVERIFY(Red(calc_->Label("Convt", "MM")) && Red(calc_->Button("Convt", "1")));
  }

  void TriangleFromTheFootOfTheWindow() {
    Type("Triangle", "H", "3");
    Type("Triangle", "O", "3");
    QPushButton* foot = nullptr;
    for (QPushButton* b : calc_->findChildren<QPushButton*>()) {
      if (b->text() == "Ca&lc") foot = b;
    }
    QVERIFY(foot != nullptr);
    foot->click();
    QCOMPARE(calc_->Pages()->currentIndex(), 1);
    QCOMPARE(calc_->Message("Triangle")->text(),
             QString("Error: Opposite must be Less than Hypotenuse"));
    Type("Triangle", "H", "5");
    calc_->Button("Triangle", "Calc")->click();
    QCOMPARE(calc_->Field("Triangle", "A")->text(), QString("  4.0000"));
    QCOMPARE(calc_->Message("Triangle")->text(), QString());
  }

  void RunningListRecallClearAndCopy() {
    for (const char* line : {"2*3", "+4", "-1", "MN 1,2"}) {
      calc_->CalcInput()->setText(line);
      QTest::keyClick(calc_->CalcInput(), Qt::Key_Return);
    }
    QListWidget* list = calc_->CalcLines();
    QCOMPARE(list->count(), 6);
    QCOMPARE(list->item(5)->text(), QString("=9"));
    QCOMPARE(calc_->CalcInput()->text(), QString("MN 1,2"));  // nothing added, kept to mend
    list->setCurrentRow(3);
    calc_->CalcListDblClick();
    QCOMPARE(calc_->CalcInput()->text(), QString("10"));
    list->clearSelection();
    list->item(0)->setSelected(true);
    list->item(1)->setSelected(true);
    calc_->CopyButtonClick();
    QCOMPARE(QString::fromStdString(form_->bench().host().ClipboardText()),
             QString("2*3\r\n=6\r\n"));
    calc_->ClearButtonClick();
    QCOMPARE(list->count(), 0);
    calc_->CalcInput()->setText("+4");
    calc_->CalcButtonClick();
    QCOMPARE(list->item(1)->text(), QString("=4"));
  }

  void AptOutputIsOnUtilities2() {
    QAction* item = test::MenuItem(form_->menuBar(), {"Utilities&2", "APT Output"});
    QVERIFY(item != nullptr && item->isEnabled());
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::CalcFormTest)
#include "calc_form_test.moc"
