#include "ui/view_actions.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>

#include "ui/plot_widget.h"

namespace vormak {

namespace {

template <typename Handler>
QAction* Command(QObject* owner, const char* caption, const QKeySequence& shortcut,
                 Handler handler) {
  auto* action = new QAction(caption, owner);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  QObject::connect(action, &QAction::triggered, owner, handler);
  return action;
}

QToolBar* Bar(QMainWindow* window, const char* caption) {
  QToolBar* bar = window->addToolBar(caption);
  bar->setObjectName(caption);
  return bar;
}

// A toolbar button whose caption is its hint (the buttons have no glyphs).
template <typename Handler>
QAction* Button(QToolBar* bar, const char* hint, Handler handler) {
  QAction* action = bar->addAction(hint);
  action->setToolTip(hint);
  QObject::connect(action, &QAction::triggered, bar, handler);
  return action;
}

}  // namespace

ViewActions BuildViewActions(QMainWindow* window, PlotWidget* plot) {
  ViewActions a;
  a.zoom_window = Command(window, "&Zoom Window", Qt::Key_F1, [plot] { plot->StartZoomWindow(); });
  a.zoom_all = Command(window, "Zoom &All", Qt::ALT | Qt::Key_F1, [plot] { plot->ZoomAll(); });
  a.zoom_last = Command(window, "&Last", Qt::Key_F2, [plot] { plot->ZoomLast(); });
  a.zoom_half = Command(window, "&Half", Qt::ALT | Qt::Key_F2, [plot] { plot->ZoomHalf(); });
  a.redraw = Command(window, "&Redraw", Qt::Key_F3, [plot] { plot->RedrawPlot(); });
  a.axis = Command(window, "A&xis", Qt::Key_F9, [plot] { plot->Axis(); });
  a.black = Command(window, "&Black", {}, [plot] { plot->SetBlackBackground(); });
  a.white = Command(window, "&White", {}, [plot] { plot->SetWhiteBackground(); });

  a.view_bar = Bar(window, "View");
  a.view_group = new QActionGroup(a.view_bar);
  const char* views[] = {"Top View", "Front View", "Side View", "Isometric View"};
  for (int slot = 1; slot <= 4; ++slot) {
    QAction* action = Button(a.view_bar, views[slot - 1], [plot, slot] { plot->SelectView(slot); });
    action->setCheckable(true);
    a.view_group->addAction(action);
    a.views[static_cast<size_t>(slot - 1)] = action;
  }
  a.views[0]->setChecked(true);
  const auto views_copy = a;
  QObject::connect(plot, &PlotWidget::ViewSelected, a.view_bar,
                   [views_copy](int slot) { ShowCurrentView(views_copy, slot); });

  a.zoom_bar = Bar(window, "Zoom");
  Button(a.zoom_bar, "Zoom Window", [plot] { plot->StartZoomWindow(); });
  Button(a.zoom_bar, "Zoom Half", [plot] { plot->ZoomHalf(); });
  Button(a.zoom_bar, "Zoom All", [plot] { plot->ZoomAll(); });
  Button(a.zoom_bar, "Redraw", [plot] { plot->RedrawPlot(); });

  a.screen_bar = Bar(window, "Screen");
  QComboBox* slot_box = new QComboBox(a.screen_bar);
  slot_box->setObjectName("ViewSlot");
  for (int n = 1; n <= 9; ++n) slot_box->addItem(QString::number(n));
  slot_box->setCurrentIndex(0);
  a.view_slot = slot_box;
  a.save_view = Button(a.screen_bar, "Save Screen View",
                       [plot, slot_box] { plot->SaveScreenView(slot_box->currentText()); });
  a.load_view = Button(a.screen_bar, "Load Screen View",
                       [plot, slot_box] { plot->LoadScreenView(slot_box->currentText()); });
  a.screen_bar->addWidget(slot_box);
  return a;
}

void FillViewMenu(QMenu* menu, const ViewActions& actions, QAction* layers, QAction* solid,
                  QAction* reset, QAction* animation) {
  QMenu* zoom = menu->addMenu("Zoom");
  zoom->addActions({actions.zoom_window, actions.zoom_all, actions.zoom_last, actions.zoom_half});
  for (QAction* action : {layers, solid, actions.redraw, reset, actions.axis, animation}) {
    if (action) menu->addAction(action);
  }
  QMenu* screen = menu->addMenu("Scree&n");
  screen->addActions({actions.black, actions.white});
}

void ShowCurrentView(const ViewActions& actions, int slot) {
  if (slot >= 1 && slot <= 4) actions.views[static_cast<size_t>(slot - 1)]->setChecked(true);
}

}  // namespace vormak
