#pragma once
// The "Cad" toolbar (element buttons, Record Toolpath, Tool Box, the current colour) and the
// "Pick" toolbar that chooses how a pick in the plot window finds its point or element.

#include <array>
#include <cstdint>

#include "cad/element_pick.h"
#include "ui/cad_edit_menus.h"

class QAction;
class QActionGroup;
class QMainWindow;
class QToolBar;
class QToolButton;

namespace vormak {

struct CadToolbars {
  QToolBar* cad_bar = nullptr;
  QToolBar* pick_bar = nullptr;
  QAction* record_toolpath = nullptr;  // the window connects its run
  QAction* tool_box = nullptr;         // shows the toolbox window
  QToolButton* colour_button = nullptr;
  std::array<QAction*, 9> pick_modes{};  // in PickMode order
  QActionGroup* pick_group = nullptr;
};

// Creates both toolbars in `window`. The colour button sets the drawing's current colour;
// the Pick buttons set the workbench's pick mode, "Pick at Cursor Location" pressed.
CadToolbars BuildCadToolbars(QMainWindow* window, const CadMenuTarget& target);
// Presses the Pick button of the mode (a command may have changed it).
void ShowPickMode(const CadToolbars& bars, PickMode mode);

// The sixteen colours of the colour button, by name, in the palette's order.
struct NamedColour {
  const char* name;
  std::int32_t colour;  // red in the low byte, as elements hold it
};
extern const std::array<NamedColour, 16> kColourChoices;

}  // namespace vormak
