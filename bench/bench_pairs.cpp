// Cost of the states by (t, h), (t, s), (t, v), (p, v) and (u, v) beside
// STATE_PH at the same states, each by its default branch: a single phase
// along the isotherm or isobar by safeguarded Newton steps on the forward
// equations (region 3 with its volume closed from the previous step), wet
// steam from one saturation state; (u, v) by Newton steps in (T, p), region 3
// in T at its volume, wet steam on the saturation line.
#include <benchmark/benchmark.h>

#include "TFS.h"

namespace {

enum class Pair { PH, TH, TS, TV, PV, UV };

void BM_State(benchmark::State& state, Pair pair, double p, double h) {
    const TFS::State a = TFS::STATE_PH(p, h);
    for (auto _ : state) {
        switch (pair) {
            case Pair::PH: benchmark::DoNotOptimize(TFS::STATE_PH(p, h)); break;
            case Pair::TH: benchmark::DoNotOptimize(TFS::STATE_TH(a.t, h)); break;
            case Pair::TS: benchmark::DoNotOptimize(TFS::STATE_TS(a.t, a.s)); break;
            case Pair::TV: benchmark::DoNotOptimize(TFS::STATE_TV(a.t, a.v)); break;
            case Pair::PV: benchmark::DoNotOptimize(TFS::STATE_PV(p, a.v)); break;
            case Pair::UV: benchmark::DoNotOptimize(TFS::STATE_UV(a.u, a.v)); break;
        }
    }
}

}  // namespace

#define PAIR_BENCHMARKS(name, p, h)                                    \
    BENCHMARK_CAPTURE(BM_State, PH_##name, Pair::PH, p, h);            \
    BENCHMARK_CAPTURE(BM_State, TH_##name, Pair::TH, p, h);            \
    BENCHMARK_CAPTURE(BM_State, TS_##name, Pair::TS, p, h);            \
    BENCHMARK_CAPTURE(BM_State, TV_##name, Pair::TV, p, h);            \
    BENCHMARK_CAPTURE(BM_State, PV_##name, Pair::PV, p, h);            \
    BENCHMARK_CAPTURE(BM_State, UV_##name, Pair::UV, p, h)

PAIR_BENCHMARKS(region1_10MPa, 10.0, 1000.0);
PAIR_BENCHMARKS(region2_10kPa, 0.01, 2700.0);
PAIR_BENCHMARKS(region2_10MPa, 10.0, 3000.0);
PAIR_BENCHMARKS(region3_supercritical, 25.0, 2000.0);
PAIR_BENCHMARKS(region5_1MPa, 1.0, 5500.0);
PAIR_BENCHMARKS(wet_1MPa, 1.0, 2000.0);
