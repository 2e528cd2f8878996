#include "chart/chart_read_out.h"
#include "chart/chart_renderer.h"
#include "chart/chart_surface.h"
#include "chart/cycle_reading.h"

#include "app/date_conversion.h"
#include "app/short_date.h"
#include "app/twips.h"
#include "engine/calendar_date.h"
#include "engine/cycle.h"
#include "test_main.h"

#include <QAccessible>
#include <QLabel>

#include <memory>

using namespace kelvra;

namespace {
// The chart window's surface and the labels above it, shown so the pointer can pass over it.
struct ChartPage {
    ChartPage() {
        window.resize(twipsSize(10395, 7275));
        surface = new ChartSurface(&window);
        surface->setGeometry(twipsRect(30, 780, 6465, 6465));
        surface->setHorizontalExtent(28);
        renderer = std::make_unique<BiorhythmChartRenderer>(
            *surface,
            ChartScaleLabels{new QLabel(&window), new QLabel(&window), new QLabel(&window)});
        renderer->LayoutChartAxes(QDate(2026, 12, 9));
        window.show();
    }
    const QLabel& popup() const { return surface->findChild<ChartReadOut*>()->popup(); }
    // The point of the inner area at window position x, halfway down.
    QPoint pointAt(double x) const {
        return surface->contentsRect().topLeft() +
               QPoint(static_cast<int>(surface->pixelsFromX(x)), 200);
    }

    QWidget window;
    ChartSurface* surface = nullptr;
    std::unique_ptr<BiorhythmChartRenderer> renderer;
};

QString accessibleText(QWidget* widget, QAccessible::Text kind) {
    return QAccessible::queryAccessibleInterface(widget)->text(kind);
}
} // namespace

class ChartReadingTest : public QObject {
    Q_OBJECT

private slots:
    void phaseOnADay_data() {
        QTest::addColumn<qint64>("dayCount");
        QTest::addColumn<int>("period");
        QTest::addColumn<CyclePhase>("phase");
        QTest::newRow("birth day") << qint64{0} << 23 << CyclePhase::Critical;
        QTest::newRow("rising") << qint64{5} << 23 << CyclePhase::Rising;
        QTest::newRow("peak at 5.75") << qint64{6} << 23 << CyclePhase::AtHigh;
        QTest::newRow("falling") << qint64{11} << 23 << CyclePhase::Falling;
        QTest::newRow("crossing at 11.5") << qint64{12} << 23 << CyclePhase::Critical;
        QTest::newRow("trough at 17.25") << qint64{17} << 23 << CyclePhase::AtLow;
        QTest::newRow("Emotional peak") << qint64{7} << 28 << CyclePhase::AtHigh;
        QTest::newRow("Emotional trough") << qint64{21} << 28 << CyclePhase::AtLow;
        QTest::newRow("Emotional crossing") << qint64{42} << 28 << CyclePhase::Critical;
        QTest::newRow("before birth, rising") << qint64{-5} << 23 << CyclePhase::Rising;
        QTest::newRow("before birth, trough") << qint64{-6} << 23 << CyclePhase::AtLow;
        QTest::newRow("Intellectual crossing at 16.5") << qint64{17} << 33 << CyclePhase::Critical;
        QTest::newRow("Intellectual, half a day off") << qint64{16} << 33 << CyclePhase::Falling;
    }

    void phaseOnADay() {
        QFETCH(qint64, dayCount);
        QFETCH(int, period);
        QFETCH(CyclePhase, phase);
        QCOMPARE(PhaseOnDay(dayCount, period), phase);
    }

    void percentTexts_data() {
        QTest::addColumn<double>("percent");
        QTest::addColumn<QString>("text");
        QTest::newRow("top") << 100.0 << "+100.0 %";
        QTest::newRow("nothing") << 0.0 << "0.0 %";
        QTest::newRow("rounds to nothing") << -0.04 << "0.0 %";
        QTest::newRow("low") << -42.46 << "-42.5 %";
    }

    void percentTexts() {
        QFETCH(double, percent);
        QFETCH(QString, text);
        QCOMPARE(percentText(percent), text);
    }

    // The values under the pointer, and the day whose line is nearest.
    void readOutAtKnownPositions_data() {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QDate>("report");
        QTest::addColumn<double>("x");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QList<bool>>("critical");
        QTest::newRow("Physical peak 2.25 days before")
            << QDate(1980, 1, 4) << QDate(1980, 2, 4) << 11.75 << QDate(1980, 2, 2)
            << QStringList{"+100.0 %", "+20.3 %", "-76.5 %"} << QList<bool>{false, false, false};
        QTest::newRow("birth day")
            << QDate(1980, 1, 4) << QDate(1980, 1, 4) << 14.0 << QDate(1980, 1, 4)
            << QStringList{"0.0 %", "0.0 %", "0.0 %"} << QList<bool>{true, true, true};
        QTest::newRow("a week on")
            << QDate(1980, 1, 4) << QDate(1980, 1, 4) << 21.2 << QDate(1980, 1, 11)
            << QStringList{"+93.6 %", "+99.9 %", "+98.4 %"} << QList<bool>{false, false, false};
    }

    void readOutAtKnownPositions() {
        QFETCH(QDate, birth);
        QFETCH(QDate, report);
        QFETCH(double, x);
        QFETCH(QDate, day);
        QFETCH(QStringList, values);
        QFETCH(QList<bool>, critical);
        ChartPage page;
        page.renderer->DrawBiorhythms(birth, report);
        const std::vector<CurveReading> readings = ReadCurves(page.surface->contents(), x, 28);
        QCOMPARE(readings.size(), kCycles.size());
        const std::int32_t daysLived = DaysLived(toCalendarDate(birth), toCalendarDate(report));
        for (std::size_t index = 0; index < readings.size(); ++index) {
            const CurveReading& reading = readings[index];
            QCOMPARE(reading.name, QString::fromLatin1(kCycles[index].name));
            QCOMPARE(reading.day, day);
            QCOMPARE(percentText(reading.percent), values[static_cast<qsizetype>(index)]);
            QCOMPARE(reading.percent, CyclePercentAt(daysLived, kCycles[index].period, x, 28));
            QCOMPARE(reading.phase == CyclePhase::Critical,
                     critical[static_cast<qsizetype>(index)]);
        }
    }

    void popupFollowsThePointerOverADrawnChart() {
        ChartPage page;
        QVERIFY(QTest::qWaitForWindowExposed(&page.window));
        QTest::mouseMove(page.surface, page.pointAt(5));
        QVERIFY(!page.popup().isVisible());

        page.renderer->DrawBiorhythms(QDate(1980, 1, 4), QDate(1980, 2, 4));
        QTest::mouseMove(page.surface, page.pointAt(11.75));
        QTRY_VERIFY(page.popup().isVisible());
        QVERIFY(page.popup().text().contains(formatShortDate(QDate(1980, 2, 2))));
        QVERIFY(page.popup().text().contains(QStringLiteral("Physical")));
        QVERIFY(page.popup().text().contains(QStringLiteral("+100.0 %")));
        QVERIFY(!page.popup().geometry().intersects(
            QRect(page.surface->mapToGlobal(page.pointAt(11.75)), QSize(1, 1))));

        const QImage drawing = page.surface->drawing().copy();
        QTest::mouseMove(page.surface, page.pointAt(14));
        QTRY_VERIFY(page.popup().text().contains(formatShortDate(QDate(1980, 2, 4))));
        QCOMPARE(page.surface->drawing(), drawing);

        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(page.surface, &leave);
        QVERIFY(!page.popup().isVisible());
    }

    // The description holds the engine's values at the report-day line and the phases there.
    void descriptionTellsTheValuesAtTheReportDay() {
        ChartPage page;
        QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(page.surface);
        QCOMPARE(chart->role(), QAccessible::Chart);
        QVERIFY(!chart->text(QAccessible::Name).isEmpty());
        QCOMPARE(accessibleText(page.surface, QAccessible::Description),
                 QStringLiteral("No chart drawn yet."));

        for (const QDate& report : {QDate(1980, 1, 4), QDate(2026, 12, 9)}) {
            page.renderer->DrawBiorhythms(QDate(1980, 1, 4), report);
            const QString description = accessibleText(page.surface, QAccessible::Description);
            QVERIFY(description.contains(
                QStringLiteral("Report date %1.").arg(formatShortDate(report))));
            const std::int32_t daysLived =
                DaysLived(toCalendarDate(QDate(1980, 1, 4)), toCalendarDate(report));
            for (const Cycle& cycle : kCycles) {
                const QString expected =
                    QStringLiteral("%1: %2, %3.")
                        .arg(QLatin1String(cycle.name),
                             percentText(CyclePercentAt(daysLived, cycle.period, 14, 28)),
                             phaseText(PhaseOnDay(daysLived, cycle.period)));
                QVERIFY2(description.contains(expected), qPrintable(description));
            }
        }
        QVERIFY(accessibleText(page.surface, QAccessible::Description)
                    .contains(QStringLiteral("Physical: +99.8 %, at its high.")));
    }
};

KELVRA_TEST_MAIN(ChartReadingTest)
#include "test_chart_reading.moc"
