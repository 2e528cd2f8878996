#pragma once

#include "engine/color_value.h"

#include <cstdint>

namespace kelvra {

class PointSink;

// Plots one parabolic arc point by point every 0.01 day, from the left end on the
// midline (Xa - (LastPt - Xa)) through the vertex (Xa, Ya) to LastPt.
void Parabola(PointSink& surface, double Xa, double Ya, double LastPt, ColorValue RedGreenBlue);

// Plots every arc of a cycle across the surface's horizontal extent, left to right:
// peaks touch the top edge (y = 0), troughs the bottom edge (y = H).
void PlotCycleArcs(PointSink& surface, std::int32_t daysLived, int period, ColorValue color);

} // namespace kelvra
