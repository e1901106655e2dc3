#pragma once
// A host that answers every question with its default and shows nothing: for benchmarks and
// fuzzing, where nobody sits at the screen.

#include <optional>
#include <string>

#include "nctext/host.h"

namespace vormak {

class QuietHost : public Host {
 public:
  Answer Warning(const std::string&, const std::string&) override { return Answer::kOk; }
  void Information(const std::string&, const std::string&) override {}
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

}  // namespace vormak
