#include "single_instance_guard.h"

#include "lock_location.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace kelvra {

namespace {
// Rounds of taking over a left-over lock before giving up; a copy that starts at the same
// moment may take the freed name first.
constexpr int kRounds = 3;
// How long a copy that starts at this moment may take to lock and write its new file.
constexpr int kStartingMs = 1000;
constexpr unsigned long kSettleMs = 100;

bool isFresh(const QString& path) {
    const qint64 age = QFileInfo(path).lastModified().msecsTo(QDateTime::currentDateTime());
    return std::abs(age) < kStartingMs;
}

// What the lock file says, for file systems without native locks.
bool namesARunningCopyHere(const QLockFile& lock) {
    qint64 pid = 0;
    QString host;
    QString program;
    return lock.getLockInfo(&pid, &host, &program) && host == QSysInfo::machineHostName() &&
           program == QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}
} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& lockPath)
    : m_path(lockPath) {
    if (!lockPath.isEmpty()) {
        m_lock = std::make_unique<QLockFile>(lockPath);
        // Only a lock whose process is gone counts as stale, however old it is.
        m_lock->setStaleLockTime(0);
    }
}

SingleInstanceGuard::~SingleInstanceGuard() {
    finishEarlyAttempt();
}

QString SingleInstanceGuard::defaultLockPath(const QString& applicationName) {
    return lockPathIn(applicationName, qEnvironmentVariable("XDG_RUNTIME_DIR"),
                      QStandardPaths::writableLocation(QStandardPaths::CacheLocation), ::geteuid());
}

void SingleInstanceGuard::beginAcquire() {
    if (m_lock && !m_earlyAttempt.valid()) {
        m_earlyAttempt =
            std::async(std::launch::async, [lock = m_lock.get()] { lock->tryLock(0); });
    }
}

void SingleInstanceGuard::finishEarlyAttempt() {
    if (m_earlyAttempt.valid()) {
        m_earlyAttempt.get();
    }
}

LockState SingleInstanceGuard::acquire() {
    finishEarlyAttempt();
    if (!m_lock) {
        return LockState::Unavailable;
    }
    if (m_lock->isLocked()) {
        return LockState::Acquired;
    }
    for (int round = 0; round < kRounds; ++round) {
        if (m_lock->tryLock(0)) {
            return LockState::Acquired;
        }
        if (m_lock->error() != QLockFile::LockFailedError) {
            return LockState::Unavailable;
        }
        if (heldByRunningCopy()) {
            return LockState::HeldByAnotherCopy;
        }
        if (!removeLeftOver()) {
            return LockState::Unavailable;
        }
    }
    return LockState::Unavailable;
}

bool SingleInstanceGuard::heldByRunningCopy() const {
    if (QFileInfo(m_path).isDir()) {
        return false;
    }
    // A running copy keeps a native lock on its file: whoever holds it is alive, whatever
    // the file says.
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno != ENOENT && namesARunningCopyHere(*m_lock);
    }
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    const int lockError = errno;
    ::close(fd);
    if (free) {
        return false;
    }
    return lockError == EWOULDBLOCK || namesARunningCopyHere(*m_lock);
}

bool SingleInstanceGuard::removeLeftOver() const {
    // The same removal lock as Qt's own stale-lock removal, so two copies never remove a
    // lock the other has just taken.
    QLockFile removal(m_path + QStringLiteral(".rmlock"));
    if (!removal.tryLock(0)) {
        return false;
    }
    // An empty new file may be a copy starting now, between creating and locking it.
    if (!m_lock->getLockInfo(nullptr, nullptr, nullptr) && isFresh(m_path)) {
        QThread::msleep(kSettleMs);
    }
    // Taken meanwhile by a copy that starts now: the next round sees it.
    if (heldByRunningCopy()) {
        return true;
    }
    const QFileInfo left(m_path);
    if (left.isDir() && !left.isSymLink()) {
        return QDir(m_path).removeRecursively();
    }
    return QFile::remove(m_path) || !QFileInfo::exists(m_path);
}

void SingleInstanceGuard::release() {
    finishEarlyAttempt();
    if (m_lock) {
        m_lock->unlock();
    }
}

} // namespace kelvra
