// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print jobs' thread. Everything that talks to the print server runs
// there, never on the window's thread: a server that does not answer must
// not stop the typing. Jobs run one at a time, in the order given; each is
// answered on the window's thread, within kPrintAnswerTime of its start.

#include <chrono>
#include <functional>

namespace numerina::ui {

// A server that has not taken a job by then has failed it.
inline constexpr std::chrono::seconds kPrintAnswerTime{10};

// Asked by a job while it waits: true when it must give up (its time is
// over, or the program is quitting).
using GiveUpJob = std::function<bool()>;

// Runs work on the print thread; done(true) follows on this thread when
// work returned true in time, done(false) otherwise: work returned false,
// or kPrintAnswerTime passed first (work is then told to give up). done
// runs at most once, and not at all when the program quits first. Call
// from the window's thread only.
void RunPrintJob(std::function<bool(const GiveUpJob&)> work, std::function<void(bool)> done);

}  // namespace numerina::ui
