// Cost of a whole state at once: STATE_PT and STATE_PH in each region and for
// wet steam, and both saturated phases by pressure and by temperature.
#include <benchmark/benchmark.h>

#include "TFS.h"

namespace {

void BM_STATE_PT(benchmark::State& state, double p, double t) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::STATE_PT(p, t));
}

void BM_STATE_PH(benchmark::State& state, double p, double h) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::STATE_PH(p, h));
}

void BM_SATURATION_P(benchmark::State& state, double p) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::SATURATION_P(p));
}

void BM_SATURATION_T(benchmark::State& state, double t) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::SATURATION_T(t));
}

}  // namespace

BENCHMARK_CAPTURE(BM_STATE_PT, region1, 10.0, 300.0);
BENCHMARK_CAPTURE(BM_STATE_PT, region2, 0.1, 200.0);
BENCHMARK_CAPTURE(BM_STATE_PT, region3, 25.0, 380.0);
BENCHMARK_CAPTURE(BM_STATE_PT, region5, 5.0, 1000.0);
BENCHMARK_CAPTURE(BM_STATE_PH, region1, 10.0, 1000.0);
BENCHMARK_CAPTURE(BM_STATE_PH, region2b, 10.0, 3000.0);
BENCHMARK_CAPTURE(BM_STATE_PH, wet, 1.0, 2000.0);
BENCHMARK_CAPTURE(BM_SATURATION_P, 1MPa, 1.0);
BENCHMARK_CAPTURE(BM_SATURATION_T, 370C, 370.0);
