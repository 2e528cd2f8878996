#pragma once

#include <chrono>
#include <cstdint>

namespace kelvra {

// A Gregorian date without a time of day.
using CalendarDate = std::chrono::year_month_day;

// Julian day number of 1 January 1970, the epoch of std::chrono::sys_days.
inline constexpr std::int64_t kUnixEpochJulianDay = 2440588;

// The date of a Julian day number (the bridge to QDate::toJulianDay()). A day number outside
// the years -32767 to 32767 (a null QDate among them) gives a date whose ok() is false.
CalendarDate dateFromJulianDay(std::int64_t julianDay);

// The Julian day number of a valid date.
std::int64_t julianDayOf(CalendarDate date);

// Signed whole-day count from the birth date (day 0) to the report date; both dates valid.
// Exact for all dates of the years -32767 to 32767.
std::int32_t DaysLived(CalendarDate birthDate, CalendarDate reportDate);

} // namespace kelvra
