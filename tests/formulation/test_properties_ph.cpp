#include <gtest/gtest.h>

#include <string>

#include "TFS.h"
#include "stop_message.h"

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

TEST(PropertiesPh, SinglePhaseStatesAtTheirTemperature) {
    for (const auto& [p, h] : {std::pair{3.0, 3000.0}, {0.1, 100.0}, {25.0, 2000.0}, {20.0, 2600.0}, {60.0, 3200.0}}) {
        const double t = TFS::T_PH(p, h);
        EXPECT_EQ(TFS::S_PH(p, h), TFS::S_PT(p, t)) << p << " " << h;
        EXPECT_EQ(TFS::V_PH(p, h), TFS::V_PT(p, t)) << p << " " << h;
        EXPECT_EQ(TFS::Cp_PH(p, h), TFS::Cp_PT(p, t)) << p << " " << h;
    }
}

// At 1 MPa the backward equations put the saturated liquid 0.02 K above ts
// and the saturated vapour 0.004 K below it. A state a hair inside either
// single-phase region then has a temperature on the other side of the line;
// its properties are those of the saturated phase it belongs to, not of the
// other phase.
TEST(PropertiesPh, StatesWithinTheBackwardToleranceOfTheLineKeepTheirPhase) {
    const double ts = TFS::TS_P(1);
    const double steam = TFS::HSP_P(1) + 0.01;
    ASSERT_LT(TFS::T_PH(1, steam), ts);
    EXPECT_NEAR(TFS::S_PH(1, steam), TFS::SSP_P(1), 1e-4);
    EXPECT_NEAR(TFS::V_PH(1, steam), TFS::VSP_P(1), 1e-5);
    EXPECT_NEAR(TFS::Cp_PH(1, steam), TFS::CSP_P(1), 1e-3);

    const double water = TFS::HSW_P(1) - 0.01;
    ASSERT_GT(TFS::T_PH(1, water), ts);
    EXPECT_NEAR(TFS::S_PH(1, water), TFS::SSW_P(1), 1e-4);
    EXPECT_NEAR(TFS::V_PH(1, water), TFS::VSW_P(1), 1e-7);
    EXPECT_NEAR(TFS::Cp_PH(1, water), TFS::CSW_P(1), 1e-3);
}

TEST(PropertiesPh, TransportOfWetSteamReachesTheSaturationStop) {
    const double t = TFS::T_PH(1, 2000);
    EXPECT_EQ(stop_message(TFS::MIU_PT, 1, t), "Вы попали на линию насыщения (V_PT)");
    EXPECT_EQ(stop_message(TFS::LMB_PT, 1, t), "Вы попали на линию насыщения (V_PT)");
}
