#include "app/clock.h"
#include "chart/chart_date_corrections.h"
#include "chart/chart_date_lists.h"
#include "chart/compose_chart_date.h"
#include "test_main.h"

#include <QDate>
#include <QObject>
#include <QTest>

#include <random>

using namespace kelvra;

namespace {

const QString kHugeNumber = QStringLiteral("99999999999999999999");

// Texts a user could leave in a box, good and bad.
QString randomBoxText(std::mt19937& random) {
    static const QString alphabet = QStringLiteral("0123456789 -+.\tab\u00e9\u0663");
    std::uniform_int_distribution<int> lengths(0, 12);
    std::uniform_int_distribution<int> picks(0, static_cast<int>(alphabet.size()) - 1);
    std::uniform_int_distribution<int> units(1, 0xffff);
    QString text;
    for (int n = lengths(random); n > 0; --n) {
        text.append(n % 5 == 0 ? QChar(static_cast<char16_t>(units(random)))
                               : alphabet[picks(random)]);
    }
    return text;
}

bool referenceIsValidDate(int year, int month, int day) {
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int length = month == 2 && leap ? 29 : lengths[month - 1];
    return year >= 100 && year <= 9999 && day >= 1 && day <= length;
}

} // namespace

class TestChartDateRules : public QObject {
    Q_OBJECT

private slots:
    void init() { setTodayOverride(QDate(2026, 3, 9)); }
    void cleanup() { setTodayOverride(std::nullopt); }

    void lists() {
        QCOMPARE(chartMonthNames(), QStringList({"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul",
                                                 "Aug", "Sep", "Oct", "Nov", "Dec"}));
        const QStringList days = chartDayEntries();
        QCOMPARE(days.size(), 31);
        QCOMPARE(days.first(), QStringLiteral("1"));
        QCOMPARE(days.last(), QStringLiteral("31"));
        const QStringList birthYears = birthYearEntries();
        QCOMPARE(birthYears.size(), 121);
        QCOMPARE(birthYears.first(), QStringLiteral("1900"));
        QCOMPARE(birthYears.at(80), QStringLiteral("1980"));
        QCOMPARE(birthYears.last(), QStringLiteral("2020"));
        const QStringList reportYears = reportYearEntries();
        QCOMPARE(reportYears.size(), 200);
        QCOMPARE(reportYears.first(), QStringLiteral("1900"));
        QCOMPARE(reportYears.last(), QStringLiteral("2099"));
        for (int i = 1; i < reportYears.size(); ++i) {
            QCOMPARE(reportYears.at(i).toInt(), reportYears.at(i - 1).toInt() + 1);
        }
        QCOMPARE(reportYears.mid(0, birthYears.size()), birthYears);
    }

    void startValues() {
        QCOMPARE(birthStartValues(), (ChartDateBoxes{0, "4", "1980"}));
        QCOMPARE(reportStartValues(), (ChartDateBoxes{2, "9", "2026"}));
        setTodayOverride(QDate(2031, 12, 31));
        QCOMPARE(reportStartValues(), (ChartDateBoxes{11, "31", "2031"}));
    }

    void startValuesCompose() {
        const ChartDateBoxes birth = birthStartValues();
        QCOMPARE(ComposeChartDate(birth.monthIndex, birth.dayText, birth.yearText),
                 std::optional<CalendarDate>(std::chrono::year{1980} / 1 / 4));
        const ChartDateBoxes report = reportStartValues();
        QCOMPARE(ComposeChartDate(report.monthIndex, report.dayText, report.yearText),
                 std::optional<CalendarDate>(std::chrono::year{2026} / 3 / 9));
    }

    void dayCorrections_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("birthDay");
        QTest::addColumn<QString>("reportDay");
        QTest::newRow("zero") << "0"
                              << "4"
                              << "9";
        QTest::newRow("32") << "32"
                            << "4"
                            << "9";
        QTest::newRow("fraction dropped") << "7.9"
                                          << "7"
                                          << "7";
        QTest::newRow("31 and a fraction") << "31.9"
                                           << "31"
                                           << "31";
        QTest::newRow("first day") << "1"
                                   << "1"
                                   << "1";
        QTest::newRow("below one after flooring") << "0.99"
                                                  << "4"
                                                  << "9";
        QTest::newRow("negative") << "-2.5"
                                  << "4"
                                  << "9";
        QTest::newRow("trailing letters") << "  15x"
                                          << "15"
                                          << "15";
        QTest::newRow("leading zeros") << "007"
                                       << "7"
                                       << "7";
        QTest::newRow("empty") << ""
                               << "4"
                               << "9";
        QTest::newRow("letters") << "abc"
                                 << "4"
                                 << "9";
        QTest::newRow("huge") << kHugeNumber << "4"
                              << "9";
        QTest::newRow("beyond int") << "4294967297"
                                    << "4"
                                    << "9";
    }

    void dayCorrections() {
        QFETCH(QString, typed);
        QFETCH(QString, birthDay);
        QFETCH(QString, reportDay);
        QCOMPARE(correctedBirthDayText(typed), birthDay);
        QCOMPARE(correctedReportDayText(typed), reportDay);
    }

    void yearCorrections_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("corrected");
        QTest::newRow("two digits") << "99"
                                    << "1984";
        QTest::newRow("beyond the list stays") << "2030"
                                               << "2030";
        QTest::newRow("five digits stay") << "12345"
                                          << "12345";
        QTest::newRow("negative of four characters stays") << "-100"
                                                           << "-100";
        QTest::newRow("negative of three characters") << "-99"
                                                      << "1984";
        QTest::newRow("fraction dropped") << "1980.7"
                                          << "1980";
        QTest::newRow("leading zeros dropped") << "0099"
                                               << "1984";
        QTest::newRow("rounds down to two characters") << "-2.5"
                                                       << "1984";
        QTest::newRow("empty") << ""
                               << "1984";
        QTest::newRow("letters") << "abc"
                                 << "1984";
        QTest::newRow("trailing letters") << "2012abc"
                                          << "2012";
        QTest::newRow("huge stays in digits") << kHugeNumber + ".5" << kHugeNumber;
    }

    void yearCorrections() {
        QFETCH(QString, typed);
        QFETCH(QString, corrected);
        QCOMPARE(correctedYearText(typed), corrected);
    }

    void correctionsOfArbitraryText() {
        std::mt19937 random(4);
        for (int i = 0; i < 30000; ++i) {
            const QString text = randomBoxText(random);
            const QString day = correctedBirthDayText(text);
            QVERIFY2(chartDayEntries().contains(day), qPrintable(text.toHtmlEscaped()));
            QCOMPARE(correctedBirthDayText(day), day);
            const QString year = correctedYearText(text);
            QVERIFY2(year.size() >= 4, qPrintable(text.toHtmlEscaped()));
            QCOMPARE(correctedYearText(year), year);
        }
    }

    void compose_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QDate>("date");
        QTest::newRow("default birthday") << 0 << "4"
                                          << "1980" << QDate(1980, 1, 4);
        QTest::newRow("29 Feb 2000") << 1 << "29"
                                     << "2000" << QDate(2000, 2, 29);
        QTest::newRow("29 Feb 2012") << 1 << "29"
                                     << "2012" << QDate(2012, 2, 29);
        QTest::newRow("29 Feb 1900") << 1 << "29"
                                     << "1900" << QDate();
        QTest::newRow("29 Feb 2011") << 1 << "29"
                                     << "2011" << QDate();
        QTest::newRow("30 Feb 2000") << 1 << "30"
                                     << "2000" << QDate();
        QTest::newRow("31 Apr") << 3 << "31"
                                << "2020" << QDate();
        QTest::newRow("31 Mar") << 2 << "31"
                                << "2020" << QDate(2020, 3, 31);
        QTest::newRow("first supported day") << 0 << "1"
                                             << "100" << QDate(100, 1, 1);
        QTest::newRow("last supported day") << 11 << "31"
                                            << "9999" << QDate(9999, 12, 31);
        QTest::newRow("year 99") << 11 << "31"
                                 << "99" << QDate();
        QTest::newRow("year 10000") << 0 << "1"
                                    << "10000" << QDate();
        QTest::newRow("negative year") << 0 << "1"
                                       << "-100" << QDate();
        QTest::newRow("huge year") << 0 << "1" << kHugeNumber << QDate();
        QTest::newRow("year beyond int") << 0 << "1"
                                         << "4294969296" << QDate();
        QTest::newRow("blanks and signs") << 4 << " +5 "
                                          << "\t2030" << QDate(2030, 5, 5);
        QTest::newRow("day as typed with a fraction") << 0 << "7.9"
                                                      << "1980" << QDate();
        QTest::newRow("day with letters") << 0 << "12abc"
                                          << "1980" << QDate();
        QTest::newRow("empty day") << 0 << ""
                                   << "1980" << QDate();
        QTest::newRow("letters for the year") << 0 << "4"
                                              << "abc" << QDate();
        QTest::newRow("day 0") << 0 << "0"
                               << "1980" << QDate();
        QTest::newRow("negative day") << 0 << "-3"
                                      << "1980" << QDate();
        QTest::newRow("day 32") << 0 << "32"
                                << "1980" << QDate();
        QTest::newRow("day beyond int") << 0 << "4294967297"
                                        << "1980" << QDate();
        QTest::newRow("no month chosen") << -1 << "4"
                                         << "1980" << QDate();
        QTest::newRow("thirteenth month") << 12 << "4"
                                          << "1980" << QDate();
    }

    void compose() {
        QFETCH(int, month);
        QFETCH(QString, day);
        QFETCH(QString, year);
        QFETCH(QDate, date);
        const std::optional<CalendarDate> composed = ComposeChartDate(month, day, year);
        QCOMPARE(composed.has_value(), date.isValid());
        if (composed) {
            QCOMPARE(julianDayOf(*composed), date.toJulianDay());
        }
    }

    void composeAcceptsExactlyTheValidDates() {
        std::mt19937 random(29);
        std::uniform_int_distribution<int> years(-50, 10050);
        std::uniform_int_distribution<int> months(-1, 12);
        std::uniform_int_distribution<int> days(-1, 32);
        for (int i = 0; i < 100000; ++i) {
            const int y = years(random);
            const int m = months(random);
            const int d = days(random);
            const auto composed = ComposeChartDate(m, QString::number(d), QString::number(y));
            const bool valid = m >= 0 && m <= 11 && referenceIsValidDate(y, m + 1, d);
            QVERIFY2(composed.has_value() == valid,
                     qPrintable(QStringLiteral("%1-%2-%3").arg(y).arg(m + 1).arg(d)));
            if (composed) {
                QCOMPARE(julianDayOf(*composed), QDate(y, m + 1, d).toJulianDay());
            }
        }
    }

    void composeOfArbitraryText() {
        std::mt19937 random(31);
        std::uniform_int_distribution<int> months(-2, 13);
        for (int i = 0; i < 30000; ++i) {
            const QString day = randomBoxText(random);
            const QString year = randomBoxText(random);
            const auto composed = ComposeChartDate(months(random), day, year);
            if (composed) {
                QVERIFY(composed->ok());
                QCOMPARE(QString::number(unsigned{composed->day()}),
                         QString::number(day.trimmed().toInt()));
                QCOMPARE(QString::number(int{composed->year()}),
                         QString::number(year.trimmed().toInt()));
            }
        }
    }
};

KELVRA_TEST_MAIN(TestChartDateRules)
#include "test_chart_date_rules.moc"
