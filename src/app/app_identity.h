#pragma once

#include <QString>

namespace kelvra {

// The executable's name: it keys the per-user settings store and the single-instance lock.
inline const QString kApplicationName = QStringLiteral("kelvra-biorhythms");

// The title every message box carries.
inline const QString kApplicationTitle = QStringLiteral("Kelvra Biorhythms");

// The caption of the main window, the about window and the exit screen.
inline const QString kVersionCaption = QStringLiteral("Kelvra Biorhythms v1.15");

} // namespace kelvra
