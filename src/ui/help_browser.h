#pragma once
// The help window: the shipped HTML pages in a browser of their own, with Contents, Back and
// Forward. One window serves every Help button and menu item; it stays open beside the work.

#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace vormak {

// The About box's text: program, version, what it is for and its licence.
QString AboutText();

class THelpBrowser : public QWidget {
  Q_OBJECT
 public:
  // `help_dir`: the folder holding index.html and the other pages.
  THelpBrowser(const QString& help_dir, QWidget* parent = nullptr);

  // Shows `page` of the help folder at `anchor` (empty: its top) and brings the window up.
  void ShowPage(const QString& page, const QString& anchor);
  void ContentsClick();

  QTextBrowser* browser() const { return browser_; }
  // The page file shown and its anchor.
  QString CurrentPage() const;
  QString CurrentAnchor() const;

 private:
  QString help_dir_;
  QTextBrowser* browser_ = nullptr;
  QToolButton* back_ = nullptr;
  QToolButton* forward_ = nullptr;
};

}  // namespace vormak
