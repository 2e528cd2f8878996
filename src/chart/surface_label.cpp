#include "surface_label.h"

#include "chart_surface.h"

#include "app/color_conversion.h"
#include "app/palette_colors.h"

#include <QPainter>

#include <cmath>

namespace kelvra {

SurfaceLabel::SurfaceLabel(ChartSurface& surface, const QString& text)
    : QLabel(text, &surface)
    , m_surface(surface) {
    setAutoFillBackground(false);
    place();
}

double SurfaceLabel::left() const {
    return m_surface.xFromPixels(m_position.x());
}

double SurfaceLabel::top() const {
    return m_surface.yFromPixels(m_position.y());
}

void SurfaceLabel::setLeft(double x) {
    m_position.setX(m_surface.pixelsFromX(x));
    place();
}

void SurfaceLabel::setTop(double y) {
    m_position.setY(m_surface.pixelsFromY(y));
    place();
}

void SurfaceLabel::setPixelPosition(QPointF position) {
    m_position = position;
    place();
}

void SurfaceLabel::setTextColor(ColorValue color) {
    kelvra::setTextColor(this, toQColor(color));
}

void SurfaceLabel::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(rect(), toQColor(m_surface.backgroundColor()));
    }
    QLabel::paintEvent(event);
}

void SurfaceLabel::place() {
    // Far-off positions are kept as given but shown clamped, so no cast overflows.
    const auto toPixel = [](double value) {
        return std::isfinite(value) ? static_cast<int>(std::clamp(std::floor(value), -1.0e6, 1.0e6))
                                    : 0;
    };
    const QPoint origin = m_surface.contentsRect().topLeft();
    move(origin + QPoint(toPixel(m_position.x()), toPixel(m_position.y())));
}

} // namespace kelvra
