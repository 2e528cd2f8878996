#pragma once

#include "chart_contents.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace kelvra {

class ChartSurface;

// A picture of a chart that tells what it shows: the title, the day range and the date
// caption above the chart as shown (lines and scale labels included), and below it a legend
// with the curves' names in their colours, the birth dates and the report date. Measured in
// logical pixels; any painter scales it.
class ChartPicture {
public:
    explicit ChartPicture(ChartSurface& surface);

    QSize size() const { return m_size; }
    // Where the chart and the legend lie in the picture.
    QRect chartRect() const { return m_chartRect; }
    QRect legendRect() const { return m_legendRect; }

    void paint(QPainter& painter) const;
    // The picture at `ratio` device pixels per logical pixel.
    QImage toImage(qreal ratio) const;

private:
    struct Run {
        QString text;
        QColor color;
        std::optional<QColor> swatch;
    };
    using Row = std::vector<Run>;

    void buildLegend();
    int rowWidth(const Row& row) const;
    void paintRow(QPainter& painter, const Row& row, QPoint origin) const;

    QImage m_chart;
    ChartContents m_contents;
    QString m_least;
    QString m_most;
    QColor m_legendBackground;
    std::vector<Row> m_legend;
    QSize m_size;
    QRect m_chartRect;
    QRect m_legendRect;
};

} // namespace kelvra
