#include "ui/line_utility_items.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <functional>

#include "nctext/edit_control.h"
#include "utilities/break_arcs.h"
#include "utilities/line_operations.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

// The item `caption` of `menu` (added when missing) runs `command` on the active pane as one
// undo step, with the wait cursor, when no plot run is going on.
QAction* TakeOver(QMenu* menu, const char* caption, Workbench& bench, QWidget* parent,
                  std::function<void()> command) {
  QAction* item = nullptr;
  for (QAction* a : menu->actions()) {
    if (a->text() == caption) item = a;
  }
  if (item == nullptr) item = menu->addAction(caption);
  item->setEnabled(true);
  QObject::connect(item, &QAction::triggered, parent, [&bench, command = std::move(command)] {
    EditControl* pane = bench.Pane(bench.active_pane);
    if (pane == nullptr || bench.interp.run.running) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    pane->BeginUndoGroup();
    command();
    pane->EndUndoGroup();
    QApplication::restoreOverrideCursor();
  });
  return item;
}

}  // namespace

void AddLineUtilityItems(QMenu* utilities2, Workbench& bench, QWidget* parent) {
  if (utilities2 == nullptr) return;
  Workbench* b = &bench;
  TakeOver(utilities2, "&Comment", bench, parent,
           [b] { CommentLines(*b, b->active_pane, CommentMode::kComment); });
  TakeOver(utilities2, "&Uncomment", bench, parent,
           [b] { CommentLines(*b, b->active_pane, CommentMode::kUncomment); });
  TakeOver(utilities2, "Remove &Spaces", bench, parent, [b] { RemoveSpaces(*b, b->active_pane); });
  TakeOver(utilities2, "&Add Spaces", bench, parent, [b] { AddSpaces(*b, b->active_pane); });
  TakeOver(utilities2, "Remove &Blanks", bench, parent,
           [b] { RemoveBlankLines(*b, b->active_pane); });
  TakeOver(utilities2, "Re&verse Lines", bench, parent, [b] { ReverseLines(*b); });
  TakeOver(utilities2, "&Remove Time", bench, parent, [b] { RemoveTimeComments(*b); });
  QAction* break_arcs = TakeOver(utilities2, "&Break Arcs", bench, parent, [b] { BreakArcs(*b); });
  if (auto* window = qobject_cast<QMainWindow*>(parent)) {
    QToolBar* bar = window->addToolBar("Utilities");
    bar->setObjectName("Utilities");
    QAction* button = bar->addAction("Break Arcs");
    button->setObjectName("BreakArcs");
    button->setToolTip("Break Arcs");
    QObject::connect(button, &QAction::triggered, break_arcs, &QAction::trigger);
  }
}

}  // namespace vormak
