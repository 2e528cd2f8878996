#pragma once

#include <QPixmap>
#include <QSize>

namespace kelvra {

// The two pictures of the entry window's picture button back to the main window: as it
// rests, and lit while the pointer is over it.
QPixmap backPicture(QSize size, bool lit);

} // namespace kelvra
