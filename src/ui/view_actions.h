#pragma once
// The plot window's commands in the View menu and on the "View", "Zoom" and "Screen"
// toolbars, with their shortcuts.

#include <array>

class QAction;
class QActionGroup;
class QComboBox;
class QMainWindow;
class QMenu;
class QToolBar;

namespace vormak {

class PlotWidget;

struct ViewActions {
  // View menu.
  QAction* zoom_window = nullptr;  // F1
  QAction* zoom_all = nullptr;     // Alt+F1
  QAction* zoom_last = nullptr;    // F2
  QAction* zoom_half = nullptr;    // Alt+F2
  QAction* redraw = nullptr;       // F3
  QAction* axis = nullptr;         // F9
  QAction* black = nullptr;
  QAction* white = nullptr;
  // "View" toolbar: Top, Front, Side, Isometric View (one pressed).
  std::array<QAction*, 4> views{};
  QActionGroup* view_group = nullptr;
  // "Screen" toolbar.
  QAction* save_view = nullptr;
  QAction* load_view = nullptr;
  QComboBox* view_slot = nullptr;  // "1".."9"
  QToolBar* view_bar = nullptr;
  QToolBar* zoom_bar = nullptr;
  QToolBar* screen_bar = nullptr;
};

// Creates the actions and the three toolbars (added to the window) wired to the plot widget.
ViewActions BuildViewActions(QMainWindow* window, PlotWidget* plot);

// The zoom submenu, Redraw and Axis in the View menu, in the menu's order; `layers`, `solid`,
// `reset` and `animation` (any may be null) are put in their places between them.
void FillViewMenu(QMenu* menu, const ViewActions& actions, QAction* layers, QAction* solid,
                  QAction* reset, QAction* animation);

// On a lathe the view commands keep the Top View button pressed.
void ShowCurrentView(const ViewActions& actions, int slot);

}  // namespace vormak
