#include "text_box_placeholder.h"

#include "tell_a_friend.h"

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

TextBoxPlaceholder::TextBoxPlaceholder(QWidget* box, QString placeholder, TextGetter text,
                                       TextSetter setText)
    : QObject(box)
    , m_box(box)
    , m_placeholder(std::move(placeholder))
    , m_text(std::move(text))
    , m_setText(std::move(setText)) {
    box->installEventFilter(this);
}

bool TextBoxPlaceholder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_box) {
        switch (event->type()) {
        case QEvent::FocusIn:
            // A box clicked while its window was inactive gets the focus only on activation.
            if (isRealFocusMove(event) || !m_holdsFocus) {
                gotFocus();
            }
            break;
        case QEvent::FocusOut:
            if (isRealFocusMove(event)) {
                lostFocus();
            }
            break;
        case QEvent::WindowActivate:
            // The focus moved to another box while the window was inactive, without a word.
            if (m_holdsFocus && m_box->window()->focusWidget() != m_box) {
                lostFocus();
            }
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TextBoxPlaceholder::gotFocus() {
    m_holdsFocus = true;
    if (modTellAFriend::trimBlanks(m_text()) == m_placeholder) {
        m_setText(QString());
    }
}

void TextBoxPlaceholder::lostFocus() {
    m_holdsFocus = false;
    if (modTellAFriend::trimBlanks(m_text()).isEmpty()) {
        m_setText(m_placeholder);
    }
}

} // namespace kelvra
