#pragma once

#include <QDate>
#include <QString>

namespace kelvra {

// The date in the user's short date format, its year always written with four digits.
QString formatShortDate(QDate date);

} // namespace kelvra
