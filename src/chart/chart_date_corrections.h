#pragma once

#include <QString>
#include <QStringView>

namespace kelvra {

// What a day box holds after the user leaves it: its leading number rounded down, or the
// replacement when that number is not a day of 1 to 31.
QString correctedDayText(QStringView text, const QString& replacement);

// The birth day box's correction: an impossible day becomes "4".
QString correctedBirthDayText(QStringView text);

// The report day box's correction: an impossible day becomes today's day of the month.
QString correctedReportDayText(QStringView text);

// What a year box holds after the user leaves it: its leading number rounded down, or "1984"
// when that is written in fewer than four characters. Longer numbers stay whatever their value.
QString correctedYearText(QStringView text);

} // namespace kelvra
