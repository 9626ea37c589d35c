// Internal energy, isochoric heat capacity, speed of sound and isentropic
// exponent: the published verification states, and thermodynamic identities
// that tie them to h, v and cp in every region.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "TFS.h"
#include "derivatives.h"
#include "stop_message.h"
#include "verification_values.h"

namespace {

// u and w as published (IAPWS-IF97 Tables 5, 15 and 33, nine digits). cv is
// published in no table; its nine-digit values (one of which, 1.61978333, is
// 2.7e-9 from the equations by its rounding alone) are given here to twelve
// digits, from the equations evaluated exactly in rational arithmetic with
// the published coefficients, which also reproduces every u and w. Regions 1
// and 2 by p (MPa) and t (°C), region 3 by the density (kg/m³) and t.
struct EnergySound {
    const char* table;
    double a, t;
    double u, w, cv;
};
// clang-format off
constexpr EnergySound PUBLISHED[] = {
    {"5", 3, 26.85, 112.324818, 1507.73921, 4.12120160359},
    {"5", 80, 26.85, 106.448356, 1634.69054, 3.91736606184},
    {"5", 3, 226.85, 971.934985, 1240.71337, 3.22139222903},
    {"15", 0.0035, 26.85, 2411.6916, 427.920172, 1.44132661897},
    {"15", 0.0035, 426.85, 3012.62819, 644.289068, 1.61978332560},
    {"15", 30, 426.85, 2468.61076, 480.386523, 2.97553836891},
    {"33", 500, 376.85, 1812.26279, 502.005554, 3.19131787189},
    {"33", 200, 376.85, 2263.65868, 383.444594, 4.04118075955},
    {"33", 500, 476.85, 2102.06932, 760.696041, 2.71701677121},
};
// clang-format on

constexpr double KELVIN = 273.15;
constexpr double MPA_M3_IN_KJ = 1000.0;  // MPa·m³/kg in kJ/kg
constexpr double PA_PER_MPA = 1e6;

// f′(x) by the five-point central difference, exact up to the fourth power of
// the step: near the critical point v changes over a few kelvin.
template <class F>
double derivative(F f, double x, double step) {
    return (8 * (f(x + step) - f(x - step)) - (f(x + 2 * step) - f(x - 2 * step))) / (12 * step);
}

}  // namespace

TEST(EnergySound, ReproducesThePublishedVerificationStates) {
    for (const EnergySound& row : PUBLISHED) {
        SCOPED_TRACE(std::string("Table ") + row.table + " at " + std::to_string(row.a) + ", " + std::to_string(row.t) +
                     " °C");
        const std::string table = row.table;
        double u = 0, w = 0, cv = 0;
        if (table == "33") {
            const TFS::SaturatedPhase x = TFS::detail::near_critical(NAN, 1 / row.a, row.t, TFS::detail::phase);
            u = x.u, w = x.w, cv = x.cv;
        } else if (table == "5") {
            u = TFS::UW_PT(row.a, row.t), w = TFS::WW_PT(row.a, row.t), cv = TFS::CvW_PT(row.a, row.t);
        } else {
            u = TFS::UP_PT(row.a, row.t), w = TFS::WP_PT(row.a, row.t), cv = TFS::CvP_PT(row.a, row.t);
        }
        EXPECT_NEAR(u, row.u, nine_digits(row.u));
        EXPECT_NEAR(w, row.w, nine_digits(row.w));
        EXPECT_NEAR(cv, row.cv, row.cv * 1e-9);
    }
}

// u = h − p·v; cp − cv = −T·(∂v/∂T)²_p / (∂v/∂p)_T; w² = −v² / (∂v/∂p)_s with
// (∂v/∂p)_s = (∂v/∂p)_T + T·(∂v/∂T)²_p / cp; κ = w² / (p·v). The derivatives
// of V_PT by central differences, well inside each region (3 on both sides of
// the line and above the critical pressure; 5 has no published values).
TEST(EnergySound, AgreeWithTheIdentitiesOfHVAndCpInEveryRegion) {
    const double states[][2] = {{0.1, 20}, {10, 100},  {50, 250}, {90, 340}, {0.001, 50}, {1, 300},
                                {10, 550}, {60, 700},  {25, 380}, {50, 420}, {90, 360},   {20, 360},
                                {20, 370}, {0.5, 900}, {9, 850},  {8, 950}};
    for (const auto& [p, t] : states) {
        SCOPED_TRACE(std::to_string(p) + " MPa, " + std::to_string(t) + " °C");
        const double T = t + KELVIN;
        const double v = TFS::V_PT(p, t);
        const double cp = TFS::Cp_PT(p, t);
        const double dt = 0.01, dp = p * 1e-5;
        const double v_T = derivative([&](double x) { return TFS::V_PT(p, x); }, t, dt);
        const double v_p = derivative([&](double x) { return TFS::V_PT(x, t); }, p, dp);
        const double u = TFS::h_pt(p, t) - p * v * MPA_M3_IN_KJ;
        const double cv = cp + MPA_M3_IN_KJ * T * v_T * v_T / v_p;
        const double w = std::sqrt(-PA_PER_MPA * v * v / (v_p + MPA_M3_IN_KJ * T * v_T * v_T / cp));
        EXPECT_NEAR(TFS::U_PT(p, t), u, std::fabs(u) * 1e-6);
        EXPECT_NEAR(TFS::Cv_PT(p, t), cv, cv * 1e-6);
        EXPECT_NEAR(TFS::W_PT(p, t), w, w * 1e-6);
        const double W = TFS::W_PT(p, t);
        EXPECT_NEAR(TFS::K_PT(p, t), W * W / (p * PA_PER_MPA * v), W * W / (p * PA_PER_MPA * v) * 1e-14);
    }
}

// κ takes w and v of one state and stops as V_PT does, under its own name.
TEST(EnergySound, IsentropicExponentStops) {
    EXPECT_EQ(stop_message(TFS::K_PT, 1, TFS::TS_P(1)), "Вы попали на линию насыщения (K_PT)");
    EXPECT_EQ(stop_message(TFS::K_PT, 55, 900), "ЗАДАННЫЕ P И T ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:");
    EXPECT_EQ(stop_message(TFS::K_PT, 1e-310, 100), stop_message(TFS::V_PT, 1e-310, 100));
    // A dilute gas: κ = cp/cv.
    EXPECT_NEAR(TFS::K_PT(1e-4, 500), TFS::Cp_PT(1e-4, 500) / TFS::Cv_PT(1e-4, 500), 1e-4);
}
