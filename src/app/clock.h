#pragma once

#include <QDate>

#include <optional>

namespace kelvra {

// Today's date: the system clock's, or the date a test has fixed.
QDate today();

// Fixes today's date (tests); std::nullopt returns to the system clock.
void setTodayOverride(std::optional<QDate> date);

} // namespace kelvra
