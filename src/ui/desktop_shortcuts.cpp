#include "ui/desktop_shortcuts.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace vormak {

const std::vector<DesktopShortcut>& DesktopShortcuts() {
  static const std::vector<DesktopShortcut> shortcuts{
      {{"&File", "&Edit Window", "&Load NC..."}, QKeySequence(Qt::CTRL | Qt::Key_O)},
      {{"&File", "&Edit Window", "&Save NC"}, QKeySequence(Qt::CTRL | Qt::Key_S)},
      {{"&File", "&Edit Window", "&Print NC"}, QKeySequence(Qt::CTRL | Qt::Key_P)},
      {{"&Edit", "&Find/Replace"}, QKeySequence(Qt::CTRL | Qt::Key_F)},
      {{"&Edit", "&Redo"}, QKeySequence(Qt::CTRL | Qt::Key_Y)},
      {{"&Edit", "&Redo"}, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
  };
  return shortcuts;
}

QAction* MenuBarItem(QMenuBar* bar, const QStringList& path) {
  QList<QAction*> actions = bar->actions();
  for (qsizetype i = 0; i < path.size(); ++i) {
    QAction* found = nullptr;
    for (QAction* action : actions) {
      if (action->text() == path[i]) found = action;
    }
    if (found == nullptr || i + 1 == path.size()) return found;
    if (found->menu() == nullptr) return nullptr;
    actions = found->menu()->actions();
  }
  return nullptr;
}

void AddDesktopShortcuts(QMainWindow* window) {
  QList<QKeySequence> taken;
  for (const QAction* action : window->findChildren<QAction*>()) taken << action->shortcuts();
  for (const DesktopShortcut& shortcut : DesktopShortcuts()) {
    QAction* item = MenuBarItem(window->menuBar(), shortcut.menu_path);
    if (item == nullptr || taken.contains(shortcut.keys)) continue;
    // The window's own key stays first, so the menu goes on showing it.
    item->setShortcuts(item->shortcuts() << shortcut.keys);
    taken << shortcut.keys;
  }
}

}  // namespace vormak
