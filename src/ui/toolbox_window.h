#pragma once
// The toolbox window (`Tinput_nc`, "ToolBox"): 20 buttons set up on the Configuration dialog's
// Toolbox page, each putting an NC word or text into the caret's line, playing a stored
// keyboard macro, executing one script line or running a script file.

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "settings/machine_settings.h"

class QToolButton;

namespace vormak {

class Workbench;
class KeyboardMacroActions;

class Tinput_nc : public QDialog {
 public:
  struct Hooks {
    KeyboardMacroActions* macros = nullptr;
    std::function<void()> configure;                     // the Configuration's Toolbox page
    std::function<void(const std::string&)> run_script;  // a script file run in its window
  };
  Tinput_nc(Workbench& bench, Hooks hooks, QWidget* parent);

  // Buttons 1 to 20.
  QToolButton* Button(int n) const { return buttons_[static_cast<size_t>(n - 1)]; }
  void ToolboxButtonClick(int n);
  void SetToolboxBitmap(int n, const std::string& file);
  void SetToolboxCaption(int n, const std::string& command);
  // Every button from the current settings.
  void ApplySettings();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Workbench& bench_;
  Hooks hooks_;
  std::array<QToolButton*, kToolBoxButtons> buttons_{};
};

}  // namespace vormak
