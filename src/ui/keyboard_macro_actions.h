#pragma once
// The "&Keyboard Macro" menu and the keys of the editor panes: recording the keys typed in
// pane 1, playing them back as typed keys, and the pane shortcuts Ctrl+0..3 (motion code).

#include <QObject>
#include <QString>
#include <cstdint>

#include "ncfiles/keyboard_macro.h"

class QKeyEvent;
class QMenu;
class QWidget;

namespace vormak {

class Workbench;
class SciEditControl;

// Virtual-key code and shift byte of a Qt key event; key 0 for keys a macro cannot hold.
KeyRecord KeyRecordOf(const QKeyEvent& event, std::uint8_t kind);
// The key event a record plays back: key, modifiers and the text a US keyboard types.
struct PlayedKey {
  int key = 0;
  Qt::KeyboardModifiers modifiers;
  QString text;
};
PlayedKey PlayedKeyOf(const KeyRecord& record);

class KeyboardMacroActions : public QObject {
 public:
  // Connects the items of `menu` ("&Keyboard Macro") and watches the keys of both panes.
  KeyboardMacroActions(Workbench& bench, QMenu* menu, SciEditControl* pane1, SciEditControl* pane2,
                       QObject* parent);

  KeyboardMacro& macro() { return macro_; }
  void StartRecording();
  void EndRecording();
  void Play();
  void PlayUntilBookmark();
  void SaveAs();
  void Load();
  // The toolbox's "@name".
  void PlayStored(const std::string& name);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SendKey(const KeyRecord& record);
  void Check(bool recording);

  Workbench& bench_;
  QMenu* menu_;
  SciEditControl* pane1_;
  SciEditControl* pane2_;
  KeyboardMacro macro_;
};

}  // namespace vormak
