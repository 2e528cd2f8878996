// EnumerateCycleArcs: the arcs cover the window without a gap, peaks and troughs alternate,
// each is half a period wide, and the curve reaches +100 or -100 % at each vertex.
#include "engine/cycle.h"
#include "fuzz_support.h"

#include <cmath>

using namespace kelvra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::int32_t daysLived = input.number<std::int32_t>();
    const std::uint16_t periodBits = input.number<std::uint16_t>();
    const int period = periodBits < 3 * 256 ? kCycles[periodBits % 3].period : periodBits % 2000;
    const std::uint32_t windowBits = input.number<std::uint32_t>();
    // Mostly the chart's own window; else any width up to ten thousand days.
    const double window =
        windowBits < (1U << 31) ? kChartWindowDays : (windowBits % 1'000'000) / 100.0;

    const std::vector<CycleArc> arcs = EnumerateCycleArcs(daysLived, period, window);
    if (period < 1) {
        FUZZ_CHECK(arcs.empty());
        return 0;
    }
    const double quarter = period / 4.0;
    const double slack = 1e-9 * (window + period);
    FUZZ_CHECK(!arcs.empty());
    FUZZ_CHECK(arcs.front().vertex - quarter <= slack);
    FUZZ_CHECK(arcs.front().rightEnd >= 0.0);
    FUZZ_CHECK(arcs.back().rightEnd >= window);
    for (std::size_t i = 0; i < arcs.size(); ++i) {
        const CycleArc& arc = arcs[i];
        FUZZ_CHECK(std::abs(arc.rightEnd - (arc.vertex - quarter) - period / 2.0) <= slack);
        const double percent = CyclePercentAt(daysLived, period, arc.vertex, window);
        FUZZ_CHECK(std::abs(percent - (arc.kind == ArcKind::Peak ? 100.0 : -100.0)) <= 1e-6);
        if (i > 0) {
            FUZZ_CHECK(arc.kind != arcs[i - 1].kind);
            FUZZ_CHECK(std::abs(arc.vertex - quarter - arcs[i - 1].rightEnd) <= slack);
        }
    }
    return 0;
}
