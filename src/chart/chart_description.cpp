#include "chart_description.h"

#include "chart_surface.h"
#include "cycle_reading.h"

#include "app/short_date.h"

#include <QStringList>

#include <algorithm>

namespace kelvra {

QString describeChart(const ChartContents& contents, double windowDays) {
    if (contents.curves.empty()) {
        return QStringLiteral("No chart drawn yet.");
    }
    const std::vector<CurveReading> readings = ReadCurves(contents, windowDays / 2, windowDays);
    const bool oneDay = std::all_of(readings.begin(), readings.end(), [&](const CurveReading& r) {
        return r.day == readings.front().day;
    });
    QStringList sentences{contents.title + QLatin1Char('.')};
    if (oneDay) {
        sentences << QStringLiteral("Report date %1.").arg(formatShortDate(readings.front().day));
    }
    for (const CurveReading& reading : readings) {
        const QString who = oneDay ? reading.name
                                   : QStringLiteral("%1, report date %2")
                                         .arg(reading.name, formatShortDate(reading.day));
        sentences << QStringLiteral("%1: %2, %3.")
                         .arg(who, percentText(reading.percent), phaseText(reading.phase));
    }
    return sentences.join(QLatin1Char(' '));
}

void keepChartDescribed(ChartSurface& surface, const QString& name) {
    surface.setAccessibleName(name);
    const auto describe = [&surface] {
        surface.setAccessibleDescription(
            describeChart(surface.contents(), surface.horizontalExtent()));
    };
    describe();
    QObject::connect(&surface, &ChartSurface::contentsChanged, &surface, describe);
}

} // namespace kelvra
