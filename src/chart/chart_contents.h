#pragma once

#include "engine/color_value.h"

#include <QDate>
#include <QString>

#include <vector>

namespace kelvra {

// One curve of a drawn chart: a cycle of one person, and the dates it was drawn from.
struct DrawnCurve {
    QString name; // the cycle's name, or the person's
    ColorValue color = 0;
    int period = 0;
    QDate birthDate;
    QDate reportDate; // the report day lies at the middle of the window
};

// What a chart surface shows since its last drawing run: read by the hover read-out, the
// accessible description and the kept picture. No curves before the first run.
struct ChartContents {
    QString title;
    QDate captionDate; // the date written above the chart
    std::vector<DrawnCurve> curves;
};

} // namespace kelvra
