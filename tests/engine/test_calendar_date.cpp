#include "engine/calendar_date.h"
#include "test_main.h"

#include <QDate>
#include <QObject>
#include <QTest>

#include <cstdint>
#include <limits>
#include <random>

using kelvra::CalendarDate;
using kelvra::dateFromJulianDay;
using kelvra::DaysLived;
using kelvra::julianDayOf;
using namespace std::chrono;

namespace {

CalendarDate makeDate(int y, int m, int d) {
    return CalendarDate{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
}

// The Fliegel and Van Flandern day number, in plain integer arithmetic, as a reference. The
// formula holds for positive years; earlier ones are moved on by whole 400-year cycles.
std::int64_t referenceJulianDay(std::int64_t y, std::int64_t m, std::int64_t d) {
    constexpr std::int64_t daysPer400Years = 146097;
    if (y < 1) {
        const std::int64_t cycles = (400 - y) / 400;
        return referenceJulianDay(y + 400 * cycles, m, d) - cycles * daysPer400Years;
    }
    const std::int64_t a = (m - 14) / 12;
    return (1461 * (y + 4800 + a)) / 4 + (367 * (m - 2 - 12 * a)) / 12 -
           (3 * ((y + 4900 + a) / 100)) / 4 + d - 32075;
}

int referenceMonthLength(int y, int m) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : lengths[m - 1];
}

struct RandomDate {
    int y = 0;
    int m = 0;
    int d = 0;
};

RandomDate randomDate(std::mt19937& random) {
    std::uniform_int_distribution<int> years(100, 9999);
    std::uniform_int_distribution<int> months(1, 12);
    const int y = years(random);
    const int m = months(random);
    std::uniform_int_distribution<int> days(1, referenceMonthLength(y, m));
    return {y, m, days(random)};
}

} // namespace

Q_DECLARE_METATYPE(kelvra::CalendarDate)

class TestCalendarDate : public QObject {
    Q_OBJECT

private slots:
    void daysLived_data() {
        QTest::addColumn<CalendarDate>("birth");
        QTest::addColumn<CalendarDate>("report");
        QTest::addColumn<int>("days");
        QTest::newRow("same day") << makeDate(1980, 1, 4) << makeDate(1980, 1, 4) << 0;
        QTest::newRow("the day after") << makeDate(1980, 1, 4) << makeDate(1980, 1, 5) << 1;
        QTest::newRow("one month") << makeDate(1980, 1, 4) << makeDate(1980, 2, 4) << 31;
        QTest::newRow("report before birth") << makeDate(1980, 2, 4) << makeDate(1980, 1, 4) << -31;
        QTest::newRow("leap day of 2000") << makeDate(2000, 2, 28) << makeDate(2000, 3, 1) << 2;
        QTest::newRow("no leap day in 1900") << makeDate(1900, 2, 28) << makeDate(1900, 3, 1) << 1;
        QTest::newRow("no leap day in 2100") << makeDate(2100, 2, 28) << makeDate(2100, 3, 1) << 1;
        QTest::newRow("400 years") << makeDate(1600, 2, 28) << makeDate(2000, 3, 1) << 146099;
        QTest::newRow("to the Unix epoch")
            << makeDate(1899, 12, 30) << makeDate(1970, 1, 1) << 25569;
        QTest::newRow("whole range") << makeDate(100, 1, 1) << makeDate(9999, 12, 31) << 3615899;
        QTest::newRow("whole range backwards")
            << makeDate(9999, 12, 31) << makeDate(100, 1, 1) << -3615899;
    }

    void daysLived() {
        QFETCH(CalendarDate, birth);
        QFETCH(CalendarDate, report);
        QFETCH(int, days);
        QCOMPARE(DaysLived(birth, report), days);
    }

    void daysLivedMatchesReferenceDayNumbers() {
        std::mt19937 random(1980);
        for (int i = 0; i < 100000; ++i) {
            const RandomDate b = randomDate(random);
            const RandomDate r = randomDate(random);
            const std::int64_t expected =
                referenceJulianDay(r.y, r.m, r.d) - referenceJulianDay(b.y, b.m, b.d);
            QCOMPARE(std::int64_t{DaysLived(makeDate(b.y, b.m, b.d), makeDate(r.y, r.m, r.d))},
                     expected);
        }
    }

    void julianDaysMatchReferenceAndQt() {
        std::mt19937 random(1899);
        for (int i = 0; i < 20000; ++i) {
            const RandomDate date = randomDate(random);
            const std::int64_t julianDay = julianDayOf(makeDate(date.y, date.m, date.d));
            QCOMPARE(julianDay, referenceJulianDay(date.y, date.m, date.d));
            QCOMPARE(julianDay, QDate(date.y, date.m, date.d).toJulianDay());
        }
        QCOMPARE(julianDayOf(makeDate(1970, 1, 1)), std::int64_t{2440588});
        QCOMPARE(julianDayOf(makeDate(2000, 1, 1)), std::int64_t{2451545});
    }

    void everyDayOfTheRangeRoundTrips() {
        // Walks day by day from 1 January 100 to 31 December 9999 with its own calendar.
        RandomDate expected{100, 1, 1};
        const std::int64_t first = referenceJulianDay(100, 1, 1);
        const std::int64_t last = referenceJulianDay(9999, 12, 31);
        for (std::int64_t julianDay = first; julianDay <= last; ++julianDay) {
            const CalendarDate date = dateFromJulianDay(julianDay);
            if (date != makeDate(expected.y, expected.m, expected.d) ||
                julianDayOf(date) != julianDay) {
                QFAIL(qPrintable(QStringLiteral("day %1").arg(julianDay)));
            }
            if (++expected.d > referenceMonthLength(expected.y, expected.m)) {
                expected.d = 1;
                if (++expected.m > 12) {
                    expected.m = 1;
                    ++expected.y;
                }
            }
        }
        QCOMPARE(expected.y, 10000);
    }

    void dayNumbersBeyondTheCalendarGiveNoDate_data() {
        QTest::addColumn<qint64>("julianDay");
        QTest::newRow("smallest") << std::numeric_limits<qint64>::min();
        QTest::newRow("largest") << std::numeric_limits<qint64>::max();
        QTest::newRow("null QDate") << QDate().toJulianDay();
        QTest::newRow("before year -32767") << qint64{referenceJulianDay(-32767, 1, 1) - 1};
        QTest::newRow("after year 32767") << qint64{referenceJulianDay(32767, 12, 31) + 1};
    }

    void dayNumbersBeyondTheCalendarGiveNoDate() {
        QFETCH(qint64, julianDay);
        QVERIFY(!dateFromJulianDay(julianDay).ok());
    }

    void calendarLimitsRoundTrip() {
        for (const std::int64_t julianDay :
             {referenceJulianDay(-32767, 1, 1), referenceJulianDay(32767, 12, 31)}) {
            const CalendarDate date = dateFromJulianDay(julianDay);
            QVERIFY(date.ok());
            QCOMPARE(julianDayOf(date), julianDay);
        }
    }
};

KELVRA_TEST_MAIN(TestCalendarDate)
#include "test_calendar_date.moc"
