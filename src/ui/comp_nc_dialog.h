#pragma once
// The "Comp NC" dialog of Utilities1, which rewrites the selected blocks for the cutter
// centre, and the "Tool Radius Offset" dialog of the CAM menu, which sets the radius the plot
// compensates G41/G42 moves by.

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace vormak {

class Workbench;

class TComp_NC : public QDialog {
  Q_OBJECT
 public:
  explicit TComp_NC(Workbench& bench, QWidget* parent = nullptr);
  void OKClick();

  QLineEdit* offset_edit;  // "Offset Amount"
  QRadioButton* left_button;
  QRadioButton* right_button;
  QLineEdit* times_edit;  // "Copy and Offset #Times"
  QCheckBox* leave_box;   // "Leave Original"

 private:
  Workbench& bench_;
};

class TTool_Offset : public QDialog {
  Q_OBJECT
 public:
  explicit TTool_Offset(Workbench& bench, QWidget* parent = nullptr);
  void OKClick();

  QLabel* radius_label;  // "Tool Radius is:" and the nose radius
  QLineEdit* add_edit;   // "Amount to add:"

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Workbench& bench_;
};

// Opens the dialogs from the Utilities1 item "Comp NC..." and the CAM item "&Offset...".
void AddCompensationItems(QMenu* utilities1, QMenu* cam, Workbench& bench, QWidget* parent);

}  // namespace vormak
