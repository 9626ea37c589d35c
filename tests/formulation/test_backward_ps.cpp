// Temperature and state from pressure and entropy, and wet steam given by its dryness.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "TFS.h"
#include "stop_message.h"
#include "verification_values.h"

namespace {

const std::string OUTSIDE_PS = "ЗАДАННЫЕ P И S ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:";

bool same(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// How closely T_PS meets the forward entropy: 1e-12 of s, or of 1 kJ/(kg·K).
double entropy_tolerance(double s) {
    return 1e-12 * std::max(std::fabs(s), 1.0);
}

// B23 temperature at p, °C (IAPWS-IF97 equation 6).
double tB23(double p) {
    return 572.54459862746 + std::sqrt((p - 13.91883977887) / 0.0010192970039326) - 273.15;
}

}  // namespace

// IAPWS-IF97 Tables 9 and 29 and Table 12 of the supplementary release on
// region 3: T in kelvin at p (MPa) and s (kJ/(kg·K)). T_PS meets the forward
// equations, which the backward ones approach to within some 25 mK.
TEST(BackwardEquationsPs, ReproducePublishedValues) {
    using Equation = double (*)(double, double);
    const struct {
        Equation T;
        double p, s, T_K;
    } rows[] = {
        {TFS::T_PS1, 3, 0.5, 307.842258},    {TFS::T_PS1, 80, 0.5, 309.979785},   {TFS::T_PS1, 80, 3, 565.899909},
        {TFS::T_PS2A, 0.1, 7.5, 399.517097}, {TFS::T_PS2A, 0.1, 8, 514.127081},   {TFS::T_PS2A, 2.5, 8, 1039.84917},
        {TFS::T_PS2B, 8, 6, 600.48404},      {TFS::T_PS2B, 8, 7.5, 1064.95556},   {TFS::T_PS2B, 90, 6, 1038.01126},
        {TFS::T_PS2C, 20, 5.75, 697.992849}, {TFS::T_PS2C, 80, 5.25, 854.011484}, {TFS::T_PS2C, 80, 5.75, 949.017998},
        {TFS::T_PS3A, 20, 3.8, 628.295987},  {TFS::T_PS3A, 50, 3.6, 629.715873},  {TFS::T_PS3A, 100, 4, 705.688024},
        {TFS::T_PS3B, 20, 5, 640.117644},    {TFS::T_PS3B, 50, 4.5, 716.368752},  {TFS::T_PS3B, 100, 5, 847.433282},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.p) + " MPa, " + std::to_string(row.s) + " kJ/(kg·K)");
        EXPECT_NEAR(row.T(row.p, row.s) + 273.15, row.T_K, nine_digits(row.T_K));
        const double t = TFS::T_PS(row.p, row.s);
        EXPECT_NEAR(t + 273.15, row.T_K, 0.025);
        EXPECT_NEAR(TFS::S_PT(row.p, t), row.s, entropy_tolerance(row.s));
    }
}

// T_PS (p, S_PT (p, t)) = t over every region, wet steam aside. Where two
// regions meet (350 °C and B23 above 16.5292 MPa, 800 °C) their entropies
// differ by up to some 1e-4 kJ/(kg·K) and can overlap, so that two
// temperatures a few millikelvin apart share one entropy: there T_PS gives
// one of them, and S_PT of it is s.
TEST(TemperatureFromEntropy, RoundTripOverTheDomain) {
    std::mt19937_64 random(19970);
    std::uniform_real_distribution<double> unit(0, 1);
    struct State {
        double p, t;
    };
    std::vector<State> states;
    for (int i = 0; i < 400; ++i) {
        const double p = i % 2 ? std::exp(std::log(0.001) + unit(random) * std::log(1e5)) : 15 + 20 * unit(random);
        const double t = i % 3 ? unit(random) * (p <= 50 ? 2000 : 800) : 340 + 60 * unit(random);
        states.push_back({p, t});
    }
    // Region bounds and their neighbours; the saturation line from either side.
    for (const double p : {0.001, 1.0, 10.0, 16.5292, 20.0, 22.0, TFS::PKR, 25.0, 50.0, 100.0}) {
        for (const double t : {-1e-9, 0.0, 350.0, tB23(p), 800.0, 1000.0, 2000.0}) {
            for (const double near : {std::nextafter(t, -1.0), t, std::nextafter(t, 2000.0), t - 1e-4, t + 1e-4})
                if (near >= -1e-9 && near <= (p <= 50 ? 2000 : 800)) states.push_back({p, near});
        }
        if (p < TFS::PKR)
            for (const double dt : {-0.01, -1e-7, 1e-7, 0.01}) states.push_back({p, TFS::TS_P(p) + dt});
    }
    int checked = 0;
    for (const auto& [p, t] : states) {
        SCOPED_TRACE(std::to_string(p) + " MPa, " + std::to_string(t) + " °C");
        const double s = TFS::S_PT(p, t);
        const double back = TFS::T_PS(p, s);
        const bool fold = std::fabs(t - 350) < 0.01 || std::fabs(t - tB23(p)) < 0.01 || std::fabs(t - 800) < 0.03;
        if (p < TFS::PKR && back == TFS::TS_P(p)) {
            // Region 1 at 350 °C can lie above the region 3 saturated liquid
            // just below 16.5292 MPa: between s′ and s″, wet steam.
            EXPECT_TRUE(fold);
            EXPECT_TRUE(TFS::SSW_P(p) <= s && s <= TFS::SSP_P(p));
        } else {
            EXPECT_NEAR(TFS::S_PT(p, back), s, entropy_tolerance(s));
        }
        if (!fold) {
            EXPECT_NEAR(back, t, 1e-7);
        }
        ++checked;
    }
    EXPECT_GT(checked, 500);
}

// Wet steam by entropy, by pressure and by temperature: the mixture of
// H_PX, S_PX and V_PX, below 350 °C and in region 3; x = 0 and 1 are the phases.
TEST(WetSteamStates, TheMixtureOfTheSaturatedPhases) {
    for (const double p : {1.0, 20.0}) {
        SCOPED_TRACE(std::to_string(p) + " MPa");
        const double ts = TFS::TS_P(p);
        // The saturated entropies the mixtures are formed of bound the wet states.
        const double s1 = TFS::S_PX(p, 0);
        const double s2 = TFS::S_PX(p, 1);
        const double s = TFS::S_PX(p, 0.3);
        EXPECT_EQ(TFS::T_PS(p, s), ts);
        const TFS::State wet = TFS::STATE_PS(p, s);
        EXPECT_EQ(wet.region, 4);
        EXPECT_EQ(wet.code, 0);
        EXPECT_NEAR(wet.x, 0.3, 1e-14);
        EXPECT_TRUE(same(wet.t, ts) && same(wet.s, s));
        EXPECT_TRUE(same(wet.h, TFS::H_PX(p, wet.x)) && same(wet.v, TFS::V_PX(p, wet.x)));
        EXPECT_TRUE(std::isnan(wet.cp) && std::isnan(wet.mu) && std::isnan(wet.lambda) && std::isnan(wet.pr));

        // By pressure the phases of the _P functions, by temperature those of the _T functions.
        const auto by_t = [&](double (*water)(double), double (*steam)(double), double x) {
            return x == 0 ? water(ts) : x == 1 ? steam(ts) : (1.0 - x) * water(ts) + x * steam(ts);
        };
        for (const double dryness : {0.0, 0.3, 1.0}) {
            const TFS::State by_p = TFS::STATE_PX(p, dryness);
            const TFS::State by_t_state = TFS::STATE_TX(ts, dryness);
            for (const TFS::State& state : {by_p, by_t_state}) {
                EXPECT_EQ(state.region, 4);
                EXPECT_TRUE(same(state.x, dryness) && same(state.t, ts));
                EXPECT_TRUE(std::isnan(state.cp) && std::isnan(state.mu));
            }
            EXPECT_TRUE(same(by_p.h, TFS::H_PX(p, dryness)));
            EXPECT_TRUE(same(by_p.s, TFS::S_PX(p, dryness)));
            EXPECT_TRUE(same(by_p.v, TFS::V_PX(p, dryness)));
            EXPECT_TRUE(same(by_t_state.h, by_t(TFS::HSW_T, TFS::HSP_T, dryness)));
            EXPECT_TRUE(same(by_t_state.s, by_t(TFS::SSW_T, TFS::SSP_T, dryness)));
            EXPECT_TRUE(same(by_t_state.v, by_t(TFS::VSW_T, TFS::VSP_T, dryness)));
        }
        EXPECT_EQ(TFS::H_PX(p, 0), TFS::HSW_P(p));
        EXPECT_EQ(TFS::H_PX(p, 1), TFS::HSP_P(p));
        // On the line itself: the saturated phase.
        EXPECT_EQ(TFS::STATE_PS(p, s1).x, 0);
        EXPECT_EQ(TFS::STATE_PS(p, s2).x, 1);
        EXPECT_TRUE(std::isnan(TFS::STATE_PS(p, s2 + 1e-9).x));
    }
    // A single-phase state is that of STATE_PT.
    const double t = TFS::T_PS(3, 7);
    const TFS::State steam = TFS::STATE_PS(3, 7);
    const TFS::State expected = TFS::STATE_PT(3, t);
    EXPECT_EQ(std::memcmp(&steam, &expected, sizeof steam), 0);
}

// The saturated entropy by pressure, or a few doubles beside it, is that
// saturated phase at every pressure up to the critical one, also near it,
// where SSP_P (p) and S_PX (p, 1) lie far more than a few doubles apart.
TEST(WetSteamStates, TheSaturatedEntropiesByPressureAreTheSaturatedPhases) {
    int checked = 0;
    for (double p = 0.001; p < TFS::PKR; p *= 1.02, ++checked) {
        SCOPED_TRACE(std::to_string(p) + " MPa");
        const double s1 = TFS::SSW_P(p);
        const double s2 = TFS::SSP_P(p);
        for (const double s : {s1, std::nextafter(std::nextafter(s1, 0.0), 0.0)}) EXPECT_EQ(TFS::STATE_PS(p, s).x, 0);
        for (const double s : {s2, std::nextafter(std::nextafter(s2, 20.0), 20.0)}) EXPECT_EQ(TFS::STATE_PS(p, s).x, 1);
    }
    for (const double p : {22.0, 22.06, 22.063}) EXPECT_EQ(TFS::STATE_PS(p, TFS::SSP_P(p)).x, 1) << p;
    EXPECT_GT(checked, 400);
}

TEST(TemperatureFromEntropy, StopsOutsideTheDomain) {
    const double nan = std::nan("");
    const struct {
        double p, s;
    } refused[] = {{1, TFS::S_PT(1, -1e-9) - 1e-6},
                   {1, TFS::S_PT(1, 2000) + 1e-6},
                   {60, TFS::S_PT(60, 800) + 1e-6},
                   {0, 5},
                   {100.0001, 5},
                   {1, nan},
                   {nan, 5}};
    for (const auto& [p, s] : refused) {
        EXPECT_EQ(stop_message(TFS::T_PS, p, s), OUTSIDE_PS) << p << " MPa, " << s;
        EXPECT_EQ(stop_message([&] { TFS::STATE_PS(p, s); }), OUTSIDE_PS) << p << " MPa, " << s;
    }
    EXPECT_NEAR(TFS::T_PS(1, TFS::S_PT(1, 2000)), 2000, 1e-7);
    EXPECT_NEAR(TFS::T_PS(50, TFS::S_PT(50, 2000)), 2000, 1e-7);
    EXPECT_NEAR(TFS::T_PS(100, TFS::S_PT(100, 0)), 0, 1e-7);

    const std::string outside_px = "ЗАДАННЫЕ P И X ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:";
    const double inf = INFINITY;
    // Below the triple point (611.657 Pa, 0.01 °C) the line divides ice from vapour: no wet steam.
    const double below_triple = std::nextafter(0.000611657, 0.0);
    for (const auto& [p, x] : {std::pair{1.0, -0.1}, {1.0, 1.1}, {1.0, nan}, {TFS::PKR, 0.5}, {25.0, 0.5}, {0.0, 0.5},
                               {below_triple, 0.5}, {inf, 0.5}, {-inf, 0.5}})
        EXPECT_EQ(stop_message([&] { TFS::STATE_PX(p, x); }), outside_px) << p << " MPa, x = " << x;
    for (const double p : {below_triple, -200.0, nan, inf, -inf})
        for (const auto property : {TFS::H_PX, TFS::S_PX, TFS::V_PX, TFS::Cp_PX})
            EXPECT_EQ(stop_message(property, p, 0.5), outside_px) << p << " MPa";
    const std::string outside_tx = "ЗАДАННЫЕ T И X ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:";
    for (const auto& [t, x] : {std::pair{100.0, -0.1}, {100.0, 1.1}, {TFS::TKR, 0.5}, {nan, 0.5}, {0.0099, 0.5},
                               {-200.0, 0.5}, {inf, 0.5}, {-inf, 0.5}})
        EXPECT_EQ(stop_message([&] { TFS::STATE_TX(t, x); }), outside_tx) << t << " °C, x = " << x;
    EXPECT_EQ(TFS::STATE_TX(0.01, 0.5).x, 0.5);
    EXPECT_EQ(TFS::STATE_PX(0.000611657, 0.5).x, 0.5);
    EXPECT_EQ(stop_message(TFS::H_PX, 1, 1.1), "  X < 0 или X > 1  в  H_PX");
}
