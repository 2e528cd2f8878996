#pragma once

#include "calendar_date.h"

#include <optional>

namespace kelvra {

// The years a date may lie in anywhere in the application.
inline constexpr int kFirstSupportedYear = 100;
inline constexpr int kLastSupportedYear = 9999;

// True for a valid date of the years 100 to 9999.
bool IsWithinSupportedYears(CalendarDate date);

// The date the given number of days later (earlier when negative), or nothing when that
// date would leave the years 100 to 9999.
std::optional<CalendarDate> ShiftWithinSupportedYears(CalendarDate date, int days);

} // namespace kelvra
