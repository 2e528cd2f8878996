#pragma once

#include <QIcon>
#include <QPixmap>

namespace kelvra {

// The application's icon for window icons, in one size (32 x 32 pixels).
QIcon applicationIcon();

// The application's icon at 32 x 32 pixels, for the picture boxes that show it.
QPixmap applicationPixmap();

// The 32 x 32 icons beside the two program buttons of the main window.
QPixmap chartProgramPixmap();
QPixmap compatibilityProgramPixmap();

} // namespace kelvra
