#pragma once
// The Host of the desktop program: Qt message boxes and file dialogs, the Command and Prompt
// panels of the main window, the clipboard as Latin-1 bytes, and cheap polling of Escape and
// right-button releases for long loops.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "nctext/host.h"
#include "ui/form_dialog.h"

class QLabel;
class QWidget;

namespace vormak {

class THelpBrowser;

// "NC Files (*.nc)|*.nc|All files (*.*)|*.*" -> "NC Files (*.nc *.NC);;All files (*)".
// Patterns also match in the other letter case: files written on Windows are named either way.
QString QtFileFilter(const std::string& filter);

class QtHost : public QObject, public Host {
  Q_OBJECT
 public:
  explicit QtHost(QObject* parent = nullptr);
  ~QtHost() override;

  // Dialogs are centred on this window; right-button releases count only over it.
  void SetMainWindow(QWidget* window);
  void SetPanels(QLabel* command, QLabel* prompt);
  // The shipped data folder: help pages live in its help/ folder.
  void SetInstallDir(const std::string& dir) { install_dir_ = dir; }
  // Without a user to answer (start-up checks): messages go to standard error, warnings answer
  // OK, questions No, file dialogs are cancelled.
  void SetNonInteractive(bool on) { non_interactive_ = on; }
  // Answers the file dialogs in place of the user (tests): given each request and whether it
  // saves, gives the chosen name or nothing for Cancel.
  using FileDialogScript =
      std::function<std::optional<std::string>(const FileDialogRequest& request, bool save)>;
  void SetFileDialogScript(FileDialogScript script) { file_dialog_script_ = std::move(script); }
  // Answers the field dialogs (Radius, Key In, Rotate CAD, Analyse ...) in place of the user.
  void SetFormScript(FormScript script) { form_script_ = std::move(script); }
  // Called when Escape is pressed in the main window while no long command runs (the running
  // command is reset, as Escape does during one).
  void SetIdleEscape(std::function<void()> reset) { idle_escape_ = std::move(reset); }

  Answer Warning(const std::string& text, const std::string& caption) override;
  void Information(const std::string& text, const std::string& caption) override;
  Answer Question(const std::string& text, const std::string& caption, bool cancel_button) override;
  std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
  void SetCommandPanel(const std::string& text) override;
  void SetPromptPanel(const std::string& text) override;
  void Beep() override;
  std::string ClipboardText() override;
  void SetClipboardText(const std::string& text) override;
  bool EscapePending() override;
  bool RightButtonPending() override;
  std::string DateText() override;
  std::string TimeText() override;
  long long TickMilliseconds() override;
  bool StartProgram(const std::string& command_line) override;
  void OpenHelp(const std::string& help_file, const std::string& topic) override;
  bool AskForm(FormRequest& form) override;

  // The help page a topic opens and the anchor on it.
  QString HelpUrl(const std::string& help_file, const std::string& topic) const;
  // The help window, once a topic has been opened.
  THelpBrowser* HelpBrowser() const;
  // F1 in `dialog`: its Help button, else the topic of its caption, else the contents.
  void DialogHelp(QWidget* dialog);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PollEvents();
  std::optional<std::string> RunFileDialog(const FileDialogRequest& request, bool save);
  QString HelpDir() const;

  QPointer<QWidget> window_;
  QPointer<QLabel> command_;
  QPointer<QLabel> prompt_;
  QPointer<THelpBrowser> help_browser_;
  std::string install_dir_;
  QElapsedTimer clock_;
  QElapsedTimer last_poll_;
  bool non_interactive_ = false;
  FileDialogScript file_dialog_script_;
  FormScript form_script_;
  std::function<void()> idle_escape_;
  bool escape_ = false;
  bool polling_ = false;  // a long command lets the window repaint; user input waits
  bool right_button_ = false;
};

}  // namespace vormak
