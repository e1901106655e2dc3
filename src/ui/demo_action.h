#pragma once
// File > Keyboard Macro > "Play Demo": the shipped example program is loaded and plotted,
// then the shipped demonstration script walks through a few utilities on it.

class QMenu;

namespace vormak {

class TMainForm;

// Runs the demonstration; false when the example or the script could not be loaded, or the
// programmer kept unsaved edits (Cancel on the save question).
bool PlayDemo(TMainForm& form);

// Enables the item "Play Demo" of `keyboard_macro` and connects it.
void AddPlayDemoItem(QMenu* keyboard_macro, TMainForm& form);

}  // namespace vormak
