#include "ui/machines_dialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/configuration_widgets.h"
#include "workbench/machine_file.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

constexpr const char* kMachineFilter = "NC Files (*.INI)|*.INI|All files (*.*)|*.*";

}  // namespace

TMachines::TMachines(Workbench& bench, QWidget* parent) : QDialog(parent), bench_(bench) {
  setObjectName("Machines");
  setWindowTitle("Machines");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Machine Format Files on Menu:", this));
  auto* row = new QHBoxLayout;
  list_ = new QListWidget(this);
  row->addWidget(list_);
  auto* side = new QVBoxLayout;
  auto* add = new QPushButton("Add...", this);
  auto* remove = new QPushButton("Remove", this);
  auto* create = new QPushButton("New...", this);
  side->addWidget(add);
  side->addWidget(remove);
  side->addWidget(create);
  side->addStretch();
  row->addLayout(side);
  layout->addLayout(row);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  connect(add, &QPushButton::clicked, this, &TMachines::AddClick);
  connect(remove, &QPushButton::clicked, this, &TMachines::RemoveClick);
  connect(create, &QPushButton::clicked, this, &TMachines::NewClick);
  connect(buttons, &QDialogButtonBox::accepted, this, &TMachines::OkClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  resize(520, 300);
}

void TMachines::showEvent(QShowEvent* event) {
  Fill();
  QDialog::showEvent(event);
}

void TMachines::Fill() {
  list_->clear();
  for (int machine = 1; machine <= kMachineSlots; ++machine) {
    const auto& path = bench_.machines.Slot(machine).path;
    if (!path.empty()) list_->addItem(Latin1(path));
  }
}

void TMachines::AddPath(const std::string& path) {
  std::vector<std::string> entries;
  for (int i = 0; i < list_->count(); ++i) entries.push_back(Bytes(list_->item(i)->text()));
  if (AddMachineEntry(bench_.host(), entries, path)) list_->addItem(Latin1(entries.back()));
}

void TMachines::AddClick() {
  // A full list says so before anyone browses for a file.
  if (list_->count() >= kMachineSlots) {
    std::vector<std::string> full(static_cast<size_t>(kMachineSlots));
    AddMachineEntry(bench_.host(), full, "");
    return;
  }
  FileDialogRequest request;
  request.caption = "Load";
  request.initial_dir = bench_.locations.install_dir;
  request.filter = kMachineFilter;
  request.default_ext = "INI";
  if (const auto path = bench_.host().OpenFileDialog(request)) AddPath(*path);
}

void TMachines::RemoveClick() {
  delete list_->currentItem();
}

void TMachines::NewClick() {
  FileDialogRequest request;
  request.caption = "Create New Machine";
  request.initial_dir = bench_.locations.install_dir;
  request.filter = kMachineFilter;
  request.default_ext = "INI";
  const auto path = bench_.host().SaveFileDialog(request);
  if (!path) return;
  QFile file(Latin1(*path));
  if (!file.open(QIODevice::WriteOnly)) {
    bench_.host().Information("Cannot create " + *path + "\r\n" + Bytes(file.errorString()),
                              "Vormak");
  }
}

void TMachines::OkClick() {
  std::vector<std::string> paths;
  for (int i = 0; i < list_->count(); ++i) paths.push_back(Bytes(list_->item(i)->text()));
  WriteMachineList(bench_, paths);
  emit MachineListChanged();
  accept();
}

}  // namespace vormak
