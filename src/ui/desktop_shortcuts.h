#pragma once
// The keys every desktop program answers (Ctrl+O, Ctrl+S ...), given to the window's own
// commands beside their function keys.

#include <QKeySequence>
#include <QStringList>
#include <vector>

class QAction;
class QMainWindow;
class QMenuBar;

namespace vormak {

struct DesktopShortcut {
  QStringList menu_path;  // captions from the menu bar down to the item, "&" included
  QKeySequence keys;
};

// Load NC, Save NC, Print NC, Find/Replace and Redo.
const std::vector<DesktopShortcut>& DesktopShortcuts();

// The item at `path` of the menu bar; null when there is none.
QAction* MenuBarItem(QMenuBar* bar, const QStringList& path);

// Adds each desktop key to its item as a second shortcut, unless one of the window's own
// commands already answers that key: the window's keys win.
void AddDesktopShortcuts(QMainWindow* window);

}  // namespace vormak
