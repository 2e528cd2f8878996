#include "control_placement.h"

#include <QLabel>
#include <QPalette>

namespace kelvra {

QLabel* placeLabel(QWidget* parent, const QString& objectName, const QString& text,
                   QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    return label;
}

QLabel* placeAutoSizedLabel(QWidget* parent, const QString& objectName, const QString& text,
                            QPoint topLeft) {
    QLabel* label = placeLabel(parent, objectName, {}, QRect(topLeft, QSize(1, 1)));
    setAutoSizedText(label, text);
    return label;
}

void setAutoSizedText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

void setBackgroundColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace kelvra
