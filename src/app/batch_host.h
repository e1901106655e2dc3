#pragma once
// The host of vormak-batch: no window, so messages go to stderr, questions take their safe
// answer (OK goes on, No to saving) and file dialogs are cancelled.

#include <chrono>

#include "nctext/host.h"

namespace vormak::batch {

class ConsoleHost : public Host {
 public:
  Answer Warning(const std::string& text, const std::string& caption) override;
  // --cancel: warnings are answered Cancel instead of OK.
  void AnswerWarningsCancel(bool cancel) { cancel_warnings_ = cancel; }
  void Information(const std::string& text, const std::string& caption) override;
  Answer Question(const std::string& text, const std::string& caption, bool cancel_button) override;
  std::optional<std::string> OpenFileDialog(const FileDialogRequest&) override { return {}; }
  std::optional<std::string> SaveFileDialog(const FileDialogRequest&) override { return {}; }
  void SetCommandPanel(const std::string&) override {}
  void SetPromptPanel(const std::string&) override {}
  void Beep() override {}
  std::string ClipboardText() override { return clipboard_; }
  void SetClipboardText(const std::string& text) override { clipboard_ = text; }
  bool EscapePending() override { return false; }
  bool RightButtonPending() override { return false; }
  std::string DateText() override;
  std::string TimeText() override;
  long long TickMilliseconds() override;
  bool StartProgram(const std::string&) override { return false; }
  void OpenHelp(const std::string&, const std::string&) override {}

 private:
  std::string clipboard_;
  bool cancel_warnings_ = false;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace vormak::batch
