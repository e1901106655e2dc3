#pragma once
// The NC program of the main pane on disk: loading, saving (backup, revision, date stamp),
// saving a selection, merging a file at the caret, and the File menu commands around them.
// A save writes a scratch file beside the target and renames it over the target only once
// it is complete, so a full disk or a crash never leaves a half-written program.

#include <exception>
#include <functional>
#include <string>

namespace vormak {

class Host;
class Workbench;

inline constexpr const char* kEditorNotSaved =
    "Editor File Has Not Been Saved\r\nDo You Want to Save?";
inline constexpr const char* kEditorNotSavedCaption = "Edit Text Modified,";
inline constexpr const char* kReadOnlyTarget =
    "Existing File is Read Only\r\nMust Save by Different Name";
inline constexpr const char* kReadOnlyBackup = "Error: Backup File is Set To Read Only";
inline constexpr const char* kNoLinesSelected = "No Lines Selected in Editor";

// What the window does around the commands.
struct NcFileHooks {
  std::function<void()> caption;                       // rebuilt after a load or save
  std::function<void(const std::string&)> add_recent;  // a loaded or saved file enters the list
  std::function<void()> modified_panel;                // shown again after a load or save
  std::function<void()> outline;                       // the sequence outline, rebuilt after a load
};

// A failure of the pane or the file system while reading or writing, shown to the user: the
// file error table's text for the system's error, else the control's own message.
void ReportFileFailure(Host& host, const std::exception& failure);
// The whole file into `bytes`, tried once more when the first read fails (a file still being
// written by another program); false, with the failure shown, when the second try fails too.
bool ReadFileOnceMore(Host& host, const std::string& path, std::string& bytes);

// The file exists and its owner may not write it (the read-only attribute).
bool IsReadOnlyFile(const std::string& path);

// kind 1: the file to be written; kind 2: its backup. True (refused, message shown) when the
// file exists and is read-only.
bool ReadOnlyCheck(Host& host, int kind, const std::string& path);

// With "Save Backup Files" on, renames the file at `path` to its backup name, replacing an
// older backup that is not read-only. Failures are shown; the save goes on regardless.
void BackupBeforeSave(Workbench& bench, const std::string& path);

// Reads a file into pane 1 (with twin turrets: panes 1 and 2, lined up). At start-up a
// missing file fails without a message; otherwise failures are shown and the pane keeps its
// text.
bool LoadNCFile(Workbench& bench, const std::string& path, bool starting_up = false);

// Saves pane 1 under the current name: read-only check, date stamp, backup, revision name.
bool SaveNCFile(Workbench& bench, const NcFileHooks& hooks);

// Inserts a file's lines above the caret's line of the active pane (one undo step). A bare
// name is looked for in the NC directory with ".nc".
bool MergeNCFile(Workbench& bench, const std::string& name);

// The question before a modified program is replaced: true when the caller may go on (No,
// or Yes and the program was saved). `save_as` saves through Save As instead of Save NC.
bool ConfirmEditorSaved(Workbench& bench, const NcFileHooks& hooks, bool save_as);

// The File menu commands. Each answers whether it did its work.
bool LoadNc(Workbench& bench, const NcFileHooks& hooks);
// Load NC after its dialog, also for recent files and dropped files.
bool OpenNcFile(Workbench& bench, const NcFileHooks& hooks, const std::string& path);
bool SaveNc(Workbench& bench, const NcFileHooks& hooks);
bool SaveNcAs(Workbench& bench, const NcFileHooks& hooks);
bool SaveNcSelection(Workbench& bench, const NcFileHooks& hooks);
bool MergeNc(Workbench& bench, const NcFileHooks& hooks);

}  // namespace vormak
