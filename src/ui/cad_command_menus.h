#pragma once
// The CAD menu's Points, Lines, Circles, Text, Arrowhead, Trim, Xform and Analyse items: each
// starts its command in the plot window.

#include "ui/cad_edit_menus.h"

class QMenu;

namespace vormak {

void AddCadCommandMenus(QMenu* cad_menu, const CadMenuTarget& target);

}  // namespace vormak
