#pragma once

#include "app/color_conversion.h"

#include <QImage>
#include <QList>

// Probes of drawn charts; colours are compared exactly, as the charts draw without smoothing.

// The opaque pixel value of a stored colour.
inline QRgb rgbOf(kelvra::ColorValue color) {
    return kelvra::toQColor(color).rgb();
}

// Counts the pixels of the image that have exactly this colour.
inline int countPixels(const QImage& image, QRgb color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

// The rows of one column that have exactly this colour, top to bottom.
inline QList<int> rowsInColumn(const QImage& image, int column, QRgb color) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(column, y) == color) {
            rows << y;
        }
    }
    return rows;
}
