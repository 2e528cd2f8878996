#include "chart_date_corrections.h"

#include "app/clock.h"
#include "number_text.h"

namespace kelvra {

QString correctedDayText(QStringView text, const QString& replacement) {
    const QString floored = flooredLeadingNumber(text);
    const int day = readWholeNumber(floored).value_or(0);
    return day >= 1 && day <= 31 ? floored : replacement;
}

QString correctedBirthDayText(QStringView text) {
    return correctedDayText(text, QStringLiteral("4"));
}

QString correctedReportDayText(QStringView text) {
    return correctedDayText(text, QString::number(today().day()));
}

QString correctedYearText(QStringView text) {
    const QString floored = flooredLeadingNumber(text);
    return floored.size() < 4 ? QStringLiteral("1984") : floored;
}

} // namespace kelvra
