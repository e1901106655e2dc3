#pragma once
// A host for the fuzz targets: every message is swallowed, warnings answer as told.

#include <cstddef>
#include <cstdint>
#include <string>

#include "nctext/host.h"

namespace vormak {

class FuzzHost : public Host {
 public:
  Answer warning_answer = Answer::kOk;
  int messages = 0;

  Answer Warning(const std::string&, const std::string&) override {
    ++messages;
    return warning_answer;
  }
  void Information(const std::string&, const std::string&) override { ++messages; }
  Answer Question(const std::string&, const std::string&, bool) override { return Answer::kNo; }
  std::optional<std::string> OpenFileDialog(const FileDialogRequest&) override { return {}; }
  std::optional<std::string> SaveFileDialog(const FileDialogRequest&) override { return {}; }
  void SetCommandPanel(const std::string&) override {}
  void SetPromptPanel(const std::string&) override {}
  void Beep() override {}
  std::string ClipboardText() override { return {}; }
  void SetClipboardText(const std::string&) override {}
  bool EscapePending() override { return false; }
  bool RightButtonPending() override { return false; }
  std::string DateText() override { return {}; }
  std::string TimeText() override { return {}; }
  long long TickMilliseconds() override { return 0; }
  bool StartProgram(const std::string&) override { return false; }
  void OpenHelp(const std::string&, const std::string&) override {}
};

// Takes one byte off the front of the input (0 when it is empty).
inline uint8_t TakeByte(const uint8_t*& data, size_t& size) {
  if (size == 0) return 0;
  --size;
  return *data++;
}

}  // namespace vormak
