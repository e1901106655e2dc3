#pragma once
// The Utilities1 dialogs Rotate NC (a tool path turned about a centre, with rotated copies)
// and Reformat (the program rewritten for another registered machine). Each run is one undo
// step on the active pane and can be stopped with Escape.

#include "ui/utility_dialogs.h"

class QComboBox;
class QLabel;

namespace vormak {

class TRotate_NC : public UtilityDialog {
  Q_OBJECT
 public:
  explicit TRotate_NC(Workbench& bench, QWidget* parent = nullptr);
  void OKClick() override;

  QLineEdit* angle_edit;
  QComboBox* axis_box;
  QLineEdit* centre_edits[3];  // X, Y, Z
  QLineEdit* copies_edit;
  QCheckBox* leave_original_box;
};

class TReformat : public UtilityDialog {
  Q_OBJECT
 public:
  explicit TReformat(Workbench& bench, QWidget* parent = nullptr);
  void OKClick() override;

  QLabel* source_label;
  QComboBox* destination_box;  // the ten machine slots; item n - 1 is machine n

 protected:
  void Activate() override;
};

// Takes over "&Rotate NC..." and "R&eformat..." of `utilities1`.
void AddRotateReformatItems(QMenu* utilities1, Workbench& bench, QWidget* parent);

}  // namespace vormak
