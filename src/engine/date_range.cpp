#include "date_range.h"

namespace kelvra {

bool IsWithinSupportedYears(CalendarDate date) {
    const int year = static_cast<int>(date.year());
    return date.ok() && year >= kFirstSupportedYear && year <= kLastSupportedYear;
}

std::optional<CalendarDate> ShiftWithinSupportedYears(CalendarDate date, int days) {
    if (!date.ok()) {
        return std::nullopt;
    }
    const CalendarDate shifted{std::chrono::sys_days{date} + std::chrono::days{days}};
    if (!IsWithinSupportedYears(shifted)) {
        return std::nullopt;
    }
    return shifted;
}

} // namespace kelvra
