#include "engine/date_range.h"
#include "engine/day_of_month_label.h"

#include <QTest>

using namespace kelvra;
using namespace std::chrono;

Q_DECLARE_METATYPE(kelvra::CalendarDate)

namespace {

CalendarDate date(int y, unsigned m, unsigned d) {
    return CalendarDate{year{y}, month{m}, day{d}};
}

QString label(CalendarDate reportDate, int offset) {
    return QString::fromStdString(DayOfMonthLabel(reportDate, offset));
}

// The labels of the chart for a report date: 14 to the left (oldest first), 14 to the right.
QStringList chartLabels(CalendarDate reportDate) {
    QStringList labels;
    for (int k = 0; k < 14; ++k) {
        labels << label(reportDate, -(14 - k));
    }
    for (int k = 0; k < 14; ++k) {
        labels << label(reportDate, k + 1);
    }
    return labels;
}

} // namespace

class DayOfMonthLabelTest : public QObject {
    Q_OBJECT
private slots:
    void labelNamesTheRealDay_data();
    void labelNamesTheRealDay();
    void labelsAroundApril30SkipTheMissing31st();
    void labelsOutsideTheYearsAreEmpty();
    void shiftStopsAtTheRangeEdges();
    void labelsMatchTheCalendarForManyDays();
};

void DayOfMonthLabelTest::labelNamesTheRealDay_data() {
    QTest::addColumn<CalendarDate>("report");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("expected");

    QTest::newRow("after the 31st") << date(2023, 1, 31) << 1 << "1";
    QTest::newRow("before the 31st") << date(2023, 1, 31) << -1 << "30";
    QTest::newRow("before the 1st of May") << date(2023, 5, 1) << -1 << "30";
    QTest::newRow("after the 1st") << date(2023, 5, 1) << 1 << "2";
    QTest::newRow("left of 1 March 2023") << date(2023, 3, 1) << -1 << "28";
    QTest::newRow("left of 1 March 2024, leap") << date(2024, 3, 1) << -1 << "29";
    QTest::newRow("leap day follows 28 February 2024") << date(2024, 2, 28) << 1 << "29";
    QTest::newRow("1 March follows 28 February 2100") << date(2100, 2, 28) << 1 << "1";
    QTest::newRow("29 February 2000 exists") << date(2000, 2, 28) << 1 << "29";
    QTest::newRow("across the year end") << date(2023, 12, 31) << 1 << "1";
    QTest::newRow("back across the year end") << date(2024, 1, 1) << -1 << "31";
    QTest::newRow("two weeks back") << date(2024, 1, 10) << -14 << "27";
    QTest::newRow("two weeks on") << date(2023, 12, 25) << 14 << "8";
}

void DayOfMonthLabelTest::labelNamesTheRealDay() {
    QFETCH(CalendarDate, report);
    QFETCH(int, offset);
    QFETCH(QString, expected);
    QCOMPARE(label(report, offset), expected);
}

void DayOfMonthLabelTest::labelsAroundApril30SkipTheMissing31st() {
    const QStringList labels = chartLabels(date(2023, 4, 28));
    QCOMPARE(labels.mid(14, 5), (QStringList{"29", "30", "1", "2", "3"}));
    QCOMPARE(labels.mid(0, 3), (QStringList{"14", "15", "16"}));
    QCOMPARE(labels.last(), "12");
}

void DayOfMonthLabelTest::labelsOutsideTheYearsAreEmpty() {
    const QStringList atTheEnd = chartLabels(date(9999, 12, 25));
    QCOMPARE(atTheEnd.at(14 + 5), "31");
    QCOMPARE(atTheEnd.at(14 + 6), "");
    QCOMPARE(atTheEnd.last(), "");
    QCOMPARE(atTheEnd.first(), "11");

    const QStringList atTheStart = chartLabels(date(100, 1, 3));
    QCOMPARE(atTheStart.at(12), "1");
    QCOMPARE(atTheStart.at(11), "");
    QCOMPARE(atTheStart.first(), "");
    QCOMPARE(atTheStart.at(14), "4");
}

void DayOfMonthLabelTest::shiftStopsAtTheRangeEdges() {
    QVERIFY(ShiftWithinSupportedYears(date(9999, 12, 30), 1) == date(9999, 12, 31));
    QVERIFY(!ShiftWithinSupportedYears(date(9999, 12, 31), 1));
    QVERIFY(ShiftWithinSupportedYears(date(100, 1, 2), -1) == date(100, 1, 1));
    QVERIFY(!ShiftWithinSupportedYears(date(100, 1, 1), -1));
    QVERIFY(ShiftWithinSupportedYears(date(2023, 4, 30), 1) == date(2023, 5, 1));
    QVERIFY(!ShiftWithinSupportedYears(date(2023, 2, 29), 1));
    QVERIFY(!IsWithinSupportedYears(date(99, 12, 31)));
    QVERIFY(IsWithinSupportedYears(date(100, 1, 1)));
}

void DayOfMonthLabelTest::labelsMatchTheCalendarForManyDays() {
    // Walking day by day, each label is the previous day's number plus one, or 1 where the
    // month really ended.
    CalendarDate day = date(1899, 12, 1);
    for (int i = 0; i < 3 * 366 + 100; ++i) {
        const CalendarDate next{sys_days{day} + days{1}};
        const QString expected = next.month() == day.month()
                                     ? QString::number(static_cast<unsigned>(day.day()) + 1)
                                     : QStringLiteral("1");
        QCOMPARE(label(day, 1), expected);
        QCOMPARE(label(next, -1), QString::number(static_cast<unsigned>(day.day())));
        day = next;
    }
}

QTEST_APPLESS_MAIN(DayOfMonthLabelTest)
#include "test_day_of_month_label.moc"
