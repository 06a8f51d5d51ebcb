#pragma once
// One running copy of the program per user: a lock file in the user's runtime folder. A lock
// left behind by a copy that ended without removing it is taken over.

#include <QLockFile>
#include <QString>
#include <memory>

namespace quorvia {

// A file of this program for the current user in their runtime folder ("quorvia.lock").
QString RuntimeFilePath(const QString& name);

class InstanceLock {
  public:
    // The lock file of this program for the current user.
    static QString DefaultPath() { return RuntimeFilePath("quorvia.lock"); }

    explicit InstanceLock(const QString& path = DefaultPath());
    // True when this object holds the lock; false when another running copy holds it.
    bool TryLock();
    bool IsLocked() const { return lock_->isLocked(); }

  private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace quorvia
