#pragma once

#include "chart_contents.h"
#include "point_sink.h"

#include <QFrame>
#include <QImage>

namespace kelvra {

class SurfaceLabel;
class SurfaceLine;

// The fixed vertical extent of every chart surface, the proportion the label offsets of
// both charts were laid out for.
inline constexpr double kSurfaceVerticalExtent = 159.107;

// A picture area with user coordinates and a retained image: points drawn stay until
// cleared, also when the window is covered. Line and label overlays lie above the image,
// are positioned in user units, survive clearing and keep their place on screen when the
// horizontal extent changes. The image is kept at device resolution, and a point is one
// logical pixel square placed with device-pixel precision, so curves stay smooth, unbroken
// and of the same weight on high-DPI screens. The surface takes the focus by Tab only, never
// by a click, so a press on the chart leaves the box being edited alone.
class ChartSurface : public QFrame, public PointSink {
    Q_OBJECT
public:
    explicit ChartSurface(QWidget* parent = nullptr);
    ~ChartSurface() override;
    Q_DISABLE_COPY_MOVE(ChartSurface)

    double horizontalExtent() const override { return m_horizontalExtent; }
    // Sets W and leaves H; drawn points are not moved, overlays keep their place on screen.
    void setHorizontalExtent(double extent);
    double verticalExtent() const override { return kSurfaceVerticalExtent; }

    // The colour shown wherever nothing is drawn (0x00BBGGRR).
    void setBackgroundColor(ColorValue color);
    ColorValue backgroundColor() const { return m_backgroundColor; }
    // A picture under the drawing, shown from the top-left corner.
    void setBackgroundPicture(const QImage& picture);
    void removeBackgroundPicture();
    bool hasBackgroundPicture() const { return !m_backgroundPicture.isNull(); }

    // Erases every drawn point and forgets what they showed; background and overlays stay.
    void clear();

    // What the drawing shows; set by each drawing run after its points.
    const ChartContents& contents() const { return m_contents; }
    void setContents(ChartContents contents);
    void setPoint(float x, float y, ColorValue color) override;
    std::optional<PointRaster> beginPoints() override;
    void endPoints() override;

    // Size of the text in the surface's font: width in horizontal units, height in vertical.
    double textWidth(const QString& text) const;
    double textHeight(const QString& text) const;

    // The surface's placement in its parent's coordinates, in pixels, frame included.
    int outerLeft() const;
    int outerWidth() const;

    // A new line overlay, white and one pixel wide until changed.
    SurfaceLine* addLine(const QString& objectName);
    // A new text overlay in the surface's font with a transparent background.
    SurfaceLabel* addLabel(const QString& objectName, const QString& text = {});

    // User units to logical pixels of the inner area and back.
    double pixelsFromX(double x) const;
    double pixelsFromY(double y) const;
    double xFromPixels(double pixels) const;
    double yFromPixels(double pixels) const;

    // The retained drawing at device resolution, transparent where nothing is drawn.
    const QImage& drawing() const { return m_drawing; }
    // The inner area as shown: background, picture, drawing, lines and labels, without the
    // focus frame.
    QImage snapshot();

signals:
    // The drawing was cleared or a drawing run finished.
    void contentsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ensureDrawingMatchesDevice();
    void scheduleRepaint();
    void updateScale();
    void paintLines(QPainter& painter) const;
    void paintFocusFrame(QPainter& painter) const;

    double m_horizontalExtent = kSurfaceVerticalExtent;
    ColorValue m_backgroundColor = 0;
    QImage m_backgroundPicture;
    QImage m_drawing;
    QSize m_knownSize;
    QSizeF m_unitsToPixels; // logical pixels per user unit
    double m_pixelRatio = 1.0;
    int m_pointSize = 1;
    bool m_repaintPending = false;
    bool m_grabbing = false;
    ChartContents m_contents;
};

} // namespace kelvra
