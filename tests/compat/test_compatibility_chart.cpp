#include "chart_pixels.h"
#include "test_main.h"

#include "app/color_conversion.h"
#include "app/date_conversion.h"
#include "app/short_date.h"
#include "app/twips.h"
#include "chart/chart_read_out.h"
#include "chart/chart_surface.h"
#include "chart/cycle_reading.h"
#include "chart/surface_label.h"
#include "chart/surface_line.h"
#include "compat/compatibility_chart.h"
#include "compat/person_roster.h"
#include "engine/calendar_date.h"
#include "engine/cycle.h"

#include <QAccessible>
#include <QLabel>
#include <QPainter>
#include <QTest>

#include <cmath>

using namespace kelvra;

namespace {

constexpr ColorValue kFirstColor = rgbColor(0, 0, 255);
constexpr ColorValue kSecondColor = rgbColor(0, 160, 0);
constexpr QRgb kWhitePixel = 0xFFFFFFFF;

} // namespace

// A chart laid out as the display window lays it out, on its own.
class ChartFixture {
public:
    ChartFixture() {
        m_surface.setParent(&m_window);
        m_surface.setGeometry(twipsRect(120, 750, 11505, 3735));
        for (QLabel* label : {&m_least, &m_date, &m_most}) {
            label->setParent(&m_window);
        }
        m_date.setGeometry(twipsRect(0, 465, 825, 240));
        m_date.setMinimumWidth(m_date.width());
        m_window.resize(twipsSize(11715, 7065));
        m_chart = std::make_unique<CompatibilityChart>(
            m_surface, CompatibilityScaleLabels{&m_least, &m_date, &m_most});
        m_surface.setHorizontalExtent(kChartWindowDays);
    }

    // The drawing composed over the white background.
    QImage picture() {
        QImage image(m_surface.drawing().size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.drawImage(0, 0, m_surface.drawing());
        return image;
    }

    QString dayLabel(const char* side, int k) {
        return m_surface.findChild<SurfaceLabel*>(QStringLiteral("%1_%2").arg(side).arg(k))->text();
    }

    SurfaceLine* line(const QString& name) { return m_surface.findChild<SurfaceLine*>(name); }
    SurfaceLabel* label(const QString& name) { return m_surface.findChild<SurfaceLabel*>(name); }

    // Rows of the drawing in the column of window position x that carry the colour.
    QList<int> rowsOf(const QImage& image, double x, ColorValue color) {
        const int column = static_cast<int>(std::floor(m_surface.pixelsFromX(x)));
        return rowsInColumn(image, column, rgbOf(color));
    }

    // The pixel row where a cycle with this day count stands at window position x.
    double expectedRow(std::int32_t daysLived, int period, double x) {
        const double percent = CyclePercentAt(daysLived, period, x, kChartWindowDays);
        const double y = (100.0 - percent) / 200.0 * m_surface.verticalExtent();
        return m_surface.pixelsFromY(y);
    }

    QWidget m_window;
    ChartSurface m_surface;
    QLabel m_least;
    QLabel m_date;
    QLabel m_most;
    std::unique_ptr<CompatibilityChart> m_chart;
};

class CompatibilityChartTest : public QObject {
    Q_OBJECT
private slots:
    void gridLinesStandOnEveryDay();
    void dayLabelsNameRealDays_data();
    void dayLabelsNameRealDays();
    void dayLabelsStandRightOfTheirLines();
    void scaleAndDateLabels();
    void percentLabelsFollowTheTextMeasures();
    void equalPeopleShowOnlyTheSecondColour();
    void reportDayOfBirthCrossesRisingOnTheReportLine();
    void eachCurveFollowsItsOwnReportDate_data();
    void eachCurveFollowsItsOwnReportDate();
    void redrawingReplacesTheCurves();
    void readOutAndDescriptionNameBothPeople();
    void overlayTextsStandWholeAboveTheCurves();

private:
    modBiorhythmCompatibility couple(QDate birth0, QDate report0, QDate birth1, QDate report1) {
        modBiorhythmCompatibility roster;
        roster.intTotalPersons = 2;
        roster.dtBirthDate = {birth0, birth1, modBiorhythmCompatibility::zeroDate()};
        roster.dtReportDate = {report0, report1, modBiorhythmCompatibility::zeroDate()};
        roster.lngLineColor = {kFirstColor, kSecondColor, 0};
        roster.strPersonName = {"Ann", "Bob", ""};
        return roster;
    }
};

void CompatibilityChartTest::gridLinesStandOnEveryDay() {
    ChartFixture chart;
    chart.m_chart->LayoutCompatibilityGrid(QDate(2023, 4, 30));
    const double height = chart.m_surface.verticalExtent();

    SurfaceLine* midline = chart.line("lnHor");
    QCOMPARE(midline->color(), 0u);
    QCOMPARE(midline->width(), 1);
    QVERIFY(qFuzzyCompare(midline->y1(), height / 2));
    QVERIFY(qFuzzyCompare(midline->y2(), height / 2));
    QVERIFY(qFuzzyIsNull(midline->x1()));
    QVERIFY(qFuzzyCompare(midline->x2(), 28.0));

    SurfaceLine* reportDay = chart.line("lnVert");
    QCOMPARE(reportDay->color(), 0u);
    QCOMPARE(reportDay->width(), 2);
    QVERIFY(qFuzzyCompare(reportDay->x1(), 14.0));

    const ColorValue frame = toColorValue(QApplication::palette().color(QPalette::Mid));
    for (int k = 0; k < 13; ++k) {
        SurfaceLine* after = chart.line(QStringLiteral("lnVertNext_%1").arg(k));
        SurfaceLine* before = chart.line(QStringLiteral("lnVertPre_%1").arg(k));
        QVERIFY(qFuzzyCompare(after->x1(), 15.0 + k));
        QVERIFY(qFuzzyCompare(after->x2(), 15.0 + k));
        QVERIFY(qFuzzyCompare(before->x1(), 13.0 - k));
        for (SurfaceLine* line : {after, before}) {
            QCOMPARE(line->color(), frame);
            QCOMPARE(line->width(), 1);
            QVERIFY(qFuzzyIsNull(line->y1()));
            QVERIFY(qFuzzyCompare(line->y2(), height));
        }
    }
}

void CompatibilityChartTest::dayLabelsNameRealDays_data() {
    QTest::addColumn<QDate>("report");
    QTest::addColumn<QStringList>("leftOfReportDay");  // lblPrevDay 13, 12, 11
    QTest::addColumn<QStringList>("rightOfReportDay"); // lblNextDay 0, 1, 2, 3

    QTest::newRow("31st") << QDate(2023, 1, 31) << QStringList{"30", "29", "28"}
                          << QStringList{"1", "2", "3", "4"};
    QTest::newRow("1st") << QDate(2023, 5, 1) << QStringList{"30", "29", "28"}
                         << QStringList{"2", "3", "4", "5"};
    QTest::newRow("28 April") << QDate(2023, 4, 28) << QStringList{"27", "26", "25"}
                              << QStringList{"29", "30", "1", "2"};
    QTest::newRow("1 March 2023") << QDate(2023, 3, 1) << QStringList{"28", "27", "26"}
                                  << QStringList{"2", "3", "4", "5"};
    QTest::newRow("1 March 2024, leap")
        << QDate(2024, 3, 1) << QStringList{"29", "28", "27"} << QStringList{"2", "3", "4", "5"};
    QTest::newRow("27 February 2024")
        << QDate(2024, 2, 27) << QStringList{"26", "25", "24"} << QStringList{"28", "29", "1", "2"};
    QTest::newRow("year end") << QDate(2023, 12, 30) << QStringList{"29", "28", "27"}
                              << QStringList{"31", "1", "2", "3"};
    QTest::newRow("last days of 9999")
        << QDate(9999, 12, 29) << QStringList{"28", "27", "26"} << QStringList{"30", "31", "", ""};
}

void CompatibilityChartTest::dayLabelsNameRealDays() {
    QFETCH(QDate, report);
    QFETCH(QStringList, leftOfReportDay);
    QFETCH(QStringList, rightOfReportDay);

    ChartFixture chart;
    chart.m_chart->LayoutCompatibilityGrid(report);
    for (int i = 0; i < leftOfReportDay.size(); ++i) {
        QCOMPARE(chart.dayLabel("lblPrevDay", 13 - i), leftOfReportDay[i]);
    }
    for (int i = 0; i < rightOfReportDay.size(); ++i) {
        QCOMPARE(chart.dayLabel("lblNextDay", i), rightOfReportDay[i]);
    }
    // The outermost labels, checked against the calendar.
    QCOMPARE(chart.dayLabel("lblPrevDay", 0), QString::number(report.addDays(-14).day()));
    const QDate lastDay = report.addDays(14);
    QCOMPARE(chart.dayLabel("lblNextDay", 13), lastDay.year() <= 9999 && lastDay.isValid()
                                                   ? QString::number(lastDay.day())
                                                   : QString());
}

void CompatibilityChartTest::dayLabelsStandRightOfTheirLines() {
    ChartFixture chart;
    chart.m_chart->LayoutCompatibilityGrid(QDate(2023, 6, 15));
    const double pixel = chart.m_surface.xFromPixels(1);
    for (int k = 0; k < 14; ++k) {
        SurfaceLabel* next = chart.label(QStringLiteral("lblNextDay_%1").arg(k));
        SurfaceLabel* previous = chart.label(QStringLiteral("lblPrevDay_%1").arg(k));
        QVERIFY(std::abs(next->left() - (14.2 + k)) <= pixel);
        QVERIFY(std::abs(previous->left() - (0.2 + k)) <= pixel);
        QVERIFY(next->isVisible() || !chart.m_window.isVisible());
    }
    QCOMPARE(chart.dayLabel("lblPrevDay", 0), "1");
    QCOMPARE(chart.dayLabel("lblNextDay", 13), "29");
}

void CompatibilityChartTest::scaleAndDateLabels() {
    ChartFixture chart;
    chart.m_chart->LayoutCompatibilityGrid(QDate(2023, 6, 15));
    QCOMPARE(chart.m_least.text(), "-14");
    QCOMPARE(chart.m_most.text(), "14");

    chart.m_chart->ShowReportDate(QDate(2023, 6, 15));
    QCOMPARE(chart.m_date.text(), formatShortDate(QDate(2023, 6, 15)));
    const int surfaceCentre = chart.m_surface.geometry().center().x();
    QVERIFY(std::abs(chart.m_date.geometry().center().x() - surfaceCentre) <= 1);
    QVERIFY(chart.m_date.width() >= chart.m_date.sizeHint().width());
}

void CompatibilityChartTest::percentLabelsFollowTheTextMeasures() {
    ChartFixture chart;
    chart.m_chart->LayoutCompatibilityGrid(QDate(2023, 6, 15));
    const ChartSurface& surface = chart.m_surface;
    const double height = surface.verticalExtent();
    const double tolerance = surface.yFromPixels(1) + surface.xFromPixels(1);

    SurfaceLabel* hundred = chart.label("lblPercent_0");
    QCOMPARE(hundred->text(), "100%");
    QVERIFY(std::abs(hundred->top() - (height / 2 + surface.textWidth("100%") / 2 - 10)) <=
            tolerance);
    QVERIFY(std::abs(hundred->left() - (28 - surface.textHeight("100%") + 0.01)) <= tolerance);

    SurfaceLabel* zero = chart.label("lblPercent_1");
    QCOMPARE(zero->text(), "0%");
    QVERIFY(std::abs(zero->top() - (height / 2 + surface.textWidth("0%") / 2)) <= tolerance);
    QVERIFY(std::abs(zero->left() - (28 - surface.textHeight("0%") + 0.5)) <= tolerance);

    SurfaceLabel* minus = chart.label("lblPercent_3");
    QCOMPARE(minus->text(), "-100%");
    const QRect inner = surface.contentsRect();
    QVERIFY(inner.contains(minus->geometry()));
    QVERIFY(minus->geometry().bottom() >= inner.bottom() - 2);
    QVERIFY(minus->geometry().right() >= inner.right() - 4);
}

void CompatibilityChartTest::equalPeopleShowOnlyTheSecondColour() {
    ChartFixture chart;
    const QDate birth(1980, 1, 4);
    const QDate report(2023, 4, 30);
    const modBiorhythmCompatibility roster = couple(birth, report, birth, report);
    for (std::size_t cycle = 0; cycle < 3; ++cycle) {
        chart.m_chart->DrawCycle(roster, cycle);
        const QImage image = chart.picture();
        QCOMPARE(countPixels(image, rgbOf(kFirstColor)), 0);
        QVERIFY(countPixels(image, rgbOf(kSecondColor)) > image.width());
    }
}

void CompatibilityChartTest::reportDayOfBirthCrossesRisingOnTheReportLine() {
    ChartFixture chart;
    const QDate day(1990, 8, 1);
    chart.m_chart->DrawCycle(couple(day, day, QDate(1985, 1, 1), day), 0);
    const QImage image = chart.picture();
    const double midline = chart.m_surface.pixelsFromY(chart.m_surface.verticalExtent() / 2);

    const QList<int> atReportDay = chart.rowsOf(image, 14.0, kFirstColor);
    QVERIFY(!atReportDay.isEmpty());
    QVERIFY(std::abs(atReportDay.first() - midline) <= 2);
    // Below the midline (larger rows) a day before, above it a day after: rising.
    QVERIFY(chart.rowsOf(image, 13.0, kFirstColor).first() > midline + 5);
    QVERIFY(chart.rowsOf(image, 15.0, kFirstColor).first() < midline - 5);
}

void CompatibilityChartTest::eachCurveFollowsItsOwnReportDate_data() {
    QTest::addColumn<int>("cycle");
    QTest::newRow("Physical") << 0;
    QTest::newRow("Emotional") << 1;
    QTest::newRow("Intellectual") << 2;
}

void CompatibilityChartTest::eachCurveFollowsItsOwnReportDate() {
    QFETCH(int, cycle);
    ChartFixture chart;
    // The second person is born after the report date: a negative day count.
    const modBiorhythmCompatibility roster =
        couple(QDate(1980, 1, 4), QDate(2023, 4, 30), QDate(2023, 5, 9), QDate(2023, 5, 4));
    chart.m_chart->DrawCycle(roster, static_cast<std::size_t>(cycle));
    const QImage image = chart.picture();

    const int period = kCycles[static_cast<std::size_t>(cycle)].period;
    const std::int32_t firstDays =
        DaysLived(toCalendarDate(roster.dtBirthDate[0]), toCalendarDate(roster.dtReportDate[0]));
    const std::int32_t secondDays = -5;
    for (double x = 0.5; x < 28; x += 0.75) {
        for (const auto& [days, color] :
             {std::pair{firstDays, kFirstColor}, std::pair{secondDays, kSecondColor}}) {
            const QList<int> rows = chart.rowsOf(image, x, color);
            const double expected = chart.expectedRow(days, period, x);
            if (rows.isEmpty()) {
                // Hidden under the other person's curve where the two cross.
                QVERIFY(color == kFirstColor);
                continue;
            }
            bool near = false;
            for (int row : rows) {
                near = near || std::abs(row - expected) <= 3;
            }
            QVERIFY2(near, qPrintable(QStringLiteral("x=%1 expected row %2, found %3")
                                          .arg(x)
                                          .arg(expected)
                                          .arg(rows.first())));
        }
    }
}

void CompatibilityChartTest::redrawingReplacesTheCurves() {
    ChartFixture chart;
    const modBiorhythmCompatibility roster =
        couple(QDate(1980, 1, 4), QDate(2023, 4, 30), QDate(1982, 2, 1), QDate(2023, 4, 30));
    chart.m_chart->DrawCycle(roster, 0);
    const QImage physical = chart.picture();
    chart.m_chart->DrawCycle(roster, 2);
    QVERIFY(chart.picture() != physical);
    chart.m_chart->DrawCycle(roster, 0);
    QCOMPARE(chart.picture(), physical);

    chart.m_chart->clear();
    const QImage cleared = chart.picture();
    for (int y = 0; y < cleared.height(); y += 7) {
        for (int x = 0; x < cleared.width(); x += 7) {
            QCOMPARE(cleared.pixel(x, y), kWhitePixel);
        }
    }
}

// Each person is read from his or her own report date, in the pop-up and the description.
void CompatibilityChartTest::readOutAndDescriptionNameBothPeople() {
    ChartFixture chart;
    chart.m_window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart.m_window));
    const modBiorhythmCompatibility roster =
        couple(QDate(1980, 1, 4), QDate(2026, 12, 9), QDate(1975, 6, 30), QDate(2026, 12, 11));
    chart.m_chart->LayoutCompatibilityGrid(roster.dtReportDate[0]);
    chart.m_chart->DrawCycle(roster, 1);

    const QString description =
        QAccessible::queryAccessibleInterface(&chart.m_surface)->text(QAccessible::Description);
    QVERIFY(description.startsWith(QStringLiteral("Emotional Compatibility.")));
    for (std::size_t slot = 0; slot < 2; ++slot) {
        const std::int32_t daysLived = DaysLived(toCalendarDate(roster.dtBirthDate[slot]),
                                                 toCalendarDate(roster.dtReportDate[slot]));
        const QString expected =
            QStringLiteral("%1, report date %2: %3, %4.")
                .arg(roster.strPersonName[slot], formatShortDate(roster.dtReportDate[slot]),
                     percentText(CyclePercentAt(daysLived, 28, 14, kChartWindowDays)),
                     phaseText(PhaseOnDay(daysLived, 28)));
        QVERIFY2(description.contains(expected), qPrintable(description));
    }

    const QPoint point = chart.m_surface.contentsRect().topLeft() + QPoint(300, 100);
    QTest::mouseMove(&chart.m_surface, point);
    const QLabel& popup = chart.m_surface.findChild<ChartReadOut*>()->popup();
    QTRY_VERIFY(popup.isVisible());
    const double x = chart.m_surface.xFromPixels(300.5);
    const auto day = static_cast<qint64>(std::round(x - 14));
    for (std::size_t slot = 0; slot < 2; ++slot) {
        QVERIFY(popup.text().contains(roster.strPersonName[slot]));
        QVERIFY(popup.text().contains(formatShortDate(roster.dtReportDate[slot].addDays(day))));
    }
}

// The minus of "-100%" stays whole where a trough runs through it, as every other text.
void CompatibilityChartTest::overlayTextsStandWholeAboveTheCurves() {
    ChartFixture chart;
    QDate report(2026, 12, 9);
    chart.m_chart->LayoutCompatibilityGrid(report);
    const SurfaceLabel* minus = chart.label("lblPercent_3");
    do {
        report = report.addDays(1);
        chart.m_chart->DrawCycle(couple(QDate(1980, 1, 4), report, QDate(1975, 6, 30), report), 0);
    } while (!drawnUnder(chart.m_surface, *minus) && report < QDate(2027, 2, 1));
    QVERIFY(drawnUnder(chart.m_surface, *minus));
    const QStringList faults = overlayTextFaults(chart.m_surface);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

KELVRA_TEST_MAIN(CompatibilityChartTest)
#include "test_compatibility_chart.moc"
