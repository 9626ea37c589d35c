// Cost of T(p, h) and of the transport properties. A region 3 temperature
// takes Newton steps on the forward enthalpy from the backward equations
// T(p, h) and v(p, h); the transport properties cost one specific volume
// each plus their own exponentials and real powers.
#include <benchmark/benchmark.h>

#include "TFS.h"

namespace {

// Above the critical pressure (subregion 3a).
void BM_T_PH_region3_supercritical(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::T_PH(25, 2000));
}
BENCHMARK(BM_T_PH_region3_supercritical);

// On the vapour side below the critical pressure (subregion 3b, region 32).
void BM_T_PH_region3_subcritical_vapour(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::T_PH(20, 2500));
}
BENCHMARK(BM_T_PH_region3_subcritical_vapour);

// For comparison: a backward equation (subregion 2b), no iteration at all.
void BM_T_PH_region2b(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::T_PH(10, 3000));
}
BENCHMARK(BM_T_PH_region2b);

// Transport properties in each (p, t) region: 1, 2, 3 (above and below the
// critical pressure) and 5.
void BM_MIU_PT(benchmark::State& state, double p, double t) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::MIU_PT(p, t));
}
BENCHMARK_CAPTURE(BM_MIU_PT, region1, 10.0, 300.0);
BENCHMARK_CAPTURE(BM_MIU_PT, region2, 0.1, 200.0);
BENCHMARK_CAPTURE(BM_MIU_PT, region3, 25.0, 380.0);
BENCHMARK_CAPTURE(BM_MIU_PT, region32, 20.0, 370.0);
BENCHMARK_CAPTURE(BM_MIU_PT, region5, 5.0, 1000.0);

void BM_LMB_PT(benchmark::State& state, double p, double t) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::LMB_PT(p, t));
}
BENCHMARK_CAPTURE(BM_LMB_PT, region1, 10.0, 300.0);
BENCHMARK_CAPTURE(BM_LMB_PT, region2, 0.1, 200.0);
BENCHMARK_CAPTURE(BM_LMB_PT, region3, 25.0, 380.0);
BENCHMARK_CAPTURE(BM_LMB_PT, region32, 20.0, 370.0);
BENCHMARK_CAPTURE(BM_LMB_PT, region5, 5.0, 1000.0);

}  // namespace
