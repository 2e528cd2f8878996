#pragma once

#include "engine/color_value.h"

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>

namespace kelvra {

// The couple's details handed from the entry window to the computation and the display
// window. One instance lives for the whole run and is passed to the windows that use it.
// The couple fills slots 0 and 1; slot 2 stays unused.
struct modBiorhythmCompatibility {
    static constexpr int kSlots = 3;
    // A colour slot not yet taken in the current entry sequence.
    static constexpr std::int32_t kFreeColorSlot = -1;
    // What an emptied date slot holds: day zero of the classic serial date.
    static QDate zeroDate() { return QDate(1899, 12, 30); }

    std::int16_t intTotalPersons = 0;
    std::int16_t intPersonsRemaining = 0;
    std::array<QString, kSlots> strPersonName;
    std::array<QDate, kSlots> dtBirthDate{zeroDate(), zeroDate(), zeroDate()};
    std::array<QDate, kSlots> dtReportDate{zeroDate(), zeroDate(), zeroDate()};
    std::array<ColorValue, kSlots> lngLineColor{};
    std::array<std::int32_t, kSlots> lngUsedColor{};
    std::int16_t intColorsRecorded = 0;
    std::int16_t intPhysicalCompat = 0;
    std::int16_t intEmotionalCompat = 0;
    std::int16_t intIntellectualCompat = 0;

    // Empties the five person arrays: names become empty, dates and colours zero. The
    // counters and the compatibility values stay as they are.
    void emptyPersons();

    // Number of people the windows may read: intTotalPersons kept within 0..kSlots.
    int personCount() const;
};

} // namespace kelvra
