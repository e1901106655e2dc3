#pragma once
// The machinist's calculator: seven pages of shop-floor formulas and a running list of sums,
// in a window that stays open beside the editor.

#include <QDialog>
#include <QMap>

#include "calc/calc_list.h"
#include "calc/calc_pages.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTabWidget;
class QWidget;

namespace vormak {

class Workbench;

class Tcalcform : public QDialog {
  Q_OBJECT
 public:
  Tcalcform(Workbench& bench, QWidget* parent = nullptr);

  QTabWidget* Pages() const { return pages_; }
  // The field of a formula page by its letter; nullptr for none.
  QLineEdit* Field(const QString& page, const QString& key) const;
  QPushButton* Button(const QString& page, const QString& key) const;
  QLabel* Label(const QString& page, const QString& key) const;
  QLabel* Message(const QString& page) const { return messages_.value(page); }
  QLineEdit* CalcInput() const { return calc_input_; }
  QListWidget* CalcLines() const { return calc_lines_; }

  // A page's button pressed: the fields worked out, the labels read and the button in red.
  void FindButtonClick(const CalcPageDef& page, const CalcButtonDef& button);
  void CalcButtonClick();  // the Calc page's line entered
  void ClearButtonClick();
  void CopyButtonClick();
  void CalcListDblClick();

 private:
  QWidget* FormulaPage(const CalcPageDef& page);
  QWidget* ListPage();
  void AllBlack();

  Workbench& bench_;
  QTabWidget* pages_ = nullptr;
  QMap<QString, QLineEdit*> fields_;  // "page/key"
  QMap<QString, QLabel*> labels_;
  QMap<QString, QPushButton*> buttons_;
  QMap<QString, QLabel*> messages_;
  QLineEdit* calc_input_ = nullptr;
  QListWidget* calc_lines_ = nullptr;
  CalcList list_;
};

// "Calc&ulator..." of the CAM menu opens the calculator (made once, kept).
void AddCalculatorItem(QMenu* cam, Workbench& bench, QWidget* parent);

}  // namespace vormak
