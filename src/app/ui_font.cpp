#include "ui_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace kelvra {

QString uiFontFamily() {
    // The list costs little: the first text laid out fills the font database anyway, and
    // a font named by its installed family spares the matcher a search for substitutes.
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString& candidate :
             {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}) {
            if (installed.contains(candidate, Qt::CaseInsensitive)) {
                return candidate;
            }
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont uiFont(double pointSize, bool bold, bool underline) {
    QFont font(uiFontFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace kelvra
