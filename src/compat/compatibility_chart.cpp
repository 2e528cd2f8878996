#include "compatibility_chart.h"

#include "app/color_conversion.h"
#include "app/date_conversion.h"
#include "app/short_date.h"
#include "app/ui_font.h"
#include "chart/arc_plotter.h"
#include "chart/chart_axes.h"
#include "chart/chart_description.h"
#include "chart/chart_read_out.h"
#include "chart/chart_surface.h"
#include "chart/surface_label.h"
#include "chart/surface_line.h"
#include "engine/cycle.h"
#include "engine/day_of_month_label.h"
#include "person_roster.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>

namespace kelvra {

namespace {
constexpr ColorValue kWhite = rgbColor(255, 255, 255);
constexpr ColorValue kBlack = rgbColor(0, 0, 0);
constexpr double kDayLabelInset = 0.2;
constexpr double kDayLabelTop = 0.14;

// The day lines take the colour of window frames.
ColorValue windowFrameColor() {
    return toColorValue(QApplication::palette().color(QPalette::Mid));
}

void setVertical(SurfaceLine& line, double x, double height) {
    line.setY1(0);
    line.setY2(height);
    line.setX1(x);
    line.setX2(x);
}
} // namespace

CompatibilityChart::CompatibilityChart(ChartSurface& surface, CompatibilityScaleLabels labels)
    : m_surface(surface)
    , m_labels(labels) {
    m_surface.setBackgroundColor(kWhite);
    createOverlays();
    keepChartDescribed(m_surface, QStringLiteral("Compatibility chart"));
    new ChartReadOut(m_surface);
}

void CompatibilityChart::createOverlays() {
    m_midline = m_surface.addLine(QStringLiteral("lnHor"));
    m_midline->setColor(kBlack);
    m_reportDayLine = m_surface.addLine(QStringLiteral("lnVert"));
    m_reportDayLine->setColor(kBlack);
    const ColorValue frame = windowFrameColor();
    for (std::size_t k = 0; k < kDayLines; ++k) {
        m_linesBefore[k] = m_surface.addLine(QStringLiteral("lnVertPre_%1").arg(k));
        m_linesAfter[k] = m_surface.addLine(QStringLiteral("lnVertNext_%1").arg(k));
        m_linesBefore[k]->setColor(frame);
        m_linesAfter[k]->setColor(frame);
    }
    for (std::size_t k = 0; k < kDayLabels; ++k) {
        m_labelsBefore[k] = m_surface.addLabel(QStringLiteral("lblPrevDay_%1").arg(k));
        m_labelsAfter[k] = m_surface.addLabel(QStringLiteral("lblNextDay_%1").arg(k));
        for (SurfaceLabel* label : {m_labelsBefore[k], m_labelsAfter[k]}) {
            label->setFont(uiFont(8.25));
            label->setTextColor(kBlack);
        }
    }
    m_hundredPercent = m_surface.addLabel(QStringLiteral("lblPercent_0"), QStringLiteral("100%"));
    m_zeroPercent = m_surface.addLabel(QStringLiteral("lblPercent_1"), QStringLiteral("0%"));
    m_minusHundredPercent =
        m_surface.addLabel(QStringLiteral("lblPercent_3"), QStringLiteral("-100%"));
    for (SurfaceLabel* label : {m_hundredPercent, m_zeroPercent, m_minusHundredPercent}) {
        label->setFont(uiFont(8.25, true));
        label->setTextColor(kBlack);
        label->adjustSize();
    }
    // The "-100%" label sits in the bottom right corner for good.
    const QSize area = m_surface.contentsRect().size();
    m_minusHundredPercent->setPixelPosition(
        QPointF(area.width() - m_minusHundredPercent->width() - 2,
                area.height() - m_minusHundredPercent->height()));
}

void CompatibilityChart::LayoutCompatibilityGrid(QDate reportDate) {
    LayOutMidlineAndReportDay(m_surface, *m_midline, *m_reportDayLine);
    m_reportDayLine->setWidth(2);

    placeDayLines();
    writeDayLabels(reportDate);

    WriteDayRange(m_surface, *m_labels.least, *m_labels.most);
    CentreOverSurface(*m_labels.date, m_surface);
    placePercentLabels();
}

void CompatibilityChart::placeDayLines() {
    const double height = m_surface.verticalExtent();
    const double reportDay = m_reportDayLine->x1();
    for (std::size_t k = 0; k < kDayLines; ++k) {
        const double step = static_cast<double>(k) + 1;
        setVertical(*m_linesAfter[k], reportDay + step, height);
        setVertical(*m_linesBefore[k], reportDay - step, height);
    }
}

void CompatibilityChart::writeDayLabels(QDate reportDate) {
    const CalendarDate report = toCalendarDate(reportDate);
    const double reportDay = m_surface.horizontalExtent() / 2;
    for (std::size_t k = 0; k < kDayLabels; ++k) {
        const int after = static_cast<int>(k) + 1;
        SurfaceLabel* next = m_labelsAfter[k];
        next->setLeft(reportDay + kDayLabelInset + after - 1);
        next->setTop(k == 0 ? kDayLabelTop : 0.0);
        next->setText(QString::fromStdString(DayOfMonthLabel(report, after)));
        next->adjustSize();

        const int before = static_cast<int>(kDayLabels - k);
        SurfaceLabel* previous = m_labelsBefore[k];
        previous->setLeft(reportDay + kDayLabelInset - before);
        previous->setTop(kDayLabelTop);
        previous->setText(QString::fromStdString(DayOfMonthLabel(report, -before)));
        previous->adjustSize();
    }
}

void CompatibilityChart::placePercentLabels() {
    const double width = m_surface.horizontalExtent();
    const double height = m_surface.verticalExtent();
    // Width and height are used across: the width shifts the top, the height the left.
    const QString hundred = QStringLiteral("100%");
    m_hundredPercent->setTop(height / 2 + m_surface.textWidth(hundred) / 2 - 10);
    m_hundredPercent->setLeft(width - m_surface.textHeight(hundred) + 0.01);
    const QString zero = QStringLiteral("0%");
    m_zeroPercent->setTop(height / 2 + m_surface.textWidth(zero) / 2);
    m_zeroPercent->setLeft(width - m_surface.textHeight(zero) + 0.5);
}

void CompatibilityChart::DrawCycle(const modBiorhythmCompatibility& roster,
                                   std::size_t cycleIndex) {
    clear();
    ShowReportDate(roster.dtReportDate[0]);
    const Cycle& cycle = kCycles.at(cycleIndex);
    const int period = cycle.period;
    ChartContents contents{QStringLiteral("%1 Compatibility").arg(QLatin1String(cycle.name)),
                           roster.dtReportDate[0],
                           {}};
    for (int i = 0; i < roster.personCount(); ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const QDate birth = roster.dtBirthDate[slot];
        const QDate report = roster.dtReportDate[slot];
        if (!birth.isValid() || !report.isValid()) {
            continue;
        }
        const std::int32_t daysLived = DaysLived(toCalendarDate(birth), toCalendarDate(report));
        PlotCycleArcs(m_surface, daysLived, period, roster.lngLineColor[slot]);
        contents.curves.push_back(
            {roster.strPersonName[slot], roster.lngLineColor[slot], period, birth, report});
    }
    m_surface.setContents(std::move(contents));
}

void CompatibilityChart::ShowReportDate(QDate reportDate) {
    m_labels.date->setText(formatShortDate(reportDate));
    CentreOverSurface(*m_labels.date, m_surface);
}

void CompatibilityChart::clear() {
    m_surface.clear();
    m_surface.removeBackgroundPicture();
}

} // namespace kelvra
