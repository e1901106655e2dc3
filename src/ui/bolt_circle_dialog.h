#pragma once
// Utilities2 "Bolt Circle..": centre, diameter, number of holes, start angle and an optional
// drilling cycle line; OK writes the holes as blocks at the caret, one undo step.

#include "ui/utility_dialogs.h"

class QMenu;

namespace vormak {

class TBolt_Circle : public UtilityDialog {
  Q_OBJECT
 public:
  explicit TBolt_Circle(Workbench& bench, QWidget* parent = nullptr);
  void OKClick() override;

  QLineEdit* centre_x_edit;
  QLineEdit* centre_y_edit;
  QLineEdit* diameter_edit;
  QLineEdit* holes_edit;
  QLineEdit* start_angle_edit;
  QLineEdit* cycle_edit;
};

// Enables the menu's "Bolt Circle.." item and opens the dialog from it.
void AddBoltCircleItem(QMenu* utilities2, Workbench& bench, QWidget* parent);

}  // namespace vormak
