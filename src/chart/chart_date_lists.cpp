#include "chart_date_lists.h"

#include "app/clock.h"

namespace kelvra {

namespace {

constexpr int kFirstListedYear = 1900;
constexpr int kLastBirthYear = 2020;
constexpr int kLastReportYear = 2099;

QStringList numbersFrom(int first, int last) {
    QStringList entries;
    entries.reserve(last - first + 1);
    for (int number = first; number <= last; ++number) {
        entries << QString::number(number);
    }
    return entries;
}

} // namespace

QStringList chartMonthNames() {
    return {QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"),
            QStringLiteral("Apr"), QStringLiteral("May"), QStringLiteral("Jun"),
            QStringLiteral("Jul"), QStringLiteral("Aug"), QStringLiteral("Sep"),
            QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
}

QStringList chartDayEntries() {
    return numbersFrom(1, 31);
}

QStringList birthYearEntries() {
    return numbersFrom(kFirstListedYear, kLastBirthYear);
}

QStringList reportYearEntries() {
    return numbersFrom(kFirstListedYear, kLastReportYear);
}

ChartDateBoxes birthStartValues() {
    return {0, QStringLiteral("4"), QStringLiteral("1980")};
}

ChartDateBoxes reportStartValues() {
    const QDate date = today();
    return {date.month() - 1, QString::number(date.day()), QString::number(date.year())};
}

} // namespace kelvra
