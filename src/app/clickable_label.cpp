#include "clickable_label.h"

#include "accessibility.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <utility>

namespace kelvra {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setMouseTracking(true);
    adoptAccessibility(this);
}

void ClickableLabel::makeLink() {
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::makeKeyboardLink(QAccessible::Role role) {
    makeFocusable();
    m_pressable = true;
    m_role = role;
}

void ClickableLabel::makeFocusable() {
    // Tab only: a click keeps the focus where it was, as on any label.
    setFocusPolicy(Qt::TabFocus);
}

void ClickableLabel::press() {
    emit clicked();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    // Like a button: the click counts only if released over the label.
    const bool wasPressed = std::exchange(m_pressed, false);
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    event->accept();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->position().toPoint());
    event->accept();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    const bool pressKey = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                          event->key() == Qt::Key_Enter;
    if (m_pressable && pressKey && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat()) {
            emit clicked();
        }
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    emit focused();
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    // Inside a sunken frame, where the frame's own shading would hide it.
    if (frameWidth() > 0) {
        frame.rect = contentsRect().adjusted(1, 1, -1, -1);
    }
    frame.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

} // namespace kelvra
