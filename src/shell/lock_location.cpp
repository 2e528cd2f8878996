#include "lock_location.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

namespace kelvra {

namespace {
constexpr QFile::Permissions kOthersMayWrite = QFile::WriteGroup | QFile::WriteOther;
constexpr QFile::Permissions kOthersMayAny = QFile::ReadGroup | QFile::WriteGroup |
                                             QFile::ExeGroup | QFile::ReadOther |
                                             QFile::WriteOther | QFile::ExeOther;
constexpr QFile::Permissions kOwnerAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

bool isOwnedFolder(const QFileInfo& folder, unsigned userId) {
    return !folder.filePath().isEmpty() && folder.isDir() && !folder.isSymLink() &&
           folder.ownerId() == userId;
}

QString hostPart() {
    QString host = QSysInfo::machineHostName();
    host.replace(QLatin1Char('/'), QLatin1Char('_'));
    return host;
}
} // namespace

bool isPrivateFolder(const QString& path, unsigned userId) {
    const QFileInfo folder(path);
    const QFile::Permissions permissions = folder.permissions();
    return isOwnedFolder(folder, userId) && (permissions & kOwnerAll) == kOwnerAll &&
           (permissions & kOthersMayAny) == 0;
}

QString lockPathIn(const QString& applicationName, const QString& runtimeFolder,
                   const QString& homeFolder, unsigned userId) {
    if (isPrivateFolder(runtimeFolder, userId)) {
        return QDir(runtimeFolder).filePath(applicationName + QStringLiteral(".lock"));
    }
    if (homeFolder.isEmpty()) {
        return {};
    }
    if (!QFileInfo::exists(homeFolder) && QDir().mkpath(homeFolder)) {
        QFile::setPermissions(homeFolder, kOwnerAll);
    }
    const QFileInfo folder(homeFolder);
    if (!isOwnedFolder(folder, userId) || (folder.permissions() & kOthersMayWrite) != 0) {
        return {};
    }
    return QDir(homeFolder)
        .filePath(applicationName + QLatin1Char('-') + hostPart() + QStringLiteral(".lock"));
}

} // namespace kelvra
