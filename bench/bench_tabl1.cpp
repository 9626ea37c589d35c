// Cost of the saturation-line correlations and of the (p, t) viscosity.
#include <benchmark/benchmark.h>

#include "Tabl1.h"

namespace {

void BM_TSP(benchmark::State& state) {
    double p = 1.0;
    for (auto _ : state) benchmark::DoNotOptimize(Tabl1::TSP(p));
}
BENCHMARK(BM_TSP);

void BM_MWST(benchmark::State& state) {
    double t = 300.0;
    for (auto _ : state) benchmark::DoNotOptimize(Tabl1::MWST(t));
}
BENCHMARK(BM_MWST);

void BM_MWSP(benchmark::State& state) {
    double p = 1.0;
    for (auto _ : state) benchmark::DoNotOptimize(Tabl1::MWSP(p));
}
BENCHMARK(BM_MWSP);

void BM_SIGT(benchmark::State& state) {
    double t = 100.0;
    for (auto _ : state) benchmark::DoNotOptimize(Tabl1::SIGT(t));
}
BENCHMARK(BM_SIGT);

void BM_MPT(benchmark::State& state) {
    double p = 1.0;
    double t = 181.0;
    for (auto _ : state) benchmark::DoNotOptimize(Tabl1::MPT(p, t));
}
BENCHMARK(BM_MPT);

}  // namespace
