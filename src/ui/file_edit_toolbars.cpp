#include "ui/file_edit_toolbars.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

#include "ui/desktop_shortcuts.h"

namespace vormak {
namespace {

struct Button {
  const char* hint;
  QStringList item;  // menu path of the command it runs
};

void AddButton(QMainWindow* window, QToolBar* bar, const Button& button) {
  QAction* item = MenuBarItem(window->menuBar(), button.item);
  QAction* action = bar->addAction(button.hint);
  action->setToolTip(button.hint);
  if (item == nullptr) {
    action->setEnabled(false);
    return;
  }
  QObject::connect(action, &QAction::triggered, item, &QAction::trigger);
  // The menu item may be enabled later (its command set arrives after the toolbar is made).
  auto follow = [action, item, hint = QString(button.hint)] {
    action->setEnabled(item->isEnabled());
    const QString tip = item->toolTip();
    action->setToolTip(!item->isEnabled() && tip.startsWith("Waits for") ? tip : hint);
  };
  QObject::connect(item, &QAction::changed, action, follow);
  follow();
}

}  // namespace

void BuildFileEditToolbars(QMainWindow* window) {
  QToolBar* file = window->addToolBar("File");
  for (const Button& button : {
           Button{"Load NC File", {"&File", "&Edit Window", "&Load NC..."}},
           Button{"Save NC File", {"&File", "&Edit Window", "&Save NC"}},
           Button{"Print NC File", {"&File", "&Edit Window", "&Print NC"}},
           Button{"Save CAD File", {"&File", "&Plot Window", "&Save CAD"}},
           Button{"Load Cad", {"&File", "&Plot Window", "&Load CAD"}},
       }) {
    AddButton(window, file, button);
  }
  QToolBar* edit = window->addToolBar("Edit");
  for (const Button& button : {
           Button{"Cut to Clipboard", {"&Edit", "C&ut"}},
           Button{"Copy to Clipboard", {"&Edit", "&Copy"}},
           Button{"Paste From Clipboard", {"&Edit", "&Paste"}},
       }) {
    AddButton(window, edit, button);
  }
}

}  // namespace vormak
