#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace kelvra {

// Refuses a second running copy for the same user. The lock lives in the user's runtime
// folder, so other users run their own copies, and a lock left by a copy that crashed or
// was killed is taken over.
class SingleInstanceGuard {
public:
    // Guards with the lock file at `lockPath`.
    explicit SingleInstanceGuard(const QString& lockPath);
    ~SingleInstanceGuard();
    Q_DISABLE_COPY_MOVE(SingleInstanceGuard)

    // The lock file's place for the application named `applicationName`.
    static QString defaultLockPath(const QString& applicationName);

    // True when this copy now holds the lock (held until the guard goes); false when
    // another living copy holds it.
    bool tryAcquire();

    // Gives the lock up now, for a process that ends without running destructors.
    void release();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace kelvra
