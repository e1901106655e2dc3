#pragma once
// A host for engine tests: answers come from a script, every message is logged.

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "nctext/host.h"

namespace vormak {

class FakeHost : public Host {
 public:
  struct Message {
    std::string kind;  // "warning", "information", "question"
    std::string text;
    std::string caption;
  };

  // Scripted answers, taken in order; when none is queued warnings answer kOk and
  // questions kNo, and file dialogs are cancelled.
  void QueueAnswer(Answer answer) { answers_.push_back(answer); }
  void QueueFileName(std::optional<std::string> name) { file_names_.push_back(std::move(name)); }
  void QueueEscape(int polls_before = 0) { escape_after_ = polls_before; }
  // Answers for the next field dialog, by field name (caption without the colon); the button
  // pressed is "OK" unless `button` names another. Unqueued dialogs are closed with their
  // first button (OK), fields as they were.
  void QueueForm(std::map<std::string, std::string> values, std::string button = "OK") {
    forms_.push_back({std::move(values), std::move(button)});
  }
  void QueueFormCancel() { forms_.push_back({{}, "Cancel"}); }

  Answer Warning(const std::string& text, const std::string& caption) override;
  void Information(const std::string& text, const std::string& caption) override;
  Answer Question(const std::string& text, const std::string& caption, bool cancel_button) override;
  std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
  void SetCommandPanel(const std::string& text) override { command_panel = text; }
  void SetPromptPanel(const std::string& text) override { prompt_panel = text; }
  void Beep() override { ++beeps; }
  std::string ClipboardText() override { return clipboard; }
  void SetClipboardText(const std::string& text) override { clipboard = text; }
  bool EscapePending() override;
  bool RightButtonPending() override { return right_button; }
  std::string DateText() override { return date_text; }
  std::string TimeText() override { return time_text; }
  long long TickMilliseconds() override { return ticks += tick_step; }
  bool StartProgram(const std::string& command_line) override;
  void OpenHelp(const std::string& help_file, const std::string& topic) override;
  bool AskForm(FormRequest& form) override;

  // Texts of all messages shown so far, in order.
  std::vector<std::string> Texts() const;
  bool Showed(const std::string& text) const;

  std::vector<Message> messages;
  std::vector<FileDialogRequest> dialogs;
  std::vector<FormRequest> forms;  // every field dialog shown, as answered
  std::vector<std::string> started_programs;
  std::vector<std::string> help_topics;
  std::string command_panel;
  std::string prompt_panel;
  std::string clipboard;
  std::string date_text = "12/09/26";
  std::string time_text = "10:30:00";
  long long ticks = 0;
  long long tick_step = 1;
  bool right_button = false;
  int beeps = 0;

 private:
  Answer NextAnswer(Answer fallback);
  std::deque<Answer> answers_;
  std::deque<std::optional<std::string>> file_names_;
  int escape_after_ = -1;
  struct FormAnswer {
    std::map<std::string, std::string> values;
    std::string button;
  };
  std::deque<FormAnswer> forms_;
};

}  // namespace vormak
