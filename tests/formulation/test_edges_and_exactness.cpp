// Exactness the documents promise at the edges of region 3, the saturated
// phases as one thing whichever function asks for them, and the stop of
// every public function for arguments outside its range.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <utility>

#include "TFS.h"
#include "stop_message.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double INF = std::numeric_limits<double>::infinity();

}  // namespace

// Next to the critical point and at the boundaries of region 3 (350 °C, B23),
// where the Newton steps from the backward equations do not settle.
TEST(Exactness, TemperatureFromEnthalpyMeetsItInRegion3) {
    const struct {
        double p, h;
    } states[] = {{22.073405103096285, 2075.84465881406},
                  {75.366424053015663, 2715.666821185448},
                  {61.94327946000957, 1566.0783260196158}};
    for (const auto& x : states) {
        const double t = TFS::T_PH(x.p, x.h);
        // Next to the critical point the rounding of the pressure equation
        // leaves the region 3 volume open by some 1e-11 of itself, and h
        // jumps between neighbouring doubles of t: there h is met to 1e-12
        // where a double near t does, and to 1e-11 at worst.
        const auto miss = [&](double at) { return std::fabs(TFS::h_pt(x.p, at) - x.h); };
        bool met_nearby = false;
        for (double below = t, above = t, k = 0; k < 64; ++k) {
            below = std::nextafter(below, -INF);
            above = std::nextafter(above, INF);
            met_nearby = met_nearby || miss(below) <= 1e-12 * x.h || miss(above) <= 1e-12 * x.h;
        }
        EXPECT_LE(miss(t), (met_nearby ? 1e-12 : 1e-11) * x.h) << x.p << " MPa, " << x.h << " kJ/kg";
        EXPECT_EQ(t, TFS::STATE_PH(x.p, x.h).t) << x.p << " MPa, " << x.h << " kJ/kg";
    }
    const double p = 22.0627799403123, s = 4.3957435705818249;
    EXPECT_LE(std::fabs(TFS::S_PT(p, TFS::T_PS(p, s)) - s), 1e-12 * s);
}

// Region 2 holds the B23 line, where region 3's equation overlaps its own by
// some millikelvin: a state on the line comes back as itself (region 2, not
// a region 3 state beside it) from its (u, v), (h, s), (p, h) and (p, s);
// STATE_PH still meets h to 1e-12 and agrees with T_PH where (p, h) is told
// region 3.
TEST(Exactness, StatesOnTheB23LineComeBackInRegion2) {
    for (int i = 0; i <= 300; ++i) {
        const double t = 350.2 + (586 - 350.2) * i / 300, T = t + 273.15;
        const double p = 348.05185628969 - 1.1671859879975 * T + 0.0010192970039326 * T * T;
        const TFS::State a = TFS::STATE_PT(p, t);
        ASSERT_EQ(a.region, 2) << t;
        const std::pair<const char*, TFS::State> back[] = {{"UV", TFS::STATE_UV(a.u, a.v)},
                                                           {"HS", TFS::STATE_HS(a.h, a.s)},
                                                           {"PH", TFS::STATE_PH(p, a.h)},
                                                           {"PS", TFS::STATE_PS(p, a.s)}};
        for (const auto& [name, b] : back) {
            EXPECT_EQ(b.region, 2) << name << " t = " << t;
            EXPECT_NEAR(b.t, t, 1e-9) << name << " t = " << t;
            EXPECT_NEAR(b.p, p, 1e-12 * p) << name << " t = " << t;
        }
        EXPECT_LE(std::fabs(TFS::h_pt(p, back[2].second.t) - a.h), 1e-12 * a.h) << t;
        if (back[2].second.code == 3) {
            EXPECT_EQ(TFS::T_PH(p, a.h), back[2].second.t) << t;
        }
    }
}

// H_PX (p, 0) is HSW_P (p) bit for bit, and so on; the liquid never lies
// above the vapour, right up to the critical pressure; and a saturated value
// given back to STATE_PH or STATE_PS gives the saturated state. (Within
// 1e-6 MPa of the critical pressure the fine search for the vapour root used
// to stop with "halt" at pressures such as the three listed after 22.06399889….)
TEST(SaturatedPhases, OneSourceWhicheverWayAsked) {
    std::vector<double> pressures = {0.001, 1, 10, 16.5292, 18, 21, 22, 22.06, 22.063998893743218,
                                     22.063999710000001, 22.063999496666668, 22.063999070000001, TFS::PKR};
    for (int k = 1; k <= 60; ++k) pressures.push_back(TFS::PKR - 3e-6 * k / 60);
    for (const double p : pressures) {
        EXPECT_EQ(TFS::H_PX(p, 0), TFS::HSW_P(p)) << p;
        EXPECT_EQ(TFS::H_PX(p, 1), TFS::HSP_P(p)) << p;
        EXPECT_EQ(TFS::S_PX(p, 0), TFS::SSW_P(p)) << p;
        EXPECT_EQ(TFS::S_PX(p, 1), TFS::SSP_P(p)) << p;
        EXPECT_EQ(TFS::V_PX(p, 0), TFS::VSW_P(p)) << p;
        EXPECT_EQ(TFS::V_PX(p, 1), TFS::VSP_P(p)) << p;
        EXPECT_LE(TFS::HSW_P(p), TFS::HSP_P(p)) << p;
        EXPECT_LE(TFS::SSW_P(p), TFS::SSP_P(p)) << p;
        EXPECT_LE(TFS::VSW_P(p), TFS::VSP_P(p)) << p;
        const TFS::Saturation both = TFS::SATURATION_P(p);
        EXPECT_EQ(both.water.h, TFS::HSW_P(p)) << p;
        EXPECT_EQ(both.steam.s, TFS::SSP_P(p)) << p;
        if (p == TFS::PKR) {
            // At the critical point the two phases are one state.
            EXPECT_EQ(TFS::HSW_P(p), TFS::HSP_P(p));
            continue;
        }
        const TFS::State water = TFS::STATE_PH(p, TFS::H_PX(p, 0));
        EXPECT_EQ(water.region, 4) << p;
        EXPECT_EQ(water.x, 0) << p;
        if (TFS::SSP_P(p) - TFS::SSW_P(p) > 1e-6) {
            const TFS::State wet = TFS::STATE_PS(p, TFS::S_PX(p, 0.3594));
            EXPECT_EQ(wet.region, 4) << p;
            EXPECT_NEAR(wet.x, 0.3594, 1e-6) << p;
        }
    }
}

TEST(Refusals, SaturationLineAndSurfaceTensionOutsideTheirRange) {
    const std::string no_pressure = "При данном давлении нет состояния насыщения (TS_P)";
    for (const double p : {NaN, 0.0, -0.0, -1.0, 4.9e-324, 1e-310, INF})
        EXPECT_EQ(stop_message([&] { TFS::TS_P(p); }), no_pressure) << p;
    for (const double t : {NaN, INF, -INF, 1e308, -1e308, -300.0})
        EXPECT_EQ(stop_message([&] { TFS::PS_T(t); }), "При данной температуре нет состояния насыщения (PS_T)") << t;
    for (const double t : {-INF, -1e308, -25.001})
        EXPECT_EQ(stop_message([&] { TFS::SIG14_T(t); }), "При данной температуре нет состояния насыщения (SIG14_T)")
            << t;
    EXPECT_TRUE(std::isfinite(TFS::SIG14_T(-25)));
    EXPECT_EQ(stop_message([] { TFS::SIG14_P(1e-12); }), "При данном давлении нет состояния насыщения (SIG14_P)");
}

// Whatever the function, an argument that is not a number or is infinite
// gets its stop, never a result.
TEST(Refusals, EveryFunctionStopsOnArgumentsThatAreNotFinite) {
    using One = double (*)(double);
    using Two = double (*)(double, double);
    using Branch = double (*)(double, double, int);
    const One one[] = {TFS::TS_P,      TFS::PS_T,      TFS::HSW_P,     TFS::SSW_P,     TFS::VSW_P,     TFS::CSW_P,
                       TFS::HSW_T,     TFS::SSW_T,     TFS::VSW_T,     TFS::CSW_T,     TFS::HSP_P,     TFS::SSP_P,
                       TFS::VSP_P,     TFS::CSP_P,     TFS::HSP_T,     TFS::SSP_T,     TFS::VSP_T,     TFS::CSP_T,
                       TFS::MIU08SW_P, TFS::MIU08SP_P, TFS::MIU08SW_T, TFS::MIU08SP_T, TFS::LMB11SW_P, TFS::LMB11SP_P,
                       TFS::LMB11SW_T, TFS::LMB11SP_T, TFS::SIG14_T,   TFS::SIG14_P};
    const Two two[] = {TFS::HW_PT,  TFS::SW_PT,  TFS::VW_PT,  TFS::VW0_PT, TFS::CpW_PT,   TFS::UW_PT,    TFS::CvW_PT,
                       TFS::WW_PT,  TFS::HP_PT,  TFS::SP_PT,  TFS::VP_PT,  TFS::CpP_PT,   TFS::UP_PT,    TFS::CvP_PT,
                       TFS::WP_PT,  TFS::H5_PT,  TFS::S5_PT,  TFS::V5_PT,  TFS::Cp5_PT,   TFS::U5_PT,    TFS::Cv5_PT,
                       TFS::W5_PT,  TFS::S_PX,   TFS::V_PX,   TFS::Cp_PX,  TFS::H_PX,     TFS::h_pt,     TFS::S_PT,
                       TFS::V_PT,   TFS::Cp_PT,  TFS::U_PT,   TFS::Cv_PT,  TFS::W_PT,     TFS::K_PT,     TFS::MIU_PT,
                       TFS::LMB_PT, TFS::PR_PT,  TFS::MIU08_PT, TFS::LMB11_PT, TFS::T_PH1, TFS::T_PH2A,  TFS::T_PH2B,
                       TFS::T_PH2C, TFS::T_PH3,  TFS::T_PH,   TFS::S_PH,   TFS::V_PH,     TFS::Cp_PH,    TFS::T_PS1,
                       TFS::T_PS2A, TFS::T_PS2B, TFS::T_PS2C, TFS::T_PS3A, TFS::T_PS3B,   TFS::T_PS,     TFS::P_HS,
                       TFS::T_HS,   TFS::ZKR_VT};
    const Branch branch[] = {TFS::HKR_PT, TFS::SKR_PT, TFS::CpKR_PT, TFS::UKR_PT, TFS::CvKR_PT, TFS::WKR_PT};
    // A valid argument beside each bad one: a state of region 3 fits every function taking two.
    const double a = 25, b = 380;
    for (const double bad : {NaN, INF, -INF}) {
        for (const One f : one) EXPECT_NE(stop_message([&] { f(bad); }), "no stop") << bad;
        for (const Two f : two) {
            EXPECT_NE(stop_message([&] { f(bad, b); }), "no stop") << bad;
            EXPECT_NE(stop_message([&] { f(a, bad); }), "no stop") << bad;
        }
        for (const Branch f : branch) {
            EXPECT_NE(stop_message([&] { f(bad, b, 1); }), "no stop") << bad;
            EXPECT_NE(stop_message([&] { f(a, bad, 1); }), "no stop") << bad;
        }
        using Whole = std::function<void(double, double)>;
        const Whole whole[] = {[](double x, double y) { TFS::STATE_PT(x, y); },
                               [](double x, double y) { TFS::STATE_PH(x, y); },
                               [](double x, double y) { TFS::STATE_PS(x, y); },
                               [](double x, double y) { TFS::STATE_HS(x, y); },
                               [](double x, double y) { TFS::STATE_PX(x, y / 1000); },
                               [](double x, double y) { TFS::STATE_TX(x * 10, y / 1000); },
                               [](double x, double y) {
                                   double v1 = 0, v2 = 0;
                                   TFS::VKR_PT(x, y, v1, v2);
                               },
                               [](double x, double y) {
                                   int code = 0;
                                   std::string caption;
                                   TFS::REG_PT(x, y, code, caption);
                               },
                               [](double x, double y) {
                                   int code = 0;
                                   std::string caption;
                                   TFS::REG_PH(x, y * 5, code, caption);
                               }};
        for (const Whole& f : whole) {
            EXPECT_NE(stop_message([&] { f(bad, b); }), "no stop") << bad;
            EXPECT_NE(stop_message([&] { f(a, bad); }), "no stop") << bad;
        }
        EXPECT_NE(stop_message([&] { TFS::SATURATION_P(bad); }), "no stop") << bad;
        EXPECT_NE(stop_message([&] { TFS::SATURATION_T(bad); }), "no stop") << bad;
    }
}
