#include "chart_renderer.h"

#include "arc_plotter.h"
#include "chart_axes.h"
#include "chart_description.h"
#include "chart_read_out.h"
#include "chart_surface.h"
#include "surface_label.h"
#include "surface_line.h"

#include "app/date_conversion.h"
#include "app/short_date.h"
#include "app/twips.h"
#include "app/ui_font.h"
#include "engine/cycle.h"

#include <QLabel>

namespace kelvra {

namespace {
constexpr ColorValue kBlack = rgbColor(0, 0, 0);
constexpr ColorValue kWhite = rgbColor(255, 255, 255);

// Places a label by its designed rectangle, widened to its text and kept inside the area:
// the corner labels were designed against the surface's outer size.
void placeInCorner(SurfaceLabel& label, const QRect& designed, const QSize& area) {
    const QSize size = designed.size().expandedTo(label.sizeHint());
    label.resize(size);
    const int left = std::min(designed.left(), area.width() - size.width());
    const int top = std::min(designed.top(), area.height() - size.height());
    label.setPixelPosition(QPointF(std::max(0, left), std::max(0, top)));
}
} // namespace

BiorhythmChartRenderer::BiorhythmChartRenderer(ChartSurface& surface, ChartScaleLabels labels)
    : m_surface(surface)
    , m_labels(labels) {
    m_surface.setBackgroundColor(kBlack);
    m_midline = m_surface.addLine(QStringLiteral("lnHor"));
    m_reportDayLine = m_surface.addLine(QStringLiteral("lnVert"));
    const std::array<QString, 3> texts{QStringLiteral("100%"), QStringLiteral("0%"),
                                       QStringLiteral("-100%")};
    for (std::size_t index = 0; index < texts.size(); ++index) {
        SurfaceLabel* label =
            m_surface.addLabel(QStringLiteral("lblPercent_%1").arg(index), texts[index]);
        label->setFont(uiFont(8.25, true));
        label->setTextColor(kWhite);
        m_percentLabels[index] = label;
    }
    // Our bold face needs more than the designed width for the whole of "0%".
    m_percentLabels[1]->resize(twipsSize(255, 195).expandedTo(m_percentLabels[1]->sizeHint()));
    placeCornerLabels();
    keepChartDescribed(m_surface, QStringLiteral("Biorhythm chart"));
    new ChartReadOut(m_surface);
}

void BiorhythmChartRenderer::placeCornerLabels() {
    const QSize area = m_surface.contentsRect().size();
    placeInCorner(*m_percentLabels[0], twipsRect(6000, 0, 465, 195), area);
    m_percentLabels[2]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeInCorner(*m_percentLabels[2], twipsRect(5940, 6270, 525, 195), area);
}

void BiorhythmChartRenderer::LayoutChartAxes(QDate reportDate) {
    LayOutMidlineAndReportDay(m_surface, *m_midline, *m_reportDayLine);
    WriteDayRange(m_surface, *m_labels.least, *m_labels.most);
    ShowReportDate(reportDate);

    // Width and height are used across: the width shifts the top, the height the left.
    const QString zero = QStringLiteral("0%");
    m_percentLabels[1]->setTop(m_surface.verticalExtent() / 2 + m_surface.textWidth(zero) / 2);
    m_percentLabels[1]->setLeft(m_surface.horizontalExtent() - m_surface.textHeight(zero));
}

void BiorhythmChartRenderer::ShowReportDate(QDate reportDate) {
    m_labels.date->setText(formatShortDate(reportDate));
    CentreOverSurface(*m_labels.date, m_surface);
}

void BiorhythmChartRenderer::DrawBiorhythms(QDate birthDate, QDate reportDate) {
    m_surface.clear();
    m_surface.removeBackgroundPicture();
    ShowReportDate(reportDate);
    const std::int32_t daysLived = DaysLived(toCalendarDate(birthDate), toCalendarDate(reportDate));
    ChartContents contents{QStringLiteral("Biorhythm Chart"), reportDate, {}};
    for (const Cycle& cycle : kCycles) {
        PlotCycleArcs(m_surface, daysLived, cycle.period, cycle.singleChartColor);
        contents.curves.push_back({QString::fromLatin1(cycle.name), cycle.singleChartColor,
                                   cycle.period, birthDate, reportDate});
    }
    m_surface.setContents(std::move(contents));
}

} // namespace kelvra
