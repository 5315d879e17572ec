// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculator/keyflash.h"

#include <algorithm>
#include <limits>

namespace numerina::ui {

KeyFlash::KeyFlash(int flashMs, QObject* parent)
    : QObject(parent), flashMs_(flashMs < 0 ? 0 : flashMs) {
  clock_.start();
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &KeyFlash::Process);
}

void KeyFlash::Press(int look, Action action) {
  Add(look, std::move(action), false);
  Process();
}

int KeyFlash::PressHeld(int look, Action action) {
  const int ticket = Add(look, std::move(action), true);
  Process();
  return ticket;
}

int KeyFlash::Add(int look, Action action, bool held) {
  Entry e{nextTicket_++, look, std::move(action), Now() + flashMs_, held, true};
  if (look != kNoLook) ++pressedLooks_[look];
  queue_.push_back(std::move(e));
  if (look != kNoLook) emit LookChanged(look);
  return queue_.back().ticket;
}

void KeyFlash::Release(int ticket, bool act) {
  for (Entry& e : queue_) {
    if (e.ticket != ticket || !e.held) continue;
    e.held = false;
    if (!act) e.action = nullptr;
    break;
  }
  Process();
}

void KeyFlash::ReleaseAllHeld() {
  bool any = false;
  for (Entry& e : queue_) {
    if (!e.held) continue;
    e.held = false;
    e.action = nullptr;
    any = true;
  }
  if (any) Process();
}

bool KeyFlash::LooksPressed(int look) const { return pressedLooks_.count(look) != 0; }

void KeyFlash::EndLook(Entry& e) {
  e.lookPressed = false;
  if (e.look == kNoLook) return;
  auto it = pressedLooks_.find(e.look);
  if (it != pressedLooks_.end() && --it->second <= 0) pressedLooks_.erase(it);
  emit LookChanged(e.look);
}

void KeyFlash::Process() {
  const auto endDueLooks = [this] {
    const qint64 now = Now();
    for (Entry& e : queue_)
      if (e.lookPressed && !e.held && now >= e.due) EndLook(e);
  };
  endDueLooks();
  // While an action runs (a message box of it may be spinning a nested event
  // loop right now), only looks change; the outer call below goes on with
  // the queue once that action has returned.
  while (running_ == 0 && !queue_.empty()) {
    Entry& front = queue_.front();
    if (front.held || Now() < front.due) break;
    if (front.lookPressed) EndLook(front);
    Action action = std::move(front.action);
    queue_.pop_front();
    if (action) {
      struct Running {
        int& n;
        explicit Running(int& r) : n(r) { ++n; }
        ~Running() { --n; }
      } guard(running_);
      action();
    }
    endDueLooks();
  }
  Schedule();
}

void KeyFlash::Schedule() {
  qint64 next = std::numeric_limits<qint64>::max();
  for (const Entry& e : queue_)
    if (e.lookPressed && !e.held) next = std::min(next, e.due);
  if (running_ == 0 && !queue_.empty() && !queue_.front().held)
    next = std::min(next, queue_.front().due);
  if (next == std::numeric_limits<qint64>::max()) {
    timer_.stop();
    return;
  }
  const qint64 wait = std::max<qint64>(0, next - Now());
  timer_.start(static_cast<int>(wait));
}

}  // namespace numerina::ui
