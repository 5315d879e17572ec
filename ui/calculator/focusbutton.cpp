// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculator/focusbutton.h"

#include <QKeyEvent>

namespace numerina::ui {

FocusButton::FocusButton(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Focus"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

void FocusButton::showEvent(QShowEvent* event) {
  // Named when first shown, not when built: naming asks the accessibility
  // bridge, which connects to the session bus (the window shows its
  // controls once it is on the screen).
  if (accessibleName().isEmpty()) setAccessibleName(QStringLiteral("tastiera della calcolatrice"));
  QWidget::showEvent(event);
}

bool FocusButton::event(QEvent* event) {
  // QWidget::event would use Tab to move the focus along the chain.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      key->accept();
      return true;
    }
  }
  return QWidget::event(event);
}

void FocusButton::keyPressEvent(QKeyEvent* event) {
  event->accept();
  // Space activates a button when it is let go, not when it is pressed.
  if (event->key() == Qt::Key_Space) return;
  if (onKeyPress) onKeyPress(event);
}

void FocusButton::keyReleaseEvent(QKeyEvent* event) {
  event->accept();
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && onClick) onClick();
}

}  // namespace numerina::ui
