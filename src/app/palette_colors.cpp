#include "palette_colors.h"

#include <QPalette>
#include <QWidget>

namespace kelvra {

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void setBackgroundColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextOnBackground(QWidget* widget, const QColor& text, const QColor& background) {
    setBackgroundColor(widget, background);
    setTextColor(widget, text);
}

void setButtonColors(QWidget* button, const QColor& face, const QColor& text) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, text);
    button->setPalette(palette);
}

} // namespace kelvra
