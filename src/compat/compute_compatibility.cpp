#include "compute_compatibility.h"

#include "app/date_conversion.h"
#include "engine/compatibility.h"
#include "person_roster.h"

namespace kelvra {

std::optional<CompatibilityCaptions> ComputeCompatibility(modBiorhythmCompatibility& roster) {
    const QDate first = roster.dtBirthDate[0];
    const QDate second = roster.dtBirthDate[1];
    if (!first.isValid() || !second.isValid()) {
        return std::nullopt;
    }
    const CompatibilityValues values =
        ComputeCompatibilityValues(toCalendarDate(first), toCalendarDate(second));
    roster.intPhysicalCompat = values[0];
    roster.intEmotionalCompat = values[1];
    roster.intIntellectualCompat = values[2];
    return storedCompatibilityCaptions(roster);
}

std::optional<CompatibilityCaptions>
storedCompatibilityCaptions(const modBiorhythmCompatibility& roster) {
    if (!roster.dtBirthDate[0].isValid() || !roster.dtBirthDate[1].isValid()) {
        return std::nullopt;
    }
    const std::array<std::int16_t, 3> values{roster.intPhysicalCompat, roster.intEmotionalCompat,
                                             roster.intIntellectualCompat};
    CompatibilityCaptions captions;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        captions[i] = QString::fromStdString(CompatibilityCaption(i, values[i]));
    }
    return captions;
}

} // namespace kelvra
