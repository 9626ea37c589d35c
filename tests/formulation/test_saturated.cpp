#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "TFS.h"
#include "stop_message.h"

namespace {

using BySaturation = double (*)(double);

struct Named {
    const char* name;
    BySaturation f;
};

// clang-format off
constexpr Named BY_PRESSURE[] = {
    {"HSW_P", TFS::HSW_P}, {"SSW_P", TFS::SSW_P}, {"VSW_P", TFS::VSW_P}, {"CSW_P", TFS::CSW_P},
    {"HSP_P", TFS::HSP_P}, {"SSP_P", TFS::SSP_P}, {"VSP_P", TFS::VSP_P}, {"CSP_P", TFS::CSP_P},
};
constexpr Named BY_TEMPERATURE[] = {
    {"HSW_T", TFS::HSW_T}, {"SSW_T", TFS::SSW_T}, {"VSW_T", TFS::VSW_T}, {"CSW_T", TFS::CSW_T},
    {"HSP_T", TFS::HSP_T}, {"SSP_T", TFS::SSP_T}, {"VSP_T", TFS::VSP_T}, {"CSP_T", TFS::CSP_T},
};
// clang-format on

}  // namespace

TEST(Saturated, WaterAndSteamAtOneBar) {
    EXPECT_NEAR(TFS::HSW_P(0.1), 417.44, 0.005);
    EXPECT_NEAR(TFS::SSW_P(0.1), 1.3026, 0.00005);
    EXPECT_NEAR(TFS::VSW_P(0.1), 0.0010431, 0.00000005);
    EXPECT_NEAR(TFS::CSW_P(0.1), 4.2161, 0.00005);
    EXPECT_NEAR(TFS::HSP_P(0.1), 2674.95, 0.005);
    EXPECT_NEAR(TFS::SSP_P(0.1), 7.3588, 0.00005);
    EXPECT_NEAR(TFS::VSP_P(0.1), 1.6940, 0.00005);
    EXPECT_NEAR(TFS::CSP_P(0.1), 2.0759, 0.00005);
    EXPECT_EQ(TFS::VSW_P(0.1), TFS::VW0_PT(0.1, TFS::TS_P(0.1)));
}

TEST(Saturated, ByTemperatureAtTheBoilingAndTriplePoints) {
    EXPECT_NEAR(TFS::HSW_T(100), 419.10, 0.005);
    EXPECT_NEAR(TFS::HSP_T(100), 2675.57, 0.005);
    EXPECT_NEAR(TFS::VSP_T(100), 1.6719, 0.00005);
    EXPECT_NEAR(TFS::HSW_T(0.01), 0.000612, 0.0000005);
    EXPECT_NEAR(TFS::SSW_T(0.01), 0.0, 1e-7);
    EXPECT_NEAR(TFS::HSP_T(0.01), 2500.91, 0.005);
}

TEST(Saturated, SwitchToRegion3Above350C) {
    // By pressure: ts(16.5) ≈ 349.856 °C stays with regions 1 and 2, ts(16.53) ≈ 350.004 °C does not.
    EXPECT_EQ(TFS::HSW_P(16.5), TFS::HW_PT(16.5, TFS::TS_P(16.5)));
    EXPECT_EQ(TFS::HSP_P(16.5), TFS::HP_PT(16.5, TFS::TS_P(16.5)));
    EXPECT_NEAR(TFS::HSW_P(16.5), 1669.68, 0.005);
    EXPECT_NEAR(TFS::HSP_P(16.5), 2564.57, 0.005);
    EXPECT_EQ(TFS::HSW_P(16.53), TFS::HKR_PT(16.53, TFS::TS_P(16.53), 1));
    EXPECT_EQ(TFS::HSP_P(16.53), TFS::HKR_PT(16.53, TFS::TS_P(16.53), 2));
    // By temperature the switch tests t itself.
    EXPECT_EQ(TFS::HSW_T(350), TFS::HW_PT(TFS::PS_T(350), 350));
    EXPECT_EQ(TFS::HSP_T(350), TFS::HP_PT(TFS::PS_T(350), 350));
    EXPECT_NEAR(TFS::HSW_T(350), 1670.86, 0.005);
    EXPECT_NEAR(TFS::HSP_T(350), 2563.59, 0.005);
    EXPECT_EQ(TFS::HSW_T(350.001), TFS::HKR_PT(TFS::PS_T(350.001), 350.001, 1));
    EXPECT_EQ(TFS::HSP_T(350.001), TFS::HKR_PT(TFS::PS_T(350.001), 350.001, 2));
    double v1 = 0, v2 = 0;
    TFS::VKR_PT(TFS::PS_T(360), 360, v1, v2);
    EXPECT_EQ(TFS::VSW_T(360), v1);
    EXPECT_EQ(TFS::VSP_T(360), v2);
}

TEST(Saturated, BoundsAtTheCriticalPoint) {
    EXPECT_NO_THROW(TFS::HSW_P(22.064));
    EXPECT_NO_THROW(TFS::VSP_P(22.064));
    EXPECT_NO_THROW(TFS::CSW_T(373.946));
    EXPECT_NO_THROW(TFS::SSP_T(373.946));
    const double NaN = std::nan("");
    for (const Named& f : BY_PRESSURE)
        for (double p : {22.0641, NaN})
            EXPECT_EQ(stop_message([&] { f.f(p); }),
                      std::string("При данном давлении нет состояния насыщения (") + f.name + ")");
    for (const Named& f : BY_TEMPERATURE)
        for (double t : {373.947, NaN})
            EXPECT_EQ(stop_message([&] { f.f(t); }),
                      std::string("При данной температуре нет состояния насыщения (") + f.name + ")");
}

// Region 3 tells the two phases apart only where TS_P (PS_T (t)) returns t to
// within a relative 1e-14; otherwise water and steam would come out alike.
// One VKR_PT call gives both saturated volumes (VSW_T and VSP_T are its v1, v2).
TEST(Saturated, WaterAndSteamDifferUpToTheCriticalPoint) {
    for (int k = 1; k <= 239450; ++k) {
        const double t = 350 + k * 1e-4;
        ASSERT_LT(std::fabs((TFS::TS_P(TFS::PS_T(t)) - t) / t), 1e-14) << t;
    }
    for (int k = 1; k <= 2394; ++k) {
        const double t = 350 + k * 0.01;
        double v1 = 0, v2 = 0;
        TFS::VKR_PT(TFS::PS_T(t), t, v1, v2);
        ASSERT_LT(v1, v2) << t;
    }
    for (double t = 373.9; t <= 373.945; t += 0.001) ASSERT_LT(TFS::VSW_T(t), TFS::VSP_T(t)) << t;
}

// Up to about 373.94596 °C the region 3 isotherm still meets the saturation
// pressure three times (liquid, unstable middle and vapour root), the vapour
// root less than one walk step from the middle one.
TEST(Saturated, BothPhasesJustBelowTheCriticalPoint) {
    for (double t : {373.9459, 373.94591, 373.94595, 373.94596}) {
        const double p = TFS::PS_T(t);
        EXPECT_GT(TFS::VSP_T(t) - TFS::VSW_T(t), 0.000005) << t;
        EXPECT_LT(TFS::HSW_T(t), TFS::HSP_T(t)) << t;
        EXPECT_GT(TFS::VSP_P(p) - TFS::VSW_P(p), 0.000005) << p;
        EXPECT_LT(TFS::HSW_P(p), TFS::HSP_P(p)) << p;
    }
    // 22.06399 MPa and 2087 kJ/kg lie between h′ and h″: wet steam.
    const double p = 22.06399;
    EXPECT_EQ(TFS::T_PH(p, 2087), TFS::TS_P(p));
    EXPECT_LT(TFS::VSW_P(p), TFS::V_PH(p, 2087));
    EXPECT_LT(TFS::V_PH(p, 2087), TFS::VSP_P(p));
}

TEST(Saturated, ByTemperatureAgreesWithByPressure) {
    for (double t : {1.0, 50.0, 100.0, 200.0, 300.0, 349.0, 351.0, 360.0, 370.0, 373.9}) {
        const double p = TFS::PS_T(t);
        EXPECT_NEAR(TFS::HSW_T(t), TFS::HSW_P(p), TFS::HSW_P(p) * 1e-9) << t;
        EXPECT_NEAR(TFS::HSP_T(t), TFS::HSP_P(p), TFS::HSP_P(p) * 1e-9) << t;
    }
}

TEST(Saturated, LatentHeatVanishesAtTheCriticalPoint) {
    double previous = 1e9;
    for (double t : {300.0, 350.0, 360.0, 370.0, 373.0, 373.9, 373.945}) {
        const double latent = TFS::HSP_T(t) - TFS::HSW_T(t);
        EXPECT_LT(latent, previous) << t;
        EXPECT_GT(latent, 0) << t;
        previous = latent;
    }
    EXPECT_LT(previous, 15);
    EXPECT_LT(std::fabs(TFS::HSP_T(TFS::TKR) - TFS::HSW_T(TFS::TKR)), 1);
}
