// Cost of T(p, s) and STATE_PS beside T(p, h) and STATE_PH at the same
// states: each (p, h) state of the T_PH benchmarks and its entropy S_PH (p, h).
// T_PS and STATE_PH close their backward estimates with two or three forward
// entropies or enthalpies (T_PH stops at the backward temperature outside
// regions 3 and 5); in region 3 each of those needs the volume, by Newton
// steps from the backward v(p, s) or v(p, h) first, then from the previous
// root. Region 5 has no backward equation: its search starts from region 2's.
#include <benchmark/benchmark.h>

#include "TFS.h"

namespace {

void BM_T_PH(benchmark::State& state, double p, double h) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::T_PH(p, h));
}

void BM_T_PS(benchmark::State& state, double p, double h) {
    const double s = TFS::S_PH(p, h);
    for (auto _ : state) benchmark::DoNotOptimize(TFS::T_PS(p, s));
}

void BM_STATE_PH(benchmark::State& state, double p, double h) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::STATE_PH(p, h));
}

void BM_STATE_PS(benchmark::State& state, double p, double h) {
    const double s = TFS::S_PH(p, h);
    for (auto _ : state) benchmark::DoNotOptimize(TFS::STATE_PS(p, s));
}

}  // namespace

#define PS_BENCHMARKS(name, p, h)               \
    BENCHMARK_CAPTURE(BM_T_PH, name, p, h);     \
    BENCHMARK_CAPTURE(BM_T_PS, name, p, h);     \
    BENCHMARK_CAPTURE(BM_STATE_PH, name, p, h); \
    BENCHMARK_CAPTURE(BM_STATE_PS, name, p, h)

PS_BENCHMARKS(region1_01MPa, 0.1, 100.0);
PS_BENCHMARKS(region1_10MPa, 10.0, 1000.0);
PS_BENCHMARKS(region2b_10MPa, 10.0, 3000.0);
PS_BENCHMARKS(region1_20MPa, 20.0, 1000.0);
PS_BENCHMARKS(region2b_20MPa, 20.0, 3500.0);
PS_BENCHMARKS(region2c_20MPa, 20.0, 2700.0);
PS_BENCHMARKS(region5_1MPa, 1.0, 5000.0);
PS_BENCHMARKS(region5_40MPa, 40.0, 6500.0);
PS_BENCHMARKS(region3_supercritical, 25.0, 2000.0);
PS_BENCHMARKS(region3_subcritical_vapour, 20.0, 2500.0);
PS_BENCHMARKS(region3_subcritical_liquid, 21.0, 1800.0);
PS_BENCHMARKS(region3_near_critical, 22.05, 2334.0);
PS_BENCHMARKS(wet_1MPa, 1.0, 2000.0);
PS_BENCHMARKS(wet_region3_20MPa, 20.0, 2000.0);
