#include "ui/cad_command_menus.h"

#include <QAction>
#include <QMenu>
#include <map>

#include "cad/cad_command_menu.h"
#include "cad/cad_session.h"
#include "plot/plot_cad_view.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

QKeySequence ShortcutOf(const std::string& path) {
  if (path == "Analyse/Element") return QKeySequence(Qt::Key_F12);
  if (path == "Analyse/Distance") return QKeySequence(Qt::ALT | Qt::Key_F12);
  return {};
}

}  // namespace

void AddCadCommandMenus(QMenu* cad_menu, const CadMenuTarget& target) {
  std::map<std::string, QMenu*> menus;
  for (const CadMenuCommand& entry : CadMenuCommands()) {
    QMenu* menu = cad_menu;
    if (!entry.menu.empty()) {
      QMenu*& sub = menus[entry.menu];
      if (sub == nullptr) sub = cad_menu->addMenu(QString::fromLatin1(entry.menu.c_str()));
      menu = sub;
    }
    QAction* action = menu->addAction(QString::fromLatin1(entry.item.c_str()));
    const std::string path = CadCommandPath(entry);
    action->setShortcut(ShortcutOf(path));
    QObject::connect(action, &QAction::triggered, menu, [target, path] {
      if (target.bench == nullptr) return;
      PlotCadView own(*target.bench);
      CadView* view = target.view ? target.view() : &own;
      if (view == nullptr) return;
      StartCadCommand(*target.bench, *view, MakeCadCommand(path));
      if (target.sync_pick_mode) target.sync_pick_mode();
      if (target.refresh) target.refresh();
    });
  }
}

}  // namespace vormak
