#include "compose_chart_date.h"

#include "engine/date_range.h"
#include "number_text.h"

namespace kelvra {

std::optional<CalendarDate> ComposeChartDate(int monthIndex, QStringView dayText,
                                             QStringView yearText) {
    const std::optional<int> day = readWholeNumber(dayText);
    const std::optional<int> year = readWholeNumber(yearText);
    // Checked before building the date: chrono leaves years beyond its range unspecified.
    if (monthIndex < 0 || monthIndex > 11 || !day || *day < 1 || *day > 31 || !year ||
        *year < kFirstSupportedYear || *year > kLastSupportedYear) {
        return std::nullopt;
    }
    const CalendarDate date{std::chrono::year{*year},
                            std::chrono::month{static_cast<unsigned>(monthIndex + 1)},
                            std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return date;
}

} // namespace kelvra
