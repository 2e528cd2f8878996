#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kelvra {

// Layouts are given in twips, 1/1440 inch: 15 twips make one pixel at 96 dots per inch.
inline constexpr double kTwipsPerPixel = 15.0;

constexpr int twipsToPixels(double twips) {
    const double pixels = twips / kTwipsPerPixel;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

constexpr double pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

constexpr QRect twipsRect(double left, double top, double width, double height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

constexpr QSize twipsSize(double width, double height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}

constexpr QPoint twipsPoint(double left, double top) {
    return {twipsToPixels(left), twipsToPixels(top)};
}

} // namespace kelvra
