#include "singleinstance.h"

#include <QDataStream>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QtGlobal>
#include <unistd.h>

namespace ubic {

namespace {

// Long enough for a running program that is busy with a large model to answer; a program that
// hangs is not waited for much longer than a user would.
constexpr int kAnswerMilliseconds = 10000;
constexpr int kConnectMilliseconds = 1000;
constexpr char kTaken = '1';

}  // namespace

QString InstanceName() {
  QString display = qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
  display.replace(QRegularExpression("[^A-Za-z0-9_.-]"), "_");
  return QString("ubic-%1-%2").arg(getuid()).arg(display);
}

TInstanceServer::TInstanceServer(const QString& name, std::function<void(const QStringList&)> open)
    : FOpen(std::move(open)) {
  FServer.setSocketOptions(QLocalServer::UserAccessOption);
  // A socket left behind by a program that crashed answers nobody: only a live one is kept.
  if (!FServer.listen(name)) {
    QLocalServer::removeServer(name);
    FServer.listen(name);
  }
  connect(&FServer, &QLocalServer::newConnection, this, &TInstanceServer::Accept);
}

void TInstanceServer::Accept() {
  while (QLocalSocket* socket = FServer.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
      QDataStream stream(socket);
      stream.startTransaction();
      QStringList files;
      stream >> files;
      if (!stream.commitTransaction()) return;
      // Answered first: the files may open with questions that the sender need not wait for.
      socket->write(&kTaken, 1);
      socket->flush();
      FOpen(files);
    });
  }
}

bool SendToRunningInstance(const QString& name, const QStringList& files) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(kConnectMilliseconds)) return false;
  QStringList paths;
  for (const QString& file : files) paths << QFileInfo(file).absoluteFilePath();
  QDataStream stream(&socket);
  stream << paths;
  if (!socket.waitForBytesWritten(kAnswerMilliseconds)) return false;
  while (socket.bytesAvailable() < 1) {
    if (!socket.waitForReadyRead(kAnswerMilliseconds)) return false;
  }
  char answer = 0;
  return socket.read(&answer, 1) == 1 && answer == kTaken;
}

}  // namespace ubic
