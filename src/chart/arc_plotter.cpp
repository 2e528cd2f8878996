#include "arc_plotter.h"

#include "point_sink.h"

#include "engine/cycle.h"

#include <cmath>

namespace kelvra {

namespace {
template <typename Plot>
void stepArc(double Xa, double Ya, double LastPt, double midline, Plot plot) {
    const double halfWidth = LastPt - Xa;
    const double k = (midline - Ya) / (halfWidth * halfWidth);
    // The step is accumulated rather than multiplied, so the last point depends on how
    // the rounding of 0.01 creeps; callers count on exactly this stepping.
    for (double x = Xa - halfWidth; x <= LastPt; x += 0.01) {
        const double y = (x - Xa) * (x - Xa) * k + Ya;
        plot(static_cast<float>(x), static_cast<float>(y));
    }
}
} // namespace

void Parabola(PointSink& surface, double Xa, double Ya, double LastPt, ColorValue RedGreenBlue) {
    // A non-finite end would never be reached by the stepping.
    if (!std::isfinite(Xa) || !std::isfinite(LastPt)) {
        return;
    }
    const double midline = surface.verticalExtent() / 2;
    // A run sets some 20 000 points: straight into the image where the surface has one.
    if (const std::optional<PointRaster> raster = surface.beginPoints()) {
        const QRgb pixel = opaquePixel(RedGreenBlue);
        stepArc(Xa, Ya, LastPt, midline,
                [&raster, pixel](float x, float y) { raster->set(x, y, pixel); });
        surface.endPoints();
        return;
    }
    stepArc(Xa, Ya, LastPt, midline,
            [&surface, RedGreenBlue](float x, float y) { surface.setPoint(x, y, RedGreenBlue); });
}

void PlotCycleArcs(PointSink& surface, std::int32_t daysLived, int period, ColorValue color) {
    const double windowDays = surface.horizontalExtent();
    for (const CycleArc& arc : EnumerateCycleArcs(daysLived, period, windowDays)) {
        const double vertexY = arc.kind == ArcKind::Peak ? 0.0 : surface.verticalExtent();
        Parabola(surface, arc.vertex, vertexY, arc.rightEnd, color);
    }
}

} // namespace kelvra
