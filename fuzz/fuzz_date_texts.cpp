// The leading-number reader and the day and year box corrections.
#include "chart/chart_date_corrections.h"
#include "chart/number_text.h"
#include "fuzz_support.h"

#include <QRegularExpression>

using namespace kelvra;

namespace {
bool isPlainInteger(const QString& text) {
    static const QRegularExpression plain(QStringLiteral("^(0|-?[1-9][0-9]*)$"));
    return plain.match(text).hasMatch();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const bool raw = (input.number<std::uint8_t>() & 1) != 0;
    const QString text = raw ? input.rawRest() : input.text();

    const QString floored = flooredLeadingNumber(text);
    FUZZ_CHECK(isPlainInteger(floored));
    FUZZ_CHECK(flooredLeadingNumber(floored) == floored);
    if (const std::optional<int> whole = readWholeNumber(text)) {
        FUZZ_CHECK(QString::number(*whole) == floored);
    }
    const std::optional<int> flooredValue = readWholeNumber(floored);
    FUZZ_CHECK(!flooredValue || QString::number(*flooredValue) == floored);

    const QString day = correctedBirthDayText(text);
    const bool possibleDay = flooredValue && *flooredValue >= 1 && *flooredValue <= 31;
    FUZZ_CHECK(day == (possibleDay ? floored : QStringLiteral("4")));
    FUZZ_CHECK(correctedBirthDayText(day) == day);

    const QString year = correctedYearText(text);
    FUZZ_CHECK(year == (floored.size() < 4 ? QStringLiteral("1984") : floored));
    FUZZ_CHECK(correctedYearText(year) == year);
    return 0;
}
