#include "ui/comp_nc_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "interp/compensation.h"
#include "interp/compensation_geometry.h"
#include "nctext/expression.h"
#include "nctext/pane_services.h"
#include "settings/number_text.h"
#include "ui/configuration_widgets.h"
#include "ui/menu_dialogs.h"
#include "ui/utility_dialogs.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

int CurrentTurretIndex(const Workbench& bench) {
  return bench.interp.run.turret == 2 ? 1 : 0;
}

}  // namespace

TComp_NC::TComp_NC(Workbench& bench, QWidget* parent) : QDialog(parent), bench_(bench) {
  setWindowTitle("Comp NC");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  offset_edit = new QLineEdit("0", this);
  form->addRow("Offset Amount", offset_edit);
  layout->addLayout(form);
  auto* side = new QGroupBox("Side", this);
  auto* side_row = new QHBoxLayout(side);
  left_button = new QRadioButton("Left", side);
  right_button = new QRadioButton("Right", side);
  left_button->setChecked(true);
  side_row->addWidget(left_button);
  side_row->addWidget(right_button);
  layout->addWidget(side);
  auto* copies = new QFormLayout;
  times_edit = new QLineEdit("0", this);
  copies->addRow("Copy and Offset #Times", times_edit);
  layout->addLayout(copies);
  leave_box = new QCheckBox("Leave Original", this);
  layout->addWidget(leave_box);
  layout->addWidget(OkCancel(this, [this] { OKClick(); }));
}

void TComp_NC::OKClick() {
  CompNcRequest request;
  request.amount = ValueOf(offset_edit);
  request.side = right_button->isChecked() ? kRightSide : kLeftSide;
  const auto times = ReadWholeNumber(Bytes(times_edit->text()));
  request.times = times && *times > 0 ? static_cast<int>(std::min<long long>(*times, 1000)) : 0;
  request.leave_original = leave_box->isChecked();
  RunOnSelectedLines(*this, bench_,
                     [&](int pane, LineRange range) { RunCompNc(bench_, pane, range, request); });
}

TTool_Offset::TTool_Offset(Workbench& bench, QWidget* parent) : QDialog(parent), bench_(bench) {
  setWindowTitle("Tool Radius Offset");
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox("Add Offset to Tool Radius", this);
  auto* form = new QFormLayout(group);
  radius_label = new QLabel(group);
  form->addRow("Tool Radius is:", radius_label);
  add_edit = new QLineEdit(group);
  form->addRow("Amount to add:", add_edit);
  layout->addWidget(group);
  layout->addWidget(OkCancel(this, [this] { OKClick(); }));
}

void TTool_Offset::showEvent(QShowEvent* event) {
  const int t = CurrentTurretIndex(bench_);
  radius_label->setText(Latin1(PlainNumberText(bench_.tools.turret[t].nose_radius)));
  add_edit->setText(Latin1(PlainNumberText(bench_.interp.comp.radius_offset[t])));
  QDialog::showEvent(event);
}

void TTool_Offset::OKClick() {
  bench_.interp.comp.radius_offset[CurrentTurretIndex(bench_)] = ValueOf(add_edit);
  accept();
}

void AddCompensationItems(QMenu* utilities1, QMenu* cam, Workbench& bench, QWidget* parent) {
  OpenDialogFrom<TComp_NC>(utilities1, "Comp NC...", bench, parent);
  OpenDialogFrom<TTool_Offset>(cam, "&Offset...", bench, parent);
}

}  // namespace vormak
