// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moving the captionless window: a drag hands the mouse to the window
// manager's own move (QWindow::startSystemMove); where that is
// refused (no window manager) the window follows the mouse until the button
// is released. The final place is reported once the move has settled: at
// the release, and again when move events still come after it (some window
// managers deliver the last move after the release), 200 ms after the last
// one. (A click that does not move is the window's to report: no move
// starts for it.) Windows without a place to keep pass no placeSettled.

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <functional>

class QMouseEvent;
class QWidget;

namespace numerina::ui {

// Whether the window system tells where a window stands: not on Wayland,
// where a place read back is not where the compositor shows the window.
bool PositionKnown();

class WindowMover : public QObject {
  Q_OBJECT

 public:
  WindowMover(QWidget& window, std::function<void(QPoint)> placeSettled);

  // Starts a move once the mouse has moved with the left button held;
  // pressedAt is the global place of the press and pointerNow where the
  // mouse is, so that the window keeps the pressed pixel under the mouse.
  void Start(QPoint pressedAt, QPoint pointerNow);
  // Mouse events of the window while the move runs; true when taken.
  bool MouseMove(const QMouseEvent& event);
  bool MouseRelease(const QMouseEvent& event);
  // The window's move events.
  void WindowMoved();
  // Reports a place that is still settling at once.
  void Flush();

  // The whole drag of a window whose body moves it, from the window's
  // mouse events: a left press, then a move of the drag distance starts it.
  void BodyPress(const QMouseEvent& event);
  void BodyMove(const QMouseEvent& event);
  void BodyRelease(const QMouseEvent& event);

  bool Active() const { return session_; }
  // A body press waits for the drag distance.
  bool Pending() const { return pending_; }
  void SetSettleMs(int ms) { settle_.setInterval(ms); }

 private:
  void Settled();
  void Report();

  QWidget& window_;
  std::function<void(QPoint)> placeSettled_;
  QTimer settle_;
  QPoint offset_;
  QPoint lastReported_;
  bool session_ = false;
  bool manual_ = false;
  bool released_ = false;
  bool reported_ = false;
  bool pending_ = false;  // BodyPress seen, no move yet
  QPoint pressedAt_;
};

}  // namespace numerina::ui
