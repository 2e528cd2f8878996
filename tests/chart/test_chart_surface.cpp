#include "chart/chart_surface.h"
#include "chart/surface_label.h"
#include "chart/surface_line.h"

#include "app/twips.h"
#include "chart_pixels.h"
#include "test_main.h"

#include <QImage>
#include <QWidget>

#include <limits>
#include <memory>

using namespace kelvra;

namespace {
constexpr ColorValue kRed = rgbColor(255, 0, 0);
constexpr ColorValue kBlue = rgbColor(0, 0, 255);
constexpr ColorValue kWhite = rgbColor(255, 255, 255);

} // namespace

class ChartSurfaceTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_window = std::make_unique<QWidget>();
        m_window->resize(700, 500);
        m_surface = new ChartSurface(m_window.get());
        m_surface->setGeometry(twipsRect(30, 780, 6465, 6465));
        m_surface->setHorizontalExtent(28);
    }

    void cleanup() { m_window.reset(); }

    void innerAreaIsSurroundedByTheFrame() {
        QCOMPARE(m_surface->contentsRect().size(), QSize(427, 427));
        QCOMPARE(m_surface->snapshot().size(), QSize(427, 427));
    }

    void extentsAreAsSet() {
        QCOMPARE(m_surface->horizontalExtent(), 28.0);
        QCOMPARE(m_surface->verticalExtent(), 159.107);
        m_surface->setHorizontalExtent(14);
        QCOMPARE(m_surface->verticalExtent(), 159.107);
    }

    void pointLandsOnTheMappedPixel_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<QPoint>("pixel");
        QTest::newRow("top left") << 0.0f << 0.0f << QPoint(0, 0);
        QTest::newRow("centre") << 14.0f << 79.5535f << QPoint(213, 213);
        QTest::newRow("last column and row") << 27.99f << 159.0f << QPoint(426, 426);
        QTest::newRow("one day in") << 1.0f << 0.0f << QPoint(15, 0);
        QTest::newRow("mid vertical") << 0.0f << 100.0f << QPoint(0, 268);
    }

    void pointLandsOnTheMappedPixel() {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(QPoint, pixel);
        m_surface->setPoint(x, y, kRed);
        const QImage image = m_surface->snapshot();
        QCOMPARE(image.pixel(pixel), rgbOf(kRed));
        QCOMPARE(countPixels(image, rgbOf(kRed)), 1);
    }

    void pointsOutsideTheAreaAreIgnored_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        const float infinity = std::numeric_limits<float>::infinity();
        QTest::newRow("left") << -0.01f << 10.0f;
        QTest::newRow("just above the top") << 0.0f << -0.001f;
        QTest::newRow("right edge") << 28.0f << 10.0f;
        QTest::newRow("below") << 10.0f << 159.2f;
        QTest::newRow("above") << 10.0f << -0.1f;
        QTest::newRow("far away") << 3.0e38f << -3.0e38f;
        QTest::newRow("infinite") << infinity << 1.0f;
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 1.0f;
    }

    void pointsOutsideTheAreaAreIgnored() {
        QFETCH(float, x);
        QFETCH(float, y);
        m_surface->setPoint(x, y, kRed);
        QCOMPARE(countPixels(m_surface->snapshot(), rgbOf(kRed)), 0);
    }

    void clearErasesPointsButKeepsBackgroundAndOverlays() {
        m_surface->setBackgroundColor(kBlue);
        SurfaceLine* line = m_surface->addLine(QStringLiteral("lnHor"));
        line->setX1(0);
        line->setX2(28);
        line->setY1(50);
        line->setY2(50);
        SurfaceLabel* label =
            m_surface->addLabel(QStringLiteral("lblTest"), QStringLiteral("MMMM"));
        label->setTextColor(kWhite);
        label->setLeft(2);
        label->setTop(100);
        for (float x = 0; x < 28; x += 0.05f) {
            m_surface->setPoint(x, 30, kRed);
        }
        QVERIFY(countPixels(m_surface->snapshot(), rgbOf(kRed)) > 400);

        m_surface->clear();
        const QImage image = m_surface->snapshot();
        QCOMPARE(countPixels(image, rgbOf(kRed)), 0);
        const int lineRow = static_cast<int>(50 * 427 / 159.107);
        for (int x = 0; x < 427; x += 7) {
            QCOMPARE(image.pixel(x, lineRow), rgbOf(kWhite));
        }
        QCOMPARE(image.pixel(426, 426), rgbOf(kBlue));
        const QRect labelArea = label->geometry().translated(-m_surface->contentsRect().topLeft());
        QVERIFY(countPixels(image.copy(labelArea), rgbOf(kBlue)) <
                labelArea.width() * labelArea.height());
        QCOMPARE(m_surface->findChild<SurfaceLine*>(QStringLiteral("lnHor")), line);
        QVERIFY(!label->isHidden());
    }

    void backgroundPictureLiesUnderTheDrawingUntilRemoved() {
        QImage picture(427, 427, QImage::Format_RGB32);
        picture.fill(QColor(0, 128, 0));
        m_surface->setBackgroundPicture(picture);
        m_surface->setPoint(5, 5, kRed);
        QImage image = m_surface->snapshot();
        QCOMPARE(image.pixel(0, 0), qRgb(0, 128, 0));
        QCOMPARE(countPixels(image, rgbOf(kRed)), 1);

        m_surface->removeBackgroundPicture();
        QVERIFY(!m_surface->hasBackgroundPicture());
        image = m_surface->snapshot();
        QCOMPARE(countPixels(image, qRgb(0, 128, 0)), 0);
        QCOMPARE(countPixels(image, rgbOf(kRed)), 1);
    }

    void overlaysKeepTheirPlaceOnScreenWhenTheExtentChanges() {
        SurfaceLine* line = m_surface->addLine(QStringLiteral("lnVert"));
        line->setX1(14);
        line->setX2(14);
        line->setY1(0);
        line->setY2(159.107);
        SurfaceLabel* label = m_surface->addLabel(QStringLiteral("lblTest"), QStringLiteral("0%"));
        label->setLeft(7);
        label->setTop(20);
        const QImage before = m_surface->snapshot();
        const QPoint labelPlace = label->pos();

        m_surface->setHorizontalExtent(56);
        QCOMPARE(m_surface->snapshot(), before);
        QCOMPARE(label->pos(), labelPlace);
        // Read back in the new units, the same places are twice as far across.
        QCOMPARE(line->x1(), 28.0);
        QCOMPARE(label->left(), 14.0);
        QCOMPARE(label->top(), 20.0);
        QCOMPARE(line->y2(), 159.107);
    }

    void lineWidthAndColourAreHonoured() {
        SurfaceLine* line = m_surface->addLine(QStringLiteral("lnVert"));
        line->setX1(14);
        line->setX2(14);
        line->setY1(0);
        line->setY2(159.107);
        line->setColor(kBlue);
        QCOMPARE(countPixels(m_surface->snapshot(), rgbOf(kBlue)), 427);
        line->setWidth(2);
        QCOMPARE(countPixels(m_surface->snapshot(), rgbOf(kBlue)), 2 * 427);
        line->setVisible(false);
        QCOMPARE(countPixels(m_surface->snapshot(), rgbOf(kBlue)), 0);
    }

    void textSizeIsInUserUnits() {
        const QString text = QStringLiteral("0%");
        const QFontMetrics metrics(m_surface->font());
        QCOMPARE(m_surface->textWidth(text), metrics.horizontalAdvance(text) * 28.0 / 427);
        QCOMPARE(m_surface->textHeight(text), metrics.height() * 159.107 / 427);
        m_surface->setHorizontalExtent(56);
        QCOMPARE(m_surface->textWidth(text), metrics.horizontalAdvance(text) * 56.0 / 427);
        QVERIFY(m_surface->textHeight(QStringLiteral("a\nb")) > m_surface->textHeight(text) * 1.9);
    }

    void outerPlacementIsInTheParentsCoordinates() {
        QCOMPARE(m_surface->outerLeft(), 2);
        QCOMPARE(m_surface->outerWidth(), 431);
    }

    void drawingSurvivesHidingAndShowing() {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_surface->setPoint(3, 3, kRed);
        m_window->hide();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        const int side = qRound(m_surface->devicePixelRatioF());
        QCOMPARE(countPixels(m_window->grab().toImage(), rgbOf(kRed)), side * side);
    }

    // At any screen scale the image has device resolution, and a point is a square of one
    // logical pixel placed with device-pixel precision (run again with QT_SCALE_FACTOR=2).
    void imageHasDeviceResolution() {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        const qreal ratio = m_surface->devicePixelRatioF();
        m_surface->setPoint(14, 79.5535f, kRed);
        const QImage& drawing = m_surface->drawing();
        QCOMPARE(drawing.size(), QSize(427, 427) * ratio);
        QCOMPARE(drawing.devicePixelRatio(), ratio);
        const int side = qRound(ratio);
        QCOMPARE(countPixels(drawing, rgbOf(kRed)), side * side);
        // 213.5 and 213.49 logical pixels: at 200 % the square starts on an odd column.
        const QPoint corner(qFloor(14 * 427 / 28.0 * ratio),
                            qFloor(79.5535f * (427 / 159.107) * ratio));
        QCOMPARE(drawing.pixel(corner), rgbOf(kRed));
        QCOMPARE(drawing.pixel(corner + QPoint(side - 1, side - 1)), rgbOf(kRed));
    }

    // A focus frame shows while the surface has the focus, and never in its snapshot.
    void focusFrameShowsWhileFocused() {
        QCOMPARE(m_surface->focusPolicy(), Qt::TabFocus);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_surface->clearFocus();
        const QImage snapshot = m_surface->snapshot();
        const QRect inner = m_surface->contentsRect();
        const QImage unfocused = m_surface->grab(inner).toImage();
        m_surface->setFocus(Qt::TabFocusReason);
        QVERIFY(m_surface->hasFocus());
        const QImage focused = m_surface->grab(inner).toImage();
        QVERIFY(countPixels(focused, rgbOf(kWhite)) > 400);
        QCOMPARE(countPixels(unfocused, rgbOf(kWhite)), 0);
        QCOMPARE(m_surface->snapshot(), snapshot);
    }

    // The frame's lines are one device pixel thin, narrower than the frame on a scaled
    // screen: nothing under the frame may be left as it was before the surface painted.
    void frameIsPaintedWholeAtEveryScale_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("100 %") << qreal(1);
        QTest::newRow("200 %") << qreal(2);
        QTest::newRow("300 %") << qreal(3);
    }

    void frameIsPaintedWholeAtEveryScale() {
        QFETCH(qreal, ratio);
        QImage target(m_surface->size() * ratio, QImage::Format_ARGB32_Premultiplied);
        target.setDevicePixelRatio(ratio);
        target.fill(Qt::magenta);
        m_surface->render(&target, QPoint(), QRegion(), QWidget::DrawChildren);
        QCOMPARE(countPixels(target, qRgb(255, 0, 255)), 0);
    }

    // Neighbouring points a fraction of a logical pixel apart leave no gap at any scale.
    void steepCurveStaysUnbroken() {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        // As steep as the Physical curve on the midline: H / (23 / 4) units per day.
        const double slope = 159.107 / 5.75;
        for (double x = 0; x <= 1.0; x += 0.01) {
            m_surface->setPoint(static_cast<float>(x), static_cast<float>(x * slope), kRed);
        }
        const QImage& drawing = m_surface->drawing();
        const int lastRow = qFloor(slope * 427 / 159.107 * m_surface->devicePixelRatioF());
        for (int row = 0; row < lastRow; ++row) {
            bool found = false;
            for (int x = 0; x < drawing.width() && !found; ++x) {
                found = drawing.pixel(x, row) == rgbOf(kRed);
            }
            QVERIFY2(found, qPrintable(QStringLiteral("gap in row %1").arg(row)));
        }
    }

private:
    std::unique_ptr<QWidget> m_window;
    ChartSurface* m_surface = nullptr;
};

KELVRA_TEST_MAIN(ChartSurfaceTest)
#include "test_chart_surface.moc"
