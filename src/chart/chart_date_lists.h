#pragma once

#include <QString>
#include <QStringList>

namespace kelvra {

// What the three boxes of one date hold: the month box's list position (0 is "Jan"), the
// day box's text and the year box's text.
struct ChartDateBoxes {
    int monthIndex = 0;
    QString dayText;
    QString yearText;

    friend bool operator==(const ChartDateBoxes&, const ChartDateBoxes&) = default;
};

// "Jan" to "Dec", the list of both month boxes.
QStringList chartMonthNames();

// "1" to "31", the list of both day boxes.
QStringList chartDayEntries();

// "1900" to "2020", the birth year box's list.
QStringList birthYearEntries();

// "1900" to "2099", the report year box's list.
QStringList reportYearEntries();

// The birth boxes' start values: 4 January 1980.
ChartDateBoxes birthStartValues();

// The report boxes' start values: today's month, day and year.
ChartDateBoxes reportStartValues();

} // namespace kelvra
