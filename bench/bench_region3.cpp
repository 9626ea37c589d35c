// Cost of a region 3 state: its volume, from the backward equation v(p, T)
// of its subregion closed by a few Newton steps on the forward equation,
// then the properties at that volume.
#include <benchmark/benchmark.h>

#include "TFS.h"

namespace {

// Above the critical pressure (subregion 3g).
void BM_HKR_PT_supercritical(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::HKR_PT(25, 380, 1));
}
BENCHMARK(BM_HKR_PT_supercritical);

// On the saturation line above 350 °C: both roots (auxiliary subregions 3u and 3x).
void BM_HSP_T_373(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::HSP_T(373));
}
BENCHMARK(BM_HSP_T_373);

// Region 32 (vapour side below the critical pressure, subregion 3t).
void BM_h_pt_region32(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::h_pt(20, 370));
}
BENCHMARK(BM_h_pt_region32);

// Region 31 (liquid side, subregion 3c).
void BM_h_pt_region31(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(TFS::h_pt(20, 360));
}
BENCHMARK(BM_h_pt_region31);

}  // namespace
