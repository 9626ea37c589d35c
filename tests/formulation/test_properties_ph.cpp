#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "TFS.h"
#include "stop_message.h"

namespace {

// B23 temperature at p, °C (IAPWS-IF97 equation 6).
double tB23(double p) {
    return 572.54459862746 + std::sqrt((p - 13.91883977887) / 0.0010192970039326) - 273.15;
}

}  // namespace

TEST(PropertiesPh, WetSteamIsTheMixtureOfTheImpliedDryness) {
    for (const double p : {1.0, 20.0}) {  // code -1, and code 3 above 16.5292 MPa
        const double h1 = TFS::HSW_P(p);
        const double h2 = TFS::HSP_P(p);
        const double h = h1 + 0.3 * (h2 - h1);
        const double x = (h - h1) / (h2 - h1);
        EXPECT_EQ(TFS::S_PH(p, h), TFS::S_PX(p, x)) << p;
        EXPECT_EQ(TFS::V_PH(p, h), TFS::V_PX(p, x)) << p;
        EXPECT_EQ(TFS::Cp_PH(p, h), TFS::Cp_PX(p, x)) << p;
    }
}

TEST(PropertiesPh, OnTheSaturationLineTheSaturatedPhase) {
    const double h1 = TFS::HSW_P(1);
    const double h2 = TFS::HSP_P(1);
    EXPECT_EQ(TFS::S_PH(1, h1), TFS::S_PX(1, 0));
    EXPECT_NEAR(TFS::S_PH(1, h1), TFS::SSW_P(1), 1e-12);
    EXPECT_EQ(TFS::V_PH(1, h2), TFS::V_PX(1, 1));
    EXPECT_EQ(TFS::Cp_PH(1, h2), TFS::Cp_PX(1, 1));
}

// A single-phase state at the temperature whose forward enthalpy is h; the
// backward temperature T_PH lies within its error of some 0.025 K.
TEST(PropertiesPh, SinglePhaseStatesAtTheirTemperature) {
    for (const auto& [p, h] : {std::pair{3.0, 3000.0}, {0.1, 100.0}, {25.0, 2000.0}, {20.0, 2600.0}, {60.0, 3200.0}}) {
        const double t = TFS::STATE_PH(p, h).t;
        EXPECT_NEAR(TFS::h_pt(p, t), h, 1e-12 * h) << p << " " << h;
        EXPECT_NEAR(TFS::T_PH(p, h), t, 0.025) << p << " " << h;
        EXPECT_EQ(TFS::S_PH(p, h), TFS::S_PT(p, t)) << p << " " << h;
        EXPECT_EQ(TFS::V_PH(p, h), TFS::V_PT(p, t)) << p << " " << h;
        EXPECT_EQ(TFS::Cp_PH(p, h), TFS::Cp_PT(p, t)) << p << " " << h;
    }
}

// At 1 MPa the backward equations put the saturated liquid 0.02 K above ts
// and the saturated vapour 0.004 K below it. A state a hair inside either
// single-phase region keeps a temperature on its own side of the line, so
// that its properties, transport ones included, are those of its own phase.
TEST(PropertiesPh, StatesWithinTheBackwardToleranceOfTheLineKeepTheirPhase) {
    const double ts = TFS::TS_P(1);
    const double steam = TFS::HSP_P(1) + 0.01;
    ASSERT_LT(TFS::T_PH2A(1, steam), ts);
    EXPECT_GT(TFS::T_PH(1, steam), ts);
    EXPECT_NEAR(TFS::T_PH(1, steam), ts, 1e-12);
    EXPECT_NEAR(TFS::S_PH(1, steam), TFS::SSP_P(1), 1e-4);
    EXPECT_NEAR(TFS::V_PH(1, steam), TFS::VSP_P(1), 1e-5);
    EXPECT_NEAR(TFS::Cp_PH(1, steam), TFS::CSP_P(1), 1e-3);
    EXPECT_NEAR(TFS::MIU_PT(1, TFS::T_PH(1, steam)), 15.0, 0.5);  // steam, not water's ~150 µPa·s

    const double water = TFS::HSW_P(1) - 0.01;
    ASSERT_GT(TFS::T_PH1(1, water), ts);
    EXPECT_LT(TFS::T_PH(1, water), ts);
    EXPECT_NEAR(TFS::S_PH(1, water), TFS::SSW_P(1), 1e-4);
    EXPECT_NEAR(TFS::V_PH(1, water), TFS::VSW_P(1), 1e-7);
    EXPECT_NEAR(TFS::Cp_PH(1, water), TFS::CSW_P(1), 1e-3);
    EXPECT_NEAR(TFS::MIU_PT(1, TFS::T_PH(1, water)), 150.0, 5.0);
}

// Between 16.5292 MPa and the critical pressure the iteration closes its
// interval on the saturated state; its result stays on the state's own side.
TEST(PropertiesPh, RegionThreeNextToTheLineKeepsItsPhase) {
    const double ts = TFS::TS_P(20);
    EXPECT_LT(TFS::T_PH(20, TFS::HSW_P(20) - 1e-9), ts);
    EXPECT_GT(TFS::T_PH(20, TFS::HSP_P(20) + 1e-9), ts);
    EXPECT_NO_THROW(TFS::V_PH(20, TFS::HSW_P(20) - 1e-9));
    EXPECT_NO_THROW(TFS::MIU_PT(20, TFS::T_PH(20, TFS::HSP_P(20) + 1e-9)));
}

TEST(PropertiesPh, TransportOfWetSteamReachesTheSaturationStop) {
    const double t = TFS::T_PH(1, 2000);
    EXPECT_EQ(stop_message(TFS::MIU_PT, 1, t), "Вы попали на линию насыщения (V_PT)");
    EXPECT_EQ(stop_message(TFS::LMB_PT, 1, t), "Вы попали на линию насыщения (V_PT)");
}

// At an enthalpy exactly h′ or h″ the state is that saturated phase, below
// 16.5292 MPa and in region 3 alike: T_PH3 gives TS_P at once, and STATE_PH
// the phase with x = 0 or 1. (T_PH3 used to close on the step of h_pt
// across the line, for up to a second and 0.5 mK off.)
TEST(PropertiesPh, AtASaturatedEnthalpyTheSaturatedPhase) {
    for (const double p : {1.0, 10.0, 16.5, 18.0, 20.111733656894181, 20.252048918961997, 22.0}) {
        const double ts = TFS::TS_P(p);
        for (const double x : {0.0, 1.0}) {
            SCOPED_TRACE(std::to_string(p) + " MPa, x = " + std::to_string(x));
            const double h = x == 0 ? TFS::HSW_P(p) : TFS::HSP_P(p);
            if (p > 16.5292) {
                EXPECT_EQ(TFS::T_PH3(p, h), ts);
            }
            const TFS::State state = TFS::STATE_PH(p, h);
            EXPECT_EQ(state.region, 4);
            EXPECT_EQ(state.x, x);
            EXPECT_EQ(state.t, ts);
            EXPECT_EQ(state.h, h);
            EXPECT_NEAR(state.s, x == 0 ? TFS::SSW_P(p) : TFS::SSP_P(p), 1e-9);
            EXPECT_NEAR(state.v, x == 0 ? TFS::VSW_P(p) : TFS::VSP_P(p), 1e-12);
        }
    }
}

// STATE_PH (p, h_pt (p, t)) comes back to t over the whole domain. Where two
// regions meet their enthalpies differ a little and can overlap, so that two
// temperatures some millikelvin apart share one enthalpy: at 800 °C from 1 to
// 25 MPa (region 5 below region 2, up to 0.038 K apart at 10 MPa), at 350 °C
// above 16.5292 MPa (regions 1 and 3, 0.003 K) and on B23 (regions 2 and 3,
// 0.005 K). There the state found is the other one, whose h_pt is h; at
// 16.5292 MPa steam just above the saturation temperature is saturated steam.
TEST(StatePH, RoundTripOverTheDomain) {
    std::mt19937_64 random(2007);
    std::uniform_real_distribution<double> unit(0, 1);
    const auto hottest = [](double p) { return p <= 50 ? 2000.0 : 800.0; };
    struct State {
        double p, t;
    };
    std::vector<State> states;
    for (int i = 0; i < 3000; ++i) {
        const double p = i % 2 ? std::exp(std::log(0.001) + unit(random) * std::log(1e5)) : 15 + 20 * unit(random);
        const double t = i % 3 ? unit(random) * hottest(p) : 340 + 60 * unit(random);
        states.push_back({p, t});
    }
    // Region bounds and their neighbours; the saturation line from either side.
    for (const double p : {0.001, 1.0, 10.0, 16.5292, 20.0, 22.0, TFS::PKR, 25.0, 50.0, 60.0, 100.0}) {
        for (const double t : {-1e-9, 0.0, 350.0, tB23(p), 800.0, 2000.0})
            for (const double near : {std::nextafter(t, -1.0), t, std::nextafter(t, 3000.0), t - 1e-4, t + 1e-4})
                if (near >= -1e-9 && near <= hottest(p)) states.push_back({p, near});
        if (p < TFS::PKR)
            for (const double dt : {-0.01, -1e-7, 1e-7, 0.01}) states.push_back({p, TFS::TS_P(p) + dt});
    }
    for (const auto& [p, t] : states) {
        SCOPED_TRACE(std::to_string(p) + " MPa, " + std::to_string(t) + " °C");
        const double h = TFS::h_pt(p, t);
        const TFS::State back = TFS::STATE_PH(p, h);
        const bool overlap = (std::fabs(t - 800) < 0.05 && p >= 1 && p <= 25) ||
                             (p > 16.5 && (std::fabs(t - 350) < 0.005 || std::fabs(t - tB23(p)) < 0.01));
        if (!std::isnan(back.x)) {
            EXPECT_TRUE(overlap && p < TFS::PKR);
            continue;
        }
        EXPECT_NEAR(TFS::h_pt(p, back.t), h, 1e-12 * std::max(std::fabs(h), 1.0));
        if (!overlap) {
            EXPECT_NEAR(back.t, t, 1e-7);
        }
    }
}
