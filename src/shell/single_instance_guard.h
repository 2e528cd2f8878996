#pragma once

#include <QString>

#include <future>
#include <memory>

class QLockFile;

namespace kelvra {

// What taking the single-instance lock came to.
enum class LockState {
    Acquired,          // this copy holds the lock
    HeldByAnotherCopy, // a running copy of this program, of this user on this host, holds it
    Unavailable,       // no lock could be taken: the copy runs without one
};

// Refuses a second running copy for the same user on the same host. Only a copy that runs
// and holds the lock counts: a lock file that cannot be read, whose process is gone, or that
// another program or host left, is taken over.
class SingleInstanceGuard {
public:
    // Guards with the lock file at `lockPath`; an empty path takes no lock at all.
    explicit SingleInstanceGuard(const QString& lockPath);
    ~SingleInstanceGuard();
    Q_DISABLE_COPY_MOVE(SingleInstanceGuard)

    // The lock file's place for the application named `applicationName`: the user's runtime
    // folder when it is his alone, else his cache folder; empty when neither is safe.
    static QString defaultLockPath(const QString& applicationName);

    // Starts taking the lock on a thread of its own, so that its file's wait for the disk
    // overlaps the program's start; safe before the application object exists. Only a free
    // lock is taken there: acquire() waits for the attempt and decides as ever.
    void beginAcquire();

    // Takes the lock unless another running copy holds it; held until the guard goes.
    LockState acquire();

    // True only when another running copy holds the lock, never because none could be taken.
    bool anotherCopyRuns() { return acquire() == LockState::HeldByAnotherCopy; }

    // Gives the lock up now, for a process that ends without running destructors.
    void release();

private:
    void finishEarlyAttempt();
    bool heldByRunningCopy() const;
    bool removeLeftOver() const;

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    std::future<void> m_earlyAttempt;
};

} // namespace kelvra
