#pragma once

#include <QString>

namespace kelvra {

// One heading and text of the chart window's explanation panel.
struct ChartExplanation {
    QString heading;
    QString text;
};

// Shown at start and over the legend strip's background.
ChartExplanation generalExplanation();
// Shown over the legend words "Physical", "Emotional" and "Intellectual".
ChartExplanation physicalExplanation();
ChartExplanation emotionalExplanation();
ChartExplanation intellectualExplanation();

} // namespace kelvra
