#include "arc_plotter.h"

#include "point_sink.h"

#include "engine/cycle.h"

#include <cmath>

namespace kelvra {

void Parabola(PointSink& surface, double Xa, double Ya, double LastPt, ColorValue RedGreenBlue) {
    // A non-finite end would never be reached by the stepping.
    if (!std::isfinite(Xa) || !std::isfinite(LastPt)) {
        return;
    }
    const double midline = surface.verticalExtent() / 2;
    const double halfWidth = LastPt - Xa;
    const double k = (midline - Ya) / (halfWidth * halfWidth);
    // The step is accumulated rather than multiplied, so the last point depends on how
    // the rounding of 0.01 creeps; callers count on exactly this stepping.
    for (double x = Xa - halfWidth; x <= LastPt; x += 0.01) {
        const double y = (x - Xa) * (x - Xa) * k + Ya;
        surface.setPoint(static_cast<float>(x), static_cast<float>(y), RedGreenBlue);
    }
}

void PlotCycleArcs(PointSink& surface, std::int32_t daysLived, int period, ColorValue color) {
    const double windowDays = surface.horizontalExtent();
    for (const CycleArc& arc : EnumerateCycleArcs(daysLived, period, windowDays)) {
        const double vertexY = arc.kind == ArcKind::Peak ? 0.0 : surface.verticalExtent();
        Parabola(surface, arc.vertex, vertexY, arc.rightEnd, color);
    }
}

} // namespace kelvra
