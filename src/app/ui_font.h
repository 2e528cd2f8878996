#pragma once

#include <QFont>
#include <QString>

namespace kelvra {

// Verdana where installed, else DejaVu Sans (close to Verdana's metrics), else the system's sans.
QString uiFontFamily();

QFont uiFont(double pointSize, bool bold = false, bool underline = false);

} // namespace kelvra
