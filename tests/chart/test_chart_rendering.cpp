#include "chart/arc_plotter.h"
#include "chart/chart_renderer.h"
#include "chart/chart_surface.h"
#include "chart/point_sink.h"
#include "chart/surface_label.h"
#include "chart/surface_line.h"

#include "app/date_conversion.h"
#include "app/short_date.h"
#include "app/twips.h"
#include "chart_pixels.h"
#include "engine/cycle.h"
#include "test_main.h"

#include <QLabel>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

using namespace kelvra;

namespace {
constexpr int kInner = 427; // inner pixels of the chart window's surface

QRgb cycleColor(std::size_t index) {
    return rgbOf(kCycles[index].singleChartColor);
}

// Records what the arc plotter sets, instead of drawing it.
class RecordingSink : public PointSink {
public:
    struct Point {
        float x;
        float y;
        ColorValue color;
    };
    double horizontalExtent() const override { return 28; }
    double verticalExtent() const override { return kSurfaceVerticalExtent; }
    void setPoint(float x, float y, ColorValue color) override { points.push_back({x, y, color}); }
    std::vector<Point> points;
};

// The part of the chart window the rendering uses: the surface and the three labels above it.
struct ChartPage {
    ChartPage() {
        window.resize(twipsSize(10395, 7275));
        surface = new ChartSurface(&window);
        surface->setGeometry(twipsRect(30, 780, 6465, 6465));
        surface->setHorizontalExtent(28);
        least = new QLabel(&window);
        least->setGeometry(twipsRect(60, 540, 1290, 240));
        date = new QLabel(&window);
        date->setGeometry(twipsRect(2970, 510, 645, 240));
        most = new QLabel(&window);
        most->setGeometry(twipsRect(5520, 540, 1005, 240));
        renderer =
            std::make_unique<BiorhythmChartRenderer>(*surface, ChartScaleLabels{least, date, most});
    }

    QWidget window;
    ChartSurface* surface = nullptr;
    QLabel* least = nullptr;
    QLabel* date = nullptr;
    QLabel* most = nullptr;
    std::unique_ptr<BiorhythmChartRenderer> renderer;
};

int column(double x) {
    return static_cast<int>(std::floor(x * kInner / 28));
}

// Mean column of the pixels of this colour in one row within [from, to); -1 when there is none.
double meanColumn(const QImage& image, int row, QRgb color, int from = 0, int to = kInner) {
    double sum = 0;
    int count = 0;
    for (int x = std::max(0, from); x < std::min(to, image.width()); ++x) {
        if (image.pixel(x, row) == color) {
            sum += x;
            ++count;
        }
    }
    return count == 0 ? -1 : sum / count;
}

// The retained drawing of one cycle alone, as an opaque image.
QImage drawOneCycle(std::size_t index, std::int32_t daysLived) {
    ChartPage page;
    PlotCycleArcs(*page.surface, daysLived, kCycles[index].period, kCycles[index].singleChartColor);
    return page.surface->drawing().convertToFormat(QImage::Format_ARGB32);
}

// Sets every point on its own, as the surface promises: a square of one logical pixel at
// the device pixel the point falls on.
class ReferenceSink : public PointSink {
public:
    explicit ReferenceSink(qreal ratio)
        : image(QSize(kInner, kInner) * ratio, QImage::Format_ARGB32)
        , m_scaleX(kInner / 28.0 * ratio)
        , m_scaleY(kInner / kSurfaceVerticalExtent * ratio)
        , m_side(qRound(ratio)) {
        image.fill(Qt::transparent);
    }
    double horizontalExtent() const override { return 28; }
    double verticalExtent() const override { return kSurfaceVerticalExtent; }
    void setPoint(float x, float y, ColorValue color) override {
        const double column = std::floor(x * m_scaleX);
        const double row = std::floor(y * m_scaleY);
        const QRect square = QRect(0, 0, m_side, m_side).translated(column, row);
        if (column >= 0 && column < image.width() && row >= 0 && row < image.height()) {
            for (int y = square.top(); y <= std::min(square.bottom(), image.height() - 1); ++y) {
                for (int x = square.left(); x <= std::min(square.right(), image.width() - 1); ++x) {
                    image.setPixel(x, y, rgbOf(color));
                }
            }
        }
    }
    QImage image;

private:
    double m_scaleX;
    double m_scaleY;
    int m_side;
};

QImage drawChart(QDate birth, QDate report) {
    ChartPage page;
    page.renderer->LayoutChartAxes(report);
    page.renderer->DrawBiorhythms(birth, report);
    return page.surface->drawing().convertToFormat(QImage::Format_ARGB32);
}
} // namespace

class ChartRenderingTest : public QObject {
    Q_OBJECT

private slots:
    void parabolaStepsEveryHundredthOfADay_data() {
        QTest::addColumn<double>("vertex");
        QTest::addColumn<int>("period");
        for (const Cycle& cycle : kCycles) {
            for (const double vertex : {-3.25, 0.0, 8.25, 13.75, 19.75, 24.0, 31.25, 44.25}) {
                QTest::addRow("%s at %g", cycle.name.data(), vertex) << vertex << cycle.period;
            }
        }
    }

    void parabolaStepsEveryHundredthOfADay() {
        QFETCH(double, vertex);
        QFETCH(int, period);
        const double rightEnd = vertex + period / 4.0;
        RecordingSink sink;
        Parabola(sink, vertex, 0, rightEnd, 255);

        // 100 points per day across P/2 days, and the end point itself only if the
        // accumulated step has not crept past it.
        const int steps = period * 50;
        const auto count = static_cast<int>(sink.points.size());
        double last = vertex - (rightEnd - vertex);
        for (int step = 0; step < steps; ++step) {
            last += 0.01;
        }
        QCOMPARE(count, last <= rightEnd ? steps + 1 : steps);
        QCOMPARE(sink.points.front().x, static_cast<float>(vertex - period / 4.0));
        QCOMPARE(sink.points.front().y, static_cast<float>(kSurfaceVerticalExtent / 2));
        QVERIFY(sink.points.back().x <= static_cast<float>(rightEnd));
        QVERIFY(sink.points.back().x > static_cast<float>(rightEnd - 0.0101));
        for (const RecordingSink::Point& point : sink.points) {
            QVERIFY(point.y >= 0.0f && point.y <= static_cast<float>(kSurfaceVerticalExtent / 2));
            QCOMPARE(point.color, 255u);
        }
    }

    void parabolaPointCountsForTheThreePeriods_data() {
        QTest::addColumn<int>("period");
        QTest::addColumn<double>("vertex");
        QTest::addColumn<int>("points");
        // Whether the accumulated step creeps past the right end depends on where the arc lies.
        QTest::newRow("Physical, end point reached") << 23 << 0.0 << 1151;
        QTest::newRow("Physical, crept past") << 23 << 11.75 << 1150;
        QTest::newRow("Emotional, end point reached") << 28 << 0.0 << 1401;
        QTest::newRow("Emotional, crept past") << 28 << 10.75 << 1400;
        QTest::newRow("Intellectual, end point reached") << 33 << 0.0 << 1651;
        QTest::newRow("Intellectual, crept past") << 33 << 9.75 << 1650;
    }

    void parabolaPointCountsForTheThreePeriods() {
        QFETCH(int, period);
        QFETCH(double, vertex);
        QFETCH(int, points);
        RecordingSink sink;
        Parabola(sink, vertex, kSurfaceVerticalExtent, vertex + period / 4.0, 65280);
        QCOMPARE(static_cast<int>(sink.points.size()), points);
    }

    void parabolaWithANonFiniteEndSetsNothing() {
        RecordingSink sink;
        Parabola(sink, 0, 0, std::numeric_limits<double>::infinity(), 255);
        Parabola(sink, std::numeric_limits<double>::quiet_NaN(), 0, 5.75, 255);
        QVERIFY(sink.points.empty());
    }

    void troughArcsRunDownToTheBottom() {
        RecordingSink sink;
        Parabola(sink, 10, kSurfaceVerticalExtent, 15.75, 0);
        float deepest = 0;
        for (const RecordingSink::Point& point : sink.points) {
            QVERIFY(point.y >= static_cast<float>(kSurfaceVerticalExtent / 2));
            deepest = std::max(deepest, point.y);
        }
        QCOMPARE(deepest, static_cast<float>(kSurfaceVerticalExtent));
    }

    void birthDayEqualsReportDayCrossesRisingOnTheReportDay() {
        const int middle = column(14); // also the midline's row: H/2 maps to 213.5
        for (std::size_t index = 0; index < kCycles.size(); ++index) {
            const QImage image = drawOneCycle(index, 0);
            const QRgb color = cycleColor(index);
            QCOMPARE(image.pixel(middle, middle), color);
            // Rising: below the midline just before the report day, above it just after.
            for (const int row : rowsInColumn(image, middle - 3, color)) {
                QVERIFY2(row > middle, kCycles[index].name.data());
            }
            for (const int row : rowsInColumn(image, middle + 3, color)) {
                QVERIFY2(row < middle, kCycles[index].name.data());
            }
            QVERIFY(!rowsInColumn(image, middle - 3, color).empty());
        }
        const QImage chart = drawChart(QDate(1980, 1, 4), QDate(1980, 1, 4));
        QCOMPARE(chart.pixel(middle, middle), cycleColor(2));
    }

    void physicalPeakTwoAndAQuarterDaysBeforeTheReportDay() {
        const QImage chart = drawChart(QDate(1980, 1, 4), QDate(1980, 2, 4));
        const double peak = meanColumn(chart, 0, cycleColor(0));
        QVERIFY2(std::abs(peak - 11.75 * kInner / 28) <= 1.0, qPrintable(QString::number(peak)));
    }

    void everyVertexTouchesItsEdgeWhereTheArcListSays_data() {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QDate>("report");
        QTest::newRow("same day") << QDate(1980, 1, 4) << QDate(1980, 1, 4);
        QTest::newRow("one month") << QDate(1980, 1, 4) << QDate(1980, 2, 4);
        QTest::newRow("decades") << QDate(1956, 7, 30) << QDate(2026, 12, 8);
        QTest::newRow("leap day") << QDate(2000, 2, 29) << QDate(2012, 2, 29);
        QTest::newRow("report before birth") << QDate(2020, 5, 17) << QDate(2020, 5, 12);
        QTest::newRow("long before birth") << QDate(2020, 5, 17) << QDate(1901, 1, 1);
        QTest::newRow("old birth") << QDate(1900, 1, 1) << QDate(2099, 12, 31);
    }

    void everyVertexTouchesItsEdgeWhereTheArcListSays() {
        QFETCH(QDate, birth);
        QFETCH(QDate, report);
        const std::int32_t daysLived = DaysLived(toCalendarDate(birth), toCalendarDate(report));
        for (std::size_t index = 0; index < kCycles.size(); ++index) {
            const QImage image = drawOneCycle(index, daysLived);
            int vertices = 0;
            for (const CycleArc& arc : EnumerateCycleArcs(daysLived, kCycles[index].period, 28)) {
                // A vertex near the edges is only partly drawn.
                if (arc.vertex < 0.5 || arc.vertex > 27.5) {
                    continue;
                }
                const int row = arc.kind == ArcKind::Peak ? 0 : kInner - 1;
                const double expected = arc.vertex * kInner / 28;
                // Another vertex of the same kind lies a whole period (over 300 pixels) away.
                const int near = static_cast<int>(expected);
                const double found =
                    meanColumn(image, row, cycleColor(index), near - 60, near + 60);
                QVERIFY2(std::abs(found - expected) <= 1.0,
                         qPrintable(QStringLiteral("%1 vertex %2: column %3, expected %4")
                                        .arg(kCycles[index].name.data())
                                        .arg(arc.vertex)
                                        .arg(found)
                                        .arg(expected)));
                ++vertices;
            }
            QVERIFY(vertices >= 1);
        }
    }

    void laterCycleLiesOnTopWhereCurvesCross() {
        const QDate birth(1975, 3, 9);
        const QDate report(2026, 12, 8);
        const std::int32_t daysLived = DaysLived(toCalendarDate(birth), toCalendarDate(report));
        const QImage chart = drawChart(birth, report);
        std::array<QImage, 3> alone;
        for (std::size_t index = 0; index < kCycles.size(); ++index) {
            alone[index] = drawOneCycle(index, daysLived);
        }
        int crossings = 0;
        for (int y = 0; y < kInner; ++y) {
            for (int x = 0; x < kInner; ++x) {
                QRgb expected = qRgba(0, 0, 0, 0);
                int drawnBy = 0;
                for (std::size_t index = 0; index < kCycles.size(); ++index) {
                    if (alone[index].pixel(x, y) == cycleColor(index)) {
                        expected = cycleColor(index);
                        ++drawnBy;
                    }
                }
                crossings += drawnBy > 1 ? 1 : 0;
                if (chart.pixel(x, y) != expected) {
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
                }
            }
        }
        QVERIFY(crossings > 0);
    }

    void sameDatesTwiceGiveTheSameImage() {
        ChartPage page;
        page.renderer->LayoutChartAxes(QDate(2026, 12, 8));
        page.renderer->DrawBiorhythms(QDate(1980, 1, 4), QDate(2026, 12, 8));
        const QImage first = page.surface->snapshot();
        page.renderer->DrawBiorhythms(QDate(1980, 1, 4), QDate(2026, 12, 8));
        QCOMPARE(page.surface->snapshot(), first);
    }

    void newDatesReplaceAllThreeCurves() {
        ChartPage page;
        page.renderer->LayoutChartAxes(QDate(2026, 12, 8));
        page.renderer->DrawBiorhythms(QDate(1980, 1, 4), QDate(2026, 12, 8));
        const QImage before = page.surface->drawing().convertToFormat(QImage::Format_ARGB32);
        page.renderer->DrawBiorhythms(QDate(1991, 6, 20), QDate(2026, 12, 8));
        const QImage after = page.surface->drawing().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(after != before);
        QCOMPARE(after, drawChart(QDate(1991, 6, 20), QDate(2026, 12, 8)));
    }

    void reportDateBeforeBirthDrawsAllThreeCurves() {
        const QImage chart = drawChart(QDate(2000, 6, 1), QDate(1999, 12, 25));
        for (std::size_t index = 0; index < kCycles.size(); ++index) {
            // A whole curve crosses every column at least once.
            int columns = 0;
            for (int x = 0; x < kInner; ++x) {
                columns += rowsInColumn(chart, x, cycleColor(index)).empty() ? 0 : 1;
            }
            QVERIFY2(columns > kInner * 0.8, kCycles[index].name.data());
        }
    }

    void clearingKeepsLinesAndLabels() {
        ChartPage page;
        page.renderer->LayoutChartAxes(QDate(2026, 12, 8));
        const QImage empty = page.surface->snapshot();
        page.renderer->DrawBiorhythms(QDate(1980, 1, 4), QDate(2026, 12, 8));
        QVERIFY(page.surface->snapshot() != empty);
        page.surface->clear();
        const QImage cleared = page.surface->snapshot();
        QCOMPARE(cleared, empty);
        const int middle = column(14);
        const QRgb white = qRgb(255, 255, 255);
        QCOMPARE(cleared.pixel(5, middle), white);
        QCOMPARE(cleared.pixel(middle, 5), white);
        QCOMPARE(cleared.pixel(420, middle), white);
        // Every percent label shows white text.
        for (int index = 0; index < 3; ++index) {
            const auto* label =
                page.surface->findChild<SurfaceLabel*>(QStringLiteral("lblPercent_%1").arg(index));
            QVERIFY(label != nullptr);
            const QRect area =
                label->geometry().translated(-page.surface->contentsRect().topLeft());
            QVERIFY2(QRect(0, 0, kInner, kInner).contains(area), qPrintable(label->text()));
            const QImage text = cleared.copy(area);
            int light = 0;
            for (int y = 0; y < text.height(); ++y) {
                for (int x = 0; x < text.width(); ++x) {
                    light += qGray(text.pixel(x, y)) > 200 ? 1 : 0;
                }
            }
            QVERIFY2(light >= 10, qPrintable(label->text()));
        }
    }

    void layoutPlacesLinesAndScaleLabels() {
        ChartPage page;
        const QDate report(2026, 12, 8);
        page.renderer->LayoutChartAxes(report);
        const auto* midline = page.surface->findChild<SurfaceLine*>(QStringLiteral("lnHor"));
        const auto* reportDay = page.surface->findChild<SurfaceLine*>(QStringLiteral("lnVert"));
        QVERIFY(midline && reportDay);
        QCOMPARE(midline->y1(), kSurfaceVerticalExtent / 2);
        QCOMPARE(midline->y2(), kSurfaceVerticalExtent / 2);
        QCOMPARE(midline->x2(), 28.0);
        QCOMPARE(reportDay->x1(), 14.0);
        QCOMPARE(reportDay->y2(), kSurfaceVerticalExtent);
        QCOMPARE(page.least->text(), QStringLiteral("-14"));
        QCOMPARE(page.most->text(), QStringLiteral("14"));
        QCOMPARE(page.date->text(), formatShortDate(report));
        const int dateCentre = page.date->x() + page.date->width() / 2;
        const int surfaceCentre = page.surface->x() + page.surface->width() / 2;
        QVERIFY(std::abs(dateCentre - surfaceCentre) <= 1);
        QCOMPARE(page.date->width(), page.date->sizeHint().width());
    }

    void zeroPercentLabelStandsAboutTwentyThreeDaysAcross() {
        ChartPage page;
        page.renderer->LayoutChartAxes(QDate(2026, 12, 8));
        const auto* zero = page.surface->findChild<SurfaceLabel*>(QStringLiteral("lblPercent_1"));
        QVERIFY(zero != nullptr);
        QCOMPARE(zero->text(), QStringLiteral("0%"));
        QVERIFY2(std::abs(zero->left() - 23) < 0.6, qPrintable(QString::number(zero->left())));
        // Just below the midline, by half the text's width taken as a height.
        QCOMPARE(zero->top(), kSurfaceVerticalExtent / 2 + page.surface->textWidth("0%") / 2);
    }

    // Run again at 200 % by CTest.
    void drawingRunSetsTheSamePixelsAsSinglePoints() {
        ChartPage page;
        page.renderer->LayoutChartAxes(QDate(2026, 12, 8));
        const QDate birth(1980, 1, 4);
        for (int step = 0; step < 300; ++step) {
            const int daysLived = step * 71 - 3000;
            page.renderer->DrawBiorhythms(birth, birth.addDays(daysLived));
            ReferenceSink reference(page.surface->devicePixelRatioF());
            for (const Cycle& cycle : kCycles) {
                PlotCycleArcs(reference, daysLived, cycle.period, cycle.singleChartColor);
            }
            const QImage drawn = page.surface->drawing().convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(drawn == reference.image, qPrintable(QString::number(daysLived)));
        }
    }

    // At 200 % the curve is placed by device pixels, not in blocks on the logical grid.
    void curvePixelsLieOffTheLogicalGridAtDoubleScale() {
        ChartPage page;
        if (page.surface->devicePixelRatioF() < 2) {
            QSKIP("runs with QT_SCALE_FACTOR=2");
        }
        page.renderer->LayoutChartAxes(QDate(2026, 12, 9));
        page.renderer->DrawBiorhythms(QDate(1980, 1, 4), QDate(2026, 12, 9));
        const QImage drawn = page.surface->drawing().convertToFormat(QImage::Format_ARGB32);
        int curve = 0;
        int inAlignedBlocks = 0;
        for (int y = 0; y + 1 < drawn.height(); y += 2) {
            for (int x = 0; x + 1 < drawn.width(); x += 2) {
                const std::array<QRgb, 4> block{drawn.pixel(x, y), drawn.pixel(x + 1, y),
                                                drawn.pixel(x, y + 1), drawn.pixel(x + 1, y + 1)};
                const int drawnPixels = static_cast<int>(std::count_if(
                    block.begin(), block.end(), [](QRgb pixel) { return qAlpha(pixel) != 0; }));
                curve += drawnPixels;
                const bool whole = std::all_of(block.begin(), block.end(),
                                               [&block](QRgb pixel) { return pixel == block[0]; });
                inAlignedBlocks += whole ? drawnPixels : 0;
            }
        }
        QVERIFY(curve > 8000);
        QVERIFY2(inAlignedBlocks < curve / 2,
                 qPrintable(QStringLiteral("%1 of %2").arg(inAlignedBlocks).arg(curve)));
    }

    // The whole "%" of "0%", and every other text, stands above the curves running under it.
    void overlayTextsStandWholeAboveTheCurves() {
        ChartPage page;
        page.renderer->LayoutChartAxes(QDate(2026, 12, 8));
        const auto* zero = page.surface->findChild<SurfaceLabel*>(QStringLiteral("lblPercent_1"));
        QDate report(2026, 12, 8);
        do {
            report = report.addDays(1);
            page.renderer->DrawBiorhythms(QDate(1980, 1, 4), report);
        } while (!drawnUnder(*page.surface, *zero) && report < QDate(2027, 2, 1));
        QVERIFY(drawnUnder(*page.surface, *zero));
        const QStringList faults = overlayTextFaults(*page.surface);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void dateLabelFollowsTheDrawnReportDate() {
        ChartPage page;
        page.renderer->LayoutChartAxes(QDate(2026, 12, 8));
        page.renderer->DrawBiorhythms(QDate(1980, 1, 4), QDate(1999, 12, 31));
        QCOMPARE(page.date->text(), formatShortDate(QDate(1999, 12, 31)));
        const int dateCentre = page.date->x() + page.date->width() / 2;
        QVERIFY(std::abs(dateCentre - (page.surface->x() + page.surface->width() / 2)) <= 1);
    }
};

KELVRA_TEST_MAIN(ChartRenderingTest)
#include "test_chart_rendering.moc"
