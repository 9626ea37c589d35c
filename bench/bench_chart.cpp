// The isolines of each diagram kind (medians of five runs), the core's time
// alone: the default chart with its default isolines, and the redraw after a
// zoom (to half the range around the view's middle, and to a quarter around
// the critical point, where the lines bend most).
#include "chart_isolines.h"

#include <benchmark/benchmark.h>

namespace {

enum class View { Default, HalfAroundMiddle, QuarterAroundCriticalPoint };

ChartRange RangeOf(const ChartKindRow& kind, View view) {
    const ChartRange whole = kind.defaultRange();
    if (view == View::Default) return whole;
    const double share = view == View::HalfAroundMiddle ? 0.25 : 0.125;
    const ChartPoint critical = CriticalChartPoint();
    const auto around = [&](const ChartAxis& axis, double min, double max, ChartQuantity quantity) {
        const double at = view == View::HalfAroundMiddle
                              ? 0.5
                              : AxisFraction(axis.logarithmic, min, max, ValueOf(critical, quantity));
        return std::pair{AxisValue(axis.logarithmic, min, max, at - share),
                         AxisValue(axis.logarithmic, min, max, at + share)};
    };
    const auto [xMin, xMax] = around(kind.x, whole.xMin, whole.xMax, kind.x.quantity);
    const auto [yMin, yMax] = around(kind.y, whole.yMin, whole.yMax, kind.y.quantity);
    return {xMin, xMax, yMin, yMax};
}

void Chart(benchmark::State& state, ChartKind kind, View view) {
    const ChartKindRow& row = KindRow(kind);
    const ChartRange range = RangeOf(row, view);
    const std::vector<IsolineId> ids = IsolinesOf(row.defaultFamilies);
    for (auto _ : state) benchmark::DoNotOptimize(ComputeChartLines(ids, row, range));
}

void Register(const char* name, ChartKind kind) {
    for (const auto& [suffix, view] : {std::pair{"/default", View::Default}, std::pair{"/zoom_half", View::HalfAroundMiddle},
                                       std::pair{"/zoom_critical", View::QuarterAroundCriticalPoint}})
        benchmark::RegisterBenchmark((std::string("Chart/") + name + suffix).c_str(), Chart, kind, view)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
}

const bool registered = [] {
    Register("ts", ChartKind::TemperatureEntropy);
    Register("hs", ChartKind::EnthalpyEntropy);
    Register("ph", ChartKind::PressureEnthalpy);
    Register("pt", ChartKind::PressureTemperature);
    Register("pv", ChartKind::PressureVolume);
    return true;
}();

}  // namespace
