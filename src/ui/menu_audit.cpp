#include "ui/menu_audit.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <set>

namespace vormak {
namespace {

struct Waiting {
  const char* caption;
  const char* waits_for;
};

constexpr const char* kPrinting = "Waits for printing (print preview and PDF)";
constexpr const char* kPictures = "Waits for the picture export (clipboard and image files)";
constexpr const char* kKeyMacros = "Waits for keyboard macros";
constexpr const char* kCam = "Waits for the CAM tool-path commands";
constexpr const char* kTools = "Waits for tool shape files";
constexpr const char* kTwin = "Waits for two-turret program commands";

constexpr Waiting kWaiting[] = {
    {"Print CAD", kPrinting},
    {"Print Bitmap", kPrinting},
    {"Print NC", kPrinting},
    {"Print NC File", kPrinting},
    {"Print W/Tools", kPrinting},
    {"Print Editor", kPrinting},
    {"Set Printer...", kPrinting},
    {"Print Columns...", kPrinting},
    {"Print Tool List...", kPrinting},
    {"Print To Scale...", kPrinting},
    {"Wmf-All", kPictures},
    {"Wmf-Group", kPictures},
    {"Bitmap", kPictures},
    {"Save Bitmap", kPictures},
    {"Start Recording", kKeyMacros},
    {"End Recording", kKeyMacros},
    {"Play", kKeyMacros},
    {"Until Breakpoint", kKeyMacros},
    {"Save...", kKeyMacros},
    {"Load...", kKeyMacros},
    {"Get Tool...", kTools},
    {"Save Tool", kTools},
    {"Save Tool As...", kTools},
    {"Point", kCam},
    {"Tangent", kCam},
    {"Arc", kCam},
    {"Arc Intersect", kCam},
    {"Intersection", kCam},
    {"Corner", kCam},
    {"Tangent-Point", kCam},
    {"Tangent-Drag", kCam},
    {"Contour...", kCam},
    {"Offset...", kCam},
    {"Corner Radius...", kCam},
    {"Load Tool...", kCam},
    {"Tool Tangent", kCam},
    {"Contour", kCam},
    {"Change Tool Offset", kCam},
    {"Arc Intersection", kCam},
    {"Tool Drag", kCam},
    {"Tool Tangent at Intersection", kCam},
    {"Tool Around Arc", kCam},
    {"Tool at Point", kCam},
    {"Tool Tangent to Line at Point", kCam},
    {"Tool Around Corner", kCam},
    {"Line up P#", kTwin},
    {"Seq", "Waits for the tool-change sequence list"},
    {"---", "Waits for a program on the Configuration dialog's Screen page"},
    {"Recent Files", "Waits for a file to be loaded or saved"},
    {"Tool Box", "Waits for the toolbox buttons"},
};

void Walk(QMenu* menu, std::set<QAction*>& seen, std::vector<QAction*>& out) {
  menu->setToolTipsVisible(true);
  for (QAction* action : menu->actions()) {
    if (action->isSeparator() || !seen.insert(action).second) continue;
    out.push_back(action);
    if (action->menu() != nullptr) Walk(action->menu(), seen, out);
  }
}

}  // namespace

QString WaitingFor(const QString& caption) {
  const QString plain = QString(caption).remove('&').trimmed();
  for (const Waiting& entry : kWaiting) {
    if (plain == entry.caption) return entry.waits_for;
  }
  return {};
}

std::vector<QAction*> AllCommandActions(QMainWindow* window) {
  std::set<QAction*> seen;
  std::vector<QAction*> actions;
  for (QAction* top : window->menuBar()->actions()) {
    if (top->menu() != nullptr) Walk(top->menu(), seen, actions);
  }
  for (QToolBar* bar : window->findChildren<QToolBar*>()) {
    for (QAction* action : bar->actions()) {
      if (!action->isSeparator() && seen.insert(action).second) actions.push_back(action);
    }
  }
  return actions;
}

void AddMissingToolbars(QMainWindow* window) {
  struct Bar {
    const char* title;
    std::vector<const char*> hints;
  };
  const Bar bars[] = {
      {"Sequence",
       {"Seq", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14"}},
      {"Cam",
       {"Tool Tangent", "Contour", "Change Tool Offset", "Arc Intersection", "Tool Drag",
        "Tool Tangent at Intersection", "Tool Around Arc", "Tool at Point",
        "Tool Tangent to Line at Point", "Tool Around Corner"}},
  };
  // The CAM switch on the Insert toolbar.
  for (QToolBar* insert : window->findChildren<QToolBar*>()) {
    if (insert->windowTitle() != "Insert") continue;
    bool present = false;
    for (QAction* action : insert->actions()) present = present || action->text() == "Auto Insert";
    if (present) continue;
    QAction* auto_insert = insert->addAction("Auto Insert");
    auto_insert->setCheckable(true);
    auto_insert->setEnabled(false);
    auto_insert->setToolTip(kCam);
  }
  for (const Bar& bar : bars) {
    bool present = false;
    for (QToolBar* existing : window->findChildren<QToolBar*>()) {
      present = present || existing->windowTitle() == bar.title;
    }
    if (present) continue;
    QToolBar* made = window->addToolBar(bar.title);
    made->setObjectName(bar.title);
    const QString waits =
        QString(bar.title) == "Cam" ? kCam : "Waits for the tool-change sequence list";
    for (const char* hint : bar.hints) {
      QAction* action = made->addAction(hint);
      action->setEnabled(false);
      action->setToolTip(waits);
    }
  }
}

void MarkWaitingItems(QMainWindow* window) {
  for (QAction* action : AllCommandActions(window)) {
    if (action->isEnabled()) continue;
    QString waits = WaitingFor(action->text());
    if (waits.isEmpty()) waits = WaitingFor(action->toolTip());
    if (!waits.isEmpty()) action->setToolTip(waits);
  }
}

}  // namespace vormak
