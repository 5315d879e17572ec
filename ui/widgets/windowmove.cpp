// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/windowmove.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

namespace numerina::ui {

bool PositionKnown() {
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

WindowMover::WindowMover(QWidget& window, std::function<void(QPoint)> placeSettled)
    : QObject(&window), window_(window), placeSettled_(std::move(placeSettled)) {
  settle_.setSingleShot(true);
  settle_.setInterval(200);
  connect(&settle_, &QTimer::timeout, this, &WindowMover::Settled);
}

void WindowMover::Start(QPoint pressedAt, QPoint pointerNow) {
  session_ = true;
  released_ = false;
  reported_ = false;
  manual_ = false;
  // The mouse has already gone some way from the press: the window catches
  // up first, so that it keeps the pressed pixel under the mouse (the
  // window manager's move takes the window as it finds it).
  offset_ = pressedAt - window_.pos();
  if (pointerNow != pressedAt) window_.move(pointerNow - offset_);
  QWindow* handle = window_.windowHandle();
  if (!handle || !handle->startSystemMove()) {
    // No window manager to do it: follow the mouse ourselves.
    manual_ = true;
  }
  // With the system move the release may never reach us: the timer also
  // ends a session whose button is up again.
  settle_.start();
}

bool WindowMover::MouseMove(const QMouseEvent& event) {
  if (!manual_) return false;
  window_.move(event.globalPosition().toPoint() - offset_);
  return true;
}

bool WindowMover::MouseRelease(const QMouseEvent& event) {
  if (!session_ || event.button() != Qt::LeftButton) return false;
  const bool wasManual = manual_;
  manual_ = false;
  released_ = true;
  Report();
  settle_.start();
  return wasManual || session_;
}

void WindowMover::BodyPress(const QMouseEvent& event) {
  pending_ = event.button() == Qt::LeftButton;
  pressedAt_ = event.globalPosition().toPoint();
}

void WindowMover::BodyMove(const QMouseEvent& event) {
  if (MouseMove(event)) return;
  if (!pending_ || !(event.buttons() & Qt::LeftButton)) return;
  // Not at the press: a system move asked for at the press of a quick
  // click can start after the release and leave the window on the pointer.
  const QPoint now = event.globalPosition().toPoint();
  if ((now - pressedAt_).manhattanLength() < QGuiApplication::styleHints()->startDragDistance())
    return;
  pending_ = false;
  Start(pressedAt_, now);
}

void WindowMover::BodyRelease(const QMouseEvent& event) {
  if (event.button() == Qt::LeftButton) pending_ = false;
  MouseRelease(event);
}

void WindowMover::WindowMoved() {
  if (session_) settle_.start();
}

void WindowMover::Flush() {
  if (!session_) return;
  settle_.stop();
  Settled();
  session_ = false;
  manual_ = false;
}

void WindowMover::Settled() {
  if (!reported_ || window_.pos() != lastReported_) Report();
  const bool buttonUp = !(QGuiApplication::mouseButtons() & Qt::LeftButton);
  if (released_ || (!manual_ && buttonUp)) session_ = false;
}

void WindowMover::Report() {
  reported_ = true;
  lastReported_ = window_.pos();
  if (placeSettled_) placeSettled_(lastReported_);
}

}  // namespace numerina::ui
