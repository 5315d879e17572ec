// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/smallwindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace numerina::ui {

SmallWindow::SmallWindow(QSize size, const QString& title)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowTitle(title);
  setFixedSize(size);
}

void SmallWindow::ShowCentred() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
  }
  show();
  raise();
  activateWindow();
}

void SmallWindow::Unload() {
  if (unloading_) return;
  unloading_ = true;
  close();
}

void SmallWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && !unloading_) {
    event->accept();
    CloseAsButton();
    return;
  }
  QWidget::keyPressEvent(event);
}

void SmallWindow::closeEvent(QCloseEvent* event) {
  if (unloading_) {
    event->accept();
    return;
  }
  // The window manager's close: run the close button's steps instead. A
  // close cannot start another from inside itself, so they run next.
  event->ignore();
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (!unloading_) CloseAsButton();
      },
      Qt::QueuedConnection);
}

void RaiseOpen(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace numerina::ui
