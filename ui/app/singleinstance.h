// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One running calculator per user and program folder. The first start holds
// a lock file and listens on a local socket; a later start finds the lock
// taken, asks the running one to show its window, and ends. Both names are
// derived from the user and the folder's path, so copies of the program in
// different folders (and tests in temporary folders) do not meet.
//
// The socket is a plain Unix domain socket watched by a QSocketNotifier:
// Qt's own local server would load the network module and its libraries
// into every start, for one short message.

#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

namespace numerina::ui {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // Needs no application object: it runs before anything else.
  explicit SingleInstance(const QString& programFolder);
  ~SingleInstance() override;

  // True when no other instance runs: this process holds the lock, or no
  // lock could be made anywhere and the program runs unchecked.
  bool First() const { return first_; }

  // First instance: listen for later starts (needs the application object).
  bool Listen();
  // Later instance: ask the running one to show itself; waits at most
  // timeoutMs. False when nobody answered.
  bool AskRunningToShow(int timeoutMs = 1000);

  // The key both names derive from (user id and folder hash).
  static QString KeyFor(const QString& programFolder);

 signals:
  void ShowRequested();

 private:
  void Accept();

  QString lockPath_;
  QString socketPath_;
  std::unique_ptr<QSocketNotifier> notifier_;
  int lockFd_ = -1;
  int listenFd_ = -1;
  bool first_ = false;
};

}  // namespace numerina::ui
