// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "base/statefolder.h"

namespace numerina::ui {
namespace {

constexpr char kShowMessage[] = "show\n";

QString RuntimeFolder() {
  // The per-user runtime folder when there is one, else the temporary one
  // (the user id in the key keeps users apart there).
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(QString::fromLocal8Bit(runtime)).exists())
    return QString::fromLocal8Bit(runtime);
  return QDir::tempPath();
}

// Where the lock goes when the runtime folder takes none (a runtime folder
// of another user after su, a read-only one): the program's own state
// folder, readable by the user alone. Empty when there is none.
QString PrivateFolder() {
  const std::string folder = UserStateFolder();
  if (folder.empty()) return {};
  const QString path = QString::fromStdString(folder);
  if (!QDir().mkpath(path)) return {};
  ::chmod(folder.c_str(), 0700);
  return path;
}

bool FillAddress(const QString& path, sockaddr_un& address) {
  const QByteArray name = QFile::encodeName(path);
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path)) return false;
  std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
  return true;
}

}  // namespace

QString SingleInstance::KeyFor(const QString& programFolder) {
  const QByteArray hash =
      QCryptographicHash::hash(QDir::cleanPath(programFolder).toUtf8(), QCryptographicHash::Sha256);
  return QStringLiteral("numerina-%1-%2")
      .arg(static_cast<qulonglong>(getuid()))
      .arg(QString::fromLatin1(hash.toHex().left(16)));
}

SingleInstance::SingleInstance(const QString& programFolder) {
  // Only a live process holding the lock is another calculator. A lock
  // that cannot be made at all is tried in the user's private folder, and
  // where none can be made the program starts unchecked.
  const QString key = KeyFor(programFolder);
  for (int attempt = 0; attempt < 2; ++attempt) {
    const QString folder = attempt == 0 ? RuntimeFolder() : PrivateFolder();
    if (folder.isEmpty()) continue;
    const QString base = folder + QLatin1Char('/') + key;
    lockPath_ = base + QStringLiteral(".lock");
    socketPath_ = base + QStringLiteral(".socket");
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // Staleness by age is off: a lock is stale only when its process is
    // gone (QLockFile checks the process id), so a long-running calculator
    // keeps it.
    lock_->setStaleLockTime(0);
    first_ = lock_->tryLock(0);
    if (first_ || lock_->error() == QLockFile::LockFailedError) return;
  }
  lock_.reset();
  first_ = true;
}

SingleInstance::~SingleInstance() {
  notifier_.reset();
  if (listenFd_ >= 0) {
    ::close(listenFd_);
    ::unlink(QFile::encodeName(socketPath_).constData());
  }
  if (first_ && lock_) lock_->unlock();
}

bool SingleInstance::Listen() {
  if (!first_ || !lock_ || listenFd_ >= 0) return false;
  sockaddr_un address;
  if (!FillAddress(socketPath_, address)) return false;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return false;
  // A socket left by a killed instance: the lock says we are the only one.
  ::unlink(address.sun_path);
  const mode_t old = ::umask(077);  // only this user may connect
  const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::umask(old);
  if (!bound || ::listen(fd, 4) != 0) {
    ::close(fd);
    return false;
  }
  listenFd_ = fd;
  notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &SingleInstance::Accept);
  return true;
}

void SingleInstance::Accept() {
  for (;;) {
    const int client = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) return;  // EAGAIN: nobody else waiting
    // The message is tiny and written at once; wait a moment for it.
    char buffer[16] = {};
    pollfd p{client, POLLIN, 0};
    if (::poll(&p, 1, 200) > 0) {
      const ssize_t n = ::read(client, buffer, sizeof buffer - 1);
      if (n > 0 && std::strncmp(buffer, kShowMessage, 4) == 0) emit ShowRequested();
    }
    ::close(client);
  }
}

bool SingleInstance::AskRunningToShow(int timeoutMs) {
  sockaddr_un address;
  if (!FillAddress(socketPath_, address)) return false;
  // The first instance may be starting right now: try again a few times.
  for (int waited = 0;; waited += 50) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
      const bool sent = ::write(fd, kShowMessage, sizeof kShowMessage - 1) ==
                        static_cast<ssize_t>(sizeof kShowMessage - 1);
      ::close(fd);
      return sent;
    }
    const int error = errno;
    ::close(fd);
    if ((error != ENOENT && error != ECONNREFUSED) || waited >= timeoutMs) return false;
    ::usleep(50 * 1000);
  }
}

}  // namespace numerina::ui
