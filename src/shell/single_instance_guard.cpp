#include "single_instance_guard.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace kelvra {

SingleInstanceGuard::SingleInstanceGuard(const QString& lockPath)
    : m_lock(std::make_unique<QLockFile>(lockPath)) {
    // Only a lock whose process is gone counts as stale, however old it is.
    m_lock->setStaleLockTime(0);
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

QString SingleInstanceGuard::defaultLockPath(const QString& applicationName) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        // The shared temporary folder must still keep one user's lock from another's.
        return QDir::temp().filePath(applicationName + QLatin1Char('-') +
                                     qEnvironmentVariable("USER") + QStringLiteral(".lock"));
    }
    QDir().mkpath(folder);
    return QDir(folder).filePath(applicationName + QStringLiteral(".lock"));
}

bool SingleInstanceGuard::tryAcquire() {
    return m_lock->isLocked() || m_lock->tryLock(0);
}

void SingleInstanceGuard::release() {
    m_lock->unlock();
}

} // namespace kelvra
