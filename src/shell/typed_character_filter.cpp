#include "typed_character_filter.h"

#include <QKeyEvent>
#include <QWidget>

namespace kelvra {

TypedCharacterFilter::TypedCharacterFilter(QWidget* box, Handler handler)
    : QObject(box)
    , m_box(box)
    , m_handler(std::move(handler)) {
    box->installEventFilter(this);
}

bool TypedCharacterFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_box && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (!typed.isEmpty() && m_handler(typed)) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvra
