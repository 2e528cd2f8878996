#include "short_date.h"

#include <QLocale>
#include <QRegularExpression>

namespace kelvra {

QString shortDateFormat() {
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    // A two-digit year cannot tell 1925 from 2025 on a chart spanning centuries.
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    return format.replace(twoDigitYear, QStringLiteral("yyyy"));
}

QString formatShortDate(QDate date) {
    return QLocale().toString(date, shortDateFormat());
}

} // namespace kelvra
