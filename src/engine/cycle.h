#pragma once

#include "color_value.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kelvra {

// One of the three biorhythm cycles.
struct Cycle {
    std::string_view name;
    int period = 0;                  // whole days
    ColorValue singleChartColor = 0; // curve colour in the one-person chart

    constexpr double quarterPeriod() const { return period / 4.0; }
    constexpr double halfPeriod() const { return period / 2.0; }
};

// The cycles in their fixed order: drawing order and legend order.
inline constexpr std::array<Cycle, 3> kCycles{{
    {"Physical", 23, rgbColor(255, 0, 0)},
    {"Emotional", 28, rgbColor(0, 255, 0)},
    {"Intellectual", 33, rgbColor(255, 128, 255)},
}};

// Width in days of the window a chart shows: 14 days either side of the report day.
inline constexpr double kChartWindowDays = 28.0;

// D mod P as a truncated remainder: the sign of D, magnitude below P (P > 0).
constexpr int Phase(std::int32_t daysLived, int period) {
    return static_cast<int>(daysLived % period);
}

enum class ArcKind { Peak, Trough };

// One half-period parabolic arc of a cycle curve, in window-axis days.
struct CycleArc {
    double vertex = 0.0;
    ArcKind kind = ArcKind::Peak;
    double rightEnd = 0.0; // vertex + P/4; the left end is vertex - P/4

    friend bool operator==(const CycleArc&, const CycleArc&) = default;
};

// Widest window the arcs are listed for.
inline constexpr double kMaxWindowDays = 1.0e6;

// The arcs, left to right, peaks and troughs alternating, that cover the window
// [0, windowDays] for a cycle of the given period at day count daysLived (the report day being
// the window's centre). The first arc ends at or right of 0; the last may lie wholly right of
// the window. No arcs for a period below 1 or a window outside [0, kMaxWindowDays].
std::vector<CycleArc> EnumerateCycleArcs(std::int32_t daysLived, int period, double windowDays);

// The cycle's value in per cent (-100 to +100) at window position x: the height of the arc
// chain above, so +100 at a peak vertex, -100 at a trough vertex, 0 where arcs meet.
double CyclePercentAt(std::int32_t daysLived, int period, double x, double windowDays);

} // namespace kelvra
