#include "ui/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

#include <unistd.h>

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

}  // namespace

QString SingleInstance::KeyFor(const QString& programFolder) {
  const QByteArray hash = QCryptographicHash::hash(
      QDir::cleanPath(programFolder).toUtf8(), QCryptographicHash::Sha256);
  return QStringLiteral("numerina-%1-%2")
      .arg(static_cast<qulonglong>(getuid()))
      .arg(QString::fromLatin1(hash.toHex().left(16)));
}

SingleInstance::SingleInstance(const QString& programFolder) {
  const QString key = KeyFor(programFolder);
  lockPath_ = RuntimeFolder() + QLatin1Char('/') + key + QStringLiteral(".lock");
  serverName_ = key;
  lock_ = std::make_unique<QLockFile>(lockPath_);
  // Staleness by age is off: a lock is stale only when its process is gone
  // (QLockFile checks the process id), so a long-running calculator keeps it.
  lock_->setStaleLockTime(0);
  first_ = lock_->tryLock(0);
}

SingleInstance::~SingleInstance() {
  if (server_) server_->close();
  if (first_) lock_->unlock();
}

bool SingleInstance::Listen() {
  if (!first_) return false;
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  // A socket left by a killed instance would make listen() fail: the lock
  // says we are the only one, so it is safe to remove.
  QLocalServer::removeServer(serverName_);
  if (!server_->listen(serverName_)) return false;
  connect(server_.get(), &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        const QByteArray data = socket->readAll();
        if (data.contains("show")) emit ShowRequested();
        socket->disconnectFromServer();
      });
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
  });
  return true;
}

bool SingleInstance::AskRunningToShow(int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(serverName_);
  if (!socket.waitForConnected(timeoutMs)) return false;
  socket.write(kShowMessage);
  const bool sent = socket.waitForBytesWritten(timeoutMs);
  socket.disconnectFromServer();
  return sent;
}

}  // namespace numerina::ui
