#include "ui_font.h"

namespace kelvra {

QStringList uiFontFamilies() {
    return {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
}

QFont uiFont(double pointSize, bool bold, bool underline) {
    // The list is resolved when text is first laid out, so building a window asks the
    // font database nothing.
    QFont font;
    font.setFamilies(uiFontFamilies());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace kelvra
