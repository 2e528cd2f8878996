#pragma once

#include <QString>

namespace kelvra {

class ChartSurface;
struct ChartContents;

// What a chart shows, told in words: its title, the report date and, for every curve, its
// value at the report-day line in per cent and its phase there.
QString describeChart(const ChartContents& contents, double windowDays);

// Gives the surface an accessible name and a description that every drawing run renews.
void keepChartDescribed(ChartSurface& surface, const QString& name);

} // namespace kelvra
