#include "ui/configuration_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/configuration_pages.h"
#include "ui/configuration_widgets.h"
#include "workbench/machine_file.h"
#include "workbench/workbench.h"

namespace vormak {

TConfiguration::TConfiguration(Workbench& bench, QWidget* parent) : QDialog(parent), bench_(bench) {
  setObjectName("Configuration");
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  const std::pair<ConfigPage*, const char*> pages[] = {
      {new DirectoriesPage(this), "Directories"},
      {new FormatPage(this), "Format"},
      {new PlottingPage(bench, this), "Plotting"},
      {new AxisPage(this), "Axis/Rotary"},
      {new MacrosPage(this), "Macros"},
      {new FeedratesPage(this), "Feedrates"},
      {new TimePage(this), "Time"},
      {new ToolsPage(this), "Tools"},
      {new MachinePage(this), "Machine"},
      {new ScreenPage(this), "Screen"},
      {new EditorPage(bench, this), "Editor"},
      {new PunchPage(this), "Punch"},
      {new SyntaxPage(this), "Syntax"},
      {new ToolboxPage(this), "Toolbox"},
  };
  for (const auto& [page, caption] : pages) {
    pages_.push_back(page);
    tabs_->addTab(page, caption);
  }
  layout->addWidget(tabs_);

  auto* buttons = new QDialogButtonBox(this);
  auto* temporary = buttons->addButton("&Temporary", QDialogButtonBox::ApplyRole);
  auto* save = buttons->addButton("&Save", QDialogButtonBox::AcceptRole);
  buttons->addButton(QDialogButtonBox::Cancel);
  auto* help = buttons->addButton("Help", QDialogButtonBox::HelpRole);
  temporary->setObjectName("Temporary");
  save->setObjectName("Save");
  help->setObjectName("Help");
  layout->addWidget(buttons);
  connect(temporary, &QPushButton::clicked, this, &TConfiguration::TemporaryClick);
  connect(save, &QPushButton::clicked, this, &TConfiguration::SaveClick);
  connect(help, &QPushButton::clicked, this, &TConfiguration::HelpClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TConfiguration::showEvent(QShowEvent* event) {
  Fill();
  if (toolbox_first_) {
    tabs_->setCurrentWidget(FindPage<ToolboxPage>());
    toolbox_first_ = false;
  }
  QDialog::showEvent(event);
}

void TConfiguration::Fill() {
  const int machine = bench_.machines.current;
  const std::string name =
      machine >= 1 && machine <= kMachineSlots ? bench_.machines.Slot(machine).name : "";
  setWindowTitle("Configuration - " + Latin1(name));
  for (auto* page : pages_) page->Fill(bench_);
}

void TConfiguration::Apply() {
  for (auto* page : pages_) page->Apply(bench_);
  const int machine = bench_.machines.current;
  if (machine >= 1 && machine <= kMachineSlots) {
    bench_.machines.Slot(machine).name = bench_.settings.machine_name;
  }
  ApplyMachineSettings(bench_);
  emit SettingsApplied();
}

void TConfiguration::TemporaryClick() {
  Apply();
  accept();
}

void TConfiguration::SaveClick() {
  Apply();
  SaveMachineSettings(bench_);
  accept();
}

void TConfiguration::HelpClick() {
  if (auto* page = dynamic_cast<ConfigPage*>(tabs_->currentWidget())) {
    bench_.host().OpenHelp("vormak2.hlp", page->HelpTopic());
  }
}

}  // namespace vormak
