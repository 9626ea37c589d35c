// State from (h, s) on the edges of the domain and of the regions, and where
// two regions' equations overlap.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "TFS.h"

namespace {

int reg_pt(double p, double t) {
    int region = 0;
    std::string caption;
    TFS::REG_PT(p, t, region, caption);
    return region;
}

// The state (p, t) back from its h and s: t within 1e-7 K, p within 1e-9 of
// itself, the region REG_PT gives for it.
void expect_back(double p, double t) {
    const TFS::State a = TFS::STATE_PT(p, t);
    const TFS::State b = TFS::STATE_HS(a.h, a.s);
    EXPECT_NEAR(b.t, t, 1e-7) << "p = " << p << ", t = " << t;
    EXPECT_NEAR(b.p, p, 1e-9 * p) << "p = " << p << ", t = " << t;
    EXPECT_EQ(b.region, a.region) << "p = " << p << ", t = " << t;
    EXPECT_EQ(TFS::P_HS(a.h, a.s), b.p);
    EXPECT_EQ(TFS::T_HS(a.h, a.s), b.t);
}

}  // namespace

// Along the edges of the (p, t) domain (100 MPa, 50 MPa above 800 °C, 0 °C,
// 2000 °C) and the boundaries a region holds (350 °C of region 1, 800 °C of
// region 2): every state comes back.
TEST(StateHSEdges, EdgeStatesComeBack) {
    const struct {
        double p0, p1, t0, t1;
        int steps;
    } lines[] = {
        {50, 50, 800, 2000, 1200},       {0.0005, 50, 2000, 2000, 230}, {100, 100, 0, 800, 1600},
        {0.0005, 100, 0, 0, 200},        {0.0005, 100, 800, 800, 200},  {16.5292, 100, 350, 350, 200},
        {0.0005, 0.0005, 0, 2000, 400},
    };
    for (const auto& l : lines) {
        for (int i = 0; i <= l.steps; ++i) {
            const double f = static_cast<double>(i) / l.steps;
            // Pressures spaced evenly in their logarithm where they span decades.
            const double p = l.p1 / l.p0 > 10 ? l.p0 * std::pow(l.p1 / l.p0, f) : l.p0 + (l.p1 - l.p0) * f;
            expect_back(p, l.t0 + (l.t1 - l.t0) * f);
        }
    }
    expect_back(50, 801);
    expect_back(0.0005, 2000);
    expect_back(100, 366.18);
}

// Within some hundredths of a kelvin of 350 °C, the B23 line and 800 °C the
// equations of the two regions overlap: an (h, s) there has a state in each,
// and the one given is of the region that holds the boundary, in its own
// (p, t) region; the state of the other region comes back at most 3.2 mK
// (350 °C), 18 mK (B23) and 37 mK (800 °C) off.
TEST(StateHSEdges, OverlapsGiveTheStateOfTheRegionHoldingTheBoundary) {
    const TFS::State a = TFS::STATE_PT(39.776054596620682, 800);
    const TFS::State b = TFS::STATE_HS(a.h, a.s);
    EXPECT_EQ(b.region, 2);
    EXPECT_NEAR(b.t, 800, 1e-9);
    EXPECT_NEAR(b.p, a.p, 1e-9 * a.p);

    std::mt19937_64 engine(8);
    std::uniform_real_distribution<double> u(0, 1);
    const double B23_T = 572.54459862746 - 273.15, B23_P = 13.91883977887, B23_C = 0.0010192970039326;
    for (int i = 0; i < 6000; ++i) {
        const int boundary = i % 3;
        const double shift = (u(engine) - 0.5) * 0.1;  // K
        double p = 16.5292 + (100 - 16.5292) * u(engine), t = 350 + shift;
        if (boundary == 1) t = B23_T + std::sqrt((p - B23_P) / B23_C) + shift;
        if (boundary == 2) p = 0.0005 * std::pow(1e5, u(engine)), t = 800 + shift;
        const TFS::State c = TFS::STATE_PT(p, t);
        const TFS::State d = TFS::STATE_HS(c.h, c.s);
        const double overlap[] = {3.2e-3, 18e-3, 37e-3};
        EXPECT_EQ(d.region, reg_pt(d.p, d.t)) << "p = " << p << ", t = " << t;
        EXPECT_NEAR(d.t, t, overlap[boundary]) << "p = " << p << ", t = " << t;
    }
}
