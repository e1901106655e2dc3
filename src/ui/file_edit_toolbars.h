#pragma once
// The "File" and "Edit" toolbars: buttons for menu commands (Load NC File, Save CAD File,
// Cut to Clipboard ...). Each button runs its menu item and is greyed, with the item's
// tooltip, whenever the item is.

class QMainWindow;

namespace vormak {

void BuildFileEditToolbars(QMainWindow* window);

}  // namespace vormak
