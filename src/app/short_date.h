#pragma once

#include <QDate>
#include <QString>

namespace kelvra {

// The user's short date format with a four-digit year, for date fields.
QString shortDateFormat();

// The date in the user's short date format, its year always written with four digits.
QString formatShortDate(QDate date);

} // namespace kelvra
