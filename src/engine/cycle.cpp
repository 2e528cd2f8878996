#include "cycle.h"

#include <cmath>

namespace kelvra {

std::vector<CycleArc> EnumerateCycleArcs(std::int32_t daysLived, int period, double windowDays) {
    // Outside these bounds the walk below would not end (or would cast out of float range).
    if (period < 1 || !(windowDays >= 0.0 && windowDays <= kMaxWindowDays)) {
        return {};
    }
    const double quarter = period / 4.0;
    const double half = period / 2.0;
    // The window's width is compared in single precision, as the chart surface holds it.
    const float windowLimit = static_cast<float>(windowDays);

    double x = windowDays / 2 + quarter - Phase(daysLived, period);
    while (x > 0) {
        x -= period;
    }
    x -= half;

    std::vector<CycleArc> arcs;
    while (static_cast<float>(x) < windowLimit) {
        x += half;
        if (x + quarter >= 0) {
            arcs.push_back({x, ArcKind::Peak, x + quarter});
        }
        x += half;
        if (x + quarter >= 0) {
            arcs.push_back({x, ArcKind::Trough, x + quarter});
        }
    }
    return arcs;
}

double CyclePercentAt(std::int32_t daysLived, int period, double x, double windowDays) {
    const double quarter = period / 4.0;
    const double dayCount = static_cast<double>(daysLived) + (x - windowDays / 2);
    // Position within the cycle, counted from its rising midline crossing: 0 <= inCycle <= P.
    double inCycle = std::fmod(dayCount, period);
    if (inCycle < 0) {
        inCycle += period;
    }
    const bool onPeak = inCycle < 2 * quarter;
    const double vertex = onPeak ? quarter : 3 * quarter;
    const double offset = (inCycle - vertex) / quarter;
    const double magnitude = 100.0 * (1.0 - offset * offset);
    return onPeak ? magnitude : -magnitude;
}

} // namespace kelvra
