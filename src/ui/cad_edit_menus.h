#pragma once
// The CAD menu's Delete, Undelete, Change and Group items, the View menu's Layers and Reset
// items and the Cad toolbar's element buttons, built for whichever window owns the menus.

#include <QList>
#include <functional>
#include <string>

class QAction;
class QMenu;
class QObject;
class QWidget;

namespace vormak {

class CadView;
class Workbench;

struct CadMenuTarget {
  Workbench* bench = nullptr;
  // The element view the operations paint in; unset: the plot window of the workbench.
  // A set function answering nullptr makes the items do nothing.
  std::function<CadView*()> view;
  // Repaints the plot widget after the engine drew on its canvas.
  std::function<void()> refresh;
  // Shows a text in the Layer status panel.
  std::function<void(const std::string&)> set_layer_panel;
  // Parent of the Layers dialog.
  QWidget* dialog_parent = nullptr;
  // Shows the workbench's pick mode on the Pick toolbar (a command may have changed it).
  std::function<void()> sync_pick_mode{};
};

// Appends "&Delete", "&Undelete", "C&hange" and "&Group" with their items to the CAD menu.
void AddCadEditMenus(QMenu* cad_menu, const CadMenuTarget& target);

// "&Layers..." and "Re&set" of the View menu.
QAction* MakeLayersAction(QObject* owner, const CadMenuTarget& target);
QAction* MakeResetViewAction(QObject* owner, const CadMenuTarget& target);

// The Cad toolbar's "Undo Last CAD", "Undete Last Element" and "Delete Toolpath" buttons.
QList<QAction*> MakeCadToolbarActions(QObject* owner, const CadMenuTarget& target);

}  // namespace vormak
