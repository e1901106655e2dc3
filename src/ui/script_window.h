#pragma once
// The script window: pane 3, where scripts are edited, loaded, saved, run and stepped. It stays
// on top of the main window; hiding it keeps the script, its place and its variables.

#include <QDialog>
#include <string>

#include "nctext/host.h"

class QPushButton;

namespace vormak {

class SciEditControl;
class Workbench;

class Tscript4 : public QDialog {
  Q_OBJECT

 public:
  // Takes pane 3 over from the workbench (with whatever script it already held).
  explicit Tscript4(Workbench& bench, QWidget* parent = nullptr);
  ~Tscript4() override;

  SciEditControl* script_memo = nullptr;
  QPushButton* load_but = nullptr;
  QPushButton* reset_but = nullptr;
  QPushButton* run_but = nullptr;
  QPushButton* save_but = nullptr;
  QPushButton* step_but = nullptr;
  QPushButton* close_but = nullptr;
  QPushButton* help_but = nullptr;

  void LoadClick();
  void ResetClick();
  void RunClick();
  bool SaveAsClick();
  void StepClick();
  void CloseClick();
  // The toolbox's "&name": loads the script file as the current chain level's, then Reset
  // and Run.
  void RunFile(const std::string& path);
  // The Save? query of a modified script: false when the user cancels.
  bool CloseQuery();
  // The hint for a line of the pane: the variables it names.
  QString HintOfLine(int line) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  std::string& CurrentFileName();
  // The Load and Save As dialogs: in the scripts folder, preset with the current script.
  FileDialogRequest ScriptFileRequest(const char* caption, const char* default_ext);
  void SetFileCaption(const std::string& name);

  Workbench& bench_;
};

}  // namespace vormak
