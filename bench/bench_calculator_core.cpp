// The Calculate command itself, without a window: reading the typed texts,
// every property call and the formatting of every output, at the slowest
// states of each mode (the click benchmarks add the window's redraw).
#include "calculation.h"

#include <benchmark/benchmark.h>

namespace {

void Run(benchmark::State& state, CalculationRequest request) {
    for (auto _ : state) {
        const Outcome outcome = Calculate(request);
        if (!std::holds_alternative<Outputs>(outcome)) state.SkipWithError("the run was refused or stopped");
        benchmark::DoNotOptimize(outcome);
    }
}

void CoreByPT(benchmark::State& state, const char* p, const char* t) {
    Run(state, {InputMode::ByPT, SaturationInput::ByPs, {{Quantity::Pressure, p}, {Quantity::Temperature, t}}});
}

void CoreByPH(benchmark::State& state, const char* p, const char* h) {
    Run(state, {InputMode::ByPH, SaturationInput::ByPs, {{Quantity::Pressure, p}, {Quantity::Enthalpy, h}}});
}

void CoreByPs(benchmark::State& state, const char* ps) {
    Run(state, {InputMode::Saturation, SaturationInput::ByPs, {{Quantity::Pressure, ps}}});
}

void CoreByTs(benchmark::State& state, const char* ts) {
    Run(state, {InputMode::Saturation, SaturationInput::ByTs, {{Quantity::Temperature, ts}}});
}

}  // namespace

BENCHMARK_CAPTURE(CoreByPT, critical_point, "22.064", "373.95")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CoreByPT, region3_vapour_like, "19.25", "367.35")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CoreByPH, region3_near_critical, "22.05", "2334")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CoreByPH, wet_steam_near_critical, "22.05", "2000")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CoreByPs, region3, "19.687")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CoreByPs, top, "21.8199")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CoreByTs, region3, "370.435")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CoreByTs, top, "373.945")->Unit(benchmark::kMicrosecond);
