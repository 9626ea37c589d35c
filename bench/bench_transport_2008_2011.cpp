// Cost of the IAPWS 2008 viscosity and 2011 conductivity. The conductivity
// needs cp, cv and the compressibility of the state besides its volume, and
// the viscosity for its critical enhancement; a saturated phase costs the
// saturation state of both phases (one region 3 search above 350 °C).
#include <benchmark/benchmark.h>

#include "TFS.h"

namespace {

void BM_MIU08_PT(benchmark::State& state, double p, double t) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::MIU08_PT(p, t));
}
BENCHMARK_CAPTURE(BM_MIU08_PT, region1, 10.0, 300.0);
BENCHMARK_CAPTURE(BM_MIU08_PT, region2, 0.1, 200.0);
BENCHMARK_CAPTURE(BM_MIU08_PT, region3, 25.0, 380.0);
BENCHMARK_CAPTURE(BM_MIU08_PT, region5, 5.0, 850.0);

void BM_LMB11_PT(benchmark::State& state, double p, double t) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::LMB11_PT(p, t));
}
BENCHMARK_CAPTURE(BM_LMB11_PT, region1, 10.0, 300.0);
BENCHMARK_CAPTURE(BM_LMB11_PT, region2, 0.1, 200.0);
BENCHMARK_CAPTURE(BM_LMB11_PT, region3, 25.0, 380.0);
BENCHMARK_CAPTURE(BM_LMB11_PT, region32, 20.0, 370.0);
BENCHMARK_CAPTURE(BM_LMB11_PT, region5, 5.0, 850.0);

void BM_LMB11SP_T(benchmark::State& state, double t) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::LMB11SP_T(t));
}
BENCHMARK_CAPTURE(BM_LMB11SP_T, regions12, 100.0);
BENCHMARK_CAPTURE(BM_LMB11SP_T, region3, 360.0);

}  // namespace
