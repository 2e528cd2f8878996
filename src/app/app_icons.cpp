#include "app_icons.h"

#include <QImageReader>
#include <QPixmapCache>

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
// Our icons are PNG files: read as such, without asking the image plugins to look first,
// and decoded once however many windows show them.
QPixmap iconPixmap(const QString& name) {
    registerIconResource();
    const QString path = QStringLiteral(":/icons/") + name;
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);
        pixmap = QPixmap::fromImage(reader.read());
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}
} // namespace

QIcon applicationIcon() {
    // One size, the one the picture boxes show: the window system is handed every size an
    // icon holds, on every start, and launchers and docks take the installed theme icons.
    return QIcon(applicationPixmap());
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
