#include "ui/time_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cerrno>
#include <filesystem>

#include "cad/geometry_errors.h"
#include "interp/macro_out.h"
#include "interp/run_driver.h"
#include "interp/time_reports.h"
#include "ui/menu_dialogs.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr char kMacroOutCaption[] = "Macro Out";

// The menu toggle: either mode opens macout.nc in the working folder, or closes it when open.
void ToggleMacroOut(Workbench& bench, bool incremental) {
  if (MacroOutOpen(bench)) {
    CloseMacroOut(bench);
    bench.host().Information("Closing MACOUT.NC", kMacroOutCaption);
    return;
  }
  if (!OpenMacroOut(bench, "macout.nc")) {
    ReportSystemFileError(bench.host(), errno);
    return;
  }
  bench.interp.motion.macro_out_incremental = incremental;
  bench.host().Information("Saving Output to MACOUT.NC", kMacroOutCaption);
}

}  // namespace

TTime_Dialog::TTime_Dialog(Workbench& bench, QWidget* parent) : QDialog(parent), bench_(bench) {
  setWindowTitle("Time");
  auto* layout = new QVBoxLayout(this);
  reports_box = new QCheckBox("Insert Report After Every:", this);
  layout->addWidget(reports_box);
  auto* choices = new QGridLayout;
  m06_button = new QRadioButton("M06", this);
  t_button = new QRadioButton("T", this);
  text_button = new QRadioButton(this);
  text_button->setChecked(true);
  text_edit = new QLineEdit(this);
  choices->addWidget(m06_button, 0, 0);
  choices->addWidget(t_button, 1, 0);
  choices->addWidget(text_button, 2, 0);
  choices->addWidget(text_edit, 2, 1);
  layout->addLayout(choices);
  every_line_box = new QCheckBox("Insert on Every Line", this);
  total_box = new QCheckBox("Insert Total at End", this);
  layout->addWidget(every_line_box);
  layout->addWidget(total_box);
  layout->addWidget(OkCancel(this, [this] { OKClick(); }));
}

void TTime_Dialog::OKClick() {
  TimeDialogChoices choices;
  choices.reports = reports_box->isChecked();
  choices.after_m06 = m06_button->isChecked();
  choices.before_t = t_button->isChecked();
  choices.after_text = text_button->isChecked();
  choices.text = Bytes(text_edit->text());
  choices.every_line = every_line_box->isChecked();
  choices.total_at_end = total_box->isChecked();
  accept();
  RunTimeDialog(bench_, choices);
}

TMacro_Out::TMacro_Out(Workbench& bench, QWidget* parent) : QDialog(parent), bench_(bench) {
  setWindowTitle("Macro Out");
  auto* layout = new QVBoxLayout(this);
  file_edit = new QLineEdit(this);
  layout->addWidget(file_edit);
  absolute_button = new QRadioButton("Absolute", this);
  incremental_button = new QRadioButton("Incremental", this);
  absolute_button->setChecked(true);
  layout->addWidget(absolute_button);
  layout->addWidget(incremental_button);
  layout->addWidget(OkCancel(this, [this] { OKClick(); }));
}

void TMacro_Out::showEvent(QShowEvent* event) {
  // "m." and the NC file's extension, in the NC folder.
  std::string extension = std::filesystem::path(bench_.nc_file_name).extension().string();
  if (extension.empty()) extension = ".nc";
  file_edit->setText(
      Latin1((std::filesystem::path(bench_.settings.nc_path) / ("m" + extension)).string()));
  QDialog::showEvent(event);
}

void TMacro_Out::OKClick() {
  std::string name = Bytes(file_edit->text());
  if (name.find('/') == std::string::npos) {
    name = (std::filesystem::path(bench_.settings.nc_path) / name).string();
  }
  if (!OpenMacroOut(bench_, name)) {
    ReportSystemFileError(bench_.host(), errno);  // nothing is plotted
    return;
  }
  accept();
  const bool was_incremental = bench_.interp.motion.macro_out_incremental;
  bench_.interp.motion.macro_out_incremental = incremental_button->isChecked();
  ResetAndRun(bench_);
  CloseMacroOut(bench_);
  bench_.interp.motion.macro_out_incremental = was_incremental;
}

void AddTimeItems(QMenu* utilities2, QMenu* macro_out, Workbench& bench, QWidget* parent) {
  OpenDialogFrom<TTime_Dialog>(utilities2, "&Time...", bench, parent);
  OpenDialogFrom<TMacro_Out>(utilities2, "Macro Out...", bench, parent);
  if (macro_out == nullptr) return;
  for (QAction* item : macro_out->actions()) {
    const bool incremental = item->text() == "&Incremental";
    if (!incremental && item->text() != "&Absolute") continue;
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, parent,
                     [&bench, incremental] { ToggleMacroOut(bench, incremental); });
  }
}

}  // namespace vormak
