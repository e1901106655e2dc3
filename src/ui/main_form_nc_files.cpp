// The NC file commands of the main window (File > Edit Window), the recent-files list, and
// Utilities2 "Check Synta&x".
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "cad/drawing_commands.h"
#include "interp/syntax_check.h"
#include "ncfiles/file_checks.h"
#include "nctext/text_functions.h"
#include "settings/ini_file.h"
#include "ui/configuration_widgets.h"
#include "ui/main_form.h"
#include "ui/plot_widget.h"
#include "ui/sci_edit_control.h"
#include "ui/sequence_outline_view.h"
#include "ui/window_state.h"
#include "workbench/machine_file.h"

namespace vormak {

NcFileHooks TMainForm::NcHooks() {
  if (!bench_->nctext.focus_pane) {
    bench_->nctext.focus_pane = [this](int pane) { (pane == 2 ? ledit2_ : ledit1_)->setFocus(); };
  }
  NcFileHooks hooks;
  hooks.caption = [this] { UpdateCaption(); };
  hooks.add_recent = [this](const std::string& path) { AddRecentFile(path); };
  hooks.modified_panel = [this] { UpdateModifiedPanel(); };
  hooks.outline = [this] { outline_->Rebuild(); };
  return hooks;
}

DrawingCommandHooks TMainForm::DrawingHooks() {
  DrawingCommandHooks hooks;
  hooks.redraw = [this] { paint_box_->update(); };
  hooks.caption = [this] { UpdateCaption(); };
  hooks.add_recent = [this](const std::string& name) { AddRecentFile(name); };
  return hooks;
}

bool TMainForm::LoadNc1Click() {
  return LoadNc(*bench_, NcHooks());
}

// A file named on the command line or recalled from the last session; a missing one is
// passed over without a message.
bool TMainForm::LoadNcFile(const std::string& path) {
  if (!LoadNCFile(*bench_, path, /*starting_up=*/true)) return false;
  bench_->nc_file_name = path;
  UpdateCaption();
  UpdateModifiedPanel();
  outline_->Rebuild();
  return true;
}

bool TMainForm::SaveNc1Click() {
  return SaveNc(*bench_, NcHooks());
}

bool TMainForm::SaveAs1Click() {
  return SaveNcAs(*bench_, NcHooks());
}

bool TMainForm::SaveSelect1Click() {
  return SaveNcSelection(*bench_, NcHooks());
}

bool TMainForm::Merge1Click() {
  return MergeNc(*bench_, NcHooks());
}

void TMainForm::CheckSyntax1Click() {
  CheckSyntaxCommand(*bench_);
}

void TMainForm::AddRecentFile(const std::string& path) {
  recent_files_.Add(path);
  BuildRecentMenu();
}

void TMainForm::RecentFileClick(const std::string& path) {
  const bool drawing = RecentKindOf(path) != RecentKind::kNc;
  // A file moved or deleted since is said so and taken off the list; what is on the screen
  // stays.
  const std::string problem =
      FileOpenProblem(path, drawing ? FileKind::kDrawing : FileKind::kNcProgram);
  if (!problem.empty()) {
    recent_files_.Remove(path);
    BuildRecentMenu();
    host_.Information(problem, "Recent Files");
    return;
  }
  if (drawing) {
    LoadCadFile(*bench_, DrawingHooks(), path);
    return;
  }
  const NcFileHooks hooks = NcHooks();
  if (!ConfirmEditorSaved(*bench_, hooks, /*save_as=*/true)) return;
  OpenNcFile(*bench_, hooks, path);
}

bool TMainForm::DropFile(const std::string& path) {
  // DXF and IGES drawings are drawings too, as on the recent-files list: read into the editor
  // they would only be a screenful of numbers.
  const bool drawing =
      UpperText(path).find(".CDL") != std::string::npos || RecentKindOf(path) != RecentKind::kNc;
  // A dropped folder or picture is refused before the program on the screen is touched.
  const std::string problem =
      FileOpenProblem(path, drawing ? FileKind::kDrawing : FileKind::kNcProgram);
  if (!problem.empty()) {
    host_.Information(problem, "Vormak");
    return false;
  }
  if (drawing) {
    return LoadCadFile(*bench_, DrawingHooks(), path);
  }
  // Unsaved edits are not dropped along with the old program.
  const NcFileHooks hooks = NcHooks();
  if (!ConfirmEditorSaved(*bench_, hooks, /*save_as=*/false)) return false;
  return OpenNcFile(*bench_, hooks, path);
}

void TMainForm::AcceptDroppedFiles() {
  setAcceptDrops(true);
  installEventFilter(this);
  for (SciEditControl* pane : {ledit1_, ledit2_}) pane->viewport()->installEventFilter(this);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  const bool drag = event->type() == QEvent::DragEnter;
  const bool drop = event->type() == QEvent::Drop;
  if (drag || drop) {
    auto* drop_event = static_cast<QDropEvent*>(event);
    const QMimeData* data = drop_event->mimeData();
    if (data != nullptr && data->hasUrls() && data->urls().front().isLocalFile()) {
      drop_event->acceptProposedAction();
      if (drop) DropFile(Bytes(data->urls().front().toLocalFile()));
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::BuildRecentMenu() {
  if (recent_menu_ == nullptr) return;
  recent_menu_->clear();
  const std::vector<std::string>& paths = recent_files_.paths();
  const std::vector<std::string> captions = recent_files_.Captions();
  for (size_t i = 0; i < paths.size(); ++i) {
    // The caption's "&" marks the key; one in the path itself is shown as it is.
    QString caption = Latin1(captions[i].substr(0, 3)) + Latin1(paths[i]).replace("&", "&&");
    QAction* action = recent_menu_->addAction(caption);
    const std::string path = paths[i];
    connect(action, &QAction::triggered, this, [this, path] { RecentFileClick(path); });
  }
  recent_menu_->setEnabled(!paths.empty());
}

void TMainForm::ReadRecentFiles() {
  IniFile ini;
  if (ini.Load(bench_->locations.MainIniPath())) recent_files_.Read(ini);
  BuildRecentMenu();
}

void TMainForm::RestoreToolbars() {
  if (!bench_->settings.save_toolbar_pos) return;
  IniFile ini;
  if (ini.Load(bench_->locations.MainIniPath())) RestoreToolbarPositions(this, ini);
}

void TMainForm::WriteRecentFiles() {
  // A window that never found its settings folder has no list of its own to keep.
  if (bench_->locations.config_dir.empty()) return;
  const std::string path = bench_->locations.MainIniPath();
  IniFile ini;
  ini.Load(path);
  recent_files_.Write(ini);
  if (bench_->settings.save_toolbar_pos) SaveToolbarPositions(this, ini);
  std::string error;
  if (!ini.Save(path, error)) host_.Information(kCantOpenIni + path + "\r\n" + error, "Vormak");
}

}  // namespace vormak
