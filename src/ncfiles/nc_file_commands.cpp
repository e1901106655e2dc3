// The File menu's NC commands: Load NC, Save NC, Save As, Save Selection and Merge, with
// their dialogs and prompts.
#include <algorithm>
#include <cerrno>

#include "cad/geometry_errors.h"
#include "ncfiles/nc_file_names.h"
#include "ncfiles/nc_files.h"
#include "ncfiles/twin_turret.h"
#include "nctext/edit_control.h"
#include "nctext/line_batch.h"
#include "nctext/status_services.h"
#include "nctext/text_file_io.h"
#include "plot/backplot.h"
#include "settings/file_access.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr const char* kMessageCaption = "Vormak";

// The folder of the program in pane 1, or the NC directory for a new program.
std::string InitialNcDirectory(const Workbench& bench) {
  const std::string& name = bench.nc_file_name;
  if (name.empty()) return bench.settings.nc_path;
  const size_t name_length = FileNamePart(name).size();
  return name.substr(0, name.size() - name_length);
}

FileDialogRequest NcDialog(const Workbench& bench, const char* caption, std::string initial_dir,
                           bool default_ext) {
  FileDialogRequest request;
  request.caption = caption;
  request.initial_dir = std::move(initial_dir);
  request.filter = NcFileFilter(bench.settings.nc_extension);
  request.filter_index = 1;
  if (default_ext) request.default_ext = bench.settings.nc_extension;
  request.file_name = bench.nc_file_name;
  return request;
}

bool TwinTurrets(const Workbench& bench) {
  return bench.settings.twin_turrets;
}

bool PaneModified(Workbench& bench, int pane) {
  const EditControl* control = bench.Pane(pane);
  return control != nullptr && control->IsModified();
}

void Call(const std::function<void()>& hook) {
  if (hook) hook();
}

// Writes lines first..last of the pane, each ended by CR LF, through a scratch file. False
// when the write failed (shown) or Escape stopped it; the target is then as it was.
bool WriteSelection(Workbench& bench, const EditControl& pane, int first, int last,
                    const std::string& target) {
  try {
    ReplacingFileWriter out(target);
    LineProgress progress(bench, "Saving Selection", {first, last});
    for (int n = first; n <= last; ++n) {
      if (EscapePending(bench)) return false;
      progress.At(n);
      out.Write(pane.GetLine(n));
      out.Write("\r\n", 2);
    }
    out.Commit();
  } catch (const EditError& failure) {
    ReportFileFailure(bench.host(), failure);
    return false;
  }
  return true;
}

}  // namespace

bool ConfirmEditorSaved(Workbench& bench, const NcFileHooks& hooks, bool save_as) {
  if (!PaneModified(bench, 1) && !PaneModified(bench, 2)) return true;
  if (bench.host().Question(kEditorNotSaved, kEditorNotSavedCaption, false) != Answer::kYes) {
    return true;
  }
  // The edits are not thrown away when the save did not happen.
  return save_as ? SaveNcAs(bench, hooks) : SaveNc(bench, hooks);
}

bool LoadNc(Workbench& bench, const NcFileHooks& hooks) {
  if (!ConfirmEditorSaved(bench, hooks, false)) return false;
  const auto path = bench.host().OpenFileDialog(
      NcDialog(bench, "Open NC", InitialNcDirectory(bench), /*default_ext=*/true));
  if (!path) return false;
  return OpenNcFile(bench, hooks, *path);
}

bool OpenNcFile(Workbench& bench, const NcFileHooks& hooks, const std::string& path) {
  const std::string previous = bench.nc_file_name;
  bench.nc_file_name = path;
  ShowPrompt(bench, "Loading NC");
  const bool loaded = LoadNCFile(bench, path);
  ShowPrompt(bench, (loaded ? "Loaded: " : "Cant Load: ") + path);
  if (!loaded) {
    // The pane still holds the old program: it keeps its own name, so a later Save NC cannot
    // write it over the file that failed to load.
    bench.nc_file_name = previous;
    return false;
  }
  if (hooks.add_recent) hooks.add_recent(path);
  Call(hooks.caption);
  // The path on the screen is the old program's: it goes at the next redraw.
  ClearBackplot(bench.plot);
  for (int pane = 1; pane <= 2; ++pane) {
    EditControl* control = bench.Pane(pane);
    for (int k = 0; k < kBookmarkCount; ++k) control->SetBookmark(k, 0);
    control->ClearModified();
  }
  Call(hooks.modified_panel);
  Call(hooks.outline);
  return true;
}

bool SaveNc(Workbench& bench, const NcFileHooks& hooks) {
  if (bench.nc_file_name.empty()) return SaveNcAs(bench, hooks);
  bool saved = false;
  if (TwinTurrets(bench)) {
    saved = SaveTwinTurretFile(bench, bench.nc_file_name);
    if (saved) Call(hooks.modified_panel);
  } else {
    saved = SaveNCFile(bench, hooks);
  }
  if (saved && hooks.add_recent) hooks.add_recent(bench.nc_file_name);
  return saved;
}

bool SaveNcAs(Workbench& bench, const NcFileHooks& hooks) {
  const auto chosen = bench.host().SaveFileDialog(
      NcDialog(bench, "Save NC As", InitialNcDirectory(bench), /*default_ext=*/false));
  if (!chosen) return false;
  const std::string name = WithNcExtension(*chosen, bench.settings.nc_extension);
  EditControl* pane = bench.Pane(1);
  if (TwinTurrets(bench)) {
    if (!SaveTwinTurretFile(bench, name)) return false;
  } else {
    // A read-only file is refused before its backup is made: renaming it away first would
    // let the save replace it after all.
    if (ReadOnlyCheck(bench.host(), 1, name)) {
      ClearPrompt(bench);
      return false;
    }
    BackupBeforeSave(bench, name);
    try {
      pane->SaveFile(name);
    } catch (const EditError& failure) {
      ReportFileFailure(bench.host(), failure);
      ClearPrompt(bench);
      return false;
    }
    pane->ClearModified();
  }
  bench.nc_file_name = name;
  Call(hooks.caption);
  Call(hooks.modified_panel);
  ShowPrompt(bench, "Saved NC: " + name + " (" + LineBreakName(pane->GetLineBreakStyle()) + ")");
  if (hooks.add_recent) hooks.add_recent(name);
  return true;
}

bool SaveNcSelection(Workbench& bench, const NcFileHooks&) {
  FileDialogRequest request =
      NcDialog(bench, "Save Selection", bench.settings.nc_path, /*default_ext=*/true);
  const auto target = bench.host().SaveFileDialog(request);
  if (!target) return false;
  if (bench.nctext.reset_run_state) bench.nctext.reset_run_state();
  ShowPrompt(bench, "Saving Selection");
  const int pane_number = bench.active_pane;
  const EditControl* pane = bench.Pane(pane_number);
  if (pane == nullptr) return false;
  const TextSelection selection = pane->GetSelection();
  const int first = std::min(selection.start.line, selection.end.line);
  const int last = std::max(selection.start.line, selection.end.line);
  if (first == last) {
    bench.host().Information(kNoLinesSelected, kMessageCaption);
    return false;
  }
  // Creating a file over a read-only one is refused by the system, as it would be here
  // without the scratch file the lines are written to first.
  if (IsReadOnlyFile(*target)) {
    ReportSystemFileError(bench.host(), EACCES);
    return false;
  }
  BackupBeforeSave(bench, *target);
  bench.stop_requested = false;
  if (!WriteSelection(bench, *pane, first, last, *target)) {
    ClearPrompt(bench);
    return false;
  }
  ShowPrompt(bench, "Saved: " + *target);
  return true;
}

bool MergeNc(Workbench& bench, const NcFileHooks&) {
  FileDialogRequest request =
      NcDialog(bench, "Merge NC File", bench.settings.nc_path, /*default_ext=*/true);
  const auto path = bench.host().OpenFileDialog(request);
  if (!path) return false;
  return MergeNCFile(bench, *path);
}

}  // namespace vormak
