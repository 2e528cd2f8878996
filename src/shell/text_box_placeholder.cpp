#include "text_box_placeholder.h"

#include "tell_a_friend.h"

#include <QFocusEvent>
#include <QWidget>

namespace kelvra {

namespace {
bool isRealFocusMove(const QEvent* event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason &&
           reason != Qt::ActiveWindowFocusReason;
}
} // namespace

TextBoxPlaceholder::TextBoxPlaceholder(QWidget* box, QString placeholder, TextGetter text,
                                       TextSetter setText)
    : QObject(box)
    , m_placeholder(std::move(placeholder))
    , m_text(std::move(text))
    , m_setText(std::move(setText)) {
    box->installEventFilter(this);
}

bool TextBoxPlaceholder::eventFilter(QObject* watched, QEvent* event) {
    const bool focusIn = event->type() == QEvent::FocusIn;
    const bool focusOut = event->type() == QEvent::FocusOut;
    if ((focusIn || focusOut) && isRealFocusMove(event)) {
        const QString trimmed = modTellAFriend::trimBlanks(m_text());
        if (focusIn && trimmed == m_placeholder) {
            m_setText(QString());
        } else if (focusOut && trimmed.isEmpty()) {
            m_setText(m_placeholder);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvra
