#include "ui/keyboard_macro_actions.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <array>

#include "ncfiles/toolbox_words.h"
#include "nctext/host.h"
#include "ui/sci_edit_control.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

// Keys of a US keyboard that type punctuation: virtual key, the character unshifted and shifted.
struct PunctuationKey {
  std::uint8_t vk;
  char plain;
  char shifted;
};
constexpr std::array<PunctuationKey, 11> kPunctuation{{{186, ';', ':'},
                                                       {187, '=', '+'},
                                                       {188, ',', '<'},
                                                       {189, '-', '_'},
                                                       {190, '.', '>'},
                                                       {191, '/', '?'},
                                                       {192, '`', '~'},
                                                       {219, '[', '{'},
                                                       {220, '\\', '|'},
                                                       {221, ']', '}'},
                                                       {222, '\'', '"'}}};
constexpr const char* kShiftedDigits = ")!@#$%^&*(";  // Shift with 0 to 9

struct NamedKey {
  std::uint8_t vk;
  int qt;
};
constexpr std::array<NamedKey, 18> kNamedKeys{{{8, Qt::Key_Backspace},
                                               {9, Qt::Key_Tab},
                                               {13, Qt::Key_Return},
                                               {16, Qt::Key_Shift},
                                               {17, Qt::Key_Control},
                                               {18, Qt::Key_Alt},
                                               {27, Qt::Key_Escape},
                                               {32, Qt::Key_Space},
                                               {33, Qt::Key_PageUp},
                                               {34, Qt::Key_PageDown},
                                               {35, Qt::Key_End},
                                               {36, Qt::Key_Home},
                                               {37, Qt::Key_Left},
                                               {38, Qt::Key_Up},
                                               {39, Qt::Key_Right},
                                               {40, Qt::Key_Down},
                                               {45, Qt::Key_Insert},
                                               {46, Qt::Key_Delete}}};
constexpr const char* kKeypadOperators = "*+\0-./";  // virtual keys 106 to 111

std::uint8_t ShiftByte(Qt::KeyboardModifiers modifiers) {
  std::uint8_t shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= kShiftBit;
  if (modifiers & Qt::AltModifier) shift |= kAltBit;
  if (modifiers & Qt::ControlModifier) shift |= kCtrlBit;
  return shift;
}

std::uint8_t VirtualKeyOf(int key, bool keypad) {
  if (key == Qt::Key_Enter) return 13;
  for (const NamedKey& named : kNamedKeys) {
    if (named.qt == key) return named.vk;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::uint8_t>(key);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    return static_cast<std::uint8_t>(keypad ? 96 + (key - Qt::Key_0) : key);
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
    return static_cast<std::uint8_t>(112 + key - Qt::Key_F1);
  if (keypad) {
    for (int i = 0; i < 6; ++i) {
      if (kKeypadOperators[i] != 0 && key == kKeypadOperators[i])
        return static_cast<std::uint8_t>(106 + i);
    }
  }
  for (int d = 0; d < 10; ++d) {
    if (key == kShiftedDigits[d]) return static_cast<std::uint8_t>('0' + d);
  }
  for (const PunctuationKey& p : kPunctuation) {
    if (key == p.plain || key == p.shifted) return p.vk;
  }
  return 0;
}

}  // namespace

KeyRecord KeyRecordOf(const QKeyEvent& event, std::uint8_t kind) {
  const bool keypad = (event.modifiers() & Qt::KeypadModifier) != 0;
  KeyRecord record{VirtualKeyOf(event.key(), keypad), ShiftByte(event.modifiers()), kind};
  // A shifted symbol is its key with Shift held, as the keyboard makes it.
  const int key = event.key();
  // A letter plays back in the case it was typed, Caps Lock or not.
  const QString text = event.text();
  if (key >= Qt::Key_A && key <= Qt::Key_Z && text.size() == 1 && text[0].isLetter()) {
    record.shift = static_cast<std::uint8_t>(text[0].isUpper() ? record.shift | kShiftBit
                                                               : record.shift & ~kShiftBit);
  }
  const bool symbol =
      key < 128 && key > 32 && !(key >= 'A' && key <= 'Z') && !(key >= '0' && key <= '9');
  if (symbol && !keypad) {
    for (const PunctuationKey& p : kPunctuation) {
      if (key == p.shifted) record.shift |= kShiftBit;
    }
    for (int d = 0; d < 10; ++d) {
      if (key == kShiftedDigits[d]) record.shift |= kShiftBit;
    }
  }
  return record;
}

PlayedKey PlayedKeyOf(const KeyRecord& record) {
  PlayedKey played;
  const bool shift = (record.shift & kShiftBit) != 0;
  if (shift) played.modifiers |= Qt::ShiftModifier;
  if (record.shift & kAltBit) played.modifiers |= Qt::AltModifier;
  if (record.shift & kCtrlBit) played.modifiers |= Qt::ControlModifier;
  const int vk = record.key;
  const bool typing = (record.shift & (kAltBit | kCtrlBit)) == 0;
  auto character = [&](char c, int key) {
    played.key = key;
    if (typing) played.text = QString(QChar(c));
  };
  if (vk >= 'A' && vk <= 'Z') {
    character(static_cast<char>(shift ? vk : vk - 'A' + 'a'), vk);
  } else if (vk >= '0' && vk <= '9') {
    const char c = shift ? kShiftedDigits[vk - '0'] : static_cast<char>(vk);
    character(c, c);
  } else if (vk >= 96 && vk <= 105) {
    played.modifiers |= Qt::KeypadModifier;
    character(static_cast<char>('0' + vk - 96), Qt::Key_0 + vk - 96);
  } else if (vk >= 106 && vk <= 111 && kKeypadOperators[vk - 106] != 0) {
    played.modifiers |= Qt::KeypadModifier;
    character(kKeypadOperators[vk - 106], kKeypadOperators[vk - 106]);
  } else if (vk >= 112 && vk <= 135) {
    played.key = Qt::Key_F1 + vk - 112;
  } else {
    for (const PunctuationKey& p : kPunctuation) {
      if (p.vk == vk) character(shift ? p.shifted : p.plain, shift ? p.shifted : p.plain);
    }
    for (const NamedKey& named : kNamedKeys) {
      if (named.vk == vk) played.key = named.qt;
    }
    if (typing && vk == 32) played.text = " ";
    if (typing && vk == 13) played.text = "\r";
    if (typing && vk == 9) played.text = "\t";
  }
  return played;
}

namespace {

QAction* ItemOf(QMenu* menu, const char* caption) {
  if (menu == nullptr) return nullptr;
  for (QAction* a : menu->actions()) {
    if (a->text() == caption) return a;
  }
  return nullptr;
}

constexpr const char* kMacroFilter =
    "Macro Files (*.Key)|*.Key|Text files (*.TXT)|*.TXT|All files (*.*)|*.*";

}  // namespace

KeyboardMacroActions::KeyboardMacroActions(Workbench& bench, QMenu* menu, SciEditControl* pane1,
                                           SciEditControl* pane2, QObject* parent)
    : QObject(parent), bench_(bench), menu_(menu), pane1_(pane1), pane2_(pane2) {
  const std::pair<const char*, void (KeyboardMacroActions::*)()> items[] = {
      {"&Start Recording", &KeyboardMacroActions::StartRecording},
      {"&End Recording", &KeyboardMacroActions::EndRecording},
      {"&Play", &KeyboardMacroActions::Play},
      {"&Until Breakpoint", &KeyboardMacroActions::PlayUntilBookmark},
      {"S&ave...", &KeyboardMacroActions::SaveAs},
      {"&Load...", &KeyboardMacroActions::Load}};
  for (const auto& [caption, command] : items) {
    if (QAction* item = ItemOf(menu_, caption)) {
      item->setEnabled(true);
      connect(item, &QAction::triggered, this, [this, command = command] { (this->*command)(); });
    }
  }
  for (const char* caption : {"&Start Recording", "&End Recording"}) {
    if (QAction* item = ItemOf(menu_, caption)) item->setCheckable(true);
  }
  for (SciEditControl* pane : {pane1_, pane2_}) {
    if (pane != nullptr) pane->installEventFilter(this);
  }
}

void KeyboardMacroActions::Check(bool recording) {
  if (QAction* start = ItemOf(menu_, "&Start Recording")) start->setChecked(recording);
  if (QAction* end = ItemOf(menu_, "&End Recording")) end->setChecked(!recording);
}

void KeyboardMacroActions::StartRecording() {
  Check(true);
  if (!macro_.StartRecording(bench_)) Check(false);
}

void KeyboardMacroActions::EndRecording() {
  Check(false);
  macro_.EndRecording(bench_);
}

void KeyboardMacroActions::Play() {
  if (macro_.recording()) Check(false);
  macro_.Play(bench_, [this](const KeyRecord& record) { SendKey(record); });
}

void KeyboardMacroActions::PlayUntilBookmark() {
  if (macro_.recording()) Check(false);
  macro_.PlayUntilBookmark(
      bench_, [this](const KeyRecord& record) { SendKey(record); },
      [this] { pane1_->viewport()->repaint(); });
}

void KeyboardMacroActions::PlayStored(const std::string& name) {
  if (macro_.recording()) Check(false);
  macro_.PlayStored(bench_, name, [this](const KeyRecord& record) { SendKey(record); });
}

void KeyboardMacroActions::SaveAs() {
  FileDialogRequest request;
  request.caption = "Save Current Macro As";
  request.initial_dir = bench_.settings.script_path;
  request.filter = kMacroFilter;
  request.default_ext = "Key";
  if (const auto target = bench_.host().SaveFileDialog(request)) macro_.SaveAs(bench_, *target);
}

void KeyboardMacroActions::Load() {
  FileDialogRequest request;
  request.caption = "Open";
  request.initial_dir = bench_.settings.script_path;
  request.filter = kMacroFilter;
  if (const auto source = bench_.host().OpenFileDialog(request)) macro_.Load(bench_, *source);
}

void KeyboardMacroActions::SendKey(const KeyRecord& record) {
  const PlayedKey played = PlayedKeyOf(record);
  if (played.key == 0) return;
  QWidget* target = QApplication::focusWidget();
  if (target != pane1_ && target != pane2_) target = pane1_;
  const QEvent::Type type = record.kind == kKeyUp ? QEvent::KeyRelease : QEvent::KeyPress;
  QKeyEvent event(type, played.key, played.modifiers, played.text);
  QApplication::sendEvent(target, &event);
}

bool KeyboardMacroActions::eventFilter(QObject* watched, QEvent* event) {
  const bool press = event->type() == QEvent::KeyPress;
  if (!press && event->type() != QEvent::KeyRelease) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (watched == pane1_ && macro_.recording()) {
    const KeyRecord record = KeyRecordOf(*key, press ? kKeyDown : kKeyUp);
    if (record.key != 0) macro_.RecordKeyEvent(record.key, record.shift, record.kind);
  }
  // Ctrl+0 to Ctrl+3 (the keypad's too) make the line a G0 to G3 move.
  const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
  if (press && mods == Qt::ControlModifier && key->key() >= Qt::Key_0 && key->key() <= Qt::Key_3) {
    bench_.active_pane = watched == pane2_ ? 2 : 1;
    SetMotionCode(bench_, key->key() - Qt::Key_0);
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace vormak
