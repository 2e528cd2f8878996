#include "calendar_date.h"

namespace kelvra {

using std::chrono::days;
using std::chrono::sys_days;

CalendarDate dateFromJulianDay(std::int64_t julianDay)
{
    return CalendarDate{sys_days{days{julianDay - kUnixEpochJulianDay}}};
}

std::int64_t julianDayOf(CalendarDate date)
{
    return sys_days{date}.time_since_epoch().count() + kUnixEpochJulianDay;
}

std::int32_t DaysLived(CalendarDate birthDate, CalendarDate reportDate)
{
    // Dates of the years 100 to 9999 lie less than 3.7 million days apart.
    return static_cast<std::int32_t>((sys_days{reportDate} - sys_days{birthDate}).count());
}

} // namespace kelvra
