#include "control_placement.h"

#include <QLabel>

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

} // namespace kelvra
