#pragma once
// One game at a time. The lock is a file holding the owner's process id, so a copy that
// crashed cannot keep later starts out: a lock whose process is gone counts as free.
#include <memory>
#include <QLockFile>
#include <QString>

namespace sv {

class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // True when this process now holds the lock (or already held it).
    virtual bool TryAcquire() = 0;
};

class FileInstanceLock : public InstanceLock {
public:
    // `path` defaults to a file in the per-user runtime (or temporary) folder.
    explicit FileInstanceLock(QString path = DefaultPath());
    bool TryAcquire() override;
    static QString DefaultPath();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace sv
