// The compatibility values: an exact rational rounding of the phase, symmetric in the couple
// and periodic in the distance.
#include "engine/calendar_date.h"
#include "engine/compatibility.h"
#include "engine/cycle.h"
#include "fuzz_support.h"

#include <cstdlib>

using namespace kelvra;

namespace {
// (400 r - P^2) / (2 P), rounded to nearest with ties to even, in integers only.
std::int64_t exactValue(std::int64_t phase, std::int64_t period) {
    const std::int64_t numerator = 400 * phase - period * period;
    const std::int64_t denominator = 2 * period;
    std::int64_t quotient = numerator / denominator;
    std::int64_t remainder = numerator % denominator;
    if (remainder < 0) {
        remainder += denominator;
        --quotient;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0)) {
        ++quotient;
    }
    return quotient;
}

// A Julian day number of about the years -32759 to 32676, within the date type's range.
std::int64_t dayNumber(std::uint32_t bits) {
    return -10'244'000 + static_cast<std::int64_t>(bits % 23'900'000);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::int64_t distance = input.number<std::int64_t>();
    const std::uint16_t periodBits = input.number<std::uint16_t>();
    // Mostly a cycle's own period, whose ties the double arithmetic must keep exactly.
    const bool cyclePeriod = periodBits < 0xC000;
    const int period = cyclePeriod ? kCycles[periodBits % 3].period : 1 + periodBits % 400;
    const CalendarDate first = dateFromJulianDay(dayNumber(input.number<std::uint32_t>()));
    const CalendarDate second = dateFromJulianDay(dayNumber(input.number<std::uint32_t>()));

    const std::int64_t phase = std::abs(distance % period);
    const std::int16_t value = CompatibilityValue(distance, period);
    const std::int64_t exact = exactValue(phase, period);
    FUZZ_CHECK(cyclePeriod ? value == exact : std::abs(value - exact) <= 1);
    FUZZ_CHECK(value == CompatibilityValue(phase, period));
    FUZZ_CHECK(value == CompatibilityValue(phase + period, period));

    if (!first.ok() || !second.ok()) {
        return 0;
    }
    const CompatibilityValues values = ComputeCompatibilityValues(first, second);
    FUZZ_CHECK(values == ComputeCompatibilityValues(second, first));
    const std::int64_t apart = julianDayOf(first) - julianDayOf(second);
    FUZZ_CHECK(BirthDateDistance(first, second) == (apart < 0 ? -apart : apart));
    for (std::size_t cycle = 0; cycle < kCycles.size(); ++cycle) {
        const std::int64_t remainder = apart % kCycles[cycle].period;
        FUZZ_CHECK(values[cycle] == exactValue(std::abs(remainder), kCycles[cycle].period));
        FUZZ_CHECK(values[cycle] >= -16 && values[cycle] <= 180);
    }
    return 0;
}
