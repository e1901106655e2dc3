#include "ui/window_state.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QToolBar>
#include <algorithm>

#include "settings/ini_file.h"

namespace vormak {
namespace {

constexpr const char* kSection = "Toolbars";
constexpr const char* kKey = "State";
constexpr int kStateVersion = 1;
// A strip of the title bar this tall and wide must show for the window to be dragged back.
constexpr int kGrabHeight = 30;
constexpr int kGrabWidth = 100;

// Toolbars are found again by name; one made without a name takes its caption.
void NameToolbars(QMainWindow* window) {
  for (QToolBar* bar : window->findChildren<QToolBar*>()) {
    if (bar->objectName().isEmpty()) bar->setObjectName(bar->windowTitle());
  }
}

}  // namespace

void SaveToolbarPositions(QMainWindow* window, IniFile& ini) {
  NameToolbars(window);
  const QByteArray state = window->saveState(kStateVersion).toBase64();
  ini.Set(kSection, kKey, state.toStdString());
}

bool RestoreToolbarPositions(QMainWindow* window, const IniFile& ini) {
  const std::string text = ini.Get(kSection, kKey, "");
  if (text.empty()) return false;
  NameToolbars(window);
  return window->restoreState(QByteArray::fromBase64(QByteArray::fromStdString(text)),
                              kStateVersion);
}

QRect PlaceOnAScreen(const QRect& saved) {
  const QRect title(saved.left(), saved.top(), saved.width(), kGrabHeight);
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect seen = title & screen->availableGeometry();
    if (seen.width() >= std::min(kGrabWidth, saved.width()) && seen.height() >= kGrabHeight / 2) {
      return saved;
    }
  }
  const QScreen* primary = QGuiApplication::primaryScreen();
  const QRect area = primary != nullptr ? primary->availableGeometry() : QRect(0, 0, 1024, 768);
  QRect placed(QPoint(0, 0), saved.size().boundedTo(area.size()));
  placed.moveCenter(area.center());
  return placed;
}

}  // namespace vormak
