// ComposeChartDate: a date exactly when the three boxes name one of the years 100 to 9999.
#include "chart/compose_chart_date.h"
#include "chart/number_text.h"
#include "fuzz_support.h"

using namespace kelvra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const int monthIndex = input.number<std::int8_t>();
    const QString dayText = input.text();
    const QString yearText = input.text();

    const std::optional<CalendarDate> date = ComposeChartDate(monthIndex, dayText, yearText);
    const std::optional<int> day = readWholeNumber(dayText);
    const std::optional<int> year = readWholeNumber(yearText);
    const bool inRange = monthIndex >= 0 && monthIndex <= 11 && day && *day >= 1 && *day <= 31 &&
                         year && *year >= 100 && *year <= 9999;
    if (!inRange) {
        FUZZ_CHECK(!date);
        return 0;
    }
    const CalendarDate named{std::chrono::year{*year},
                             std::chrono::month{static_cast<unsigned>(monthIndex + 1)},
                             std::chrono::day{static_cast<unsigned>(*day)}};
    FUZZ_CHECK(date.has_value() == named.ok());
    FUZZ_CHECK(!date || *date == named);
    return 0;
}
