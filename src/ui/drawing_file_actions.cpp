#include "ui/drawing_file_actions.h"

#include "cad/cad_session.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include "cad/drawing_commands.h"
#include "plot/element_draw.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

DrawingCommandHooks HooksOf(const DrawingFileTarget& target) {
  DrawingCommandHooks hooks;
  hooks.redraw = target.redraw;
  hooks.caption = target.caption;
  hooks.add_recent = target.add_recent;
  hooks.busy = [](bool on) {
    if (on) {
      QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
      QApplication::restoreOverrideCursor();
    }
  };
  return hooks;
}

QMenu* PlotWindowMenu(QMenu* file_menu) {
  for (QAction* action : file_menu->actions()) {
    if (action->menu() != nullptr && action->text() == "&Plot Window") return action->menu();
  }
  return file_menu->addMenu("&Plot Window");
}

QAction* FindOrAdd(QMenu* menu, const char* caption, const QKeySequence& shortcut) {
  for (QAction* action : menu->actions()) {
    if (action->text() == caption) {
      action->setShortcut(shortcut);
      return action;
    }
  }
  QAction* action = menu->addAction(caption);
  action->setShortcut(shortcut);
  return action;
}

template <typename Command>
void Connect(QMenu* menu, const char* caption, const QKeySequence& shortcut,
             const DrawingFileTarget& target, Command command) {
  QAction* action = FindOrAdd(menu, caption, shortcut);
  action->setEnabled(true);
  QObject::connect(action, &QAction::triggered, menu, [target, command] {
    if (target.bench != nullptr) command(*target.bench, HooksOf(target));
  });
}

}  // namespace

void InstallDrawingFileActions(QMenu* file_menu, const DrawingFileTarget& target) {
  QMenu* menu = PlotWindowMenu(file_menu);
  Connect(menu, "&Load CAD", Qt::Key_F7, target, LoadCad);
  Connect(menu, "&Save CAD", Qt::ALT | Qt::Key_F7, target, SaveCad);
  Connect(menu, "Save &As..", {}, target, SaveCadAs);
  Connect(menu, "&Merge...", {}, target, MergeCad);
  Connect(menu, "&Get Tool...", {}, target, GetTool);
  // A new, empty drawing once the old one has had its chance to be saved.
  Connect(menu, "&New", {}, target, [](Workbench& bench, const DrawingCommandHooks& hooks) {
    if (!ConfirmDrawingSaved(bench, hooks, "Quit")) return false;
    NewDrawing(bench);
    if (hooks.caption) hooks.caption();
    if (hooks.redraw) hooks.redraw();
    return true;
  });
}

bool ConfirmDrawingQuit(const DrawingFileTarget& target) {
  if (target.bench == nullptr) return true;
  return ConfirmDrawingSaved(*target.bench, HooksOf(target), "Quit");
}

}  // namespace vormak
