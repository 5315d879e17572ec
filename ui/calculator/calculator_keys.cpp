// SPDX-License-Identifier: GPL-3.0-or-later
// Calculator: the keyboard. Typed keys go through the same flash queue as
// mouse clicks, so each typed key flashes its picture and acts in order.
#include <QKeyEvent>

#include "engine/keys.h"
#include "ui/calculator/calculator.h"
#include "ui/calculator/keylog.h"
#include "ui/calculator/shell.h"
#include "ui/calculator/tapeview.h"

namespace numerina::ui {
namespace {

// The virtual key codes of the key-down map, from Qt's keys. Both Return
// and the keypad's Enter are Enter.
int VirtualKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return kVkReturn;
    case Qt::Key_Delete: return kVkDelete;
    case Qt::Key_Backspace: return kVkBack;
    case Qt::Key_Home: return kVkHome;
    case Qt::Key_Escape: return kVkEscape;
    default: return 0;
  }
}

char32_t TypedCharacter(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.isEmpty()) return 0;
  const QList<uint> ucs4 = text.toUcs4();
  return ucs4.isEmpty() ? 0 : static_cast<char32_t>(ucs4.front());
}

void LogKey(const QKeyEvent& event) {
  if (event.text().isEmpty())
    KeyLog("keycode", QByteArray::number(event.key()).toStdString());
  else
    KeyLog("key", event.text().toStdString());
}

}  // namespace

void Calculator::PressKey(const KeyDef& key) {
  const int row = static_cast<int>(&key - kKeys.data());
  if (row < 0 || row >= static_cast<int>(kKeys.size())) return;
  // A disabled key (the recall key with nothing stored) does not move.
  if (!keys_[row]->isEnabled()) return;
  flash_.Press(row, [this, row] { KeyAction(row); });
}

void Calculator::GestisciTasto(char32_t c) {
  if (const std::optional<KeyRef> key = numerina::GestisciTasto(c))
    if (const KeyDef* def = FindKey(*key)) PressKey(*def);
}

bool Calculator::StandardShortcut(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier |
                                                          Qt::AltModifier | Qt::MetaModifier);
  const bool ctrl = mods == Qt::ControlModifier;
  const bool ctrlShift = mods == (Qt::ControlModifier | Qt::ShiftModifier);
  // Ctrl+C copies a selection on the tape when the tape was the last thing
  // clicked (a selection made with the mouse or its menu).
  if (ctrl && event.key() == Qt::Key_C && tapeLastClicked_ && tape_ &&
      tape_->textCursor().hasSelection()) {
    tape_->CopySelectionOrAll();
    return true;
  }
  // Ctrl+C and Ctrl+V do what the toolbar's copy and paste do, flashing
  // their buttons; they never reach the "c"/"C" key (clear).
  if (ctrl && (event.key() == Qt::Key_C || event.key() == Qt::Key_V)) {
    const Tool tool = event.key() == Qt::Key_C ? Tool::Copy : Tool::Paste;
    flash_.Press(ToolLook(tool), [this, tool] { ToolAction(tool); });
    return true;
  }
  if (ctrlShift && event.key() == Qt::Key_C) {
    CopyTape();
    return true;
  }
  return false;
}

void Calculator::FocusKeyDown(QKeyEvent* event) {
  LogKey(*event);
  if (StandardShortcut(*event)) return;
  const int vk = VirtualKey(event->key());
  if (vk == kVkEscape) {
    EscOnFocus();
    return;
  }
  if (vk != 0) {
    // Enter, Delete, Backspace and Home act through the key-down map only:
    // their characters (CR, DEL, BS) must not act a second time.
    if (const std::optional<KeyRef> key = KeyDownMap(vk))
      if (const KeyDef* def = FindKey(*key)) PressKey(*def);
    return;
  }
  GestisciTasto(TypedCharacter(*event));
}

void Calculator::keyPressEvent(QKeyEvent* event) {
  // Keys reach the window itself only while no control has the focus: Esc
  // ends the program, characters act, nothing else does.
  event->accept();
  LogKey(*event);
  if (event->key() == Qt::Key_Escape) {
    EscOnWindow();
    return;
  }
  if (StandardShortcut(*event)) return;
  if (VirtualKey(event->key()) != 0) return;
  GestisciTasto(TypedCharacter(*event));
}

void Calculator::EscOnFocus() {
  // With a tray the window is unloaded and the program goes on there;
  // without one nothing could bring it back: the program ends.
  if (!shell_.UnloadToTray()) shell_.Esci();
}

void Calculator::EscOnWindow() { shell_.Esci(); }

}  // namespace numerina::ui
