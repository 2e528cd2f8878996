#include "cycle_reading.h"

#include "app/date_conversion.h"
#include "engine/calendar_date.h"
#include "engine/cycle.h"

#include <QLocale>

#include <cmath>

namespace kelvra {

CyclePhase PhaseOnDay(std::int64_t dayCount, int period) {
    // In quarter days every crossing and vertex lies on a whole number: rising crossings at
    // 0, highs at P, falling crossings at 2P and lows at 3P, repeating every 4P.
    const std::int64_t cycle = 4 * static_cast<std::int64_t>(period);
    const auto inCycle = [cycle](std::int64_t quarter) {
        return ((quarter % cycle) + cycle) % cycle;
    };
    for (std::int64_t quarter = 4 * dayCount - 2; quarter < 4 * dayCount + 2; ++quarter) {
        const std::int64_t at = inCycle(quarter);
        if (at == 0 || at == 2 * period) {
            return CyclePhase::Critical;
        }
        if (at == period) {
            return CyclePhase::AtHigh;
        }
        if (at == 3 * period) {
            return CyclePhase::AtLow;
        }
    }
    const std::int64_t at = inCycle(4 * dayCount);
    return at > period && at < 3 * period ? CyclePhase::Falling : CyclePhase::Rising;
}

QString phaseText(CyclePhase phase) {
    switch (phase) {
    case CyclePhase::Critical:
        return QStringLiteral("critical");
    case CyclePhase::AtHigh:
        return QStringLiteral("at its high");
    case CyclePhase::AtLow:
        return QStringLiteral("at its low");
    case CyclePhase::Falling:
        return QStringLiteral("falling");
    case CyclePhase::Rising:
        break;
    }
    return QStringLiteral("rising");
}

QString percentText(double percent) {
    const double tenths = std::round(percent * 10);
    // A value that rounds to nothing carries no sign.
    const QString sign = tenths > 0 ? QStringLiteral("+") : QString();
    return sign + QLocale().toString(tenths == 0 ? 0.0 : tenths / 10, 'f', 1) +
           QStringLiteral(" %");
}

std::vector<CurveReading> ReadCurves(const ChartContents& contents, double x, double windowDays) {
    std::vector<CurveReading> readings;
    if (!std::isfinite(x)) {
        return readings;
    }
    const auto offset = static_cast<std::int64_t>(std::round(x - windowDays / 2));
    for (const DrawnCurve& curve : contents.curves) {
        const std::int32_t daysLived =
            DaysLived(toCalendarDate(curve.birthDate), toCalendarDate(curve.reportDate));
        readings.push_back({curve.name, curve.color, curve.reportDate.addDays(offset),
                            CyclePercentAt(daysLived, curve.period, x, windowDays),
                            PhaseOnDay(std::int64_t{daysLived} + offset, curve.period)});
    }
    return readings;
}

} // namespace kelvra
