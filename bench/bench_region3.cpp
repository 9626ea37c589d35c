// Cost of a region 3 state: the root search dominates (a walk of about a
// thousand volume steps on the vapour side, then some forty halvings).
#include <benchmark/benchmark.h>

#include "TFS.h"

namespace {

// Above the critical pressure: one bisection between the region 1 and 2 volumes.
void BM_HKR_PT_supercritical(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::HKR_PT(25, 380, 1));
}
BENCHMARK(BM_HKR_PT_supercritical);

// On the saturation line above 350 °C: both walks and both bisections.
void BM_HSP_T_373(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::HSP_T(373));
}
BENCHMARK(BM_HSP_T_373);

// Region 32 (vapour side below the critical pressure): the long walk down.
void BM_h_pt_region32(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::h_pt(20, 370));
}
BENCHMARK(BM_h_pt_region32);

// Region 31 (liquid side): a short walk up from the region 1 volume.
void BM_h_pt_region31(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::h_pt(20, 360));
}
BENCHMARK(BM_h_pt_region31);

}  // namespace
