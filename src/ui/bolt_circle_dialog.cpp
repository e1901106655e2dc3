#include "ui/bolt_circle_dialog.h"

#include <QLineEdit>
#include <cmath>

#include "ui/configuration_widgets.h"
#include "ui/menu_dialogs.h"
#include "utilities/bolt_circle.h"
#include "workbench/workbench.h"

namespace vormak {

TBolt_Circle::TBolt_Circle(Workbench& bench, QWidget* parent)
    : UtilityDialog(bench, "Bolt Circle", parent) {
  centre_x_edit = AddEdit("Center X:", "0");
  centre_y_edit = AddEdit("Center Y:", "0");
  diameter_edit = AddEdit("Diameter:", "");
  holes_edit = AddEdit("Number of Holes:", "");
  start_angle_edit = AddEdit("Start Angle:", "0");
  cycle_edit = AddEdit("Drilling Cycle:", "", /*letters=*/true);
  cycle_edit->setPlaceholderText("G81 Z-.5 R.1 F10.");
  cycle_edit->setToolTip(
      "Written on the first hole's block, with G80 after the last; "
      "leave empty for plain positions");
  AddButtons("IDH_BOLT_CIRCLE");
}

void TBolt_Circle::OKClick() {
  BoltCircleRequest request;
  request.centre_x = ValueOf(centre_x_edit);
  request.centre_y = ValueOf(centre_y_edit);
  request.diameter = ValueOf(diameter_edit);
  const double holes = ValueOf(holes_edit);
  // A count that is not a whole number of holes is refused, not rounded.
  request.holes = holes == std::floor(holes) && std::fabs(holes) <= kMaxBoltHoles + 1
                      ? static_cast<int>(holes)
                      : 0;
  request.start_angle = ValueOf(start_angle_edit);
  request.cycle_line = Bytes(cycle_edit->text().trimmed());
  // A refused request keeps the dialog open with what was typed.
  if (InsertBoltCircle(bench_, request)) accept();
}

void AddBoltCircleItem(QMenu* utilities2, Workbench& bench, QWidget* parent) {
  OpenDialogFrom<TBolt_Circle>(utilities2, "Bolt Circle..", bench, parent);
}

}  // namespace vormak
