#pragma once
// The toolbars' glyphs and their rows along the top of the main window.

#include <QString>

class QIcon;
class QMainWindow;

namespace vormak {

// The glyph drawn for a toolbar button with this hint ("Plot Run " -> plot_run.svg); a null
// icon when none is drawn.
QIcon ToolbarGlyph(const QString& hint);

// Every button of the window's toolbars that has a glyph shows it instead of its caption (the
// caption stays the button's text and its hint the tooltip), and the toolbars are laid in rows
// no wider than `row_width`, in the order they were made, so none hides buttons behind its
// extension arrow on a screen that wide.
void ArrangeToolbars(QMainWindow* window, int row_width);

}  // namespace vormak
