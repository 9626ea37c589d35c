// Cost of the single-phase property calls, the dispatchers (u and w as well), the saturation
// line and the saturated states below 350 °C, and of the (p, h) functions
// between 16.5292 MPa and the critical pressure, where the (p, h) region needs
// the saturated enthalpies from region 3.
#include <benchmark/benchmark.h>

#include <string>

#include "TFS.h"

namespace {

using ByState = double (*)(double, double);
using BySaturation = double (*)(double);

void BM_state(benchmark::State& state, ByState f, double a, double b) {
    for (auto _ : state) benchmark::DoNotOptimize(f(a, b));
}

void BM_saturation(benchmark::State& state, BySaturation f, double x) {
    for (auto _ : state) benchmark::DoNotOptimize(f(x));
}

void BM_REG_PH(benchmark::State& state, double p, double h) {
    int code = 0;
    std::string caption;
    for (auto _ : state) {
        TFS::REG_PH(p, h, code, caption);
        benchmark::DoNotOptimize(code);
    }
}

}  // namespace

// Region 1, 2 and 5 equations and the dispatchers on them.
BENCHMARK_CAPTURE(BM_state, HW_PT_10MPa_300C, TFS::HW_PT, 10.0, 300.0);
BENCHMARK_CAPTURE(BM_state, SW_PT_10MPa_300C, TFS::SW_PT, 10.0, 300.0);
BENCHMARK_CAPTURE(BM_state, VW_PT_10MPa_300C, TFS::VW_PT, 10.0, 300.0);
BENCHMARK_CAPTURE(BM_state, CpW_PT_10MPa_300C, TFS::CpW_PT, 10.0, 300.0);
BENCHMARK_CAPTURE(BM_state, HP_PT_0_1MPa_200C, TFS::HP_PT, 0.1, 200.0);
BENCHMARK_CAPTURE(BM_state, HP_PT_10MPa_500C, TFS::HP_PT, 10.0, 500.0);
BENCHMARK_CAPTURE(BM_state, SP_PT_10MPa_500C, TFS::SP_PT, 10.0, 500.0);
BENCHMARK_CAPTURE(BM_state, VP_PT_10MPa_500C, TFS::VP_PT, 10.0, 500.0);
BENCHMARK_CAPTURE(BM_state, CpP_PT_10MPa_500C, TFS::CpP_PT, 10.0, 500.0);
BENCHMARK_CAPTURE(BM_state, H5_PT_5MPa_1000C, TFS::H5_PT, 5.0, 1000.0);
BENCHMARK_CAPTURE(BM_state, S5_PT_5MPa_1000C, TFS::S5_PT, 5.0, 1000.0);
BENCHMARK_CAPTURE(BM_state, h_pt_region1, TFS::h_pt, 10.0, 300.0);
BENCHMARK_CAPTURE(BM_state, h_pt_region2, TFS::h_pt, 10.0, 500.0);
BENCHMARK_CAPTURE(BM_state, h_pt_region5, TFS::h_pt, 5.0, 1000.0);
BENCHMARK_CAPTURE(BM_state, S_PT_region1, TFS::S_PT, 10.0, 300.0);
BENCHMARK_CAPTURE(BM_state, V_PT_region2, TFS::V_PT, 10.0, 500.0);
BENCHMARK_CAPTURE(BM_state, Cp_PT_region1, TFS::Cp_PT, 10.0, 300.0);
BENCHMARK_CAPTURE(BM_state, U_PT_region1, TFS::U_PT, 10.0, 300.0);
BENCHMARK_CAPTURE(BM_state, U_PT_region2, TFS::U_PT, 10.0, 500.0);
BENCHMARK_CAPTURE(BM_state, U_PT_region3, TFS::U_PT, 25.0, 380.0);
BENCHMARK_CAPTURE(BM_state, W_PT_region1, TFS::W_PT, 10.0, 300.0);
BENCHMARK_CAPTURE(BM_state, W_PT_region2, TFS::W_PT, 10.0, 500.0);
BENCHMARK_CAPTURE(BM_state, W_PT_region3, TFS::W_PT, 25.0, 380.0);

// The saturation line and saturated states up to 350 °C.
BENCHMARK_CAPTURE(BM_saturation, TS_P_1MPa, TFS::TS_P, 1.0);
BENCHMARK_CAPTURE(BM_saturation, TS_P_20MPa, TFS::TS_P, 20.0);
BENCHMARK_CAPTURE(BM_saturation, PS_T_200C, TFS::PS_T, 200.0);
BENCHMARK_CAPTURE(BM_saturation, HSW_T_20C, TFS::HSW_T, 20.0);
BENCHMARK_CAPTURE(BM_saturation, HSW_T_350C, TFS::HSW_T, 350.0);
BENCHMARK_CAPTURE(BM_saturation, HSP_T_20C, TFS::HSP_T, 20.0);
BENCHMARK_CAPTURE(BM_saturation, HSP_T_350C, TFS::HSP_T, 350.0);
BENCHMARK_CAPTURE(BM_saturation, HSW_P_1MPa, TFS::HSW_P, 1.0);
BENCHMARK_CAPTURE(BM_saturation, HSP_P_1MPa, TFS::HSP_P, 1.0);
BENCHMARK_CAPTURE(BM_saturation, SSW_T_200C, TFS::SSW_T, 200.0);
BENCHMARK_CAPTURE(BM_saturation, VSP_T_200C, TFS::VSP_T, 200.0);

// (p, h) functions below 16.5292 MPa and between it and the critical pressure.
BENCHMARK_CAPTURE(BM_state, T_PH_region1_10MPa, TFS::T_PH, 10.0, 1000.0);
BENCHMARK_CAPTURE(BM_state, T_PH_region2b_10MPa, TFS::T_PH, 10.0, 3000.0);
BENCHMARK_CAPTURE(BM_state, T_PH_region1_20MPa, TFS::T_PH, 20.0, 1000.0);
BENCHMARK_CAPTURE(BM_state, T_PH_region2b_20MPa, TFS::T_PH, 20.0, 3500.0);
BENCHMARK_CAPTURE(BM_state, T_PH_region2c_20MPa, TFS::T_PH, 20.0, 2700.0);
BENCHMARK_CAPTURE(BM_state, S_PH_region1_20MPa, TFS::S_PH, 20.0, 1000.0);
BENCHMARK_CAPTURE(BM_state, V_PH_region2c_20MPa, TFS::V_PH, 20.0, 2700.0);
BENCHMARK_CAPTURE(BM_state, Cp_PH_region2b_20MPa, TFS::Cp_PH, 20.0, 3500.0);
BENCHMARK_CAPTURE(BM_REG_PH, 20MPa_1000, 20.0, 1000.0);
BENCHMARK_CAPTURE(BM_REG_PH, 10MPa_1000, 10.0, 1000.0);
