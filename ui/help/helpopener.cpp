// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/helpopener.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

#include <spawn.h>
#include <sys/wait.h>

#include "ui/help/helpviewer.h"

extern char** environ;

namespace numerina::ui {
namespace {
// xdg-open ends as soon as it has handed the page over (or failed to); a
// browser it runs in its place may take as long as the user keeps it.
constexpr int kPollMs = 100;
}  // namespace

HelpOpener::HelpOpener(QObject* parent) : QObject(parent), poll_(new QTimer(this)) {
  poll_->setInterval(kPollMs);
  connect(poll_, &QTimer::timeout, this, &HelpOpener::Poll);
}

HelpOpener::~HelpOpener() {
  // A last reap; a process still running is left to finish on its own.
  if (pid_ > 0) ::waitpid(pid_, nullptr, WNOHANG);
}

void HelpOpener::Open(const QString& path) {
  if (!QFileInfo::exists(path)) return;
  path_ = path;
  // One xdg-open at a time: a second click while the first is still
  // handing the page over waits for it.
  if (pid_ > 0) return;
  // A file URL, as the desktop's own launchers pass: no shell or browser
  // reads a space or an accent in the path differently.
  const QByteArray file = QUrl::fromLocalFile(path).toEncoded();
  char program[] = "xdg-open";
  char* argv[] = {program, const_cast<char*>(file.constData()), nullptr};
  pid_t pid = -1;
  // posix_spawnp reports a program that is missing or cannot run.
  if (::posix_spawnp(&pid, program, nullptr, nullptr, argv, environ) != 0) {
    OpenInside();
    return;
  }
  pid_ = pid;
  lastWay_ = QStringLiteral("xdg-open");
  poll_->start();
  emit OpenedOutside();
}

void HelpOpener::Poll() {
  int status = 0;
  const pid_t done = ::waitpid(pid_, &status, WNOHANG);
  if (done == 0) return;
  poll_->stop();
  pid_ = -1;
  if (done < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) OpenInside();
}

void HelpOpener::OpenInside() {
  lastWay_ = QStringLiteral("frmGuida");
  frmGuida::Apri(path_);
}

}  // namespace numerina::ui
