#pragma once

#include <QDate>

#include <array>

class QLabel;

namespace kelvra {

class ChartSurface;
class SurfaceLabel;
class SurfaceLine;

// The window's labels above the chart: "-14" on the left, the report date, "14" on the right.
struct ChartScaleLabels {
    QLabel* least = nullptr;
    QLabel* date = nullptr;
    QLabel* most = nullptr;
};

// Draws the single-person chart: black background, white midline and report-day line,
// white percent labels, and the three cycle curves in red, green and violet.
class BiorhythmChartRenderer {
public:
    // Gives the surface its look and its overlays (lnHor, lnVert, lblPercent_0..2). The
    // surface must already have its size.
    BiorhythmChartRenderer(ChartSurface& surface, ChartScaleLabels labels);
    Q_DISABLE_COPY_MOVE(BiorhythmChartRenderer)

    // Places the lines and labels; run once, after the horizontal extent is set.
    void LayoutChartAxes(QDate reportDate);

    // Clears the surface and draws Physical, Emotional and Intellectual in that order, so
    // the later cycle lies on top where curves cross; writes the date label.
    void DrawBiorhythms(QDate birthDate, QDate reportDate);

    // Writes the report date in the short date format and centres it over the surface.
    void ShowReportDate(QDate reportDate);

private:
    void placeCornerLabels();

    ChartSurface& m_surface;
    ChartScaleLabels m_labels;
    SurfaceLine* m_midline = nullptr;
    SurfaceLine* m_reportDayLine = nullptr;
    std::array<SurfaceLabel*, 3> m_percentLabels{};
};

} // namespace kelvra
