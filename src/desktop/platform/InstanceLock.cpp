#include "desktop/platform/InstanceLock.h"

#include <QDir>
#include <QStandardPaths>

namespace quorvia {

QString RuntimeFilePath(const QString& name) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(name);
}

InstanceLock::InstanceLock(const QString& path) : lock_(std::make_unique<QLockFile>(path)) {
    // A lock is stale only when its process is gone, however old it is.
    lock_->setStaleLockTime(0);
}

bool InstanceLock::TryLock() {
    if (lock_->isLocked()) {
        return true;
    }
    // tryLock takes over a lock whose process has ended.
    return lock_->tryLock(0);
}

}  // namespace quorvia
