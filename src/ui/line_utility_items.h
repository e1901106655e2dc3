#pragma once
// The Utilities2 items that rewrite lines of the active pane without a dialog: Comment,
// Uncomment, Remove Spaces, Add Spaces, Remove Blanks, Reverse Lines, Remove Time and Break
// Arcs (also a toolbar button). Each run is one undo step and can be stopped with Escape.

class QMenu;
class QWidget;

namespace vormak {

class Workbench;

// Takes over those items of `utilities2` (by caption). When `parent` is a main window, a
// "Utilities" toolbar with the Break Arcs button is added to it.
void AddLineUtilityItems(QMenu* utilities2, Workbench& bench, QWidget* parent);

}  // namespace vormak
