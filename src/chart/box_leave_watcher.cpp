#include "box_leave_watcher.h"

#include <QApplication>
#include <QEvent>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTimer>

namespace kelvra {

bool isRealLeave(const QWidget& box, const QWidget* destination) {
    if (destination == nullptr || destination == &box || box.isAncestorOf(destination)) {
        return false;
    }
    if (QApplication::activePopupWidget() != nullptr ||
        qobject_cast<const QMenuBar*>(destination) != nullptr ||
        qobject_cast<const QMdiSubWindow*>(destination) != nullptr) {
        return false;
    }
    return destination->window() == box.window();
}

BoxLeaveWatcher::BoxLeaveWatcher(QWidget& box)
    : QObject(&box)
    , m_box(box) {
    box.installEventFilter(this);
}

bool BoxLeaveWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_box || event->type() != QEvent::FocusOut) {
        return QObject::eventFilter(watched, event);
    }
    // By the time the box hears of it, the application already names the new focus widget.
    QWidget* destination = QApplication::focusWidget();
    if (qobject_cast<QMdiSubWindow*>(destination) != nullptr && destination->isAncestorOf(&m_box)) {
        // The box's own child-window frame passes the focus on: back to the box after a press
        // inside the window, to the window's first control after Tab from its last one.
        QTimer::singleShot(0, this, [this] {
            if (isRealLeave(m_box, QApplication::focusWidget())) {
                emit left();
            }
        });
    } else if (isRealLeave(m_box, destination)) {
        emit left();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvra
