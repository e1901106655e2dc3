#pragma once
// The "Plot" and "Insert" toolbars and the plot shortcuts of the main window: the run
// commands of the backplotter, with the plot window repainted while a run goes on.

#include <QElapsedTimer>
#include <QObject>

class QAction;
class QMainWindow;
class QToolBar;

namespace vormak {

class PlotWidget;
class Workbench;

class PlotRunActions : public QObject {
  Q_OBJECT
 public:
  // Adds the toolbars to the window and makes Escape reset the run state.
  PlotRunActions(QMainWindow* window, Workbench& bench, PlotWidget* plot);

  QToolBar* plot_bar = nullptr;
  QToolBar* insert_bar = nullptr;
  QAction* reset_nc = nullptr;
  QAction* run_selected = nullptr;
  QAction* run_all = nullptr;
  QAction* step_down = nullptr;  // Plot Current Line, Alt+Down
  QAction* step_up = nullptr;    // Alt+Up
  QAction* plot_auto = nullptr;
  QAction* insert_y = nullptr;  // a lathe has no Y: hidden there, as "Insert XY Value"
  QAction* insert_xy = nullptr;
  QAction* edit_undo = nullptr;  // undoes the last insert in the active pane

  // Shows the insert buttons the machine type has axes for.
  void ShowInsertButtonsFor(bool lathe);

 private:
  void Run(int command);
  void Progress();

  Workbench& bench_;
  PlotWidget* plot_;
  QElapsedTimer since_paint_;
};

}  // namespace vormak
