// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print jobs' thread. Everything that talks to the print server runs
// there, never on the window's thread: a server that does not answer must
// not stop the typing. Jobs run one at a time, in the order given; each is
// answered on the window's thread, within kPrintAnswerTime of its start.

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

namespace numerina::ui {

// A server that has not taken a job by then has failed it.
inline constexpr std::chrono::seconds kPrintAnswerTime{10};

// What a job asks while it runs on the print thread.
class PrintJobControl {
 public:
  PrintJobControl(std::shared_ptr<std::atomic<bool>> answered,
                  std::chrono::steady_clock::time_point deadline, const std::atomic<bool>& quitting)
      : answered_(std::move(answered)), deadline_(deadline), quitting_(quitting) {}

  // True when the job must stop: its time is over, the window has already
  // been told it failed, or the program is quitting.
  bool GiveUp() const {
    return *answered_ || quitting_ || std::chrono::steady_clock::now() >= deadline_;
  }
  // Takes the answer for the job's own side; false when the window was
  // told first (its time ran out): whatever the job made must then be
  // undone. Asked once, when the job knows it succeeded.
  bool Claim() { return !answered_->exchange(true); }

 private:
  std::shared_ptr<std::atomic<bool>> answered_;
  std::chrono::steady_clock::time_point deadline_;
  const std::atomic<bool>& quitting_;
};

// Runs work on the print thread; done(true) follows on this thread when
// work returned true (having claimed the answer), done(false) otherwise:
// work failed, or kPrintAnswerTime passed first. done runs exactly once,
// or not at all when the program quits first. Call from the window's
// thread only.
void RunPrintJob(std::function<bool(PrintJobControl&)> work, std::function<void(bool)> done);

}  // namespace numerina::ui
