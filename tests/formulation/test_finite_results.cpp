// Every state a checked function accepts gives a finite result or the fatal
// stop, above all near the edges of the domain: the lowest pressures (down to
// the denormals), the triple and critical points, 350 °C, 800 °C and 1000 °C.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "TFS.h"

namespace {

std::mt19937_64 generator(20261207);

double uniform(double a, double b) {
    return std::uniform_real_distribution<double>(a, b)(generator);
}

// x itself, a few doubles to either side of it, or x·(1 ± 1e-6).
double near(double x) {
    const int steps = std::uniform_int_distribution<int>(-3, 3)(generator);
    if (generator() % 2) return x * (1 + uniform(-1e-6, 1e-6));
    for (int k = 0; k < std::abs(steps); ++k) x = std::nextafter(x, steps > 0 ? INFINITY : -INFINITY);
    return x;
}

template <std::size_t N>
double near_one_of(const double (&edges)[N]) {
    return near(edges[generator() % N]);
}

// A finite value or a FatalStop; any other outcome is reported.
template <class Call>
bool finite_or_stop(Call call) {
    try {
        return std::isfinite(call());
    } catch (const TFS::FatalStop&) {
        return true;
    }
}

}  // namespace

TEST(FiniteResults, PtFunctionsNearTheEdgesOfTheDomain) {
    using ByState = double (*)(double, double);
    const ByState functions[] = {TFS::h_pt, TFS::S_PT, TFS::V_PT, TFS::Cp_PT, TFS::MIU_PT, TFS::LMB_PT, TFS::PR_PT};
    const double pressures[] = {5e-324, 1e-310, 5.6e-309, 1e-300, 0.000611, 0.001, 10, 16.5292, TFS::PKR, 100};
    const double temperatures[] = {-1e-9, 0.01, 350, TFS::TKR, 590, 800, 1000};
    for (int k = 0; k < 1500; ++k) {
        // One state in four lies anywhere in the domain.
        const double p = generator() % 4 ? near_one_of(pressures) : uniform(0, 100);
        const double t = generator() % 4 ? near_one_of(temperatures) : uniform(0, 1000);
        for (const ByState f : functions)
            ASSERT_TRUE(finite_or_stop([&] { return f(p, t); })) << p << " MPa, " << t << " °C";
    }
}

TEST(FiniteResults, SaturatedFunctionsNearTheEdgesOfTheirRange) {
    using BySaturation = double (*)(double);
    const BySaturation by_pressure[] = {TFS::HSW_P, TFS::SSW_P, TFS::VSW_P, TFS::CSW_P,
                                        TFS::HSP_P, TFS::SSP_P, TFS::VSP_P, TFS::CSP_P};
    const BySaturation by_temperature[] = {TFS::HSW_T, TFS::SSW_T, TFS::VSW_T, TFS::CSW_T,
                                           TFS::HSP_T, TFS::SSP_T, TFS::VSP_T, TFS::CSP_T};
    const double pressures[] = {-1, 0, 5e-324, 1e-300, 1e-20, 0.000611, 16.5292, TFS::PKR};
    const double temperatures[] = {-1e300, -273.15, -100, -1e-9, 0.01, 350, TFS::TKR};
    for (int k = 0; k < 100; ++k) {
        const double p = near_one_of(pressures);
        const double t = near_one_of(temperatures);
        for (const BySaturation f : by_pressure) ASSERT_TRUE(finite_or_stop([&] { return f(p); })) << p << " MPa";
        for (const BySaturation f : by_temperature) ASSERT_TRUE(finite_or_stop([&] { return f(t); })) << t << " °C";
    }
}
