#pragma once

#include "engine/color_value.h"

#include <QLabel>

namespace kelvra {

class ChartSurface;

// A text lying over a chart surface's image. Its left and top edges are set in user units
// but held in pixels, so it keeps its place on screen when the surface's extent changes. It
// stands on the surface's background colour, so no curve runs through its text.
class SurfaceLabel : public QLabel {
    Q_OBJECT
public:
    SurfaceLabel(ChartSurface& surface, const QString& text);
    Q_DISABLE_COPY_MOVE(SurfaceLabel)

    double left() const;
    double top() const;
    void setLeft(double x);
    void setTop(double y);

    // Places the top-left corner in logical pixels of the surface's inner area.
    void setPixelPosition(QPointF position);
    QPointF pixelPosition() const { return m_position; }

    // Sets the text colour (0x00BBGGRR).
    void setTextColor(ColorValue color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    ChartSurface& m_surface;
    QPointF m_position;
};

} // namespace kelvra
