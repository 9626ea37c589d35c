// The calls whose speed issue 35 sets targets for, each over a spread of
// states (one pass over them per iteration; time per call = time / items):
// forward properties in regions 1 and 2, the saturation line, saturated
// phases near and away from the critical pressure, the (p, h) temperature
// and state between 16.5 and 22.064 MPa, the exact inverses and LMB11_PT.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "TFS.h"

namespace {

struct Pair {
    double a, b;
};

constexpr int COUNT = 256;

// (p, t) states: region 1 (p 1 … 100 MPa, 20 … 300 °C, 10 K below saturation at most) and region 2
// (p 0.01 … 10 MPa, 40 K and more above saturation up to 780 °C).
std::vector<Pair> region1() {
    std::vector<Pair> x;
    for (int k = 0; k < COUNT; ++k) {
        const double p = 1.0 + 99.0 * k / COUNT;
        const double top = std::fmin(300.0, TFS::TS_P(p) - 10.0);
        x.push_back({p, 20.0 + (top - 20.0) * ((k * 37) % COUNT) / COUNT});
    }
    return x;
}

std::vector<Pair> region2() {
    std::vector<Pair> x;
    for (int k = 0; k < COUNT; ++k) {
        const double p = 0.01 + 9.99 * k / COUNT;
        const double ts = TFS::TS_P(p);
        x.push_back({p, ts + 40.0 + (780.0 - ts - 40.0) * ((k * 37) % COUNT) / COUNT});
    }
    return x;
}

// Region 3 states (25 … 60 MPa, 360 … 420 °C).
std::vector<Pair> region3() {
    std::vector<Pair> x;
    for (int k = 0; k < COUNT; ++k) x.push_back({25.0 + 35.0 * k / COUNT, 360.0 + 60.0 * ((k * 37) % COUNT) / COUNT});
    return x;
}

// Single-phase (p, h) states at 16.5 … 22.064 MPa far from saturation:
// water at 20 … 300 °C and steam at 450 … 700 °C.
std::vector<Pair> ph_high_pressure() {
    std::vector<Pair> x;
    for (int k = 0; k < COUNT; ++k) {
        const double p = 16.5 + 5.5 * k / COUNT;
        const double t = k % 2 ? 20.0 + 280.0 * ((k * 37) % COUNT) / COUNT : 450.0 + 250.0 * ((k * 37) % COUNT) / COUNT;
        x.push_back({p, TFS::h_pt(p, t)});
    }
    return x;
}

template <class Of>
std::vector<Pair> mapped(const std::vector<Pair>& pt, Of of) {
    std::vector<Pair> x;
    for (const Pair& s : pt) x.push_back(of(s));
    return x;
}

std::vector<Pair> ph(const std::vector<Pair>& pt) {
    return mapped(pt, [](Pair s) { return Pair{s.a, TFS::h_pt(s.a, s.b)}; });
}
std::vector<Pair> ps(const std::vector<Pair>& pt) {
    return mapped(pt, [](Pair s) { return Pair{s.a, TFS::S_PT(s.a, s.b)}; });
}
std::vector<Pair> hs(const std::vector<Pair>& pt) {
    return mapped(pt, [](Pair s) { return Pair{TFS::h_pt(s.a, s.b), TFS::S_PT(s.a, s.b)}; });
}

std::vector<double> spread(double low, double high) {
    std::vector<double> x;
    for (int k = 0; k < COUNT; ++k) x.push_back(low + (high - low) * ((k * 37) % COUNT) / COUNT);
    return x;
}

template <class Call>
void over(benchmark::State& state, const std::vector<Pair>& inputs, Call call) {
    for (auto _ : state)
        for (const Pair& x : inputs) benchmark::DoNotOptimize(call(x.a, x.b));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(inputs.size()));
}

void Speed_two(benchmark::State& state, double (*f)(double, double), const std::vector<Pair>& (*inputs)()) {
    over(state, inputs(), f);
}

void Speed_state(benchmark::State& state, TFS::State (*f)(double, double), const std::vector<Pair>& (*inputs)()) {
    over(state, inputs(), [f](double a, double b) { return f(a, b).t; });
}

void Speed_one(benchmark::State& state, double (*f)(double), double low, double high) {
    const std::vector<double> inputs = spread(low, high);
    for (auto _ : state)
        for (const double x : inputs) benchmark::DoNotOptimize(f(x));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(inputs.size()));
}

void Speed_saturation(benchmark::State& state, double low, double high) {
    const std::vector<double> inputs = spread(low, high);
    for (auto _ : state)
        for (const double x : inputs) benchmark::DoNotOptimize(TFS::SATURATION_P(x).water.h);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(inputs.size()));
}

#define INPUTS(name, expression)                     \
    const std::vector<Pair>& name() {                \
        static const std::vector<Pair> x = expression; \
        return x;                                    \
    }
INPUTS(pt1, region1())
INPUTS(pt2, region2())
INPUTS(pt3, region3())
INPUTS(ph1, ph(region1()))
INPUTS(ph2, ph(region2()))
INPUTS(ph3, ph(region3()))
INPUTS(ph_near, ph_high_pressure())
INPUTS(ps1, ps(region1()))
INPUTS(ps2, ps(region2()))
INPUTS(ps3, ps(region3()))
INPUTS(hs1, hs(region1()))
INPUTS(hs2, hs(region2()))
INPUTS(hs3, hs(region3()))
#undef INPUTS

}  // namespace

BENCHMARK_CAPTURE(Speed_two, HW_PT, TFS::HW_PT, pt1);
BENCHMARK_CAPTURE(Speed_two, SW_PT, TFS::SW_PT, pt1);
BENCHMARK_CAPTURE(Speed_two, VW_PT, TFS::VW_PT, pt1);
BENCHMARK_CAPTURE(Speed_two, CpW_PT, TFS::CpW_PT, pt1);
BENCHMARK_CAPTURE(Speed_two, CvW_PT, TFS::CvW_PT, pt1);
BENCHMARK_CAPTURE(Speed_two, WW_PT, TFS::WW_PT, pt1);
BENCHMARK_CAPTURE(Speed_two, HP_PT, TFS::HP_PT, pt2);
BENCHMARK_CAPTURE(Speed_two, SP_PT, TFS::SP_PT, pt2);
BENCHMARK_CAPTURE(Speed_two, VP_PT, TFS::VP_PT, pt2);
BENCHMARK_CAPTURE(Speed_two, CpP_PT, TFS::CpP_PT, pt2);
BENCHMARK_CAPTURE(Speed_two, h_pt_region1, TFS::h_pt, pt1);
BENCHMARK_CAPTURE(Speed_two, h_pt_region2, TFS::h_pt, pt2);
BENCHMARK_CAPTURE(Speed_two, S_PT_region1, TFS::S_PT, pt1);
BENCHMARK_CAPTURE(Speed_two, h_pt_region3, TFS::h_pt, pt3);
BENCHMARK_CAPTURE(Speed_two, W_PT_region2, TFS::W_PT, pt2);
BENCHMARK_CAPTURE(Speed_state, STATE_PT_region1, TFS::STATE_PT, pt1);
BENCHMARK_CAPTURE(Speed_state, STATE_PT_region2, TFS::STATE_PT, pt2);
BENCHMARK_CAPTURE(Speed_one, TS_P, TFS::TS_P, 0.001, 22.0);
BENCHMARK_CAPTURE(Speed_one, PS_T, TFS::PS_T, 1.0, 370.0);
BENCHMARK_CAPTURE(Speed_one, HSW_P_near_critical, TFS::HSW_P, 21.915, 22.064);
BENCHMARK_CAPTURE(Speed_one, HSP_P_near_critical, TFS::HSP_P, 21.915, 22.064);
BENCHMARK_CAPTURE(Speed_saturation, SATURATION_P_near_critical, 21.915, 22.064);
BENCHMARK_CAPTURE(Speed_one, HSW_P_elsewhere, TFS::HSW_P, 0.01, 21.9);
BENCHMARK_CAPTURE(Speed_one, HSP_P_elsewhere, TFS::HSP_P, 0.01, 21.9);
BENCHMARK_CAPTURE(Speed_saturation, SATURATION_P_elsewhere, 0.01, 21.9);
BENCHMARK_CAPTURE(Speed_two, T_PH_16_5_to_22_MPa, TFS::T_PH, ph_near);
BENCHMARK_CAPTURE(Speed_state, STATE_PH_16_5_to_22_MPa, TFS::STATE_PH, ph_near);
BENCHMARK_CAPTURE(Speed_state, STATE_PH_region1, TFS::STATE_PH, ph1);
BENCHMARK_CAPTURE(Speed_state, STATE_PH_region2, TFS::STATE_PH, ph2);
BENCHMARK_CAPTURE(Speed_state, STATE_PH_region3, TFS::STATE_PH, ph3);
BENCHMARK_CAPTURE(Speed_two, T_PS_region1, TFS::T_PS, ps1);
BENCHMARK_CAPTURE(Speed_two, T_PS_region2, TFS::T_PS, ps2);
BENCHMARK_CAPTURE(Speed_two, T_PS_region3, TFS::T_PS, ps3);
BENCHMARK_CAPTURE(Speed_state, STATE_PS_region1, TFS::STATE_PS, ps1);
BENCHMARK_CAPTURE(Speed_state, STATE_PS_region3, TFS::STATE_PS, ps3);
BENCHMARK_CAPTURE(Speed_two, P_HS_region1, TFS::P_HS, hs1);
BENCHMARK_CAPTURE(Speed_two, P_HS_region2, TFS::P_HS, hs2);
BENCHMARK_CAPTURE(Speed_two, P_HS_region3, TFS::P_HS, hs3);
BENCHMARK_CAPTURE(Speed_state, STATE_HS_region2, TFS::STATE_HS, hs2);
BENCHMARK_CAPTURE(Speed_state, STATE_HS_region3, TFS::STATE_HS, hs3);
BENCHMARK_CAPTURE(Speed_two, LMB11_PT_region1, TFS::LMB11_PT, pt1);
BENCHMARK_CAPTURE(Speed_two, LMB11_PT_region2, TFS::LMB11_PT, pt2);
