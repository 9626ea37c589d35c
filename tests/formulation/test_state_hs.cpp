// State from (h, s): round trips over random states of the whole domain and
// the wet region, and the stop outside it.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "TFS.h"
#include "stop_message.h"

namespace {

// Uniform random numbers from a fixed seed: the same states on every run.
struct Draw {
    std::mt19937_64 engine{27};
    double operator()(double low, double high) { return std::uniform_real_distribution<double>(low, high)(engine); }
    double logarithmic(double low, double high) { return std::exp((*this)(std::log(low), std::log(high))); }
};

}  // namespace

// The (p, t) state back from its h and s: t within 1e-7 K, p within 1e-9 of
// itself, over IF97's domain (states the library refuses are skipped) from
// 0.1 kPa up, with P_HS and T_HS the state's p and t.
TEST(StateHS, SinglePhaseStatesComeBack) {
    Draw draw;
    int tried = 0;
    for (int i = 0; i < 20000; ++i) {
        const double p = draw.logarithmic(1e-4, 100);
        const double t = draw(0, 2000);
        TFS::State a;
        try {
            a = TFS::STATE_PT(p, t);
        } catch (const TFS::FatalStop&) {
            continue;
        }
        ++tried;
        const TFS::State b = TFS::STATE_HS(a.h, a.s);
        EXPECT_NEAR(b.t, t, 1e-7) << "p = " << p << ", t = " << t;
        EXPECT_NEAR(b.p, p, 1e-9 * p) << "p = " << p << ", t = " << t;
        EXPECT_EQ(b.region, a.region) << "p = " << p << ", t = " << t;
        if (i % 100 == 0) {
            EXPECT_EQ(TFS::P_HS(a.h, a.s), b.p);
            EXPECT_EQ(TFS::T_HS(a.h, a.s), b.t);
        }
    }
    EXPECT_GT(tried, 19000);
}

// Wet steam from the triple point to 22 MPa, the saturated phases (x = 0 and
// 1) among it: x back within 1e-9, region 4. (Within 0.01 K of the critical
// point the region 3 roots of the phases scatter so that x comes back
// within some 2e-9.)
TEST(StateHS, WetStatesComeBack) {
    Draw draw;
    for (int i = 0; i < 20000; ++i) {
        const double p = draw.logarithmic(0.000611657, 22.0);
        const double x = i % 10 == 0 ? 0.0 : i % 10 == 1 ? 1.0 : draw(0, 1);
        const TFS::State a = TFS::STATE_PX(p, x);
        const TFS::State b = TFS::STATE_HS(a.h, a.s);
        EXPECT_EQ(b.region, 4) << "p = " << p << ", x = " << x;
        EXPECT_NEAR(b.x, x, 1e-9) << "p = " << p << ", x = " << x;
        EXPECT_NEAR(b.p, p, 1e-9 * p) << "p = " << p << ", x = " << x;
    }
}

// Wet steam from 21.9 MPa up to 1e-4 K below the critical point, where the
// saturated phases lie so close that the first tie lines of the search
// bound the dome: region 4, never a region 3 root; x within 2e-6, as the
// region 3 roots of the phases scatter there (1e-7 from 0.1 K below).
TEST(StateHS, WetStatesNearTheCriticalPointComeBack) {
    Draw draw;
    for (int i = 0; i < 1000; ++i) {
        const double p = draw(21.9, 22.0639);
        const double x = draw(0, 1);
        const TFS::State a = TFS::STATE_PX(p, x);
        const TFS::State b = TFS::STATE_HS(a.h, a.s);
        EXPECT_EQ(b.region, 4) << "p = " << p << ", x = " << x;
        EXPECT_NEAR(b.x, x, 2e-6) << "p = " << p << ", x = " << x;
    }
    // 22.0626 MPa, x = 0.4556 to the digits given.
    const TFS::State b = TFS::STATE_HS(2086.562243, 4.410506589);
    EXPECT_EQ(b.region, 4);
    EXPECT_NEAR(b.x, 0.4556, 1e-4);
}

// Beyond 100 MPa, below the triple line (ice), colder than 0 °C at low
// pressure, and no number: the stop of (h, s).
TEST(StateHS, StatesOutsideTheDomainStop) {
    const char* outside = "ЗАДАННЫЕ H И S ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:";
    const struct { double h, s; } cases[] = {{1000, 2.0}, {-50, 1.0}, {2000, 9.0}, {2400, 11.0}, {NAN, 5.0}};
    for (const auto& c : cases)
        EXPECT_EQ(stop_message([&] { TFS::STATE_HS(c.h, c.s); }), outside) << c.h << ", " << c.s;
}
