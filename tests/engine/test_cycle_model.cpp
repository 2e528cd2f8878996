#include "engine/cycle.h"
#include "test_main.h"

#include <QObject>
#include <QStringList>
#include <QTest>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

using kelvra::ArcKind;
using kelvra::CycleArc;
using kelvra::CyclePercentAt;
using kelvra::EnumerateCycleArcs;
using kelvra::kChartWindowDays;
using kelvra::kCycles;
using kelvra::Phase;

namespace {

constexpr std::int32_t kMinDays = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMaxDays = std::numeric_limits<std::int32_t>::max();

// "P(-3.25,2.5) T(8.25,14)": kind, vertex and right end of every arc.
QString describe(const std::vector<CycleArc>& arcs) {
    QStringList parts;
    for (const CycleArc& arc : arcs) {
        parts << QStringLiteral("%1(%2,%3)")
                     .arg(QChar(arc.kind == ArcKind::Peak ? u'P' : u'T'))
                     .arg(arc.vertex)
                     .arg(arc.rightEnd);
    }
    return parts.join(u' ');
}

bool isQuarterDay(double x) {
    return std::floor(x * 4) == x * 4;
}

// The arc formula itself: +-100 at the vertex, 0 a quarter period either side.
double arcPercent(const CycleArc& arc, int period, double x) {
    const double offset = (x - arc.vertex) / (period / 4.0);
    const double value = 100.0 * (1.0 - offset * offset);
    return arc.kind == ArcKind::Peak ? value : -value;
}

std::vector<std::int32_t> randomDayCounts(std::mt19937& random, int count) {
    std::uniform_int_distribution<std::int32_t> anyDay(kMinDays, kMaxDays);
    std::uniform_int_distribution<std::int32_t> nearBirth(-40000, 40000);
    std::vector<std::int32_t> days{0, 1, -1, kMinDays, kMaxDays, kMinDays + 1, kMaxDays - 1};
    while (static_cast<int>(days.size()) < count) {
        days.push_back(days.size() % 2 ? anyDay(random) : nearBirth(random));
    }
    return days;
}

} // namespace

class TestCycleModel : public QObject {
    Q_OBJECT

private slots:
    void cyclesInTheirOrder() {
        QCOMPARE(kCycles.size(), std::size_t{3});
        QCOMPARE(QString::fromUtf8(kCycles[0].name), QStringLiteral("Physical"));
        QCOMPARE(QString::fromUtf8(kCycles[1].name), QStringLiteral("Emotional"));
        QCOMPARE(QString::fromUtf8(kCycles[2].name), QStringLiteral("Intellectual"));
        QCOMPARE(kCycles[0].period, 23);
        QCOMPARE(kCycles[1].period, 28);
        QCOMPARE(kCycles[2].period, 33);
        QCOMPARE(kCycles[0].singleChartColor, 255u);
        QCOMPARE(kCycles[1].singleChartColor, 65280u);
        QCOMPARE(kCycles[2].singleChartColor, 16744703u);
        QCOMPARE(kCycles[0].quarterPeriod(), 5.75);
        QCOMPARE(kCycles[2].halfPeriod(), 16.5);
    }

    void phaseIsTruncatedRemainder_data() {
        QTest::addColumn<int>("daysLived");
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("phase");
        QTest::newRow("negative keeps its sign") << -5 << 23 << -5;
        QTest::newRow("beyond one period") << 30 << 23 << 7;
        QTest::newRow("whole periods") << 46 << 23 << 0;
        QTest::newRow("negative whole periods") << -56 << 28 << 0;
        QTest::newRow("negative beyond one period") << -40 << 33 << -7;
        QTest::newRow("smallest count") << kMinDays << 23 << -6;
        QTest::newRow("largest count") << kMaxDays << 28 << 15;
    }

    void phaseIsTruncatedRemainder() {
        QFETCH(int, daysLived);
        QFETCH(int, period);
        QFETCH(int, phase);
        QCOMPARE(Phase(daysLived, period), phase);
    }

    void arcLists_data() {
        QTest::addColumn<int>("daysLived");
        QTest::addColumn<int>("period");
        QTest::addColumn<QString>("arcs");
        QTest::newRow("r = 0, P = 23")
            << 0 << 23 << "P(-3.25,2.5) T(8.25,14) P(19.75,25.5) T(31.25,37)";
        QTest::newRow("D a large multiple of 23")
            << 23 * 90000 << 23 << "P(-3.25,2.5) T(8.25,14) P(19.75,25.5) T(31.25,37)";
        QTest::newRow("r = 10 skips the first peak")
            << 10 << 23 << "T(-1.75,4) P(9.75,15.5) T(21.25,27) P(32.75,38.5) T(44.25,50)";
        QTest::newRow("D = -5") << -5 << 23 << "P(1.75,7.5) T(13.25,19) P(24.75,30.5) T(36.25,42)";
        QTest::newRow("P = 28 arc ends exactly at 0")
            << 0 << 28 << "P(-7,0) T(7,14) P(21,28) T(35,42)";
        QTest::newRow("three arcs for r = 3") << 3 << 23 << "T(5.25,11) P(16.75,22.5) T(28.25,34)";
        QTest::newRow("five arcs for r = 4")
            << 4 << 23 << "T(4.25,10) P(15.75,21.5) T(27.25,33) P(38.75,44.5) T(50.25,56)";
        QTest::newRow("4 Jan 1980 to 4 Feb 1980")
            << 31 << 23 << "T(0.25,6) P(11.75,17.5) T(23.25,29) P(34.75,40.5) T(46.25,52)";
        QTest::newRow("P = 33 at birth") << 0 << 33 << "T(5.75,14) P(22.25,30.5) T(38.75,47)";
        QTest::newRow("D = -33, P = 33") << -33 << 33 << "T(5.75,14) P(22.25,30.5) T(38.75,47)";
    }

    void arcLists() {
        QFETCH(int, daysLived);
        QFETCH(int, period);
        QFETCH(QString, arcs);
        QCOMPARE(describe(EnumerateCycleArcs(daysLived, period, kChartWindowDays)), arcs);
    }

    void windowWidthIsComparedInSinglePrecision() {
        // With D = 7 and P = 28 a trough vertex lies 4e-7 day right of 28; in single precision
        // that is 28 and the walk stops. A window wide enough to stay above it in single
        // precision walks on for one more peak and trough.
        const auto stopped = EnumerateCycleArcs(7, 28, 28.0000008);
        QCOMPARE(stopped.size(), std::size_t{3});
        QCOMPARE(stopped.back().kind, ArcKind::Trough);
        QVERIFY(stopped.back().vertex > 28.0);
        QCOMPARE(EnumerateCycleArcs(7, 28, 28.00001).size(), std::size_t{5});
    }

    void impossibleArgumentsGiveNoArcs_data() {
        QTest::addColumn<int>("period");
        QTest::addColumn<double>("windowDays");
        QTest::newRow("zero period") << 0 << 28.0;
        QTest::newRow("negative period") << -23 << 28.0;
        QTest::newRow("negative window") << 23 << -1.0;
        QTest::newRow("not a number") << 23 << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("infinite window") << 23 << std::numeric_limits<double>::infinity();
        QTest::newRow("huge window") << 23 << 1e300;
    }

    void impossibleArgumentsGiveNoArcs() {
        QFETCH(int, period);
        QFETCH(double, windowDays);
        QVERIFY(EnumerateCycleArcs(100, period, windowDays).empty());
    }

    void arcsChainAcrossTheWindow() {
        std::mt19937 random(20261208);
        for (const auto& cycle : kCycles) {
            const int period = cycle.period;
            const double quarter = period / 4.0;
            for (const std::int32_t days : randomDayCounts(random, 4000)) {
                const auto arcs = EnumerateCycleArcs(days, period, kChartWindowDays);
                const QByteArray where = QByteArray::number(days) + " P " +
                                         QByteArray::number(period) + ": " +
                                         describe(arcs).toUtf8();
                QVERIFY2(arcs.size() >= 3 && arcs.size() <= 5, where);
                QVERIFY2(arcs.front().rightEnd >= 0, where);
                QVERIFY2(arcs.front().vertex - quarter < 0, where);
                QVERIFY2(arcs.back().kind == ArcKind::Trough, where);
                QVERIFY2(arcs.back().vertex >= kChartWindowDays, where);
                QVERIFY2(arcs[arcs.size() - 3].vertex < kChartWindowDays, where);
                for (std::size_t i = 0; i < arcs.size(); ++i) {
                    QVERIFY2(arcs[i].rightEnd - arcs[i].vertex == quarter, where);
                    QVERIFY2(isQuarterDay(arcs[i].vertex), where);
                    if (i > 0) {
                        QVERIFY2(arcs[i].kind != arcs[i - 1].kind, where);
                        QVERIFY2(arcs[i - 1].rightEnd == arcs[i].vertex - quarter, where);
                    }
                }
            }
        }
    }

    void peaksLieWherePhasePutsThem() {
        std::mt19937 random(7);
        for (const auto& cycle : kCycles) {
            const int period = cycle.period;
            for (const std::int32_t days : randomDayCounts(random, 2000)) {
                const double firstPeak = kChartWindowDays / 2 + period / 4.0 - Phase(days, period);
                for (const CycleArc& arc : EnumerateCycleArcs(days, period, kChartWindowDays)) {
                    const double offset = arc.kind == ArcKind::Peak ? 0.0 : period / 2.0;
                    const double periods = (arc.vertex - offset - firstPeak) / period;
                    QVERIFY2(periods == std::round(periods), QByteArray::number(days));
                }
            }
        }
    }

    void dayCountsAPeriodApartGiveTheSameArcs() {
        std::mt19937 random(11);
        for (const auto& cycle : kCycles) {
            const int period = cycle.period;
            std::uniform_int_distribution<int> periods(-100000, 100000);
            for (const std::int32_t days : randomDayCounts(random, 3000)) {
                const std::int64_t shifted =
                    std::int64_t{days} + std::int64_t{periods(random)} * period;
                if (shifted < kMinDays || shifted > kMaxDays) {
                    continue;
                }
                QVERIFY2(EnumerateCycleArcs(days, period, kChartWindowDays) ==
                             EnumerateCycleArcs(static_cast<std::int32_t>(shifted), period,
                                                kChartWindowDays),
                         QByteArray::number(days) + " and " + QByteArray::number(shifted));
            }
        }
    }

    void percentFollowsTheArcs() {
        std::mt19937 random(3);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        for (const auto& cycle : kCycles) {
            const int period = cycle.period;
            const double quarter = period / 4.0;
            for (const std::int32_t days : randomDayCounts(random, 2000)) {
                for (const CycleArc& arc : EnumerateCycleArcs(days, period, kChartWindowDays)) {
                    const QByteArray where =
                        QByteArray::number(days) + " vertex " + QByteArray::number(arc.vertex);
                    const double top = arc.kind == ArcKind::Peak ? 100.0 : -100.0;
                    auto percent = [&](double x) {
                        return CyclePercentAt(days, period, x, kChartWindowDays);
                    };
                    QVERIFY2(percent(arc.vertex) == top, where);
                    QVERIFY2(percent(arc.vertex - quarter) == 0.0, where);
                    QVERIFY2(percent(arc.rightEnd) == 0.0, where);
                    // Day counts near 2^31 leave the position about 1e-7 day of precision.
                    const double x = arc.vertex - quarter + unit(random) * 2 * quarter;
                    QVERIFY2(std::abs(percent(x) - arcPercent(arc, period, x)) < 1e-4, where);
                }
            }
        }
    }

    void percentAtTheBirthDay() {
        // The report day is the birth day: every cycle crosses the midline rising there.
        for (const auto& cycle : kCycles) {
            QCOMPARE(CyclePercentAt(0, cycle.period, 14.0, kChartWindowDays), 0.0);
            QVERIFY(CyclePercentAt(0, cycle.period, 14.01, kChartWindowDays) > 0.0);
            QVERIFY(CyclePercentAt(0, cycle.period, 13.99, kChartWindowDays) < 0.0);
            QCOMPARE(CyclePercentAt(0, cycle.period, 14.0 + cycle.period / 4.0, kChartWindowDays),
                     100.0);
            QCOMPARE(CyclePercentAt(0, cycle.period, 14.0 - cycle.period / 4.0, kChartWindowDays),
                     -100.0);
        }
        // Day 31 of Physical: 8 days into the cycle, 2.25 days before its peak.
        QCOMPARE(CyclePercentAt(31, 23, 11.75, kChartWindowDays), 100.0);
    }

    void percentStaysInRangeAndRepeats() {
        std::mt19937 random(5);
        std::uniform_real_distribution<double> position(-100.0, 128.0);
        for (const auto& cycle : kCycles) {
            const int period = cycle.period;
            for (const std::int32_t days : randomDayCounts(random, 3000)) {
                const double x = position(random);
                const double value = CyclePercentAt(days, period, x, kChartWindowDays);
                QVERIFY2(value >= -100.0 && value <= 100.0, QByteArray::number(value));
                QVERIFY(std::abs(CyclePercentAt(days, period, x + period, kChartWindowDays) -
                                 value) < 1e-4);
            }
        }
    }
};

KELVRA_TEST_MAIN(TestCycleModel)
#include "test_cycle_model.moc"
