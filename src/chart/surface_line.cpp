#include "surface_line.h"

#include "chart_surface.h"

namespace kelvra {

SurfaceLine::SurfaceLine(ChartSurface& surface)
    : QObject(&surface)
    , m_surface(surface) {}

double SurfaceLine::x1() const {
    return m_surface.xFromPixels(m_start.x());
}

double SurfaceLine::y1() const {
    return m_surface.yFromPixels(m_start.y());
}

double SurfaceLine::x2() const {
    return m_surface.xFromPixels(m_end.x());
}

double SurfaceLine::y2() const {
    return m_surface.yFromPixels(m_end.y());
}

void SurfaceLine::setX1(double x) {
    m_start.setX(m_surface.pixelsFromX(x));
    changed();
}

void SurfaceLine::setY1(double y) {
    m_start.setY(m_surface.pixelsFromY(y));
    changed();
}

void SurfaceLine::setX2(double x) {
    m_end.setX(m_surface.pixelsFromX(x));
    changed();
}

void SurfaceLine::setY2(double y) {
    m_end.setY(m_surface.pixelsFromY(y));
    changed();
}

void SurfaceLine::setWidth(int pixels) {
    m_width = std::max(1, pixels);
    changed();
}

void SurfaceLine::setColor(ColorValue color) {
    m_color = color;
    changed();
}

void SurfaceLine::setVisible(bool visible) {
    m_visible = visible;
    changed();
}

void SurfaceLine::changed() {
    m_surface.update();
}

} // namespace kelvra
