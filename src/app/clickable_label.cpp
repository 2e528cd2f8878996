#include "clickable_label.h"

#include <QMouseEvent>

#include <utility>

namespace kelvra {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setMouseTracking(true);
}

void ClickableLabel::makeLink() {
    setCursor(Qt::PointingHandCursor);
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

} // namespace kelvra
