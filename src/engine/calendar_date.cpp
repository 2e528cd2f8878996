#include "calendar_date.h"

namespace kelvra {

using std::chrono::days;
using std::chrono::sys_days;

namespace {
constexpr std::int64_t julianDayOfValid(CalendarDate date) {
    return sys_days{date}.time_since_epoch().count() + kUnixEpochJulianDay;
}

constexpr std::int64_t kFirstJulianDay =
    julianDayOfValid(std::chrono::year::min() / std::chrono::January / 1);
constexpr std::int64_t kLastJulianDay =
    julianDayOfValid(std::chrono::year::max() / std::chrono::December / 31);
} // namespace

CalendarDate dateFromJulianDay(std::int64_t julianDay) {
    // Checked first, so that extreme day numbers cannot overflow the subtraction below.
    if (julianDay < kFirstJulianDay || julianDay > kLastJulianDay) {
        return CalendarDate{};
    }
    return CalendarDate{sys_days{days{julianDay - kUnixEpochJulianDay}}};
}

std::int64_t julianDayOf(CalendarDate date) {
    return julianDayOfValid(date);
}

std::int32_t DaysLived(CalendarDate birthDate, CalendarDate reportDate) {
    // Dates of the years -32767 to 32767 lie less than 24 million days apart.
    return static_cast<std::int32_t>((sys_days{reportDate} - sys_days{birthDate}).count());
}

} // namespace kelvra
