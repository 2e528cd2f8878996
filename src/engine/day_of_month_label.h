#pragma once

#include "calendar_date.h"

#include <string>

namespace kelvra {

// The day of the month, without leading zero, of the day dayOffset days after the report
// date (before it when negative), as the chart's day labels show it; empty when that day
// lies outside the years 100 to 9999.
std::string DayOfMonthLabel(CalendarDate reportDate, int dayOffset);

} // namespace kelvra
