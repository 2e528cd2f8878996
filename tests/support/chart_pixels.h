#pragma once

#include "app/color_conversion.h"
#include "chart/chart_surface.h"
#include "chart/surface_label.h"

#include <QFontMetrics>
#include <QImage>
#include <QList>
#include <QStringList>

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

// Whether anything is drawn on the surface's image under the overlay.
inline bool drawnUnder(const kelvra::ChartSurface& surface, const QWidget& overlay) {
    const QImage& drawing = surface.drawing();
    const qreal ratio = drawing.devicePixelRatio();
    const QRect area = overlay.geometry().translated(-surface.contentsRect().topLeft());
    const QRect device(area.topLeft() * ratio, area.size() * ratio);
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            if (drawing.valid(x, y) && qAlpha(drawing.pixel(x, y)) != 0) {
                return true;
            }
        }
    }
    return false;
}

// What keeps the surface's overlay texts from being shown whole in their font and above the
// curves, one line per fault: a text running past the chart, cut by its own size, or shown
// otherwise than it paints itself.
inline QStringList overlayTextFaults(kelvra::ChartSurface& surface) {
    QStringList faults;
    const QImage shown = surface.snapshot().convertToFormat(QImage::Format_ARGB32);
    const qreal ratio = shown.devicePixelRatio();
    const QRect inner(QPoint(0, 0), surface.contentsRect().size());
    for (kelvra::SurfaceLabel* label : surface.findChildren<kelvra::SurfaceLabel*>()) {
        if (label->isHidden() || label->text().isEmpty()) {
            continue;
        }
        const QString name = label->objectName() + QStringLiteral(" \"") + label->text() + '"';
        const QRect area = label->geometry().translated(-surface.contentsRect().topLeft());
        const QFontMetrics metrics(label->font());
        if (!inner.contains(area)) {
            faults << name + QStringLiteral(" runs past the chart");
        }
        if (area.width() < metrics.horizontalAdvance(label->text()) ||
            area.height() < metrics.height()) {
            faults << name + QStringLiteral(" is cut");
        }
        const QImage alone = label->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage there = shown.copy(QRect(area.topLeft() * ratio, alone.size()));
        if (alone != there) {
            faults << name + QStringLiteral(" is covered");
        }
    }
    return faults;
}
