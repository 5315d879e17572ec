// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculator/qthost.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "ui/calculator/calculator.h"
#include "ui/calculator/tapeview.h"
#include "ui/skin/text.h"

namespace numerina::ui {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Information: return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void QtHost::MessageBox(std::string_view text, std::string_view title, MessageIcon icon) {
  // No parent: the calculator is usually hidden while the box is up, and a
  // box must not vanish with it. Application-modal, one OK button.
  QMessageBox box(BoxIcon(icon), ToQString(title), ToQString(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  if (window_.OnTop()) box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box.exec();
}

void QtHost::HideMain() { window_.hide(); }

void QtHost::ShowMain() {
  window_.show();
  window_.activateWindow();
}

void QtHost::GiveFocusToFocus() { window_.GiveFocusToFocus(); }

void QtHost::TapeAppended(std::string_view fragment) { window_.Tape().AppendFragment(fragment); }

void QtHost::TapeCleared() { window_.Tape().ClearTape(); }

void QtHost::TapeCaretToEnd(bool) {
  // The tape never takes the keyboard here; moving its caret is enough to
  // keep the last line in view.
  window_.Tape().CaretToEnd();
}

void QtHost::DisplayChanged(std::string_view display) { window_.OnDisplayChanged(display); }

void QtHost::RerunStartup(Engine&) { window_.RerunStartup(); }

}  // namespace numerina::ui
