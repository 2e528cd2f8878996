#include "blank_refusal.h"

#include "app/message_box.h"

#include <QKeyEvent>
#include <QWidget>

namespace kelvra {

BlankRefusal::BlankRefusal(QWidget* box)
    : QObject(box)
    , m_box(box) {
    box->installEventFilter(this);
}

bool BlankRefusal::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_box && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->text() == QLatin1String(" ")) {
        showMessage(m_box, QStringLiteral("Email Address Cannot Contain Space"),
                    QMessageBox::Critical);
        m_box->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvra
