#include "chart_picture.h"

#include "chart_surface.h"
#include "legend_colors.h"

#include "app/color_conversion.h"
#include "app/short_date.h"
#include "app/ui_font.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace kelvra {

namespace {
constexpr int kMargin = 10;
constexpr int kGap = 6;
constexpr int kSwatchGap = 4;

// Fonts sized in pixels, so a painter's scale alone decides their size on any device.
QFont pictureFont(double pointSize, bool bold = false) {
    QFont font = uiFont(pointSize, bold);
    font.setPixelSize(qRound(pointSize * 96 / 72));
    return font;
}

QFont titleFont() {
    return pictureFont(11, true);
}
QFont scaleFont() {
    return pictureFont(9.75, true);
}
QFont legendFont() {
    return pictureFont(8.25);
}

bool sameDates(const std::vector<DrawnCurve>& curves) {
    return std::all_of(curves.begin(), curves.end(), [&curves](const DrawnCurve& curve) {
        return curve.birthDate == curves.front().birthDate &&
               curve.reportDate == curves.front().reportDate;
    });
}

QString datesText(const DrawnCurve& curve) {
    return QStringLiteral("birth date %1, report date %2")
        .arg(formatShortDate(curve.birthDate), formatShortDate(curve.reportDate));
}
} // namespace

ChartPicture::ChartPicture(ChartSurface& surface)
    : m_chart(surface.snapshot())
    , m_contents(surface.contents())
    , m_least(QString::number(-surface.horizontalExtent() / 2))
    , m_most(QString::number(surface.horizontalExtent() / 2))
    , m_legendBackground(toQColor(surface.backgroundColor())) {
    if (m_contents.title.isEmpty()) {
        m_contents.title = surface.accessibleName();
    }
    buildLegend();
    const QSize chart = m_chart.deviceIndependentSize().toSize();
    const int lineHeight = std::max(QFontMetrics(titleFont()).height(), 1);
    const int scaleHeight = QFontMetrics(scaleFont()).height();
    const int legendLine = QFontMetrics(legendFont()).height() + 2;
    int legendWidth = 0;
    for (const Row& row : m_legend) {
        legendWidth = std::max(legendWidth, rowWidth(row));
    }
    const int width = std::max(chart.width(), legendWidth + 2 * kGap);
    const int chartTop = kMargin + lineHeight + kGap + scaleHeight + 2;
    m_chartRect = QRect(QPoint(kMargin + (width - chart.width()) / 2, chartTop), chart);
    m_legendRect = QRect(kMargin, m_chartRect.bottom() + 1 + kGap, width,
                         static_cast<int>(m_legend.size()) * legendLine + 2 * kGap);
    m_size = QSize(width + 2 * kMargin, m_legendRect.bottom() + 1 + kMargin);
}

void ChartPicture::buildLegend() {
    const QColor text = textColorOn(m_legendBackground);
    const std::vector<DrawnCurve>& curves = m_contents.curves;
    if (curves.empty()) {
        m_legend.push_back({{QStringLiteral("No chart drawn yet."), text, std::nullopt}});
        return;
    }
    const bool shared = sameDates(curves);
    Row names;
    for (const DrawnCurve& curve : curves) {
        names.push_back(
            {curve.name, nameColorOn(curve.color, m_legendBackground), toQColor(curve.color)});
        if (!shared) {
            names.push_back({QStringLiteral(": ") + datesText(curve), text, std::nullopt});
            m_legend.push_back(names);
            names.clear();
        }
    }
    if (shared) {
        m_legend.push_back(names);
        QString dates = datesText(curves.front());
        dates[0] = dates[0].toUpper();
        m_legend.push_back({{dates, text, std::nullopt}});
    }
}

int ChartPicture::rowWidth(const Row& row) const {
    const QFontMetrics metrics(legendFont());
    int width = 0;
    for (const Run& run : row) {
        width += (run.swatch ? metrics.height() / 2 + kSwatchGap : 0) +
                 metrics.horizontalAdvance(run.text) + kGap;
    }
    return width;
}

void ChartPicture::paintRow(QPainter& painter, const Row& row, QPoint origin) const {
    const QFontMetrics metrics(legendFont());
    const int side = metrics.height() / 2;
    int x = origin.x();
    for (const Run& run : row) {
        if (run.swatch) {
            painter.fillRect(QRect(x, origin.y() + (metrics.height() - side) / 2, side, side),
                             *run.swatch);
            x += side + kSwatchGap;
        }
        painter.setPen(run.color);
        painter.drawText(QPoint(x, origin.y() + metrics.ascent()), run.text);
        x += metrics.horizontalAdvance(run.text) + kGap;
    }
}

void ChartPicture::paint(QPainter& painter) const {
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), m_size), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(titleFont());
    const int lineHeight = QFontMetrics(titleFont()).height();
    painter.drawText(QRect(kMargin, kMargin, m_chartRect.width(), lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, m_contents.title);

    painter.setFont(scaleFont());
    const QRect scale(m_chartRect.left(), kMargin + lineHeight + kGap, m_chartRect.width(),
                      m_chartRect.top() - (kMargin + lineHeight + kGap));
    painter.drawText(scale, Qt::AlignLeft | Qt::AlignVCenter, m_least);
    painter.drawText(scale, Qt::AlignRight | Qt::AlignVCenter, m_most);
    if (m_contents.captionDate.isValid()) {
        painter.drawText(scale, Qt::AlignCenter, formatShortDate(m_contents.captionDate));
    }

    painter.drawImage(QRectF(m_chartRect), m_chart);
    painter.fillRect(m_legendRect, m_legendBackground);
    painter.setFont(legendFont());
    const int legendLine = QFontMetrics(legendFont()).height() + 2;
    QPoint origin = m_legendRect.topLeft() + QPoint(kGap, kGap);
    for (const Row& row : m_legend) {
        paintRow(painter, row, origin);
        origin.ry() += legendLine;
    }
    painter.restore();
}

QImage ChartPicture::toImage(qreal ratio) const {
    QImage image(m_size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    paint(painter);
    return image;
}

} // namespace kelvra
