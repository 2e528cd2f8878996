#include "compatibility.h"

#include "cycle.h"

#include <cfenv>
#include <cmath>

namespace kelvra {

std::int64_t BirthDateDistance(CalendarDate first, CalendarDate second) {
    using std::chrono::sys_days;
    const std::int64_t days = (sys_days{second} - sys_days{first}).count();
    return days < 0 ? -days : days;
}

std::int16_t CompatibilityValue(std::int64_t distance, int period) {
    // The sign goes after the remainder: negating the most negative distance would overflow.
    const std::int64_t remainder = distance % period;
    const std::int64_t phase = remainder < 0 ? -remainder : remainder;
    const double scaled = (200.0 / period) * static_cast<double>(phase) - period / 2.0;
    // Ties go to the even neighbour (-11.5 -> -12, -16.5 -> -16), whatever mode the caller set.
    const int savedMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(scaled);
    std::fesetround(savedMode);
    return static_cast<std::int16_t>(rounded);
}

CompatibilityValues ComputeCompatibilityValues(CalendarDate first, CalendarDate second) {
    const std::int64_t distance = BirthDateDistance(first, second);
    CompatibilityValues values{};
    for (std::size_t i = 0; i < kCycles.size(); ++i) {
        values[i] = CompatibilityValue(distance, kCycles[i].period);
    }
    return values;
}

std::string CompatibilityCaption(std::size_t cycleIndex, std::int16_t value) {
    return std::string(kCycles.at(cycleIndex).name) + " Compatibility " + std::to_string(value) +
           " %";
}

} // namespace kelvra
