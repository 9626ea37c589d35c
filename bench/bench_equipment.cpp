// The unit operations and the Rankine cycle: each a few exact states of the
// formulation. One operation should take at most 20 µs, a cycle with reheat
// and two feedwater heaters at most 200 µs.
#include "equipment.h"

#include <benchmark/benchmark.h>

namespace {

template <class Run>
void Measure(benchmark::State& state, Run run) {
    for (auto _ : state) benchmark::DoNotOptimize(run());
}

const Stream Steam = StreamPT(4, 400, 10), Water = StreamPT(5, 100, 1);

void Turbine(benchmark::State& state) {
    Measure(state, [] { return Expand(Steam, 0.01, 0.85, 0.98); });
}

void Pump(benchmark::State& state) {
    Measure(state, [] { return Compress(Water, 15, 0.8); });
}

void Desuperheater(benchmark::State& state) {
    Measure(state, [] { return Desuperheat(Steam, 1, Water, 200); });
}

void Deaerator(benchmark::State& state) {
    const Stream water = StreamPT(0.3, 60, 0), steam = StreamPT(0.3, 200, 0);
    Measure(state, [&] { return Deaerate(0.2, 0.005, 50, water, steam); });
}

void Exchanger(benchmark::State& state) {
    const Stream gas = StreamPT(0.1, 500, 10), feed = StreamPT(2, 100, 3);
    Measure(state, [&] { return Exchange(gas, feed, 10); });
}

void CycleWithReheatAndTwoHeaters(benchmark::State& state) {
    RankineDefinition d;
    d.boilerPressure = 15;
    d.boilerTemperature = 600;
    d.condenserPressure = 0.01;
    d.turbineEfficiency = 0.88;
    d.pumpEfficiency = 0.8;
    d.reheat = RankineDefinition::Reheat{4, 600};
    d.openHeaterPressure = 0.5;
    d.closedHeater = RankineDefinition::ClosedHeater{2, DrainRoute::PumpedForward};
    Measure(state, [&] { return RankineCycle(d); });
}

}  // namespace

BENCHMARK(Turbine)->Unit(benchmark::kMicrosecond);
BENCHMARK(Pump)->Unit(benchmark::kMicrosecond);
BENCHMARK(Desuperheater)->Unit(benchmark::kMicrosecond);
BENCHMARK(Deaerator)->Unit(benchmark::kMicrosecond);
BENCHMARK(Exchanger)->Unit(benchmark::kMicrosecond);
BENCHMARK(CycleWithReheatAndTwoHeaters)->Unit(benchmark::kMicrosecond);
