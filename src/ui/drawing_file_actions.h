#pragma once
// The drawing file items of File > Plot Window: Load CAD (F7), Save CAD (Alt+F7), Save As,
// Merge and Get Tool, built for whichever window owns the File menu.

#include <functional>
#include <string>

class QMenu;
class QWidget;

namespace vormak {

class Workbench;

struct DrawingFileTarget {
  Workbench* bench = nullptr;
  QWidget* plot = nullptr;                             // shows the hourglass while files work
  std::function<void()> redraw;                        // the plot window after a read
  std::function<void()> caption;                       // the window caption after load or save
  std::function<void(const std::string&)> add_recent;  // empty while there is no list
};

// Enables and connects the items of the "&Plot Window" submenu of `file_menu` (added when the
// submenu lacks them).
void InstallDrawingFileActions(QMenu* file_menu, const DrawingFileTarget& target);

// The Quit dialog for a modified drawing at shut-down: true when the window may close.
bool ConfirmDrawingQuit(const DrawingFileTarget& target);

}  // namespace vormak
