#include "app_icons.h"

// The icons live in a static library, so their resource must be registered by hand.
static void registerIconResource() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(kelvra_icons);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace kelvra {

namespace {
QPixmap iconPixmap(const QString& name) {
    registerIconResource();
    return QPixmap(QStringLiteral(":/icons/") + name);
}
} // namespace

QIcon applicationIcon() {
    registerIconResource();
    QIcon icon;
    for (const char* name : {"app-32.png", "app-64.png", "app-128.png"}) {
        icon.addFile(QStringLiteral(":/icons/") + QLatin1String(name));
    }
    return icon;
}

QPixmap applicationPixmap() {
    return iconPixmap(QStringLiteral("app-32.png"));
}

QPixmap chartProgramPixmap() {
    return iconPixmap(QStringLiteral("chart-32.png"));
}

QPixmap compatibilityProgramPixmap() {
    return iconPixmap(QStringLiteral("compatibility-32.png"));
}

} // namespace kelvra
