// Metastable steam by its supplementary equation, and the derivatives of a
// state from its equation.
#include <gtest/gtest.h>

#include <cmath>

#include "TFS.h"
#include "stop_message.h"

// IAPWS-IF97 Table 18 (T in K, p in MPa): v, h, u, s, cp, w to their nine digits.
TEST(MetastableSteam, ReproducesIapwsTable18) {
    const struct {
        double T, p, v, h, u, s, cp, w;
    } rows[] = {
        {450, 1, 0.192516540, 2768.81115, 2576.29461, 6.56660377, 2.76349265, 498.408101},
        {440, 1, 0.186212297, 2740.15123, 2553.93894, 6.50218759, 2.98166443, 489.363295},
        {450, 1.5, 0.121685206, 2721.34539, 2538.81758, 6.29170440, 3.62795578, 481.941819},
    };
    for (const auto& r : rows) {
        const double t = r.T - 273.15;
        const TFS::State a = TFS::STATE_PT_METASTABLE(r.p, t);
        const struct {
            double got, expected;
        } values[] = {{a.v, r.v}, {a.h, r.h}, {a.u, r.u}, {a.s, r.s}, {a.cp, r.cp}, {a.w, r.w},
                      {TFS::VMS_PT(r.p, t), r.v}, {TFS::HMS_PT(r.p, t), r.h}, {TFS::UMS_PT(r.p, t), r.u},
                      {TFS::SMS_PT(r.p, t), r.s}, {TFS::CpMS_PT(r.p, t), r.cp}, {TFS::WMS_PT(r.p, t), r.w}};
        for (const auto& x : values) EXPECT_NEAR(x.got, x.expected, 5e-9 * x.expected) << r.T << " K, " << r.p << " MPa";
        EXPECT_EQ(a.region, TFS::METASTABLE_STEAM);
        EXPECT_EQ(TFS::CvMS_PT(r.p, t), a.cv);
    }
}

// From the saturated-vapour line to 5 % equilibrium moisture, 611.657 Pa to
// 10 MPa: above the saturation temperature, at more moisture, beyond the
// pressures and for no number the stop.
TEST(MetastableSteam, StopsOutsideItsRange) {
    const char* outside = "ЗАДАННЫЕ P И T ЗА ПРЕДЕЛАМИ ОБЛАСТИ МЕТАСТАБИЛЬНОГО ПАРА:";
    EXPECT_EQ(stop_message([] { TFS::STATE_PT_METASTABLE(1, 176.85); }), "no stop");
    EXPECT_EQ(stop_message([] { TFS::STATE_PT_METASTABLE(1, TFS::TS_P(1)); }), "no stop");
    const struct {
        double p, t;
    } cases[] = {{1, 180}, {1, 100}, {10.1, 300}, {0.0006, 0}, {0.1, 20}, {NAN, 100}, {1, NAN}, {INFINITY, 100}};
    for (const auto& c : cases) {
        EXPECT_EQ(stop_message(TFS::HMS_PT, c.p, c.t), outside) << c.p << " MPa, " << c.t << " °C";
        EXPECT_EQ(stop_message([&] { TFS::STATE_PT_METASTABLE(c.p, c.t); }), outside) << c.p << ", " << c.t;
    }
}

namespace {

// Central differences of the (p, t) functions, to check the equations' derivatives.
double dv_dt(double p, double t) {
    const double dt = 1e-4;
    return (TFS::V_PT(p, t + dt) - TFS::V_PT(p, t - dt)) / (2 * dt);
}
double dv_dp(double p, double t) {
    const double dp = 1e-6 * p;
    return (TFS::V_PT(p + dp, t) - TFS::V_PT(p - dp, t)) / (2 * dp);
}

}  // namespace

// At the verification states of regions 1, 2, 3 and 5: α_v and κ_T as the
// volume changes, and the identities cp − cv = T·v·α²/κ_T,
// μ_JT = (T·v·α − v)/cp, δ_T = −μ_JT·cp, g = h − T·s, f = u − T·s,
// Z = p·v/(R·T), (∂p/∂T)v = α/κ_T.
TEST(Derivatives, MatchTheRelationsAtTheVerificationStates) {
    const struct {
        double p, t;
    } states[] = {{3, 26.85},      {80, 26.85},      {3, 226.85},        {0.0035, 26.85},
                  {0.0035, 426.85}, {30, 426.85},     {25.5837018, 376.85}, {22.2930643, 376.85},
                  {78.3095639, 476.85}, {0.5, 1226.85}, {30, 1226.85},    {30, 1726.85}};
    for (const auto& x : states) {
        const TFS::State a = TFS::STATE_PT(x.p, x.t);
        const TFS::Derivatives d = TFS::DERIVATIVES(a);
        const double T = x.t + 273.15;
        EXPECT_NEAR(d.alpha_v, dv_dt(x.p, x.t) / a.v, 1e-6 * std::fabs(d.alpha_v)) << x.p << ", " << x.t;
        EXPECT_NEAR(d.kappa_t, -dv_dp(x.p, x.t) / a.v, 1e-6 * d.kappa_t) << x.p << ", " << x.t;
        EXPECT_NEAR(a.cp - a.cv, T * a.v * d.alpha_v * d.alpha_v / d.kappa_t * 1000, 1e-10 * a.cp);
        EXPECT_NEAR(d.mu_jt, (T * a.v * d.alpha_v - a.v) / a.cp * 1000, 1e-10 * std::fabs(d.mu_jt));
        EXPECT_NEAR(d.delta_t, -d.mu_jt * a.cp, 1e-12 * std::fabs(d.delta_t));
        EXPECT_NEAR(d.dp_dt_v, d.alpha_v / d.kappa_t, 1e-15 * d.dp_dt_v);
        EXPECT_NEAR(d.g, a.h - T * a.s, 1e-11 * std::fabs(a.h) + 1e-9);
        EXPECT_NEAR(d.f, a.u - T * a.s, 1e-11 * std::fabs(a.h) + 1e-9);
        EXPECT_NEAR(d.z, 1000 * x.p * a.v / (0.461526 * T), 1e-12);
    }
}

// Wet steam has g, f and Z of the mixture, no single-phase derivatives;
// metastable steam those of its own equation.
TEST(Derivatives, OfWetAndMetastableSteam) {
    const TFS::State wet = TFS::STATE_PX(1, 0.5);
    const TFS::Derivatives d = TFS::DERIVATIVES(wet);
    const double T = wet.t + 273.15;
    EXPECT_TRUE(std::isnan(d.alpha_v) && std::isnan(d.kappa_t) && std::isnan(d.mu_jt) && std::isnan(d.delta_t) &&
                std::isnan(d.dp_dt_v));
    // The phases' g agree to the consistency of their equations with the
    // saturation line (some 0.01 kJ/kg): the mixture's lies between them.
    const double g_water = TFS::DERIVATIVES(TFS::STATE_PX(1, 0)).g, g_steam = TFS::DERIVATIVES(TFS::STATE_PX(1, 1)).g;
    EXPECT_NEAR(d.g, (g_water + g_steam) / 2, 1e-9);
    EXPECT_NEAR(g_water, g_steam, 0.01);
    EXPECT_NEAR(d.f, wet.u - T * wet.s, 1e-12 * wet.h);
    EXPECT_NEAR(d.z, 1000 * wet.p * wet.v / (0.461526 * T), 1e-12);

    const TFS::State m = TFS::STATE_PT_METASTABLE(1, 166.85);
    const TFS::Derivatives e = TFS::DERIVATIVES(m);
    const double dt = 1e-4;
    const double alpha = (TFS::VMS_PT(1, 166.85 + dt) - TFS::VMS_PT(1, 166.85 - dt)) / (2 * dt) / m.v;
    EXPECT_NEAR(e.alpha_v, alpha, 1e-7 * alpha);
    EXPECT_NEAR(m.cp - m.cv, (166.85 + 273.15) * m.v * e.alpha_v * e.alpha_v / e.kappa_t * 1000, 1e-10 * m.cp);
    EXPECT_EQ(stop_message([] { TFS::DERIVATIVES(TFS::State{}); }), "DERIVATIVES: НЕТ СОСТОЯНИЯ");
}
