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

// The window's side of a job: its answer, given once.
class Answer : public QObject {
 public:
  Answer(std::function<void(bool)> done, std::shared_ptr<std::atomic<bool>> abandoned)
      : done_(std::move(done)), abandoned_(std::move(abandoned)) {
    // An arrow with the busy sign: the window goes on taking keys.
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { Give(false); });
    timer_.start(kPrintAnswerTime);
  }

  void Give(bool accepted) {
    if (given_) return;
    given_ = true;
    timer_.stop();
    // Too late, or failed: the job, wherever it is, stops.
    if (!accepted) *abandoned_ = true;
    QGuiApplication::restoreOverrideCursor();
    deleteLater();
    if (done_) done_(accepted);
  }

 private:
  std::function<void(bool)> done_;
  std::shared_ptr<std::atomic<bool>> abandoned_;
  QTimer timer_;
  bool given_ = false;
};

struct Job {
  std::function<bool(const GiveUpJob&)> work;
  std::shared_ptr<std::atomic<bool>> abandoned;
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
    if (stopping_) return;  // quitting: the answer's timer says "failed"
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
      stopping_ = true;
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
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_) return;
        job = std::move(queue_.front());
        queue_.pop_front();
      }
      const GiveUpJob giveUp = [this, &job] {
        return stopping_ || *job.abandoned || Clock::now() >= job.deadline;
      };
      const bool accepted = !giveUp() && job.work(giveUp) && !giveUp();
      if (stopping_) return;
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
  std::atomic<bool> stopping_ = false;
  std::thread thread_;
};

}  // namespace

void RunPrintJob(std::function<bool(const GiveUpJob&)> work, std::function<void(bool)> done) {
  auto abandoned = std::make_shared<std::atomic<bool>>(false);
  auto* answer = new Answer(std::move(done), abandoned);
  PrintThread::Instance().Add(
      {std::move(work), std::move(abandoned), Clock::now() + kPrintAnswerTime, answer});
}

}  // namespace numerina::ui
