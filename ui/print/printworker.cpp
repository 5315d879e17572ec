// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print/printworker.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace numerina::ui {
namespace {

using Clock = std::chrono::steady_clock;

// The window's side of a job: its answer, given once. The job and the
// timer race for it through answered: the first to take it decides.
class Answer : public QObject {
 public:
  Answer(std::function<void(bool)> done, std::shared_ptr<std::atomic<bool>> answered)
      : done_(std::move(done)), answered_(std::move(answered)) {
    // An arrow with the busy sign: the window goes on taking keys.
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    timer_.setSingleShot(true);
    // A coarse timer may fire 5 % early: the server has its full time.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
      // Taken: the job stops, and cancels what it made.
      if (!answered_->exchange(true)) Give(false);
    });
    timer_.start(kPrintAnswerTime);
  }

  // Called once answered has been taken, by the timer or by the job.
  void Give(bool accepted) {
    if (given_) return;
    given_ = true;
    timer_.stop();
    QGuiApplication::restoreOverrideCursor();
    deleteLater();
    if (done_) done_(accepted);
  }

 private:
  std::function<void(bool)> done_;
  std::shared_ptr<std::atomic<bool>> answered_;
  QTimer timer_;
  bool given_ = false;
};

struct Job {
  std::function<bool(PrintJobControl&)> work;
  std::shared_ptr<std::atomic<bool>> answered;
  Clock::time_point deadline;
  QPointer<Answer> answer;  // copied on the print thread, used on the window's
};

class PrintThread {
 public:
  static PrintThread& Instance() {
    static PrintThread thread;
    return thread;
  }

  void Add(Job job) {
    std::lock_guard lock(mutex_);
    if (quitting_) return;  // the answer's timer says "failed"
    if (!thread_.joinable()) {
      thread_ = std::thread([this] { Run(); });
      // A job in hand at the exit gives up at once, and the thread ends
      // while the application, its fonts included, is still there.
      QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [this] { Stop(); });
    }
    queue_.push_back(std::move(job));
    wake_.notify_one();
  }

  void Stop() {
    {
      std::lock_guard lock(mutex_);
      quitting_ = true;
      wake_.notify_one();
    }
    if (thread_.joinable()) thread_.join();
  }

  ~PrintThread() { Stop(); }

 private:
  PrintThread() = default;

  void Run() {
    for (;;) {
      Job job;
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return quitting_ || !queue_.empty(); });
        if (quitting_) return;
        job = std::move(queue_.front());
        queue_.pop_front();
      }
      PrintJobControl control(job.answered, job.deadline, quitting_);
      const bool accepted = !control.GiveUp() && job.work(control);
      // A failure is told only when the timer has not told it already.
      if (quitting_ || (!accepted && !control.Claim())) continue;
      QMetaObject::invokeMethod(
          qApp,
          [answer = job.answer, accepted] {
            if (answer) answer->Give(accepted);
          },
          Qt::QueuedConnection);
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Job> queue_;
  std::atomic<bool> quitting_ = false;
  std::thread thread_;
};

}  // namespace

void RunPrintJob(std::function<bool(PrintJobControl&)> work, std::function<void(bool)> done) {
  auto answered = std::make_shared<std::atomic<bool>>(false);
  auto* answer = new Answer(std::move(done), answered);
  PrintThread::Instance().Add(
      {std::move(work), std::move(answered), Clock::now() + kPrintAnswerTime, answer});
}

}  // namespace numerina::ui
