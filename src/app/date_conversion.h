#pragma once

#include "engine/calendar_date.h"

#include <QDate>

namespace kelvra {

// The engine meets Qt's dates only here, through the Julian day number.
inline CalendarDate toCalendarDate(QDate date) {
    return dateFromJulianDay(date.toJulianDay());
}

inline QDate toQDate(CalendarDate date) {
    return QDate::fromJulianDay(julianDayOf(date));
}

} // namespace kelvra
