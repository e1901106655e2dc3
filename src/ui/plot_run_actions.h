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

 private:
  void Run(int command);
  void Progress();

  Workbench& bench_;
  PlotWidget* plot_;
  QElapsedTimer since_paint_;
};

}  // namespace vormak
