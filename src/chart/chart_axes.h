#pragma once

class QLabel;

namespace kelvra {

class ChartSurface;
class SurfaceLine;

// Lays the 0 % midline across the surface from (0, H/2) to (W, H/2) and the report-day line
// down its centre from (W/2, 0) to (W/2, H); widths and colours are left as they are.
void LayOutMidlineAndReportDay(const ChartSurface& surface, SurfaceLine& midline,
                               SurfaceLine& reportDayLine);

// Writes the days either side of the report day, -(W/2) and W/2 ("-14" and "14"), into the
// labels above the chart's left and right ends.
void WriteDayRange(const ChartSurface& surface, QLabel& least, QLabel& most);

// Sizes the label to its text, never below its minimum width, and centres it over the surface
// in the window's coordinates; its top edge stays.
void CentreOverSurface(QLabel& label, const ChartSurface& surface);

} // namespace kelvra
