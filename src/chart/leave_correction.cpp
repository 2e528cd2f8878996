#include "leave_correction.h"

#include <QComboBox>
#include <QFocusEvent>

namespace kelvra {

bool isLeavingFocus(Qt::FocusReason reason) {
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

LeaveCorrection::LeaveCorrection(QComboBox& box, Rule rule)
    : QObject(&box)
    , m_box(box)
    , m_rule(std::move(rule)) {
    box.installEventFilter(this);
}

bool LeaveCorrection::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_box && event->type() == QEvent::FocusOut &&
        isLeavingFocus(static_cast<QFocusEvent*>(event)->reason())) {
        correct();
    }
    return QObject::eventFilter(watched, event);
}

void LeaveCorrection::correct() {
    const QString text = m_box.currentText();
    const QString corrected = m_rule(text);
    if (corrected == text) {
        return;
    }
    if (m_box.isEditable()) {
        m_box.setEditText(corrected);
    } else {
        m_box.setCurrentText(corrected);
    }
}

} // namespace kelvra
