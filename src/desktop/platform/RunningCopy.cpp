#include "desktop/platform/RunningCopy.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>
#include <algorithm>
#include <memory>

namespace quorvia {

namespace {

// A request is the file's path ended by a NUL byte (a path may hold any other byte); the
// answer says it was taken.
constexpr char kEndOfRequest = '\0';
constexpr QByteArrayView kTaken = "taken";
// No path is longer; a longer request is not from a copy of this program.
constexpr qsizetype kLongestRequest = 64 * 1024;

int Remaining(const QDeadlineTimer& deadline) {
    return static_cast<int>(std::max<qint64>(0, deadline.remainingTime()));
}

}  // namespace

RunningCopy::RunningCopy(const QString& path) : path_(path) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &RunningCopy::AcceptConnections);
}

bool RunningCopy::Listen(Handler handler) {
    handler_ = std::move(handler);
    QLocalServer::removeServer(path_);
    return server_.listen(path_);
}

void RunningCopy::AcceptConnections() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this,
                [this, socket, received] { Receive(socket, *received); });
    }
}

void RunningCopy::Receive(QLocalSocket* socket, QByteArray& received) {
    received += socket->readAll();
    qsizetype end = received.indexOf(kEndOfRequest);
    if (end < 0) {
        if (received.size() > kLongestRequest) {
            socket->abort();
        }
        return;
    }
    std::string file = received.left(end).toStdString();
    received.clear();
    socket->write(kTaken.data(), kTaken.size());
    socket->flush();
    socket->disconnectFromServer();
    if (handler_) {
        handler_(file);
    }
}

bool RunningCopy::HandOver(const std::string& file, const QString& path, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(path);
    // A copy that has just taken the lock listens a moment later.
    while (!socket.waitForConnected(Remaining(deadline)) && !deadline.hasExpired()) {
        QThread::msleep(50);
        socket.connectToServer(path);
    }
    if (socket.state() != QLocalSocket::ConnectedState) {
        return false;
    }
    QByteArray request = QByteArray::fromStdString(file) + kEndOfRequest;
    if (socket.write(request) != request.size()) {
        return false;
    }
    socket.flush();
    QByteArray answer;
    while (answer.size() < kTaken.size() && socket.waitForReadyRead(Remaining(deadline))) {
        answer += socket.readAll();
    }
    return answer.startsWith(kTaken);
}

}  // namespace quorvia
