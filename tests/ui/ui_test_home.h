#pragma once
// For GUI tests that start the main window: a home and settings folder of their own, with the
// shipped data, so no test reads or writes the user's settings; and menu items by their path.

#include <QMenuBar>
#include <QTemporaryDir>
#include <memory>

#include "support/test_paths.h"
#include "ui/desktop_shortcuts.h"

namespace vormak::test {

// A fresh HOME (settings in HOME/config); invalid when no folder could be made.
inline std::unique_ptr<QTemporaryDir> MakeTestHome() {
  auto home = std::make_unique<QTemporaryDir>();
  if (!home->isValid()) return home;
  qputenv("HOME", home->path().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (home->path() + "/config").toLocal8Bit());
  qputenv("VORMAK_HOME", QByteArray::fromStdString(SourceDataDir()));
  return home;
}

// The item at `path` of the menu bar ("&File", "&Edit Window", ...); null when there is none.
inline QAction* MenuItem(QMenuBar* bar, const QStringList& path) {
  return MenuBarItem(bar, path);
}

}  // namespace vormak::test
