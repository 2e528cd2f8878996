#include "focus_move_watcher.h"

#include <QFocusEvent>
#include <QWidget>

namespace kelvra {

namespace {
// A window losing or regaining activation, or a pop-up, moves no focus between boxes.
bool isRealFocusMove(const QEvent* event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason &&
           reason != Qt::ActiveWindowFocusReason;
}
} // namespace

FocusMoveWatcher::FocusMoveWatcher(QWidget* box)
    : QObject(box)
    , m_box(box) {
    box->installEventFilter(this);
}

bool FocusMoveWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_box) {
        switch (event->type()) {
        case QEvent::FocusIn:
            // A box clicked while its window was inactive gets the focus only on activation.
            if (isRealFocusMove(event) || !m_holdsFocus) {
                gain();
            }
            break;
        case QEvent::FocusOut:
            if (isRealFocusMove(event)) {
                lose();
            }
            break;
        case QEvent::WindowActivate:
            // The focus moved to another box while the window was inactive, without a word.
            if (m_holdsFocus && m_box->window()->focusWidget() != m_box) {
                lose();
            }
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void FocusMoveWatcher::gain() {
    m_holdsFocus = true;
    emit gotFocus();
}

void FocusMoveWatcher::lose() {
    m_holdsFocus = false;
    emit lostFocus();
}

} // namespace kelvra
