#pragma once
// The platform services the engine asks of whoever hosts it: the Qt main window, the batch
// program or a test double. Everything the user must see or answer goes through here.

#include <optional>
#include <string>
#include <vector>

#include "nctext/form_dialog.h"

namespace vormak {

enum class Answer { kOk, kCancel, kYes, kNo };

// One file dialog: caption, starting folder, filter in the "Text (*.ext)|*.ext|..." form the
// dialogs are described with, default extension and proposed file name.
struct FileDialogRequest {
  std::string caption;
  std::string initial_dir;
  std::string filter;
  std::string default_ext;
  std::string file_name;
  int filter_index = 0;          // 1-based filter shown first; 0 for the first
  int* chosen_filter = nullptr;  // where a dialog that knows it puts the filter chosen (1-based)
};

class Host {
 public:
  virtual ~Host() = default;

  // Warning icon with OK and Cancel; answers kOk or kCancel.
  virtual Answer Warning(const std::string& text, const std::string& caption) = 0;
  // Information box with OK only.
  virtual void Information(const std::string& text, const std::string& caption) = 0;
  // Question with Yes, No and Cancel (cancel_button false: Yes and No only).
  virtual Answer Question(const std::string& text, const std::string& caption,
                          bool cancel_button) = 0;

  // Empty when the user cancels.
  virtual std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) = 0;

  // The Command and Prompt status panels (text shown as given).
  virtual void SetCommandPanel(const std::string& text) = 0;
  virtual void SetPromptPanel(const std::string& text) = 0;

  virtual void Beep() = 0;
  virtual std::string ClipboardText() = 0;
  virtual void SetClipboardText(const std::string& text) = 0;

  // Polled between lines of long loops; must be cheap. EscapePending consumes the press;
  // RightButtonPending only looks.
  virtual bool EscapePending() = 0;
  virtual bool RightButtonPending() = 0;

  // The clock, for date stamps and time reports: "MM/DD/YY"-style texts are made by callers.
  virtual std::string DateText() = 0;
  virtual std::string TimeText() = 0;
  // Milliseconds from an arbitrary start, for timing loops.
  virtual long long TickMilliseconds() = 0;

  // Starts an external program (custom menu entries); false when it could not be started.
  virtual bool StartProgram(const std::string& command_line) = 0;
  // Opens a help file at a topic.
  virtual void OpenHelp(const std::string& help_file, const std::string& topic) = 0;

  // Shows a field dialog and fills in the answers; false when it was cancelled. `form.pressed`
  // names the button that closed it. A host without dialogs takes the defaults of a dialog
  // that has only OK (or closes a read-out with its first button) and cancels any other.
  virtual bool AskForm(FormRequest& form);
};

}  // namespace vormak
