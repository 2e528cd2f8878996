#pragma once

#include "engine/calendar_date.h"

#include <QStringView>

#include <optional>

namespace kelvra {

// The date the three boxes of a date name: the month box's list position (0 is January) and
// day and year texts that are whole numbers (optional blanks around an optional sign and
// digits). Nothing unless they form a valid Gregorian date of the years 100 to 9999.
std::optional<CalendarDate> ComposeChartDate(int monthIndex, QStringView dayText,
                                             QStringView yearText);

} // namespace kelvra
