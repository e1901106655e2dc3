// vormak: the desktop workbench. "vormak [ARGUMENT]" opens the main window; "vormak
// --check-start [ARGUMENT]" builds it, loads what the argument names and exits (0 when all
// went well), which scripts use to prove the program starts on a machine without a display.
#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ui/main_form.h"

int main(int argc, char** argv) {
  bool check_start = false;
  for (int i = 1; i < argc; ++i) check_start |= std::strcmp(argv[i], "--check-start") == 0;
  const bool no_display =
      std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr;
  if (check_start && no_display) qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication app(argc, argv);
  // Read after Qt has taken its own options out of the list.
  std::string argument;
  for (int i = 1; i < argc && argument.empty(); ++i) {
    if (std::strcmp(argv[i], "--check-start") != 0) argument = argv[i];
  }
  vormak::TMainForm form;
  if (check_start) form.host().SetNonInteractive(true);
  const bool started = form.Start(argv[0], argument);
  form.show();
  if (check_start) {
    QApplication::processEvents();
    return started ? 0 : 1;
  }
  return app.exec();
}
