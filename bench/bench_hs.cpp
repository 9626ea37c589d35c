// Cost of STATE_HS beside STATE_PH at the same states: each (p, h) state and
// its entropy S_PH (p, h). STATE_HS classifies (h, s) by the boundary
// equations, starts from the backward p(h, s) and closes it with two or three
// Newton steps on the forward h and s; wet steam by the tie line through
// (h, s), a few saturated states from Tsat(h, s); region 5 from an ideal gas.
#include <benchmark/benchmark.h>

#include "TFS.h"

namespace {

void BM_STATE_PH(benchmark::State& state, double p, double h) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::STATE_PH(p, h));
}

void BM_STATE_HS(benchmark::State& state, double p, double h) {
    const double s = TFS::S_PH(p, h);
    for (auto _ : state) benchmark::DoNotOptimize(TFS::STATE_HS(h, s));
}

}  // namespace

#define HS_BENCHMARKS(name, p, h)               \
    BENCHMARK_CAPTURE(BM_STATE_PH, name, p, h); \
    BENCHMARK_CAPTURE(BM_STATE_HS, name, p, h)

HS_BENCHMARKS(region1_10MPa, 10.0, 1000.0);
HS_BENCHMARKS(region1_1MPa, 1.0, 100.0);
HS_BENCHMARKS(region2a_10kPa, 0.01, 2700.0);
HS_BENCHMARKS(region2b_10MPa, 10.0, 3000.0);
HS_BENCHMARKS(region2c_20MPa, 20.0, 2700.0);
HS_BENCHMARKS(region5_1MPa, 1.0, 5500.0);
HS_BENCHMARKS(region5_30MPa, 30.0, 5000.0);
HS_BENCHMARKS(region3_supercritical, 25.0, 2000.0);
HS_BENCHMARKS(region3_subcritical_vapour, 20.0, 2500.0);
HS_BENCHMARKS(region3_near_critical, 22.05, 2334.0);
HS_BENCHMARKS(wet_1MPa, 1.0, 2000.0);
HS_BENCHMARKS(wet_10kPa, 0.01, 2200.0);
HS_BENCHMARKS(wet_region3_20MPa, 20.0, 2000.0);
