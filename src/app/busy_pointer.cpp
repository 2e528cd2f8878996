#include "busy_pointer.h"

#include <QApplication>
#include <QCursor>

namespace kelvra {

BusyPointer::BusyPointer() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyPointer::~BusyPointer() {
    QApplication::restoreOverrideCursor();
}

} // namespace kelvra
