#pragma once

#include "engine/color_value.h"

#include <QImage>

#include <algorithm>

namespace kelvra {

// The opaque pixel of a stored colour (0x00BBGGRR).
inline QRgb opaquePixel(ColorValue color) {
    return qRgb(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

// Writes single points straight into a 32-bit image: user units are mapped to device pixels,
// and a point covers a square of about one logical pixel placed at device precision, so a
// curve keeps its weight and runs smooth at any screen scale. Points outside are skipped.
class PointRaster {
public:
    // The image must be 32 bits per pixel and outlive the raster; `unitsToPixels` is in
    // device pixels per user unit.
    PointRaster(QImage& image, QSizeF unitsToPixels, int pointSize)
        : m_bits(reinterpret_cast<QRgb*>(image.bits()))
        , m_stride(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)))
        , m_width(image.width())
        , m_height(image.height())
        , m_scaleX(unitsToPixels.width())
        , m_scaleY(unitsToPixels.height())
        , m_pointSize(std::max(1, pointSize)) {}

    void set(float x, float y, QRgb pixel) const {
        const double column = x * m_scaleX;
        const double row = y * m_scaleY;
        // Compared as doubles first, so a far-off or non-finite point is never cast. Inside,
        // both are non-negative and truncation rounds down.
        if (!(column >= 0 && column < m_width && row >= 0 && row < m_height)) {
            return;
        }
        const auto left = static_cast<int>(column);
        const auto top = static_cast<int>(row);
        if (m_pointSize == 1) {
            m_bits[top * m_stride + left] = pixel;
            return;
        }
        const int right = std::min(left + m_pointSize, m_width);
        const int bottom = std::min(top + m_pointSize, m_height);
        for (int line = top; line < bottom; ++line) {
            std::fill(m_bits + line * m_stride + left, m_bits + line * m_stride + right, pixel);
        }
    }

private:
    QRgb* m_bits;
    qsizetype m_stride;
    int m_width;
    int m_height;
    double m_scaleX;
    double m_scaleY;
    int m_pointSize;
};

} // namespace kelvra
