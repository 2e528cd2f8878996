#include "engine/compatibility.h"
#include "engine/cycle.h"

#include <QTest>

#include <cstdint>
#include <limits>
#include <random>

using namespace kelvra;
using namespace std::chrono;

namespace {

CalendarDate dayNumber(std::int64_t daysAfterEpoch) {
    return CalendarDate{sys_days{days{daysAfterEpoch}}};
}

const CalendarDate kFirstPickerDate{year{1601}, month{1}, day{1}};
const CalendarDate kLastPickerDate{year{9999}, month{12}, day{31}};

} // namespace

class CompatibilityValuesTest : public QObject {
    Q_OBJECT
private slots:
    void valueOfPhase_data();
    void valueOfPhase();
    void extremeDistancesKeepTheirPhase();
    void valuesOfDistance_data();
    void valuesOfDistance();
    void captionsCarryPrefixNumberAndSuffix_data();
    void captionsCarryPrefixNumberAndSuffix();
    void largestPickerDistanceIsComputed();
    void orderAndPeriodDoNotChangeValues();
    void valuesStayWithinTheirRange();
};

void CompatibilityValuesTest::valueOfPhase_data() {
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("phase");
    QTest::addColumn<int>("expected");

    struct Row {
        int phase;
        int physical;
        int emotional;
        int intellectual;
    };
    // 999 marks a phase the cycle does not have.
    const Row rows[] = {{0, -12, -14, -16},  {1, -3, -7, -10},   {2, 6, 0, -4},
                        {11, 84, 65, 50},    {16, 128, 100, 80}, {22, 180, 143, 117},
                        {27, 999, 179, 147}, {32, 999, 999, 177}};
    for (const Row& row : rows) {
        const int expected[] = {row.physical, row.emotional, row.intellectual};
        for (std::size_t i = 0; i < kCycles.size(); ++i) {
            if (expected[i] == 999) {
                continue;
            }
            // Reach the phase from several whole periods away, some beyond 16-bit distances.
            for (int periods : {0, 7, 1500, 90000}) {
                QTest::addRow("%s r=%d +%dP", kCycles[i].name.data(), row.phase, periods)
                    << kCycles[i].period << row.phase + periods * kCycles[i].period << expected[i];
            }
        }
    }
}

void CompatibilityValuesTest::valueOfPhase() {
    QFETCH(int, period);
    QFETCH(int, phase);
    QFETCH(int, expected);
    QCOMPARE(CompatibilityValue(phase, period), expected);
}

void CompatibilityValuesTest::extremeDistancesKeepTheirPhase() {
    for (const Cycle& cycle : kCycles) {
        for (const std::int64_t distance :
             {std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()}) {
            const std::int64_t phase = std::abs(distance % cycle.period);
            QCOMPARE(CompatibilityValue(distance, cycle.period),
                     CompatibilityValue(phase, cycle.period));
        }
    }
}

void CompatibilityValuesTest::valuesOfDistance_data() {
    QTest::addColumn<int>("distance");
    QTest::addColumn<int>("physical");
    QTest::addColumn<int>("emotional");
    QTest::addColumn<int>("intellectual");

    QTest::newRow("equal birth dates") << 0 << -12 << -14 << -16;
    QTest::newRow("one day apart") << 1 << -3 << -7 << -10;
    QTest::newRow("644: common multiple of 23 and 28") << 644 << -12 << -14 << 87;
    QTest::newRow("32767: last 16-bit distance") << 32767 << 119 << 36 << 171;
    QTest::newRow("32768: first wider distance") << 32768 << 128 << 43 << 177;
    QTest::newRow("65536") << 65536 << 67 << 100 << 171;
}

void CompatibilityValuesTest::valuesOfDistance() {
    QFETCH(int, distance);
    QFETCH(int, physical);
    QFETCH(int, emotional);
    QFETCH(int, intellectual);
    const CompatibilityValues expected{static_cast<std::int16_t>(physical),
                                       static_cast<std::int16_t>(emotional),
                                       static_cast<std::int16_t>(intellectual)};

    const CalendarDate older{year{1931}, month{2}, day{27}};
    const CalendarDate younger = dayNumber(sys_days{older}.time_since_epoch().count() + distance);
    QCOMPARE(BirthDateDistance(older, younger), distance);
    QCOMPARE(ComputeCompatibilityValues(older, younger), expected);
    QCOMPARE(ComputeCompatibilityValues(younger, older), expected);
}

void CompatibilityValuesTest::captionsCarryPrefixNumberAndSuffix_data() {
    QTest::addColumn<int>("cycle");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("caption");

    QTest::newRow("negative") << 0 << -12 << "Physical Compatibility -12 %";
    QTest::newRow("zero") << 1 << 0 << "Emotional Compatibility 0 %";
    QTest::newRow("three digits") << 2 << 177 << "Intellectual Compatibility 177 %";
}

void CompatibilityValuesTest::captionsCarryPrefixNumberAndSuffix() {
    QFETCH(int, cycle);
    QFETCH(int, value);
    QFETCH(QString, caption);
    QCOMPARE(QString::fromStdString(CompatibilityCaption(static_cast<std::size_t>(cycle),
                                                         static_cast<std::int16_t>(value))),
             caption);
}

void CompatibilityValuesTest::largestPickerDistanceIsComputed() {
    QCOMPARE(BirthDateDistance(kFirstPickerDate, kLastPickerDate), 3067670);
    const CompatibilityValues expected{180, 115, 123};
    QCOMPARE(ComputeCompatibilityValues(kFirstPickerDate, kLastPickerDate), expected);
    QCOMPARE(ComputeCompatibilityValues(kLastPickerDate, kFirstPickerDate), expected);
}

void CompatibilityValuesTest::orderAndPeriodDoNotChangeValues() {
    std::mt19937 random(20061226);
    const std::int64_t first = sys_days{kFirstPickerDate}.time_since_epoch().count();
    const std::int64_t last = sys_days{kLastPickerDate}.time_since_epoch().count();
    std::uniform_int_distribution<std::int64_t> pick(first, last);
    for (int i = 0; i < 2000; ++i) {
        const CalendarDate a = dayNumber(pick(random));
        const CalendarDate b = dayNumber(pick(random));
        const CompatibilityValues values = ComputeCompatibilityValues(a, b);
        QCOMPARE(ComputeCompatibilityValues(b, a), values);

        const std::int64_t distance = BirthDateDistance(a, b);
        for (std::size_t c = 0; c < kCycles.size(); ++c) {
            const int period = kCycles[c].period;
            QCOMPARE(values[c], CompatibilityValue(distance % period, period));
            QCOMPARE(CompatibilityValue(distance + 3 * period, period), values[c]);
        }
    }
}

void CompatibilityValuesTest::valuesStayWithinTheirRange() {
    const int lowest[] = {-12, -14, -16};
    const int highest[] = {180, 179, 177};
    for (std::size_t c = 0; c < kCycles.size(); ++c) {
        int previous = -1000;
        for (int phase = 0; phase < kCycles[c].period; ++phase) {
            const int value = CompatibilityValue(phase, kCycles[c].period);
            QVERIFY(value >= lowest[c] && value <= highest[c]);
            QVERIFY2(value > previous, "values rise with the phase");
            previous = value;
        }
        QCOMPARE(CompatibilityValue(0, kCycles[c].period), lowest[c]);
        QCOMPARE(CompatibilityValue(kCycles[c].period - 1, kCycles[c].period), highest[c]);
    }
}

QTEST_APPLESS_MAIN(CompatibilityValuesTest)
#include "test_compatibility_values.moc"
