// States by (t, h), (t, s), (t, v), (p, v) and (u, v): round trips from (p, t)
// states and wet steam, the edges of the domain, the branches and the stops.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "TFS.h"
#include "stop_message.h"

namespace {

enum class Pair { TH, TS, TV, PV, UV };
constexpr Pair PAIRS[] = {Pair::TH, Pair::TS, Pair::TV, Pair::PV, Pair::UV};
const char* const NAMES[] = {"TH", "TS", "TV", "PV", "UV"};
const std::string STOPS[] = {
    "ЗАДАННЫЕ T И H ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:", "ЗАДАННЫЕ T И S ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:",
    "ЗАДАННЫЕ T И V ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:", "ЗАДАННЫЕ P И V ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:",
    "ЗАДАННЫЕ U И V ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:"};

TFS::State by_pair(Pair pair, const TFS::State& a, TFS::Branch branch) {
    switch (pair) {
        case Pair::TH: return TFS::STATE_TH(a.t, a.h, branch);
        case Pair::TS: return TFS::STATE_TS(a.t, a.s, branch);
        case Pair::TV: return TFS::STATE_TV(a.t, a.v);
        case Pair::PV: return TFS::STATE_PV(a.p, a.v, branch);
        default: return TFS::STATE_UV(a.u, a.v);
    }
}

// The pair's second quantity of a state, its scale, and how fast it changes
// with the variable the pair leaves free (p, or t for (p, v)); for (u, v)
// with p, through v.
struct Second {
    double value, scale, slope;
};

Second second_of(Pair pair, const TFS::State& a) {
    const TFS::Derivatives d = TFS::DERIVATIVES(a);
    switch (pair) {
        case Pair::TH: return {a.h, 1, d.delta_t};
        case Pair::TS: return {a.s, 1, -1000 * a.v * d.alpha_v};
        case Pair::PV: return {a.v, 0, a.v * d.alpha_v};
        default: return {a.v, 0, -a.v * d.kappa_t};
    }
}

// The state back from its pair: the pair met to 1e-11 of itself, p and t to
// 1e-10 of themselves, or the free variable as far as the rounding of the
// second quantity (1e-14 of it) tells it, where it hardly changes (the
// pressure of cold water by its h, s or v; of an ideal gas by its h).
void expect_back(Pair pair, const TFS::State& a, const TFS::State& b) {
    const Second q = second_of(pair, a), r = second_of(pair, b);
    EXPECT_NEAR(r.value, q.value, 1e-11 * std::fmax(std::fabs(q.value), q.scale));
    const double rounding = 1e-14 * std::fmax(std::fabs(q.value), q.scale) / std::fabs(q.slope);
    const bool by_t = pair == Pair::PV;
    EXPECT_NEAR(b.p, a.p, 1e-10 * a.p + (by_t ? 0 : rounding));
    EXPECT_NEAR(b.t, a.t, 1e-10 * (a.t + 273.15) + (by_t ? rounding : 0));
    EXPECT_EQ(b.region, a.region);
}

// The state back from its pair by the default branch, or by the other one
// where the default gives the other state sharing the pair.
TFS::State back_by_a_branch(Pair pair, const TFS::State& a) {
    const TFS::State b = by_pair(pair, a, pair == Pair::PV ? TFS::Branch::HIGHER : TFS::Branch::LOWER);
    if (std::fabs(b.p - a.p) > 1e-6 * a.p || std::fabs(b.t - a.t) > 1e-6 || b.region != a.region)
        return by_pair(pair, a, pair == Pair::PV ? TFS::Branch::LOWER : TFS::Branch::HIGHER);
    return b;
}

}  // namespace

// Random (p, t) states of the domain from 0.1 kPa: each comes back by its
// pair, by the default branch or, where two single phases share the pair, by
// the other one (a few in a hundred, near the extrema).
TEST(StatePairs, SinglePhaseStatesComeBack) {
    std::mt19937_64 engine(31);
    std::uniform_real_distribution<double> u(0, 1);
    for (const Pair pair : PAIRS) {
        int other_branch = 0, tried = 0;
        for (int i = 0; i < 3000; ++i) {
            const double p = 1e-4 * std::pow(1e6, u(engine)), t = 2000 * u(engine);
            TFS::State a;
            try {
                a = TFS::STATE_PT(p, t);
            } catch (const TFS::FatalStop&) {
                continue;
            }
            ++tried;
            const TFS::Branch usual = pair == Pair::PV ? TFS::Branch::HIGHER : TFS::Branch::LOWER;
            TFS::State b = by_pair(pair, a, usual);
            if (b.region != a.region || std::fabs(b.p - p) > 1e-6 * p || std::fabs(b.t - t) > 1e-6) {
                ++other_branch;
                b = by_pair(pair, a, pair == Pair::PV ? TFS::Branch::LOWER : TFS::Branch::HIGHER);
            }
            SCOPED_TRACE(std::string(NAMES[static_cast<int>(pair)]) + " p = " + std::to_string(p) +
                         ", t = " + std::to_string(t));
            expect_back(pair, a, b);
        }
        EXPECT_LT(other_branch, tried / 50) << NAMES[static_cast<int>(pair)];
    }
}

// Along the edges of the domain (100 MPa, 50 MPa above 800 °C, 0 °C, 2000 °C,
// 1 kPa) and at the region boundaries the pair holds.
TEST(StatePairs, EdgeStatesComeBack) {
    const struct {
        double p0, p1, t0, t1;
    } lines[] = {{100, 100, 0, 800}, {50, 50, 800, 2000}, {0.001, 100, 0, 0}, {0.001, 50, 2000, 2000},
                 {0.001, 0.001, 0, 2000}, {0.001, 100, 350, 350}, {0.001, 100, 800, 800}};
    for (const auto& l : lines)
        for (int i = 0; i <= 40; ++i) {
            const double f = i / 40.0;
            const double p = l.p1 / l.p0 > 10 ? l.p0 * std::pow(l.p1 / l.p0, f) : l.p0 + (l.p1 - l.p0) * f;
            const TFS::State a = TFS::STATE_PT(p, l.t0 + (l.t1 - l.t0) * f);
            for (const Pair pair : PAIRS) {
                SCOPED_TRACE(std::string(NAMES[static_cast<int>(pair)]) + " p = " + std::to_string(p) +
                             ", t = " + std::to_string(a.t));
                expect_back(pair, a, back_by_a_branch(pair, a));
            }
        }
}

// Wet steam from the triple point to 22 MPa, the saturated phases among it:
// region 4, x within 1e-9 (by the branch WET where compressed water shares
// the pair).
TEST(StatePairs, WetStatesComeBack) {
    std::mt19937_64 engine(32);
    std::uniform_real_distribution<double> u(0, 1);
    for (int i = 0; i < 1000; ++i) {
        const double t = 0.01 + (373.7 - 0.01) * u(engine);
        const double x = i % 10 == 0 ? 0.0 : i % 10 == 1 ? 1.0 : u(engine);
        const TFS::State a = TFS::STATE_TX(t, x);
        for (const Pair pair : PAIRS) {
            const TFS::State b = by_pair(pair, pair == Pair::PV ? TFS::STATE_PX(a.p, x) : a, TFS::Branch::WET);
            EXPECT_EQ(b.region, 4) << NAMES[static_cast<int>(pair)] << " t = " << t << ", x = " << x;
            EXPECT_NEAR(b.x, x, 1e-9) << NAMES[static_cast<int>(pair)] << " t = " << t << ", x = " << x;
            EXPECT_NEAR(b.t, t, 1e-9 * (t + 273.15)) << NAMES[static_cast<int>(pair)] << " t = " << t;
        }
    }
}

// Where states share a pair each branch gives its own: around the minimum of
// h along an isotherm of hot water and of supercritical fluid, the maximum
// of s and the minimum of v of water near 4 °C, and wet steam of small
// dryness beside compressed water.
TEST(StatePairs, BranchesGiveTheirStates) {
    const struct {
        Pair pair;
        double p, t;
        TFS::Branch own;
    } cases[] = {
        {Pair::TH, 50, 300, TFS::Branch::LOWER}, {Pair::TH, 90, 300, TFS::Branch::HIGHER},
        {Pair::TS, 0.1, 2, TFS::Branch::LOWER},  {Pair::TS, 10, 2, TFS::Branch::HIGHER},
        {Pair::PV, 0.1, 2, TFS::Branch::LOWER},  {Pair::PV, 1, 6, TFS::Branch::HIGHER},
    };
    for (const auto& c : cases) {
        const TFS::State a = TFS::STATE_PT(c.p, c.t);
        const TFS::Branch other = c.own == TFS::Branch::LOWER ? TFS::Branch::HIGHER : TFS::Branch::LOWER;
        SCOPED_TRACE(std::string(NAMES[static_cast<int>(c.pair)]) + " p = " + std::to_string(c.p));
        expect_back(c.pair, a, by_pair(c.pair, a, c.own));
        const TFS::State b = by_pair(c.pair, a, other);
        EXPECT_NEAR(second_of(c.pair, b).value, second_of(c.pair, a).value, 1e-11 * std::fabs(second_of(c.pair, a).value));
        EXPECT_GT(c.pair == Pair::PV ? std::fabs(b.t - c.t) : std::fabs(b.p - c.p), 0.3);
    }
    // The defaults: the lower pressure, the higher temperature.
    const TFS::State a = TFS::STATE_PT(90, 300), c = TFS::STATE_PT(1, 2), d = TFS::STATE_PT(1, 6);
    EXPECT_EQ(TFS::STATE_TH(a.t, a.h).p, TFS::STATE_TH(a.t, a.h, TFS::Branch::LOWER).p);
    EXPECT_NEAR(TFS::STATE_TS(c.t, c.s).p, c.p, 1e-6);
    EXPECT_EQ(TFS::STATE_PV(d.p, d.v).t, TFS::STATE_PV(d.p, d.v, TFS::Branch::HIGHER).t);
    // Wet steam of small dryness beside compressed water of the same (t, h) and (t, s).
    const TFS::State e = TFS::STATE_PT(10, 20);
    const TFS::State wet_h = TFS::STATE_TH(20, e.h, TFS::Branch::WET), wet_s = TFS::STATE_TS(2, c.s, TFS::Branch::WET);
    EXPECT_EQ(wet_h.region, 4);
    EXPECT_NEAR(wet_h.h, e.h, 1e-12 * e.h);
    EXPECT_GT(wet_h.x, 0.003);
    EXPECT_EQ(wet_s.region, 4);
    EXPECT_NEAR(wet_s.s, c.s, 1e-14);
    EXPECT_NEAR(TFS::STATE_TH(20, e.h).p, e.p, 1e-8);
}

// A pair outside the domain or no finite number: the stop of its pair.
TEST(StatePairs, StatesOutsideTheDomainStop) {
    const double nan = NAN, inf = INFINITY;
    const std::string &th = STOPS[0], &ts = STOPS[1], &tv = STOPS[2], &pv = STOPS[3], &uv = STOPS[4];
    for (const auto& [a, b] : {std::pair{nan, 100.0}, {20.0, nan}, {inf, 100.0}, {20.0, -inf}, {-1.0, 100.0},
                               {2001.0, 5000.0}, {20.0, 3000.0}, {20.0, -100.0}, {2000.0, 1e5}}) {
        EXPECT_EQ(stop_message([&] { TFS::STATE_TH(a, b); }), th) << a << ", " << b;
        EXPECT_EQ(stop_message([&] { TFS::STATE_TS(a, b / 100); }), ts) << a << ", " << b;
    }
    for (const auto& [a, b] : {std::pair{nan, 0.001}, {20.0, nan}, {20.0, 0.0}, {20.0, -1.0}, {20.0, 0.0009},
                               {20.0, 1e12}, {2001.0, 1.0}, {inf, 1.0}})
        EXPECT_EQ(stop_message([&] { TFS::STATE_TV(a, b); }), tv) << a << ", " << b;
    for (const auto& [a, b] : {std::pair{nan, 0.001}, {1.0, nan}, {0.0, 1.0}, {101.0, 0.001}, {1.0, 0.0009},
                               {1.0, 100.0}, {-1.0, 1.0}})
        EXPECT_EQ(stop_message([&] { TFS::STATE_PV(a, b); }), pv) << a << ", " << b;
    for (const auto& [a, b] : {std::pair{nan, 0.001}, {100.0, nan}, {100.0, 0.0}, {-500.0, 0.001}, {1e5, 0.001},
                               {100.0, -1.0}})
        EXPECT_EQ(stop_message([&] { TFS::STATE_UV(a, b); }), uv) << a << ", " << b;
}

// Where the equations of regions 2 and 3 leave a step at the B23 line (above
// some 405 °C steam's h and s there lie above region 3's), a pair inside the
// step has the state of steam on the line, not a stop; (u, v) there a state
// of either equation in the sliver between them.
TEST(StatePairs, StepsBetweenRegionsGiveTheStateOnTheBoundary) {
    for (const double t : {414.0, 428.0, 500.0}) {
        const double T = t + 273.15;
        const double p23 = 348.05185628969 - 1.1671859879975 * T + 0.0010192970039326 * T * T;
        const double h = (TFS::HP_PT(p23, t) + TFS::HKR_PT(p23, t, 1)) / 2;
        const double s = (TFS::SP_PT(p23, t) + TFS::SKR_PT(p23, t, 1)) / 2;
        const TFS::State a = TFS::STATE_TH(t, h), b = TFS::STATE_TS(t, s);
        EXPECT_EQ(a.region, 2) << t;
        EXPECT_NEAR(a.p, p23, 1e-12 * p23) << t;
        EXPECT_EQ(b.region, 2) << t;
        EXPECT_NEAR(b.p, p23, 1e-12 * p23) << t;
        // (u, v) between steam's and region 3's at the line: a state of one of
        // the equations just across its region's boundary, not a stop.
        double v1 = 0, v2 = 0;
        TFS::VKR_PT(p23, t, v1, v2);
        const double u = (TFS::UP_PT(p23, t) + TFS::UKR_PT(p23, t, 1)) / 2, v = (TFS::VP_PT(p23, t) + v1) / 2;
        const TFS::State c = TFS::STATE_UV(u, v);
        EXPECT_NEAR(c.u, u, 1e-11 * u) << t;
        EXPECT_NEAR(c.v, v, 1e-11 * v) << t;
        EXPECT_NEAR(c.t, t, 0.01) << t;
    }
}

// Below the triple point (0 to 0.01 °C) the line has no wet steam: water from
// its saturation pressure up, steam below it. Their states come back by
// every pair; a pair between water's and steam's at the temperature (at the
// pressure, for (p, v) below the triple-point pressure) belongs to no state
// and stops, not the water at the saturation pressure.
TEST(StatePairs, BelowTheTriplePointOnlyWaterAndSteam) {
    for (const double t : {0.0, 0.0099})
        for (const double p : {0.0001, 0.0006, 0.01, 10.0, 100.0}) {
            const TFS::State a = TFS::STATE_PT(p, t);
            for (const Pair pair : PAIRS) {
                SCOPED_TRACE(std::string(NAMES[static_cast<int>(pair)]) + " p = " + std::to_string(p) +
                             ", t = " + std::to_string(t));
                expect_back(pair, a, back_by_a_branch(pair, a));
            }
        }
    const struct {
        Pair pair;
        double a, b;
    } none[] = {{Pair::TH, 0, 100},         {Pair::TH, 0, 500}, {Pair::TH, 0, 2000},   {Pair::TH, 0.0099, 1000},
                {Pair::TS, 0, 0.3},         {Pair::TS, 0, 9},   {Pair::TS, 0.0099, 5}, {Pair::TV, 0, 0.0012},
                {Pair::TV, 0, 1},           {Pair::TV, 0, 100}, {Pair::TV, 0.0099, 1}, {Pair::PV, 0.0006114, 0.0012},
                {Pair::PV, 0.0006114, 100}, {Pair::UV, 0, 1}};
    for (const auto& c : none) {
        // The pair's first value as t, p or u, its second as h, s or v.
        TFS::State a;
        a.t = a.p = a.u = c.a, a.h = a.s = a.v = c.b;
        EXPECT_EQ(stop_message([&] { by_pair(c.pair, a, TFS::Branch::LOWER); }), STOPS[static_cast<int>(c.pair)])
            << NAMES[static_cast<int>(c.pair)] << " " << c.a << ", " << c.b;
    }
}
