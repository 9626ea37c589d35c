// STATE_PT and STATE_PH give every property of a state exactly as the single
// functions do, and stop where the first of those stops.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "TFS.h"
#include "stop_message.h"

namespace {

bool same(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// κ = w²/(p·v) as the formulation forms it (p in Pa).
double kappa(double p, double v, double w) {
    return w * w / (p * 1e6 * v);
}

TEST(StatePT, EveryFieldIsTheSingleFunctionsValue) {
    // Each (p, t) region, region 3 on both sides of the line, the line itself and outside.
    const double states[][2] = {{10, 300}, {0.1, 200},      {5, 1000}, {25, 380},         {20, 360},
                                {20, 370}, {19.25, 367.35}, {50, 650}, {1, TFS::TS_P(1)}, {120, 300}};
    for (const auto& [p, t] : states) {
        SCOPED_TRACE(std::to_string(p) + " MPa, " + std::to_string(t) + " °C");
        const std::string stop = stop_message(TFS::h_pt, p, t);
        if (stop != "no stop") {
            EXPECT_EQ(stop_message([&] { TFS::STATE_PT(p, t); }), stop);
            continue;
        }
        const TFS::State s = TFS::STATE_PT(p, t);
        int region = 0;
        std::string caption;
        TFS::REG_PT(p, t, region, caption);
        EXPECT_EQ(s.region, region);
        EXPECT_EQ(s.code, 0);
        EXPECT_TRUE(std::isnan(s.x));
        EXPECT_TRUE(same(s.t, t));
        EXPECT_TRUE(same(s.h, TFS::h_pt(p, t)));
        EXPECT_TRUE(same(s.s, TFS::S_PT(p, t)));
        EXPECT_TRUE(same(s.v, TFS::V_PT(p, t)));
        EXPECT_TRUE(same(s.cp, TFS::Cp_PT(p, t)));
        EXPECT_TRUE(same(s.u, TFS::U_PT(p, t)));
        EXPECT_TRUE(same(s.cv, TFS::Cv_PT(p, t)));
        EXPECT_TRUE(same(s.w, TFS::W_PT(p, t)));
        EXPECT_TRUE(same(s.kappa, TFS::K_PT(p, t)));
        EXPECT_TRUE(same(s.mu, TFS::MIU_PT(p, t)));
        EXPECT_TRUE(same(s.lambda, TFS::LMB_PT(p, t)));
        EXPECT_TRUE(same(s.pr, TFS::PR_PT(p, t)));
    }
}

// Every (p, h) code; wet states below 16.5292 MPa and in region 3; the
// saturated enthalpies themselves; the critical pressure; outside.
TEST(StatePH, EveryFieldIsTheSingleFunctionsValue) {
    const double states[][2] = {{3, 500},           {1, 3000},          {5, 3000}, {10, 2700},    {20, 2700},
                                {25, 2000},         {20, 1800},         {1, 2000}, {22.05, 2334}, {TFS::PKR, 2087},
                                {1, TFS::HSW_P(1)}, {1, TFS::HSP_P(1)}, {50, 500}, {0.0001, 100}};
    for (const auto& [p, h] : states) {
        SCOPED_TRACE(std::to_string(p) + " MPa, " + std::to_string(h) + " kJ/kg");
        const std::string stop = stop_message(TFS::V_PH, p, h);
        if (stop != "no stop") {
            EXPECT_EQ(stop_message([&] { TFS::STATE_PH(p, h); }), stop);
            continue;
        }
        const TFS::State s = TFS::STATE_PH(p, h);
        int code = 0;
        std::string caption;
        TFS::REG_PH(p, h, code, caption);
        EXPECT_EQ(s.code, code);
        // The temperature meets h on the forward equations; T_PH is the backward one.
        EXPECT_NEAR(s.t, TFS::T_PH(p, h), 0.025);
        EXPECT_TRUE(same(s.h, h));
        EXPECT_TRUE(same(s.s, TFS::S_PH(p, h)));
        EXPECT_TRUE(same(s.v, TFS::V_PH(p, h)));
        EXPECT_TRUE(same(s.cp, TFS::Cp_PH(p, h)));
        const bool two_phase = stop_message(TFS::MIU_PT, p, s.t) != "no stop";
        EXPECT_EQ(!std::isnan(s.x), two_phase);
        int region = 4;  // the saturation line, for a two-phase state
        if (!two_phase) TFS::REG_PT(p, s.t, region, caption);
        EXPECT_EQ(s.region, region);
        if (two_phase) {
            EXPECT_TRUE(same(s.v, TFS::V_PX(p, s.x)));
            EXPECT_TRUE(std::isnan(s.mu) && std::isnan(s.lambda) && std::isnan(s.pr));
            EXPECT_TRUE(std::isnan(s.cv) && std::isnan(s.w) && std::isnan(s.kappa));
            // u of the mixture: the mass-weighted mean of the saturated phases' u.
            const TFS::Saturation sat = TFS::SATURATION_P(p);
            const double u = (1 - s.x) * sat.water.u + s.x * sat.steam.u;
            EXPECT_NEAR(s.u, u, std::fabs(u) * 1e-12);
        } else {
            // Next to the critical point (cp 2e7 kJ/(kg·K)) h steps by some
            // 1e-6 kJ/kg from one double of t to the next.
            EXPECT_NEAR(TFS::h_pt(p, s.t), h, p == TFS::PKR ? 1e-5 : 1e-12 * h);
            EXPECT_TRUE(same(s.u, TFS::U_PT(p, s.t)));
            EXPECT_TRUE(same(s.cv, TFS::Cv_PT(p, s.t)));
            EXPECT_TRUE(same(s.w, TFS::W_PT(p, s.t)));
            EXPECT_TRUE(same(s.kappa, TFS::K_PT(p, s.t)));
            EXPECT_TRUE(same(s.mu, TFS::MIU_PT(p, s.t)));
            EXPECT_TRUE(same(s.lambda, TFS::LMB_PT(p, s.t)));
            EXPECT_TRUE(same(s.pr, TFS::PR_PT(p, s.t)));
        }
    }
}

}  // namespace

namespace {

void expect_phase(const TFS::SaturatedPhase& phase, double h, double s, double v, double cp) {
    EXPECT_TRUE(same(phase.h, h));
    EXPECT_TRUE(same(phase.s, s));
    EXPECT_TRUE(same(phase.v, v));
    EXPECT_TRUE(same(phase.cp, cp));
}

// u, cv and w of both phases are those of their region functions at the
// saturation state (p, t): regions 1 and 2 up to 350 °C, region 3 above; κ = w²/(p·v).
void expect_region_values(const TFS::Saturation& s) {
    const double p = s.p, t = s.t;
    const TFS::SaturatedPhase* phases[] = {&s.water, &s.steam};
    for (const int branch : {1, 2}) {
        const TFS::SaturatedPhase& x = *phases[branch - 1];
        const bool r3 = t > 350, water = branch == 1;
        EXPECT_TRUE(same(x.u, r3 ? TFS::UKR_PT(p, t, branch) : water ? TFS::UW_PT(p, t) : TFS::UP_PT(p, t)));
        EXPECT_TRUE(same(x.cv, r3 ? TFS::CvKR_PT(p, t, branch) : water ? TFS::CvW_PT(p, t) : TFS::CvP_PT(p, t)));
        EXPECT_TRUE(same(x.w, r3 ? TFS::WKR_PT(p, t, branch) : water ? TFS::WW_PT(p, t) : TFS::WP_PT(p, t)));
        EXPECT_TRUE(same(x.kappa, kappa(p, x.v, x.w)));
    }
}

// Regions 1 and 2 and region 3 on the line, up to the critical point; beyond it, and where a
// value has no finite number (p = 0, absolute zero), the stop of the single functions.
TEST(Saturation, EveryFieldIsTheSingleFunctionsValue) {
    for (const double p : {0.0, 0.001, 1.0, 16.5292, 20.0, 22.0, TFS::PKR, 23.0}) {
        SCOPED_TRACE(std::to_string(p) + " MPa");
        const std::string stop = stop_message([&] { TFS::HSP_P(p); });
        if (stop != "no stop") {
            EXPECT_EQ(stop_message([&] { TFS::SATURATION_P(p); }), stop);
            continue;
        }
        const TFS::Saturation s = TFS::SATURATION_P(p);
        EXPECT_TRUE(same(s.t, TFS::TS_P(p)));
        expect_phase(s.water, TFS::HSW_P(p), TFS::SSW_P(p), TFS::VSW_P(p), TFS::CSW_P(p));
        expect_phase(s.steam, TFS::HSP_P(p), TFS::SSP_P(p), TFS::VSP_P(p), TFS::CSP_P(p));
        expect_region_values(s);
    }
    for (const double t : {-273.15, 0.01, 100.0, 350.0, 360.0, 373.9, 373.94595, TFS::TKR, 374.0}) {
        SCOPED_TRACE(std::to_string(t) + " °C");
        const std::string stop = stop_message([&] { TFS::HSP_T(t); });
        if (stop != "no stop") {
            EXPECT_EQ(stop_message([&] { TFS::SATURATION_T(t); }), stop);
            continue;
        }
        const TFS::Saturation s = TFS::SATURATION_T(t);
        EXPECT_TRUE(same(s.p, TFS::PS_T(t)));
        expect_phase(s.water, TFS::HSW_T(t), TFS::SSW_T(t), TFS::VSW_T(t), TFS::CSW_T(t));
        expect_phase(s.steam, TFS::HSP_T(t), TFS::SSP_T(t), TFS::VSP_T(t), TFS::CSP_T(t));
        expect_region_values(s);
    }
}

}  // namespace
