#pragma once
// Nothing in the menus or toolbars is silently dead: an item whose command has not come yet is
// greyed and its tooltip says what it waits for; menus show those tooltips.

#include <QString>
#include <vector>

class QAction;
class QMainWindow;

namespace vormak {

// What a greyed item with this caption (without "&", trailing dots kept) waits for; empty when
// the caption is not one that waits.
QString WaitingFor(const QString& caption);

// Gives every greyed menu item and toolbar button its "Waits for ..." tooltip (where the
// table knows it) and lets every menu show tooltips. Call once all commands are wired.
void MarkWaitingItems(QMainWindow* window);

// The toolbars whose commands have not come yet stand with their buttons greyed, each saying
// what it waits for; a toolbar already made by its command set is left alone.
void AddMissingToolbars(QMainWindow* window);

// Every action of the menu bar (submenus walked) and of the toolbars, each once.
std::vector<QAction*> AllCommandActions(QMainWindow* window);

}  // namespace vormak
