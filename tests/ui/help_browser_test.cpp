// Help opens inside the program: every topic the program names reaches a page and an anchor
// on it, the Help menu and F1 in dialogs open the right place, and the pages link only to
// pages and anchors that exist.
#include "ui/help_browser.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>
#include <memory>
#include <set>

#include "support/test_paths.h"
#include "ui/configuration_dialog.h"
#include "ui/configuration_pages.h"
#include "ui/help_topics.h"
#include "ui/main_form.h"
#include "ui_test_home.h"

namespace vormak {
namespace {

QString HelpDir() {
  return QString::fromStdString(test::SourceDataDir()) + "/help";
}

QString ReadPage(const QString& page) {
  QFile file(QDir(HelpDir()).filePath(page));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

// The anchors the browser itself finds on a page, as it would scroll to them.
std::set<QString> AnchorsOf(const QString& page) {
  QTextDocument document;
  document.setHtml(ReadPage(page));
  std::set<QString> anchors;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (const QString& name : block.charFormat().anchorNames()) anchors.insert(name);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      for (const QString& name : it.fragment().charFormat().anchorNames()) anchors.insert(name);
    }
  }
  return anchors;
}

}  // namespace

class HelpBrowserTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> home_;
  std::unique_ptr<TMainForm> form_;

  THelpBrowser* Browser() const { return form_->host().HelpBrowser(); }

 private slots:
  void init() {
    home_ = test::MakeTestHome();
    QVERIFY(home_->isValid());
    form_ = std::make_unique<TMainForm>();
    QVERIFY(form_->Start(QCoreApplication::applicationFilePath().toStdString(), ""));
  }

  void cleanup() {
    form_.reset();
    home_.reset();
  }

  void EveryTopicHasItsPageAndAnchor() {
    for (const std::string& topic : KnownHelpTopics()) {
      const HelpPlace place = HelpPlaceOf("vormak2.hlp", topic);
      QVERIFY2(AnchorsOf(QString::fromStdString(place.page))
                       .count(QString::fromStdString(place.anchor)) == 1,
               topic.c_str());
    }
    // Any case, as the old books were written; an unknown topic opens the book's first page.
    QCOMPARE(HelpPlaceOf("vormak2.hlp", "IDH_Set_Punch").page, std::string("configuration.html"));
    QCOMPARE(HelpPlaceOf("vormak2.hlp", "IDH_NOWHERE").page, std::string("index.html"));
    QCOMPARE(HelpPlaceOf("VORTUTOR.HLP", "IDH_NOWHERE").page, std::string("tutorial.html"));
    QVERIFY(HelpPlaceOf("vormak2.hlp", "IDH_NOWHERE").anchor.empty());
  }

  // Every link of every page leads to a page of the folder and an anchor on it.
  void LinksBetweenPagesResolve() {
    const QStringList pages = QDir(HelpDir()).entryList({"*.html"}, QDir::Files);
    QVERIFY(pages.size() >= 7);
    const QRegularExpression href("href=\"([^\"#]*)(#([^\"]*))?\"");
    for (const QString& page : pages) {
      auto it = href.globalMatch(ReadPage(page));
      while (it.hasNext()) {
        const auto match = it.next();
        const QString target = match.captured(1).isEmpty() ? page : match.captured(1);
        if (target.endsWith(".css")) continue;
        QVERIFY2(QFile::exists(QDir(HelpDir()).filePath(target)), qPrintable(page + ": " + target));
        const QString anchor = match.captured(3);
        if (!anchor.isEmpty()) {
          QVERIFY2(AnchorsOf(target).count(anchor) == 1, qPrintable(page + ": " + anchor));
        }
      }
    }
  }

  void HelpMenuOpensTheBrowserAtTheTopic() {
    const struct {
      const char* item;
      const char* page;
      const char* anchor;
    } items[] = {
        {"&Index", "index.html", "idh_contents"},
        {"&Shortcuts", "shortcuts.html", "idh_accelerators"},
        {"&Utilities", "utilities.html", "idh_utilities"},
        {"Comment Codes", "comment_codes.html", "idh_comment_code"},
        {"&Tutorial", "tutorial.html", "idh_load_cad_file"},
    };
    for (const auto& item : items) {
      QAction* action = test::MenuItem(form_->menuBar(), {"&Help", item.item});
      QVERIFY(action != nullptr && action->isEnabled());
      action->trigger();
      QVERIFY(Browser() != nullptr && Browser()->isVisible());
      QCOMPARE(Browser()->CurrentPage(), QString(item.page));
      QCOMPARE(Browser()->CurrentAnchor(), QString(item.anchor));
      QVERIFY(!Browser()->browser()->toPlainText().isEmpty());
    }
    // One window serves them all, and Contents goes back to the index.
    QCOMPARE(form_->findChildren<THelpBrowser*>().size(), 1);
    Browser()->ContentsClick();
    QCOMPARE(Browser()->CurrentPage(), QString("index.html"));
  }

  // F1 in the Configuration dialog is its Help button: the page in front decides the topic.
  // A dialog without a Help button opens the topic of its caption.
  void F1InADialogOpensItsTopic() {
    TConfiguration* configuration = form_->Configuration();
    configuration->show();
    auto* tabs = configuration->findChild<QTabWidget*>();
    QVERIFY(tabs != nullptr);
    tabs->setCurrentWidget(configuration->FindPage<PunchPage>());
    QTest::keyClick(tabs->currentWidget(), Qt::Key_F1);
    QVERIFY(Browser() != nullptr);
    QCOMPARE(Browser()->CurrentPage(), QString("configuration.html"));
    QCOMPARE(Browser()->CurrentAnchor(), QString("idh_set_punch"));
    configuration->hide();

    QDialog layers(form_.get());
    layers.setWindowTitle("Layers");
    layers.show();
    QTest::keyClick(&layers, Qt::Key_F1);
    QCOMPARE(Browser()->CurrentPage(), QString("dialogs.html"));
    QCOMPARE(Browser()->CurrentAnchor(), QString("idh_layers"));
    QCOMPARE(DialogHelpTopic("Script:part.scr"), std::string("idh_script"));
    QCOMPARE(DialogHelpTopic("Untitled"), std::string());
  }

  void AboutNamesVersionAndLicence() {
    const QString about = AboutText();
    QVERIFY(about.contains(QRegularExpression("Vormak \\d+\\.\\d+\\.\\d+")));
    QVERIFY(about.contains("MIT License"));
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::HelpBrowserTest)
#include "help_browser_test.moc"
