#pragma once

#include <QFont>
#include <QStringList>

namespace kelvra {

// Verdana where installed, else DejaVu Sans (close to Verdana's metrics), else the system's
// sans: the font matcher takes the first of these it finds.
QStringList uiFontFamilies();

QFont uiFont(double pointSize, bool bold = false, bool underline = false);

} // namespace kelvra
