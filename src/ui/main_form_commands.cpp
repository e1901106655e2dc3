// File and Edit menu commands of the main window, and choosing a machine.
#include <QFontDialog>

#include "settings/machine_file.h"
#include "ui/configuration_dialog.h"
#include "ui/configuration_widgets.h"
#include "ui/machines_dialog.h"
#include "ui/main_form.h"
#include "ui/plot_widget.h"
#include "ui/sci_edit_control.h"

namespace vormak {

std::string TMainForm::NcFilter() const {
  const std::string ext =
      bench_->settings.nc_extension.empty() ? "nc" : bench_->settings.nc_extension;
  return "NC Files (*." + ext + ")|*." + ext + "|All files (*.*)|*.*";
}

bool TMainForm::LoadNc1Click() {
  if (!ConfirmDiscard()) return false;
  FileDialogRequest request;
  request.caption = "Load NC File";
  request.initial_dir = bench_->settings.nc_path;
  request.filter = NcFilter();
  request.default_ext = bench_->settings.nc_extension;
  const auto path = host_.OpenFileDialog(request);
  return path && LoadNcFile(*path);
}

bool TMainForm::LoadNcFile(const std::string& path) {
  try {
    ledit1_->LoadFile(path);
  } catch (const EditError&) {
    host_.Information("Cannot open " + path, "File Error");
    return false;
  }
  bench_->nc_file_name = path;
  UpdateCaption();
  UpdateModifiedPanel();
  return true;
}

bool TMainForm::SaveNc1Click() {
  if (bench_->nc_file_name.empty()) return SaveAs1Click();
  try {
    ledit1_->SaveFile(bench_->nc_file_name);
  } catch (const EditError&) {
    host_.Information("Cannot save " + bench_->nc_file_name, "File Error");
    return false;
  }
  UpdateModifiedPanel();
  return true;
}

bool TMainForm::SaveAs1Click() {
  FileDialogRequest request;
  request.caption = "Save NC File As";
  request.initial_dir = bench_->settings.nc_path;
  request.filter = NcFilter();
  request.default_ext = bench_->settings.nc_extension;
  request.file_name = bench_->nc_file_name;
  const auto path = host_.SaveFileDialog(request);
  if (!path) return false;
  const std::string previous = bench_->nc_file_name;
  bench_->nc_file_name = *path;
  if (!SaveNc1Click()) {
    bench_->nc_file_name = previous;
    return false;
  }
  UpdateCaption();
  return true;
}

void TMainForm::Configuration1Click() {
  configuration_->exec();
}

void TMainForm::Formats1Click() {
  machines_dialog_->exec();
}

void TMainForm::SelectMachine(int machine) {
  bench_->machines.current = machine;
  LoadMachineSettings(*bench_, machine);
  ApplySettingsToWindow();
  if (QAction* action = MachineAction(machine)) action->setChecked(true);
  paint_box_->SelectView(kTopSlot);
  paint_box_->RedrawPlot();
}

void TMainForm::Font1Click() {
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, ledit1_->font(), this, "Font");
  if (!ok) return;
  auto& s = bench_->settings;
  s.font_name = Bytes(font.family());
  s.font_size = font.pointSize() > 0 ? font.pointSize() : s.font_size;
  s.font_style = {font.bold(), font.italic(), font.underline(), font.strikeOut()};
  ApplySettingsToWindow();
  SaveEditorFont(*bench_);
}

void TMainForm::New1Click() {
  if (!ConfirmDiscard()) return;
  EditControl* pane = ActivePane();
  pane->ClearAll();
  pane->EmptyUndoBuffer();
  pane->ClearModified();
  if (pane == ledit1_) bench_->nc_file_name.clear();
  UpdateCaption();
  UpdateModifiedPanel();
}

void TMainForm::BookmarkOnClick() {
  EditControl* pane = ActivePane();
  const int line = pane->GetSelection().end.line;
  for (int n = 0; n < kBookmarkCount; ++n) {
    if (pane->BookmarkLine(n) == line) return;  // already marked
  }
  for (int n = 0; n < kBookmarkCount; ++n) {
    if (pane->BookmarkLine(n) == 0) {
      pane->SetBookmark(n, line);
      return;
    }
  }
  host_.Beep();  // all ten in use
}

void TMainForm::BookmarkOffClick() {
  EditControl* pane = ActivePane();
  const int line = pane->GetSelection().end.line;
  for (int n = 0; n < kBookmarkCount; ++n) {
    if (pane->BookmarkLine(n) == line) pane->SetBookmark(n, 0);
  }
}

void TMainForm::BookmarkRemoveAllClick() {
  EditControl* pane = ActivePane();
  for (int n = 0; n < kBookmarkCount; ++n) pane->SetBookmark(n, 0);
}

void TMainForm::UndoAllClick() {
  EditControl* pane = ActivePane();
  // Bounded by the undo depth, so a control that never stops answering CanUndo cannot hang.
  for (int i = 0; i <= pane->UndoDepth() && pane->CanUndo(); ++i) pane->Undo();
}

}  // namespace vormak
