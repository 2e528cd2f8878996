#pragma once

#include <QDir>
#include <QFile>
#include <QSettings>

#include <unistd.h>

// Leaves `settings` holding what it has read but unable to write: its file turns read-only,
// or, for root, whom a file's mode does not stop, a folder takes the file's place.
inline bool makeUnwritable(QSettings& settings) {
    settings.sync();
    const QString path = settings.fileName();
    const bool done = ::geteuid() != 0
                          ? QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadOther)
                          : QFile::remove(path) && QDir().mkdir(path);
    return done && !settings.isWritable();
}
