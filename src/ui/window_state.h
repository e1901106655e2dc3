#pragma once
// Where the window and its toolbars were left: the toolbars' places kept in vormak.ini when
// the machine asks for it ("Save Toolbar Positions"), and a saved window place checked
// against the screens there are now.

#include <QRect>

class QMainWindow;

namespace vormak {

class IniFile;

// Section "Toolbars", key "State" of vormak.ini.
void SaveToolbarPositions(QMainWindow* window, IniFile& ini);
// False (nothing moved) when no positions were kept or they do not fit this window's toolbars.
bool RestoreToolbarPositions(QMainWindow* window, const IniFile& ini);

// The saved place when enough of its title bar lies on one of the screens to grab it;
// otherwise the same size (no larger than the primary screen's free area) centred there.
QRect PlaceOnAScreen(const QRect& saved);

}  // namespace vormak
