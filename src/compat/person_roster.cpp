#include "person_roster.h"

#include <algorithm>

namespace kelvra {

void modBiorhythmCompatibility::emptyPersons() {
    strPersonName.fill(QString());
    dtBirthDate.fill(zeroDate());
    dtReportDate.fill(zeroDate());
    lngLineColor.fill(0);
    lngUsedColor.fill(0);
}

int modBiorhythmCompatibility::personCount() const {
    return std::clamp(static_cast<int>(intTotalPersons), 0, kSlots);
}

} // namespace kelvra
