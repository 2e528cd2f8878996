#include "control_placement.h"

#include "app/ui_font.h"
#include "enter_presses_button.h"

#include <QLabel>
#include <QPushButton>

namespace kelvra {

QString compatibilityCaption() {
    return QStringLiteral("Kelvra Biorhythm Compatibility");
}

QPushButton* placeButton(QWidget* parent, const QString& objectName, const QString& text,
                         QRect geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    button->setFont(uiFont(8.25, true));
    button->setAutoDefault(false);
    pressOnEnter(button);
    return button;
}

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
