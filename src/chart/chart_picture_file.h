#pragma once

#include <QString>

class QPrinter;

namespace kelvra {

class ChartPicture;

// Writes the picture to a file in the format its suffix names: PNG at the screen's
// resolution, PDF as one page of the picture's size, or SVG. The file is replaced only once
// the picture is written whole. Returns an empty text on success, else what went wrong.
QString writeChartPicture(const ChartPicture& picture, const QString& fileName, qreal ratio);

// Prints the picture scaled to the printer's page; false when the printer cannot be used.
bool printChartPicture(const ChartPicture& picture, QPrinter& printer);

} // namespace kelvra
