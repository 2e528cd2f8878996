#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace kelvra {

// The caption of both compatibility windows.
QString compatibilityCaption();

// A bold button of the parent that Enter presses as Space does, never a default button.
QPushButton* placeButton(QWidget* parent, const QString& objectName, const QString& text,
                         QRect geometry);

// A label of the parent with the given name, text and geometry in pixels.
QLabel* placeLabel(QWidget* parent, const QString& objectName, const QString& text, QRect geometry);

// A label that sizes itself to its text, with its top-left corner at the given pixel point.
QLabel* placeAutoSizedLabel(QWidget* parent, const QString& objectName, const QString& text,
                            QPoint topLeft);

// Sets the text and fits the label's size to it.
void setAutoSizedText(QLabel* label, const QString& text);

} // namespace kelvra
