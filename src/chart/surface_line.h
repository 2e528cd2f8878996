#pragma once

#include "engine/color_value.h"

#include <QObject>
#include <QPointF>

namespace kelvra {

class ChartSurface;

// A straight line lying over a chart surface's image. Its ends are set in user units but
// held in pixels, so the line keeps its place on screen when the surface's extent changes.
class SurfaceLine : public QObject {
    Q_OBJECT
public:
    explicit SurfaceLine(ChartSurface& surface);
    Q_DISABLE_COPY_MOVE(SurfaceLine)

    double x1() const;
    double y1() const;
    double x2() const;
    double y2() const;
    void setX1(double x);
    void setY1(double y);
    void setX2(double x);
    void setY2(double y);

    // Width in pixels.
    int width() const { return m_width; }
    void setWidth(int pixels);
    ColorValue color() const { return m_color; }
    void setColor(ColorValue color);
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);

    // The ends in logical pixels of the surface's inner area.
    QPointF pixelStart() const { return m_start; }
    QPointF pixelEnd() const { return m_end; }

private:
    void changed();

    ChartSurface& m_surface;
    QPointF m_start;
    QPointF m_end;
    int m_width = 1;
    ColorValue m_color = 0xFFFFFF;
    bool m_visible = true;
};

} // namespace kelvra
