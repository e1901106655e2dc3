#include "ncfiles/nc_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "cad/geometry_errors.h"
#include "ncfiles/nc_file_names.h"
#include "ncfiles/twin_turret.h"
#include "nctext/block_words.h"
#include "nctext/edit_control.h"
#include "nctext/pane_services.h"
#include "nctext/status_services.h"
#include "nctext/text_file_io.h"
#include "workbench/workbench.h"

namespace vormak {

namespace fs = std::filesystem;

namespace {

constexpr const char* kMessageCaption = "Vormak";
constexpr int kDateStampLines = 10;

// Opens the file as the run-time library would for reading text, once more when the first
// try fails; the system's error number, 0 when it opened.
int TextOpenError(const std::string& path) {
  int error = 0;
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (std::FILE* file = std::fopen(path.c_str(), "r")) {
      std::fclose(file);
      return 0;
    }
    error = errno != 0 ? errno : EIO;
  }
  return error;
}

// Whether the file can be opened for reading and writing, or else for reading; the system's
// error of a last, text-mode try when neither works.
int OpenForLoadError(const std::string& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return EISDIR;
  for (const char* mode : {"r+b", "rb"}) {
    if (std::FILE* file = std::fopen(path.c_str(), mode)) {
      std::fclose(file);
      return 0;
    }
  }
  return TextOpenError(path);
}

// "(TDT 12/09/26, 10:30:00)": the comment that says when the program was last saved. Only the
// first lines are looked at, where a programmer puts the heading of a program.
void StampDate(Workbench& bench) {
  EditControl* pane = bench.Pane(1);
  const CommentChars chars = CommentCharsOf(bench.settings);
  const std::string key = std::string(1, chars.begin) + "TDT ";
  const int last = std::min(kDateStampLines, pane->LineCount() - 1);
  const TextSelection selection = pane->GetSelection();
  const int top = pane->TopLine();
  bool stamped = false;
  for (int n = 1; n <= last; ++n) {
    if (pane->GetLine(n).find(key) == std::string::npos) continue;
    if (!stamped) pane->BeginUndoGroup();
    stamped = true;
    std::string stamp = key + bench.host().DateText() + ", " + bench.host().TimeText();
    if (chars.end != 0) stamp += chars.end;
    pane->ReplaceLine(n, stamp);
  }
  if (!stamped) return;
  pane->EndUndoGroup();
  pane->SetSelection(selection);
  pane->SetTopLine(top);
}

// The file's lines as a text file reads them (CR-LF, LF and CR all end a line; a final line
// break does not start one more line), each ended by CR LF. Counts the lines into `count`.
std::string TextFileLines(const std::string& bytes, int& count) {
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 16 + 2);
  count = 0;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t brk = bytes.find_first_of("\r\n", start);
    const size_t end = brk == std::string::npos ? bytes.size() : brk;
    text.append(bytes, start, end - start);
    text += "\r\n";
    ++count;
    if (brk == std::string::npos) break;
    start = brk + (bytes[brk] == '\r' && brk + 1 < bytes.size() && bytes[brk + 1] == '\n' ? 2 : 1);
  }
  return text;
}

}  // namespace

bool ReadFileOnceMore(Host& host, const std::string& path, std::string& bytes) {
  for (int attempt = 0;; ++attempt) {
    try {
      bytes = ReadFileBytes(path);
      return true;
    } catch (const FileIoError& failure) {
      if (attempt == 0) continue;
      ReportFileFailure(host, failure);
      return false;
    }
  }
}

void ReportFileFailure(Host& host, const std::exception& failure) {
  const auto* io = dynamic_cast<const FileIoError*>(&failure);
  if (io != nullptr && io->system_error() != 0) {
    ReportSystemFileError(host, io->system_error());
  } else {
    host.Information(failure.what(), kMessageCaption);
  }
}

bool IsReadOnlyFile(const std::string& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (ec || !fs::exists(status)) return false;
  // The owner's write permission stands for the read-only attribute: it holds for root too.
  return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

bool ReadOnlyCheck(Host& host, int kind, const std::string& path) {
  if (!IsReadOnlyFile(path)) return false;
  host.Information(kind == 2 ? kReadOnlyBackup : kReadOnlyTarget, kMessageCaption);
  return true;
}

void BackupBeforeSave(Workbench& bench, const std::string& path) {
  if (!bench.settings.use[kUseSaveBackup] || path.empty()) return;
  Host& host = bench.host();
  const std::string backup = BackupName(path);
  std::error_code ec;
  if (fs::is_directory(backup, ec)) {
    ReportSystemFileError(host, EISDIR);
    return;
  }
  if (std::FILE* file = std::fopen(backup.c_str(), "rb")) {
    std::fclose(file);
    if (ReadOnlyCheck(host, 2, backup)) return;
    if (std::remove(backup.c_str()) != 0) {
      ReportSystemFileError(host, errno);
      return;
    }
  } else if (errno != ENOENT) {
    ReportSystemFileError(host, errno);
    return;
  }
  if (!fs::exists(path, ec)) return;
  // The save that follows writes a new file; a backup that could not be made is said so.
  if (std::rename(path.c_str(), backup.c_str()) != 0) ReportSystemFileError(host, errno);
}

bool LoadNCFile(Workbench& bench, const std::string& path, bool starting_up) {
  EditControl* pane = bench.Pane(1);
  Host& host = bench.host();
  if (starting_up) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return false;
  } else if (const int error = OpenForLoadError(path); error != 0) {
    ReportSystemFileError(host, error);
    return false;
  }
  if (bench.settings.twin_turrets) return LoadTwinTurretFile(bench, path);
  try {
    pane->LoadFile(path);
  } catch (const EditError& failure) {
    ReportFileFailure(host, failure);
    return false;
  }
  pane->ClearModified();
  return true;
}

bool SaveNCFile(Workbench& bench, const NcFileHooks& hooks) {
  Host& host = bench.host();
  EditControl* pane = bench.Pane(1);
  ShowPrompt(bench, "Save NC File");
  const std::string name = bench.nc_file_name;
  if (ReadOnlyCheck(host, 1, name)) {
    ClearPrompt(bench);
    return false;
  }
  StampDate(bench);
  BackupBeforeSave(bench, name);
  std::string target = name;
  if (bench.settings.use[kUseRevisions]) {
    target = RevisionName(name);
    // A kept revision is never overwritten behind the user's back.
    if (ReadOnlyCheck(host, 1, target)) {
      ClearPrompt(bench);
      return false;
    }
  }
  try {
    pane->SaveFile(target);
  } catch (const EditError& failure) {
    ReportFileFailure(host, failure);
    ClearPrompt(bench);
    return false;
  }
  bench.nc_file_name = target;
  pane->ClearModified();
  if (hooks.modified_panel) hooks.modified_panel();
  // The line breaks written are named: a program saved for another control's style is seen.
  ShowPrompt(bench, "Saved NC:" + target + " (" + LineBreakName(pane->GetLineBreakStyle()) + ")");
  FocusPane(bench, 1);
  if (hooks.caption) hooks.caption();
  return true;
}

bool MergeNCFile(Workbench& bench, const std::string& name) {
  const std::string path = MergeFileName(name, bench.settings.nc_path);
  std::string bytes;
  if (!ReadFileOnceMore(bench.host(), path, bytes)) return false;
  const int pane_number = bench.active_pane;
  EditControl* pane = pane_number == 1 || pane_number == 2 ? bench.Pane(pane_number) : nullptr;
  int count = 0;
  const std::string text = TextFileLines(bytes, count);
  if (pane == nullptr || count == 0) return true;

  // All lines go in at once above the caret's line, as one undo step; the caret stays on its
  // text, which has moved down.
  TextSelection selection = pane->GetSelection();
  const int caret = selection.end.line;
  pane->BeginUndoGroup();
  pane->SetSelection({{caret, 0}, {caret, 0}});
  pane->ReplaceSelection(text);
  pane->EndUndoGroup();
  if (selection.start.line >= caret) selection.start.line += count;
  selection.end.line += count;
  pane->SetSelection(selection);
  if (bench.settings.twin_turrets) {
    if (EditControl* other = bench.Pane(3 - pane_number)) other->SetTopLine(pane->TopLine());
  }
  return true;
}

}  // namespace vormak
