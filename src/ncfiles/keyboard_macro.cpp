#include "ncfiles/keyboard_macro.h"

#include <algorithm>
#include <cerrno>

#include "cad/geometry_errors.h"
#include "nctext/edit_control.h"
#include "nctext/pane_services.h"
#include "nctext/status_services.h"
#include "nctext/text_file_io.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr std::size_t kRecordSize = 3;

// Opens a file, once more when the first try fails; the system's error number in `error`.
std::FILE* OpenTwice(const std::string& path, const char* mode, int& error) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (std::FILE* file = std::fopen(path.c_str(), mode)) return file;
    error = errno != 0 ? errno : EIO;
  }
  return nullptr;
}

// Copies a file byte for byte; false with the file error shown.
bool CopyFile(Workbench& bench, const std::string& from, const std::string& to) {
  std::string bytes;
  try {
    bytes = ReadFileBytes(from);
  } catch (const FileIoError& failure) {
    ReportSystemFileError(bench.host(),
                          failure.system_error() != 0 ? failure.system_error() : ENOENT);
    return false;
  }
  int error = 0;
  std::FILE* out = OpenTwice(to, "wb", error);
  if (out == nullptr) {
    ReportSystemFileError(bench.host(), error);
    return false;
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  error = errno;
  if (std::fclose(out) != 0 || !written) {
    ReportSystemFileError(bench.host(), error != 0 ? error : EIO);
    return false;
  }
  return true;
}

std::string ScriptFolder(const Workbench& bench) {
  std::string folder = bench.settings.script_path;
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  return folder;
}

}  // namespace

std::vector<KeyRecord> ParseKeyRecords(const std::string& bytes) {
  std::vector<KeyRecord> records;
  records.reserve(bytes.size() / kRecordSize);
  for (std::size_t i = 0; i + kRecordSize <= bytes.size(); i += kRecordSize) {
    records.push_back({static_cast<std::uint8_t>(bytes[i]), static_cast<std::uint8_t>(bytes[i + 1]),
                       static_cast<std::uint8_t>(bytes[i + 2])});
  }
  return records;
}

KeyboardMacro::~KeyboardMacro() {
  Close();
}

void KeyboardMacro::Close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
}

std::string KeyboardMacro::FilePath(const Workbench& bench) {
  return ScriptFolder(bench) + kMacroFileName;
}

bool KeyboardMacro::StartRecording(Workbench& bench) {
  ShowCommand(bench, "RECORDING MACRO");
  Close();
  int error = 0;
  file_ = OpenTwice(FilePath(bench), "wb", error);
  if (file_ == nullptr) {
    ReportSystemFileError(bench.host(), error);
    return false;
  }
  return true;
}

void KeyboardMacro::RecordKeyEvent(std::uint8_t key, std::uint8_t shift, std::uint8_t kind) {
  // F4 plays the macro: recorded, the macro would play itself.
  if (file_ == nullptr || key == kVkF4) return;
  const unsigned char record[kRecordSize] = {key, shift, kind};
  std::fwrite(record, 1, kRecordSize, file_);
  std::fflush(file_);
}

void KeyboardMacro::EndRecording(Workbench& bench) {
  Close();
  ShowCommand(bench, "END MACRO RECORDING");
}

PlayCounts KeyboardMacro::Play(Workbench& bench, const SendKey& send) {
  Close();
  FocusPane(bench, 1);
  PlayCounts counts;
  std::string bytes;
  for (int attempt = 0; attempt < 2 && bytes.empty(); ++attempt) {
    try {
      bytes = ReadFileBytes(FilePath(bench));
    } catch (const FileIoError&) {
      if (attempt == 1) return counts;
    }
  }
  const std::vector<KeyRecord> records = ParseKeyRecords(bytes);
  for (const KeyRecord& record : records) {
    if (record.kind == kKeyDown && record.key == kVkDown) ++counts.downs;
    if (record.kind == kKeyDown && record.key == kVkReturn) ++counts.enters;
    send(record);
  }
  if (!records.empty()) send({records.back().key, records.back().shift, kKeyUp});
  return counts;
}

void KeyboardMacro::PlayUntilBookmark(Workbench& bench, const SendKey& send,
                                      const std::function<void()>& repaint) {
  ShowCommand(bench, "PLAY MACRO");
  const int pane = bench.active_pane;
  const TextSelection selection = bench.Pane(pane)->GetSelection();
  const int first = std::min(selection.start.line, selection.end.line);
  int last = std::max(selection.start.line, selection.end.line);
  if (first == last) last = PaneLineCount(bench, pane);
  bench.stop_requested = false;
  int current = first;
  int end = last;
  if (first == last) {
    Play(bench, send);
  } else {
    GoToLine(bench, 1, first);
    bench.Pane(1)->SetSelection({{first, 0}, {first, 0}});
    while (end >= current) {
      if (EscapePending(bench)) break;
      bool marked = false;
      for (int k = 1; k <= kMacroBookmarks && current >= 2; ++k) {
        marked = marked || PaneBookmarkLine(bench, 1, k) == current;
      }
      if (marked) {
        bench.stop_requested = true;
        break;
      }
      const PlayCounts counts = Play(bench, send);
      if (repaint) repaint();
      current += counts.downs + counts.enters;
      end += counts.enters;
      // Only Down brings the run nearer its end; without one it would never get there.
      if (counts.downs == 0) break;
    }
  }
  ClearCommand(bench);
}

bool KeyboardMacro::SaveAs(Workbench& bench, const std::string& target) {
  Close();
  return CopyFile(bench, FilePath(bench), target);
}

bool KeyboardMacro::Load(Workbench& bench, const std::string& source) {
  Close();
  return CopyFile(bench, source, FilePath(bench));
}

PlayCounts KeyboardMacro::PlayStored(Workbench& bench, const std::string& name,
                                     const SendKey& send) {
  const std::string file = name + ".key";
  if (file != kMacroFileName) {
    Close();
    if (!CopyFile(bench, ScriptFolder(bench) + file, FilePath(bench))) return {};
  }
  return Play(bench, send);
}

}  // namespace vormak
