#pragma once

#include <QString>

#include <array>
#include <optional>

namespace kelvra {

struct modBiorhythmCompatibility;

// The captions of the display window's lblPercentage entries 0, 1 and 2.
using CompatibilityCaptions = std::array<QString, 3>;

// Computes the couple's three compatibility values from birth date slots 0 and 1, stores
// them in the roster and returns their captions. All three values are computed before
// anything is written. Nothing changes when a birth date slot holds no valid date.
std::optional<CompatibilityCaptions> ComputeCompatibility(modBiorhythmCompatibility& roster);

// The captions of the values the roster holds; none while a birth date slot holds no valid
// date, since then nothing was computed for the couple.
std::optional<CompatibilityCaptions>
storedCompatibilityCaptions(const modBiorhythmCompatibility& roster);

} // namespace kelvra
