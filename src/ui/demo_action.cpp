#include "ui/demo_action.h"

#include <QAction>
#include <QMenu>

#include "interp/run_driver.h"
#include "ncfiles/nc_files.h"
#include "nctext/pane_services.h"
#include "script/script_files.h"
#include "script/script_interpreter.h"
#include "ui/main_form.h"
#include "ui/plot_widget.h"

namespace vormak {

bool PlayDemo(TMainForm& form) {
  Workbench& bench = form.bench();
  const std::string examples = bench.locations.install_dir + "/examples/";
  NcFileHooks hooks;
  hooks.caption = [&form] { form.UpdateCaption(); };
  hooks.modified_panel = [&form] { form.UpdateModifiedPanel(); };
  // The demonstration replaces the program in the editor: unsaved work is offered a save.
  if (!ConfirmEditorSaved(bench, hooks, /*save_as=*/true)) return false;
  if (!OpenNcFile(bench, hooks, examples + "example.nc")) return false;
  bench.active_pane = 1;
  GoToLine(bench, 1, 1);
  ResetAndRun(bench);
  form.PaintBox1()->update();
  if (!LoadScriptFile(bench, examples + "demo.scr")) return false;
  bench.active_pane = 1;
  RunScript(bench);
  return true;
}

void AddPlayDemoItem(QMenu* keyboard_macro, TMainForm& form) {
  for (QAction* action : keyboard_macro->actions()) {
    if (action->text() != "Play Demo") continue;
    action->setEnabled(true);
    QObject::connect(action, &QAction::triggered, &form, [&form] { PlayDemo(form); });
  }
}

}  // namespace vormak
