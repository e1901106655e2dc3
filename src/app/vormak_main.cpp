// vormak: the desktop workbench. "vormak [ARGUMENT]" opens the main window; "vormak
// --check-start [ARGUMENT]" builds it, loads what the argument names and exits (0 when all
// went well), which scripts use to prove the program starts on a machine without a display.
// "--actions", "--grab" and "--size" give it commands and save the plot window as a picture
// (see ui/scripted_start.h).
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "ui/main_form.h"
#include "ui/model_link_setup.h"
#include "ui/scripted_start.h"

int main(int argc, char** argv) {
  if (vormak::WantsOffscreen(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication app(argc, argv);
  // Read after Qt has taken its own options out of the list.
  QString error;
  const auto options = vormak::ParseStartOptions(QApplication::arguments().mid(1), &error);
  if (!options) {
    std::fprintf(stderr, "vormak: %s\n", error.toLocal8Bit().constData());
    return 2;
  }
  vormak::TMainForm form;
  if (!vormak::OpenModelLink(form.bench(), &form)) {
    std::fprintf(stderr, "vormak: cannot write the model link file '%s'\n",
                 vormak::ModelLinkPath(form.bench()).c_str());
    return 1;
  }
  if (options->Scripted() && !options->check_start)
    return vormak::RunScriptedStart(form, argv[0], *options);
  if (options->check_start) form.host().SetNonInteractive(true);
  const bool started = form.Start(argv[0], options->argument);
  form.show();
  if (options->check_start) {
    QApplication::processEvents();
    return started ? 0 : 1;
  }
  return app.exec();
}
