// Tables of 1 000 points along a line (medians of nine runs), the core's time alone: the points, every run of the
// calculator and the refusals. The texts of the rows are written when a view shows them, not here.
#include "line_table.h"

#include <benchmark/benchmark.h>

namespace {

void Line(benchmark::State& state, LineKind kind, double fixed, double from, double to) {
    LineDefinition line;
    line.kind = kind;
    line.fixed = fixed;
    line.from = from;
    line.to = to;
    line.stepKind = StepKind::Points;
    line.points = 1000;
    for (auto _ : state) {
        const LinePoints points = PointsOf(line);
        const LineTable table = ComputeLine(line, std::get<QList<LinePoint>>(points));
        benchmark::DoNotOptimize(table);
    }
}

}  // namespace

// Compressed water boiling into superheated steam at 1 MPa: regions 1 and 2.
BENCHMARK_CAPTURE(Line, isobar_regions_1_and_2, LineKind::Isobar, 1.0, 20.0, 600.0)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
// Just above the critical temperature from steam through region 3 to dense fluid.
BENCHMARK_CAPTURE(Line, isotherm_through_region_3, LineKind::Isotherm, 380.0, 10.0, 50.0)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
// Both saturated phases up to just below the critical point, region 3 above 350 °C.
BENCHMARK_CAPTURE(Line, saturation_line_by_t, LineKind::SaturationByT, 0.0, 0.01, 373.945)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
