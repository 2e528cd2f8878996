#pragma once

#include "engine/color_value.h"

#include <QDate>

#include <array>
#include <cstddef>

class QLabel;

namespace kelvra {

class ChartSurface;
class SurfaceLabel;
class SurfaceLine;
struct modBiorhythmCompatibility;

// The display window's labels above the chart.
struct CompatibilityScaleLabels {
    QLabel* least = nullptr; // "-14"
    QLabel* date = nullptr;  // the first person's report date
    QLabel* most = nullptr;  // "14"
};

// The compatibility chart: a white chart with a black midline and report-day line, a grey
// line and a day-of-month label for every other day, and one cycle's curve per person in
// that person's colour.
class CompatibilityChart {
public:
    static constexpr std::size_t kDayLines = 13;
    static constexpr std::size_t kDayLabels = 14;

    // Gives the surface its look and overlays; the surface must already have its size.
    CompatibilityChart(ChartSurface& surface, CompatibilityScaleLabels labels);
    Q_DISABLE_COPY_MOVE(CompatibilityChart)

    // Places the lines and labels for the report date. Each day-of-month label names the
    // real day it stands for, and is empty for a day outside the years 100 to 9999.
    void LayoutCompatibilityGrid(QDate reportDate);

    // Clears the drawing and draws the cycle's curve for every person of the roster, each
    // from his or her own report date, the higher slot on top; writes the date label.
    void DrawCycle(const modBiorhythmCompatibility& roster, std::size_t cycleIndex);

    // Writes the date in the short date format and centres it over the chart.
    void ShowReportDate(QDate reportDate);

    // Erases the curves; lines and labels stay.
    void clear();

private:
    void createOverlays();
    void placeDayLines();
    void writeDayLabels(QDate reportDate);
    void placePercentLabels();

    ChartSurface& m_surface;
    CompatibilityScaleLabels m_labels;
    SurfaceLine* m_midline = nullptr;
    SurfaceLine* m_reportDayLine = nullptr;
    std::array<SurfaceLine*, kDayLines> m_linesBefore{};
    std::array<SurfaceLine*, kDayLines> m_linesAfter{};
    std::array<SurfaceLabel*, kDayLabels> m_labelsBefore{};
    std::array<SurfaceLabel*, kDayLabels> m_labelsAfter{};
    SurfaceLabel* m_hundredPercent = nullptr;
    SurfaceLabel* m_zeroPercent = nullptr;
    SurfaceLabel* m_minusHundredPercent = nullptr;
};

} // namespace kelvra
