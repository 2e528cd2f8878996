#include "chart_surface.h"

#include "surface_label.h"
#include "surface_line.h"

#include "app/color_conversion.h"
#include "app/ui_font.h"

#include "legend_colors.h"

#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace kelvra {

namespace {
// The scale of user units to pixels; an empty area maps everything to 0.
double pixelsPerUnit(int pixels, double extent) {
    return extent > 0 ? pixels / extent : 0.0;
}

// Assistive technology is told the surface is a chart, not a plain frame.
QAccessibleInterface* chartAccessible(const QString& key, QObject* object) {
    auto* surface = qobject_cast<ChartSurface*>(object);
    return key == QLatin1String(ChartSurface::staticMetaObject.className()) && surface
               ? new QAccessibleWidget(surface, QAccessible::Chart)
               : nullptr;
}
} // namespace

ChartSurface::ChartSurface(QWidget* parent)
    : QFrame(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFont(uiFont(8.25));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
    static const bool accessibleAsChart = (QAccessible::installFactory(chartAccessible), true);
    Q_UNUSED(accessibleAsChart)
    ensureDrawingMatchesDevice();
}

ChartSurface::~ChartSurface() = default;

void ChartSurface::setHorizontalExtent(double extent) {
    m_horizontalExtent = extent;
    updateScale();
}

void ChartSurface::setBackgroundColor(ColorValue color) {
    m_backgroundColor = color;
    update();
}

void ChartSurface::setBackgroundPicture(const QImage& picture) {
    m_backgroundPicture = picture;
    update();
}

void ChartSurface::removeBackgroundPicture() {
    m_backgroundPicture = QImage();
    update();
}

void ChartSurface::clear() {
    ensureDrawingMatchesDevice();
    m_drawing.fill(Qt::transparent);
    scheduleRepaint();
    m_contents = {};
    emit contentsChanged();
}

void ChartSurface::setContents(ChartContents contents) {
    m_contents = std::move(contents);
    emit contentsChanged();
}

void ChartSurface::setPoint(float x, float y, ColorValue color) {
    beginPoints()->set(x, y, opaquePixel(color));
    endPoints();
}

std::optional<PointRaster> ChartSurface::beginPoints() {
    // The device scale is checked by clear() and before painting; per batch only a size
    // change, which a hidden widget learns of without a resize event.
    if (size() != m_knownSize) {
        ensureDrawingMatchesDevice();
    }
    return PointRaster(m_drawing, m_unitsToPixels * m_pixelRatio, m_pointSize);
}

void ChartSurface::endPoints() {
    scheduleRepaint();
}

double ChartSurface::textWidth(const QString& text) const {
    return xFromPixels(fontMetrics().horizontalAdvance(text));
}

double ChartSurface::textHeight(const QString& text) const {
    // Every line of the text is one font height high.
    const auto lines = text.count(QLatin1Char('\n')) + 1;
    return yFromPixels(static_cast<double>(fontMetrics().height()) * static_cast<double>(lines));
}

int ChartSurface::outerLeft() const {
    return geometry().left();
}

int ChartSurface::outerWidth() const {
    return width();
}

SurfaceLine* ChartSurface::addLine(const QString& objectName) {
    auto* line = new SurfaceLine(*this);
    line->setObjectName(objectName);
    update();
    return line;
}

SurfaceLabel* ChartSurface::addLabel(const QString& objectName, const QString& text) {
    auto* label = new SurfaceLabel(*this, text);
    label->setObjectName(objectName);
    label->show();
    return label;
}

double ChartSurface::pixelsFromX(double x) const {
    return x * pixelsPerUnit(contentsRect().width(), m_horizontalExtent);
}

double ChartSurface::pixelsFromY(double y) const {
    return y * pixelsPerUnit(contentsRect().height(), verticalExtent());
}

double ChartSurface::xFromPixels(double pixels) const {
    const int width = contentsRect().width();
    return width > 0 ? pixels * m_horizontalExtent / width : 0.0;
}

double ChartSurface::yFromPixels(double pixels) const {
    const int height = contentsRect().height();
    return height > 0 ? pixels * verticalExtent() / height : 0.0;
}

QImage ChartSurface::snapshot() {
    ensureDrawingMatchesDevice();
    m_grabbing = true;
    QImage image = grab(contentsRect()).toImage();
    m_grabbing = false;
    return image;
}

void ChartSurface::scheduleRepaint() {
    // One request per batch of points: thousands of small dirty rectangles would cost
    // more than repainting the area once.
    if (!m_repaintPending) {
        m_repaintPending = true;
        update();
    }
}

void ChartSurface::paintEvent(QPaintEvent* event) {
    m_repaintPending = false;
    ensureDrawingMatchesDevice();
    QPainter painter(this);
    const QRect inner = contentsRect();
    // The frame's lines are one device pixel thin, narrower than the frame on a scaled
    // screen, and the surface claims to paint every pixel: the ring under them is filled.
    painter.setClipRegion(event->region().subtracted(inner));
    painter.fillRect(rect(), palette().window());
    painter.setClipRect(inner & event->rect());
    painter.fillRect(inner, toQColor(m_backgroundColor));
    if (!m_backgroundPicture.isNull()) {
        painter.drawImage(inner.topLeft(), m_backgroundPicture);
    }
    painter.drawImage(inner.topLeft(), m_drawing);
    paintLines(painter);
    paintFocusFrame(painter);
    painter.setClipping(false);
    drawFrame(&painter);
}

void ChartSurface::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    update();
}

void ChartSurface::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    update();
}

void ChartSurface::paintFocusFrame(QPainter& painter) const {
    if (!hasFocus() || m_grabbing) {
        return;
    }
    // Dotted, in the colour that reads on the chart's background, just inside its edge.
    QPen pen(textColorOn(toQColor(m_backgroundColor)), 1, Qt::DotLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(contentsRect()).adjusted(1.5, 1.5, -1.5, -1.5));
}

void ChartSurface::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    ensureDrawingMatchesDevice();
}

void ChartSurface::ensureDrawingMatchesDevice() {
    const qreal ratio = devicePixelRatioF();
    const QSize deviceSize = contentsRect().size() * ratio;
    if (m_drawing.size() == deviceSize && qFuzzyCompare(m_drawing.devicePixelRatio(), ratio)) {
        return;
    }
    // Keep what was drawn when the area or the screen changes.
    QImage resized(deviceSize.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    resized.fill(Qt::transparent);
    if (!m_drawing.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(QRect(QPoint(0, 0), deviceSize), m_drawing);
    }
    resized.setDevicePixelRatio(ratio);
    m_drawing = resized;
    m_knownSize = size();
    m_pointSize = std::max(1, static_cast<int>(std::lround(ratio)));
    updateScale();
}

void ChartSurface::updateScale() {
    const QSize inner = contentsRect().size();
    m_unitsToPixels = QSizeF(pixelsPerUnit(inner.width(), m_horizontalExtent),
                             pixelsPerUnit(inner.height(), verticalExtent()));
    m_pixelRatio = m_drawing.isNull() ? 1.0 : m_drawing.devicePixelRatio();
}

void ChartSurface::paintLines(QPainter& painter) const {
    const QPointF origin = contentsRect().topLeft();
    // Lines are children of the surface, so they go with it; drawn in the order added.
    for (const SurfaceLine* line : findChildren<SurfaceLine*>(Qt::FindDirectChildrenOnly)) {
        if (!line->isVisible()) {
            continue;
        }
        // Ends on pixel centres, so a one-pixel line covers exactly the pixels of its points.
        const auto centre = [&origin](QPointF pixels) {
            return origin + QPointF(std::floor(pixels.x()) + 0.5, std::floor(pixels.y()) + 0.5);
        };
        QPen pen(toQColor(line->color()));
        pen.setWidth(line->width());
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        painter.drawLine(centre(line->pixelStart()), centre(line->pixelEnd()));
    }
}

} // namespace kelvra
