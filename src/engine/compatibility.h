#pragma once

#include "calendar_date.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace kelvra {

// One compatibility value per cycle, in the order of kCycles.
using CompatibilityValues = std::array<std::int16_t, 3>;

// Whole calendar days between two birth dates, whichever is older; wide enough for any two
// dates the date type holds.
std::int64_t BirthDateDistance(CalendarDate first, CalendarDate second);

// The compatibility value of a cycle of the given period for a day distance (its sign is
// ignored): the phase
// r = distance mod period mapped onto a scale of 200 points per period, less half a period,
// rounded to the nearest whole number with ties to the even one. Lies within -16..180.
std::int16_t CompatibilityValue(std::int64_t distance, int period);

// The three values of a couple, computed from their birth dates only.
CompatibilityValues ComputeCompatibilityValues(CalendarDate first, CalendarDate second);

// "<Cycle> Compatibility <value> %" for the cycle with the given index in kCycles.
std::string CompatibilityCaption(std::size_t cycleIndex, std::int16_t value);

} // namespace kelvra
