#include "chart_axes.h"

#include "chart_surface.h"
#include "surface_line.h"

#include <QLabel>

#include <algorithm>

namespace kelvra {

void LayOutMidlineAndReportDay(const ChartSurface& surface, SurfaceLine& midline,
                               SurfaceLine& reportDayLine) {
    const double width = surface.horizontalExtent();
    const double height = surface.verticalExtent();

    midline.setY1(height / 2);
    midline.setY2(midline.y1());
    midline.setX1(0);
    midline.setX2(width);

    reportDayLine.setY1(0);
    reportDayLine.setY2(height);
    reportDayLine.setX1(width / 2);
    reportDayLine.setX2(width / 2);
}

void WriteDayRange(const ChartSurface& surface, QLabel& least, QLabel& most) {
    const double width = surface.horizontalExtent();
    least.setText(QString::number(-(width / 2)));
    most.setText(QString::number(width / 2));
}

void CentreOverSurface(QLabel& label, const ChartSurface& surface) {
    label.resize(std::max(label.minimumWidth(), label.sizeHint().width()), label.height());
    label.move(surface.outerLeft() + surface.outerWidth() / 2 - label.width() / 2, label.y());
}

} // namespace kelvra
