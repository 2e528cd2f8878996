#pragma once

#include <QString>

namespace kelvra {

// True when `path` is a folder of its own (no link) owned by `userId` that nobody else may
// enter or change: mode 0700.
bool isPrivateFolder(const QString& path, unsigned userId);

// Where the single-instance lock of `applicationName` lives: in `runtimeFolder` when it is
// private to `userId`; else in `homeFolder`, made if missing, with the host name in the file
// name, since homes may be shared between machines. Empty when neither folder is the user's
// alone, so no other user can take the name first.
QString lockPathIn(const QString& applicationName, const QString& runtimeFolder,
                   const QString& homeFolder, unsigned userId);

} // namespace kelvra
