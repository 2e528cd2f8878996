#include "day_of_month_label.h"

#include "date_range.h"

namespace kelvra {

std::string DayOfMonthLabel(CalendarDate reportDate, int dayOffset) {
    const std::optional<CalendarDate> day = ShiftWithinSupportedYears(reportDate, dayOffset);
    if (!day) {
        return {};
    }
    return std::to_string(static_cast<unsigned>(day->day()));
}

} // namespace kelvra
