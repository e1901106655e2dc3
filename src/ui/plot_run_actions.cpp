#include "ui/plot_run_actions.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>

#include "interp/run_driver.h"
#include "ui/plot_widget.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr qint64 kPaintIntervalMs = 50;

QAction* Button(QToolBar* bar, const char* hint, const char* name) {
  QAction* action = bar->addAction(hint);
  action->setToolTip(hint);
  action->setObjectName(name);
  return action;
}

}  // namespace

PlotRunActions::PlotRunActions(QMainWindow* window, Workbench& bench, PlotWidget* plot)
    : QObject(window), bench_(bench), plot_(plot) {
  InstallRunDriver(bench_);
  bench_.interp.run.on_progress = [this] { Progress(); };
  since_paint_.start();

  plot_bar = window->addToolBar("Plot");
  plot_bar->setObjectName("Plot");
  const auto wire = [this](QAction* action, RunCommand command) {
    connect(action, &QAction::triggered, this, [this, command] { Run(static_cast<int>(command)); });
  };
  reset_nc = Button(plot_bar, "Reset NC", "ResetNc");
  wire(reset_nc, RunCommand::kResetNc);
  run_selected = Button(plot_bar, "Plot Selected Text", "PlotSelectedText");
  wire(run_selected, RunCommand::kRunSelectedText);
  run_all = Button(plot_bar, "Plot Run ", "PlotRun");
  wire(run_all, RunCommand::kRunAll);
  step_down = Button(plot_bar, "Plot Current Line", "PlotCurrentLine");
  step_down->setShortcut(Qt::ALT | Qt::Key_Down);
  step_down->setShortcutContext(Qt::ApplicationShortcut);
  wire(step_down, RunCommand::kPlotCurrentLine);
  step_up = Button(plot_bar, "Plot Step Up", "PlotStepUp");
  step_up->setShortcut(Qt::ALT | Qt::Key_Up);
  step_up->setShortcutContext(Qt::ApplicationShortcut);
  wire(step_up, RunCommand::kStepUp);
  plot_auto = Button(plot_bar, "Plot Auto", "PlotAuto");
  wire(plot_auto, RunCommand::kPlotAuto);

  insert_bar = window->addToolBar("Insert");
  insert_bar->setObjectName("Insert");
  const std::pair<const char*, InsertCommand> inserts[] = {
      {"Insert X Value", InsertCommand::kX},   {"Insert Y Value", InsertCommand::kY},
      {"Insert Z Value", InsertCommand::kZ},   {"Insert XY Value", InsertCommand::kXY},
      {"Insert XZ Value", InsertCommand::kXZ}, {"Insert Arc", InsertCommand::kArc}};
  for (const auto& [hint, command] : inserts) {
    QAction* action = Button(insert_bar, hint, hint);
    connect(action, &QAction::triggered, this, [this, c = command] {
      if (!bench_.interp.run.running) InsertCommandValue(bench_, c);
    });
    if (command == InsertCommand::kY) insert_y = action;
    if (command == InsertCommand::kXY) insert_xy = action;
  }
  edit_undo = Button(insert_bar, "Edit Undo", "EditUndo");
  connect(edit_undo, &QAction::triggered, this, [this] {
    EditControl* pane = bench_.Pane(bench_.active_pane);
    if (!bench_.interp.run.running && pane != nullptr) pane->Undo();
  });
}

void PlotRunActions::ShowInsertButtonsFor(bool lathe) {
  insert_y->setVisible(!lathe);
  insert_xy->setVisible(!lathe);
}

void PlotRunActions::Run(int command) {
  if (bench_.interp.run.running) return;  // runs are not re-entrant
  since_paint_.restart();
  StartRun(bench_, static_cast<RunCommand>(command));
  plot_->update();
}

// The plot shows the run as it goes; the host's polls keep the window answering.
void PlotRunActions::Progress() {
  if (since_paint_.elapsed() < kPaintIntervalMs) return;
  since_paint_.restart();
  plot_->update();
}

}  // namespace vormak
