#pragma once

#include <QList>
#include <QPalette>
#include <QString>

class QColor;
class QWidget;

// How one text shows: the contrast between its colour and the background around it, both
// read from the rendered pixels.
struct TextContrast {
    QString widget;
    double ratio = 1.0;
};

// The WCAG 2 contrast ratio of two colours, 1 to 21, from their relative luminance.
double contrastRatio(const QColor& first, const QColor& second);

// Every text that `scope` and its children show, enabled and at least half in sight, measured
// on a rendering of the window that holds them. A text's pixels are those that change when its
// area is rendered again without the text; its colour is the one of them farthest from the
// background, the commonest colour around them without the text.
QList<TextContrast> measureTextContrast(QWidget& scope);

// A dark desktop colour scheme: light text on dark faces throughout.
QPalette darkColourScheme();
