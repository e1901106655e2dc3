#pragma once
// Keyboard macros: the keys typed in pane 1 recorded to "vormak.key" in the scripts folder and
// played back, once or line after line down to a bookmark. A record is three bytes: the
// virtual-key code, the shift state (bit 0 Shift, 1 Alt, 2 Ctrl, 3 left, 4 right, 5 middle
// mouse button, 6 double click) and 2 for key down or 1 for key up.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vormak {

class Workbench;

inline constexpr const char* kMacroFileName = "vormak.key";
inline constexpr std::uint8_t kVkReturn = 13;
inline constexpr std::uint8_t kVkDown = 40;
inline constexpr std::uint8_t kVkF4 = 115;  // the Play key: never recorded
inline constexpr std::uint8_t kKeyDown = 2;
inline constexpr std::uint8_t kKeyUp = 1;
inline constexpr std::uint8_t kShiftBit = 1;
inline constexpr std::uint8_t kAltBit = 2;
inline constexpr std::uint8_t kCtrlBit = 4;
inline constexpr int kMacroBookmarks = 5;  // bookmarks 1 to 5 end a run until a bookmark

struct KeyRecord {
  std::uint8_t key = 0;
  std::uint8_t shift = 0;
  std::uint8_t kind = kKeyDown;
  friend bool operator==(const KeyRecord&, const KeyRecord&) = default;
};

// The records of a macro file; a cut-off record at the end is left out.
std::vector<KeyRecord> ParseKeyRecords(const std::string& bytes);

// How a played macro moves the lines of a run until a bookmark.
struct PlayCounts {
  int downs = 0;   // key-downs of Down
  int enters = 0;  // key-downs of Enter
};

class KeyboardMacro {
 public:
  // Sends one key event to the focused pane, as typed.
  using SendKey = std::function<void(const KeyRecord&)>;

  KeyboardMacro() = default;
  ~KeyboardMacro();
  KeyboardMacro(const KeyboardMacro&) = delete;
  KeyboardMacro& operator=(const KeyboardMacro&) = delete;

  // The macro file of the current settings.
  static std::string FilePath(const Workbench& bench);

  bool recording() const { return file_ != nullptr; }
  // False (I/O error shown) when the file cannot be created.
  bool StartRecording(Workbench& bench);
  void RecordKeyEvent(std::uint8_t key, std::uint8_t shift, std::uint8_t kind);
  void EndRecording(Workbench& bench);

  // Plays the macro file through `send`; nothing happens when it cannot be read.
  PlayCounts Play(Workbench& bench, const SendKey& send);
  // Plays it once for each line from the first selected line of the active pane down to the
  // last (or the end of the pane), stopping at Escape or before a line that carries one of
  // pane 1's bookmarks 1 to 5. `repaint` runs after each play. A macro that does not move
  // down a line would run for ever: its run ends after one play.
  void PlayUntilBookmark(Workbench& bench, const SendKey& send,
                         const std::function<void()>& repaint);

  // Copies the macro file to `target` and back; false (file error shown) on failure.
  bool SaveAs(Workbench& bench, const std::string& target);
  bool Load(Workbench& bench, const std::string& source);
  // The toolbox's "@name": the stored macro name.key of the scripts folder becomes the macro
  // file (unless it is that file), then plays.
  PlayCounts PlayStored(Workbench& bench, const std::string& name, const SendKey& send);

 private:
  void Close();
  std::FILE* file_ = nullptr;
};

}  // namespace vormak
