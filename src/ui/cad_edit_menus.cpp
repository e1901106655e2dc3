#include "ui/cad_edit_menus.h"

#include <QAction>
#include <QMenu>

#include "cad/cad_session.h"
#include "cad/element_commands.h"
#include "cad/element_edit.h"
#include "cad/layers.h"
#include "plot/backplot.h"
#include "plot/plot_cad_view.h"
#include "ui/layers_dialog.h"

namespace vormak {

namespace {

// Runs an engine operation on the table and the plot window's view, then repaints.
template <typename F>
void Run(const CadMenuTarget& target, const F& operation) {
  if (target.bench == nullptr) return;
  if (!target.view) {
    PlotCadView plot_view(*target.bench);
    operation(*target.bench, plot_view);
  } else if (CadView* view = target.view()) {
    operation(*target.bench, *view);
  } else {
    return;
  }
  if (target.refresh) target.refresh();
}

template <typename F>
QAction* Item(QMenu* menu, const char* caption, const CadMenuTarget& target, F&& operation) {
  QAction* action = menu->addAction(caption);
  QObject::connect(action, &QAction::triggered, menu,
                   [target, operation] { Run(target, operation); });
  return action;
}

QAction* CommandItem(QMenu* menu, const char* caption, const CadMenuTarget& target,
                     ElementAction action) {
  return Item(menu, caption, target, [action](Workbench& bench, CadView& view) {
    StartCadCommand(bench, view, MakeElementCommand(action));
  });
}

void AddDeleteMenu(QMenu* cad_menu, const CadMenuTarget& target) {
  QMenu* menu = cad_menu->addMenu("&Delete");
  CommandItem(menu, "&Elements", target, ElementAction::kDelete);
  CommandItem(menu, "&Text", target, ElementAction::kDeleteText);
  CommandItem(menu, "&ArrowHead", target, ElementAction::kDeleteArrow);
  Item(menu, "Current &Color", target,
       [](Workbench& b, CadView& v) { DeleteCurrentColour(b.cad.table, v); });
  Item(menu, "Current &Layer", target,
       [](Workbench& b, CadView& v) { DeleteCurrentLayer(b.cad.table, v); });
  Item(menu, "&Group", target,
       [](Workbench& b, CadView& v) { DeleteInState(b.cad.table, v, ElementState::kGroup); });
  Item(menu, "&Result", target,
       [](Workbench& b, CadView& v) { DeleteInState(b.cad.table, v, ElementState::kResult); });
  Item(menu, "T&oolpath", target, [](Workbench& b, CadView&) {
    ClearBackplot(b.plot);
    DeleteToolpath(b.cad.table);
  });
  Item(menu, "D&uplicates", target,
       [](Workbench& b, CadView& v) { DeleteDuplicates(b.cad.table, v, b.host()); });
}

void AddUndeleteMenu(QMenu* cad_menu, const CadMenuTarget& target) {
  QMenu* menu = cad_menu->addMenu("&Undelete");
  Item(menu, "Last", target, [](Workbench& b, CadView& v) { UndeleteLast(b.cad.table, v); });
  Item(menu, "All", target, [](Workbench& b, CadView& v) { UndeleteAll(b.cad.table, v); });
}

void AddChangeMenu(QMenu* cad_menu, const CadMenuTarget& target) {
  QMenu* menu = cad_menu->addMenu("C&hange");
  QMenu* colour = menu->addMenu("&Color");
  CommandItem(colour, "&Elements", target, ElementAction::kChangeColour);
  Item(colour, "&Group", target,
       [](Workbench& b, CadView& v) { ChangeColourInState(b.cad.table, v, ElementState::kGroup); });
  Item(colour, "&Result", target, [](Workbench& b, CadView& v) {
    ChangeColourInState(b.cad.table, v, ElementState::kResult);
  });
  QMenu* layer = menu->addMenu("&Layer");
  CommandItem(layer, "&Elements", target, ElementAction::kChangeLayer);
  Item(layer, "&Group", target,
       [](Workbench& b, CadView& v) { ChangeLayerInState(b.cad.table, v, ElementState::kGroup); });
  Item(layer, "&Result", target,
       [](Workbench& b, CadView& v) { ChangeLayerInState(b.cad.table, v, ElementState::kResult); });
}

void AddGroupMenu(QMenu* cad_menu, const CadMenuTarget& target) {
  QMenu* menu = cad_menu->addMenu("&Group");
  CommandItem(menu, "&New", target, ElementAction::kGroupNew);
  CommandItem(menu, "&Add", target, ElementAction::kGroupAdd);
  CommandItem(menu, "&Remove", target, ElementAction::kGroupRemove);
  const auto by = [&](const char* caption, GroupBy how) {
    Item(menu, caption, target,
         [how](Workbench& b, CadView& v) { GroupElements(b.cad.table, v, b.host(), how); });
  };
  by("Current &Color", GroupBy::kCurrentColour);
  by("Current &Layer", GroupBy::kCurrentLayer);
  by("A&ll", GroupBy::kAll);
  by("R&esult", GroupBy::kResult);
}

QAction* Button(QObject* owner, const char* hint, const CadMenuTarget& target,
                std::function<void(Workbench&, CadView&)> operation) {
  auto* action = new QAction(hint, owner);
  action->setToolTip(hint);
  QObject::connect(action, &QAction::triggered, owner,
                   [target, operation] { Run(target, operation); });
  return action;
}

}  // namespace

void AddCadEditMenus(QMenu* cad_menu, const CadMenuTarget& target) {
  AddDeleteMenu(cad_menu, target);
  AddUndeleteMenu(cad_menu, target);
  AddChangeMenu(cad_menu, target);
  AddGroupMenu(cad_menu, target);
}

QAction* MakeLayersAction(QObject* owner, const CadMenuTarget& target) {
  return Button(owner, "&Layers...", target, [target](Workbench& bench, CadView& view) {
    TLayers dialog(target.dialog_parent);
    if (!dialog.Execute(bench.cad.table, bench.settings.solid_layer)) return;
    if (target.set_layer_panel)
      target.set_layer_panel(LayerPanelText(bench.cad.table.current_layer));
    view.Redraw();
  });
}

QAction* MakeResetViewAction(QObject* owner, const CadMenuTarget& target) {
  return Button(owner, "Re&set", target,
                [](Workbench& bench, CadView& view) { ResetView(bench.cad.table, view); });
}

QList<QAction*> MakeCadToolbarActions(QObject* owner, const CadMenuTarget& target) {
  return {
      Button(owner, "Undo Last CAD", target,
             [](Workbench& b, CadView& v) { UndoLastCad(b.cad.table, v); }),
      Button(owner, "Undete Last Element", target,
             [](Workbench& b, CadView& v) { UndeleteLast(b.cad.table, v); }),
      Button(owner, "Delete Toolpath", target,
             [](Workbench& b, CadView& v) {
               ClearBackplot(b.plot);
               DeleteToolpathAndRedraw(b.cad.table, v);
             }),
  };
}

}  // namespace vormak
