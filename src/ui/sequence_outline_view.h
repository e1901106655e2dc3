#pragma once
// `Outline1`: the sequence outline of a two-turret program, docked beside the editor. It is
// rebuilt after every load and "Line up P#"; clicking a node shows its line.

#include <QDockWidget>

#include "ncfiles/sequence_outline.h"

class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace vormak {

class Workbench;

class SequenceOutlineView : public QDockWidget {
 public:
  SequenceOutlineView(Workbench& bench, QWidget* parent);
  void Rebuild();
  QTreeWidget* Tree() const { return tree_; }
  // Shows the line of the item as a click does.
  void ItemClicked(QTreeWidgetItem* item);

 private:
  Workbench& bench_;
  QTreeWidget* tree_;
  OutlineNode root_;
};

// Utilities2 "Line up P#": lines the turret panes up (twin-turret mode only), then the outline
// follows.
void AddLineUpItem(QMenu* utilities2, Workbench& bench, SequenceOutlineView* outline);

}  // namespace vormak
