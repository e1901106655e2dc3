#pragma once
// The Time dialog (Utilities2 "&Time..."), the Macro Out dialog (Utilities2 "Macro Out...") and
// the Edit Window "Macro &Out" toggle of the macout.nc file.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace vormak {

class Workbench;

class TTime_Dialog : public QDialog {
  Q_OBJECT
 public:
  explicit TTime_Dialog(Workbench& bench, QWidget* parent = nullptr);
  void OKClick();

  QCheckBox* reports_box;     // "Insert Report After Every:"
  QRadioButton* m06_button;   // "M06"
  QRadioButton* t_button;     // "T"
  QRadioButton* text_button;  // beside the text box
  QLineEdit* text_edit;
  QCheckBox* every_line_box;  // "Insert on Every Line"
  QCheckBox* total_box;       // "Insert Total at End"

 private:
  Workbench& bench_;
};

class TMacro_Out : public QDialog {
  Q_OBJECT
 public:
  explicit TMacro_Out(Workbench& bench, QWidget* parent = nullptr);
  void OKClick();

  QLineEdit* file_edit;
  QRadioButton* absolute_button;
  QRadioButton* incremental_button;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Workbench& bench_;
};

// Connects "&Time..." and "Macro Out..." of Utilities2 and "&Absolute" / "&Incremental" of the
// Edit Window's "Macro &Out" menu.
void AddTimeItems(QMenu* utilities2, QMenu* macro_out, Workbench& bench, QWidget* parent);

}  // namespace vormak
