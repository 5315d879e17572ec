// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculator/qthost.h"

#include <QCoreApplication>

#include "ui/calculator/calculator.h"
#include "ui/calculator/shell.h"
#include "ui/calculator/tapeview.h"
#include "ui/widgets/messagebox.h"

namespace numerina::ui {

void QtHost::MessageBox(std::string_view text, std::string_view title, MessageIcon icon) {
  // No parent: the calculator is usually hidden while the box is up, and a
  // box must not vanish with it. Application-modal, one OK button, centred
  // on the calculator's place (a hidden window keeps its geometry).
  PlacedMessageBox box(window_.frameGeometry());
  SetUpMessageBox(box, text, title, icon);
  if (window_.OnTop()) box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box.exec();
}

void QtHost::HideMain() { window_.hide(); }

void QtHost::ShowMain() {
  window_.show();
  window_.activateWindow();
}

void QtHost::GiveFocusToFocus() { window_.GiveFocusToFocus(); }

void QtHost::TapeAppended(std::string_view fragment) {
  window_.Tape().AppendFragment(fragment);
  window_.Shell().TapeAppended(fragment);
}

void QtHost::TapeCleared() {
  window_.Tape().ClearTape();
  window_.Shell().TapeCleared();
}

void QtHost::TapeCaretToEnd(bool) {
  // The tape never takes the keyboard here; moving its caret is enough to
  // keep the last line in view.
  window_.Tape().CaretToEnd();
}

void QtHost::DisplayChanged(std::string_view display) { window_.OnDisplayChanged(display); }

void QtHost::RerunStartup(Engine&) { window_.RerunStartup(); }

}  // namespace numerina::ui
