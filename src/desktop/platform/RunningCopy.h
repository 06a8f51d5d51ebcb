#pragma once
// The hand-over between two copies of the program a person starts. The copy that runs listens
// in the person's runtime folder; a later copy (a loan file double-clicked in the file manager
// while Quorvia runs) hands its loan data file over and ends without a window, and the running
// copy comes forward and opens the file.

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "desktop/platform/InstanceLock.h"

class QLocalSocket;

namespace quorvia {

class RunningCopy : public QObject {
  public:
    // What the running copy does with a hand-over: the loan file's absolute path, or "" when
    // the later copy named none.
    using Handler = std::function<void(const std::string& file)>;

    // How long a later copy waits for the running one: it may still be starting up.
    static constexpr int kHandOverTimeoutMs = 3000;

    static QString DefaultPath() { return RuntimeFilePath("quorvia.socket"); }

    explicit RunningCopy(const QString& path = DefaultPath());

    // Listens for later copies. Only the copy that holds the instance lock listens, so a socket
    // left at the path by a copy that ended abruptly is taken over. False when it cannot.
    bool Listen(Handler handler);

    // Hands `file` ("" for none) to the copy listening at `path`; true once that copy took it.
    static bool HandOver(const std::string& file, const QString& path = DefaultPath(),
                         int timeoutMs = kHandOverTimeoutMs);

  private:
    void AcceptConnections();
    void Receive(QLocalSocket* socket, QByteArray& received);

    QString path_;
    QLocalServer server_;
    Handler handler_;
};

}  // namespace quorvia
