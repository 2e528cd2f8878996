#include "clock.h"

namespace kelvra {

namespace {
std::optional<QDate>& todayOverride() {
    static std::optional<QDate> date;
    return date;
}
} // namespace

QDate today() {
    return todayOverride().value_or(QDate::currentDate());
}

void setTodayOverride(std::optional<QDate> date) {
    todayOverride() = date;
}

} // namespace kelvra
