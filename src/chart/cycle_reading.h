#pragma once

#include "chart_contents.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace kelvra {

enum class CyclePhase { Rising, Falling, AtHigh, AtLow, Critical };

// Where a cycle stands on the day `dayCount` days after birth, judged over that day's half
// day either side: Critical when the curve crosses the midline there, AtHigh or AtLow when a
// vertex lies there, otherwise Rising or Falling.
CyclePhase PhaseOnDay(std::int64_t dayCount, int period);

// "critical", "at its high", "at its low", "rising" or "falling".
QString phaseText(CyclePhase phase);

// A value in per cent with one decimal and its sign: "+100.0 %", "0.0 %", "-42.5 %".
QString percentText(double percent);

// One curve read at a place of its chart.
struct CurveReading {
    QString name;
    ColorValue color = 0;
    QDate day;          // the day whose line is nearest
    double percent = 0; // the curve's value at the place itself
    CyclePhase phase = CyclePhase::Rising;
};

// Every drawn curve read at window position x of a window `windowDays` wide: its value as
// drawn there, and the day nearest x (report date plus x - W/2, rounded) with its phase.
std::vector<CurveReading> ReadCurves(const ChartContents& contents, double x, double windowDays);

} // namespace kelvra
