#include "window/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace sv {

FileInstanceLock::FileInstanceLock(QString path) : path_(std::move(path)) {}

QString FileInstanceLock::DefaultPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir + QStringLiteral("/sudoku-voltane.lock");
}

bool FileInstanceLock::TryAcquire() {
    if (lock_ && lock_->isLocked()) return true;
    lock_ = std::make_unique<QLockFile>(path_);
    // No age limit: only a lock whose owner process has gone is stale, and QLockFile
    // checks that itself.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

} // namespace sv
