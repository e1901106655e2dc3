// File and Edit menu commands of the main window, and choosing a machine.
#include <QFontDialog>

#include "plot/backplot.h"
#include "ui/configuration_dialog.h"
#include "ui/configuration_widgets.h"
#include "ui/machines_dialog.h"
#include "ui/main_form.h"
#include "ui/plot_widget.h"
#include "ui/sci_edit_control.h"
#include "workbench/machine_file.h"

namespace vormak {

void TMainForm::Configuration1Click() {
  configuration_->exec();
}

void TMainForm::Formats1Click() {
  machines_dialog_->exec();
}

void TMainForm::SelectMachine(int machine) {
  bench_->machines.current = machine;
  LoadMachineSettings(*bench_, machine);
  ClearBackplot(bench_->plot);
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
  ClearBackplot(bench_->plot);
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
