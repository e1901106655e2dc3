#include "ui/help_browser.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#ifndef VORMAK_VERSION
#define VORMAK_VERSION "unknown"
#endif

namespace vormak {

QString AboutText() {
  return QString(
             "<h3>Vormak %1</h3>"
             "<p>A workbench for CNC part programs: NC editor, backplotter, NC utilities, "
             "2D drafting with tool paths and punch/read over a serial line, for mills, "
             "lathes, two-turret lathes and wire EDM machines.</p>"
             "<p>Licence: MIT License. The program is provided \"as is\", without warranty of "
             "any kind; see the LICENSE file installed with it.</p>"
             "<p>Built with Qt %2.</p>")
      .arg(VORMAK_VERSION, QT_VERSION_STR);
}

THelpBrowser::THelpBrowser(const QString& help_dir, QWidget* parent)
    : QWidget(parent, Qt::Window), help_dir_(help_dir) {
  setObjectName("HelpBrowser");
  setWindowTitle("Vormak Help");
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  auto* contents = new QToolButton(this);
  contents->setText("&Contents");
  back_ = new QToolButton(this);
  back_->setText("&Back");
  back_->setEnabled(false);
  forward_ = new QToolButton(this);
  forward_->setText("&Forward");
  forward_->setEnabled(false);
  row->addWidget(contents);
  row->addWidget(back_);
  row->addWidget(forward_);
  row->addStretch();
  layout->addLayout(row);

  browser_ = new QTextBrowser(this);
  browser_->setSearchPaths({help_dir_});
  // Links out of the help folder go to the desktop's browser; the pages stay in here.
  browser_->setOpenExternalLinks(true);
  layout->addWidget(browser_);

  connect(contents, &QToolButton::clicked, this, &THelpBrowser::ContentsClick);
  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? "Vormak Help" : "Vormak Help - " + title);
  });
  resize(720, 600);
}

void THelpBrowser::ShowPage(const QString& page, const QString& anchor) {
  const QString path = QDir(help_dir_).filePath(page);
  if (!QFileInfo::exists(path)) {
    browser_->setHtml("<h1>Help</h1><p>The help pages were not found in " +
                      help_dir_.toHtmlEscaped() + ".</p>");
  } else {
    QUrl url = QUrl::fromLocalFile(path);
    if (!anchor.isEmpty()) url.setFragment(anchor);
    browser_->setSource(url);
    if (!anchor.isEmpty()) browser_->scrollToAnchor(anchor);
  }
  // Opened from a modal dialog, the window must take input too: it becomes modal itself for as
  // long as it is shown, and plain again when opened from the main window.
  QWidget* modal = QApplication::activeModalWidget();
  const Qt::WindowModality wanted =
      modal != nullptr && modal != this ? Qt::ApplicationModal : Qt::NonModal;
  if (windowModality() != wanted) {
    hide();
    setWindowModality(wanted);
  }
  show();
  raise();
  activateWindow();
}

void THelpBrowser::ContentsClick() {
  ShowPage("index.html", {});
}

QString THelpBrowser::CurrentPage() const {
  return QFileInfo(browser_->source().toLocalFile()).fileName();
}

QString THelpBrowser::CurrentAnchor() const {
  return browser_->source().fragment();
}

}  // namespace vormak
