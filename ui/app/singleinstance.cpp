// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
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

namespace {

enum class Lock { Taken, Held, Impossible };

// Takes the lock on `path` for this process: an exclusive flock(2) on a file
// of this user's. The kernel lets it go when the process ends however it
// ends, so a killed calculator leaves no stale lock, and nothing is written
// or synced at start-up. A file that is not a plain file of this user's (a
// link, or another user's file in a shared folder) is refused.
Lock TakeLock(const QByteArray& path, int& fd) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return Lock::Impossible;
    struct stat mine {};
    if (::fstat(fd, &mine) != 0 || !S_ISREG(mine.st_mode) || mine.st_uid != ::geteuid()) {
      ::close(fd);
      fd = -1;
      return Lock::Impossible;
    }
    int locked;
    while ((locked = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {}
    if (locked != 0) {
      const bool held = errno == EWOULDBLOCK;
      ::close(fd);
      fd = -1;
      return held ? Lock::Held : Lock::Impossible;
    }
    // A calculator that ended between our open and our lock removed the
    // file it held: the lock must be on the file that the name gives now.
    struct stat named {};
    if (::stat(path.constData(), &named) == 0 && named.st_dev == mine.st_dev &&
        named.st_ino == mine.st_ino)
      return Lock::Taken;
    ::close(fd);
    fd = -1;
  }
  return Lock::Impossible;
}

}  // namespace

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
    switch (TakeLock(QFile::encodeName(lockPath_), lockFd_)) {
      case Lock::Taken: first_ = true; return;
      case Lock::Held: first_ = false; return;
      case Lock::Impossible: break;
    }
  }
  lockPath_.clear();
  first_ = true;
}

SingleInstance::~SingleInstance() {
  notifier_.reset();
  if (listenFd_ >= 0) {
    ::close(listenFd_);
    ::unlink(QFile::encodeName(socketPath_).constData());
  }
  if (lockFd_ >= 0) {
    // Removed while still held: a start that opened it meanwhile finds the
    // name gone once it gets the lock, and tries again.
    ::unlink(QFile::encodeName(lockPath_).constData());
    ::close(lockFd_);
  }
}

bool SingleInstance::Listen() {
  if (!first_ || lockFd_ < 0 || listenFd_ >= 0) return false;
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
