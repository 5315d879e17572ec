// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flash of a pressed key, without ever blocking the event loop.
//
// A press shows the key pressed at once and for at least FlashMs; a mouse
// press also until its release. The key's action runs when its flash has
// ended, and actions run strictly in the order of the presses: a burst typed
// faster than the flashes queues up and loses nothing. While an action runs
// (and so while a message box it opened is up) the queue waits; it goes on
// in order after that action has returned. A mouse press released outside
// its key, or made with another button than the left, flashes and runs
// nothing.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>
#include <map>

namespace numerina::ui {

class KeyFlash : public QObject {
  Q_OBJECT

 public:
  using Action = std::function<void()>;
  static constexpr int kDefaultFlashMs = 80;
  // A look that no picture shows (a press that draws in its own way).
  static constexpr int kNoLook = -1;

  // With a flash of 0 ms a keyboard press acts at once, inside Press.
  explicit KeyFlash(int flashMs = kDefaultFlashMs, QObject* parent = nullptr);

  // A keyboard press: look pressed now, release and action after the flash.
  void Press(int look, Action action);
  // A mouse press: as above, but also held until Release(ticket, ...).
  int PressHeld(int look, Action action);
  // The mouse was released; run the action only when `act`.
  void Release(int ticket, bool act);
  // Lets go of every held press without its action (the window was hidden
  // under the mouse, or its grab was lost).
  void ReleaseAllHeld();

  bool LooksPressed(int look) const;
  // Nothing waits: every press has acted or been dropped.
  bool Idle() const { return queue_.empty(); }

 signals:
  void LookChanged(int look);

 private:
  struct Entry {
    int ticket;
    int look;
    Action action;
    qint64 due;  // end of the minimum flash, in clock milliseconds
    bool held;
    bool lookPressed;
  };

  int Add(int look, Action action, bool held);
  void Process();
  void Schedule();
  void EndLook(Entry& e);
  qint64 Now() const { return clock_.elapsed(); }

  std::deque<Entry> queue_;
  std::map<int, int> pressedLooks_;  // look -> presses showing it
  QElapsedTimer clock_;
  QTimer timer_;
  const int flashMs_;
  int nextTicket_ = 1;
  int running_ = 0;
  bool processing_ = false;
};

}  // namespace numerina::ui
