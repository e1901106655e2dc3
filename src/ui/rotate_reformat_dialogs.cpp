#include "ui/rotate_reformat_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "nctext/status_services.h"
#include "ui/configuration_widgets.h"
#include "ui/menu_dialogs.h"
#include "utilities/reformat.h"
#include "utilities/rotate_nc.h"
#include "workbench/workbench.h"

namespace vormak {

// ---- Rotate NC --------------------------------------------------------------------------

TRotate_NC::TRotate_NC(Workbench& bench, QWidget* parent)
    : UtilityDialog(bench, "Rotate NC", parent) {
  angle_edit = AddEdit("Rotation Angle:", "0");
  axis_box = new QComboBox(this);
  axis_box->addItems({"X", "Y", "Z"});
  axis_box->setCurrentIndex(2);
  form_->addRow("Rotation Axis:", axis_box);
  auto* centre = new QHBoxLayout;
  for (int axis = 0; axis < 3; ++axis) {
    centre->addWidget(new QLabel(QString(QChar("XYZ"[axis])), this));
    centre_edits[axis] = new QLineEdit("0", this);
    centre->addWidget(centre_edits[axis]);
  }
  form_->addRow("Center of Rotation:", centre);
  copies_edit = AddEdit("Copy and Rotate #Times:", "0");
  leave_original_box = AddCheck("Leave Original");
  AddButtons("IDH_xform_rotate_nc");
}

void TRotate_NC::OKClick() {
  RotateRequest request;
  request.angle = ValueOf(angle_edit);
  request.axis = "XYZ"[std::clamp(axis_box->currentIndex(), 0, 2)];
  request.x0 = ValueOf(centre_edits[0]);
  request.y0 = ValueOf(centre_edits[1]);
  request.z0 = ValueOf(centre_edits[2]);
  const int copies = static_cast<int>(std::clamp(ValueOf(copies_edit), 0.0, 10000.0));
  const bool leave_original = leave_original_box->isChecked();
  if (copies > 0 && !HasSelection(bench_, Pane())) {
    // Copies are made of selected lines only.
    accept();
    ClearPrompt(bench_);
    return;
  }
  RunAsOneStep([&](int pane, LineRange range) {
    RotateCopies(bench_, pane, range, request, copies, leave_original);
  });
}

// ---- Reformat ---------------------------------------------------------------------------

TReformat::TReformat(Workbench& bench, QWidget* parent) : UtilityDialog(bench, "Reformat", parent) {
  source_label = new QLabel(this);
  form_->addRow("Current Source Format is:", source_label);
  destination_box = new QComboBox(this);
  destination_box->setMinimumContentsLength(24);
  form_->addRow("Destination Format:", destination_box);
  AddButtons();
}

void TReformat::Activate() {
  const int current = bench_.machines.current;
  source_label->setText(Latin1(bench_.machines.Slot(current).name));
  destination_box->clear();
  for (int machine = 1; machine <= kMachineSlots; ++machine) {
    destination_box->addItem(Latin1(bench_.machines.Slot(machine).name));
  }
  destination_box->setCurrentIndex(current - 1);
}

void TReformat::OKClick() {
  const int target = destination_box->currentIndex() + 1;
  RunAsOneStep([&](int pane, LineRange) { ReformatRange(bench_, pane, target); });
}

void AddRotateReformatItems(QMenu* utilities1, Workbench& bench, QWidget* parent) {
  OpenDialogFrom<TRotate_NC>(utilities1, "&Rotate NC...", bench, parent);
  OpenDialogFrom<TReformat>(utilities1, "R&eformat...", bench, parent);
}

}  // namespace vormak
