#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "TFS.h"
#include "stop_message.h"
#include "verification_values.h"

namespace {

using ByState = double (*)(double, double);

// A dispatcher with the functions it must hand each region to.
struct Dispatcher {
    const char* name;
    ByState dispatch;
    ByState region1, region2;
    double (*region3)(double, double, int);
    ByState region5;
};

double volume_kr(double p, double t, int branch) {
    double v1 = 0, v2 = 0;
    TFS::VKR_PT(p, t, v1, v2);
    return branch == 1 ? v1 : v2;
}

// clang-format off
const Dispatcher DISPATCHERS[] = {
    {"h_pt", TFS::h_pt, TFS::HW_PT, TFS::HP_PT, TFS::HKR_PT, TFS::H5_PT},
    {"S_PT", TFS::S_PT, TFS::SW_PT, TFS::SP_PT, TFS::SKR_PT, TFS::S5_PT},
    {"V_PT", TFS::V_PT, TFS::VW_PT, TFS::VP_PT, volume_kr, TFS::V5_PT},
    {"Cp_PT", TFS::Cp_PT, TFS::CpW_PT, TFS::CpP_PT, TFS::CpKR_PT, TFS::Cp5_PT},
    {"U_PT", TFS::U_PT, TFS::UW_PT, TFS::UP_PT, TFS::UKR_PT, TFS::U5_PT},
    {"Cv_PT", TFS::Cv_PT, TFS::CvW_PT, TFS::CvP_PT, TFS::CvKR_PT, TFS::Cv5_PT},
    {"W_PT", TFS::W_PT, TFS::WW_PT, TFS::WP_PT, TFS::WKR_PT, TFS::W5_PT},
};
// clang-format on

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

TEST(Region5, ReproducesIapwsTable42OfTheRevisedRelease) {
    int checked = 0;
    for (const auto& row : VERIFICATION) {
        if (row.table != "42") continue;
        const ByState f = row.property == "v"   ? TFS::V5_PT
                          : row.property == "h" ? TFS::H5_PT
                          : row.property == "u" ? TFS::U5_PT
                          : row.property == "s" ? TFS::S5_PT
                          : row.property == "w" ? TFS::W5_PT
                                                : TFS::Cp5_PT;
        EXPECT_NEAR(f(row.arg1, row.arg2), row.value, nine_digits(row.value))
            << row.property << " at " << row.arg1 << " MPa, " << row.arg2 << " °C";
        ++checked;
    }
    EXPECT_EQ(checked, 18);
}

TEST(Region5, LowPressureIsAnIdealGas) {
    const double p = 0.001, t = 1000;
    EXPECT_NEAR(1000 * p * TFS::V5_PT(p, t) / (0.461526 * (t + 273.15)), 1.0, 1e-4);
}

TEST(DispatchPt, EveryRegionGoesToItsFunction) {
    for (const Dispatcher& d : DISPATCHERS) {
        EXPECT_EQ(d.dispatch(0.1, 20), d.region1(0.1, 20)) << d.name;     // 1
        EXPECT_EQ(d.dispatch(0.1, 100), d.region2(0.1, 100)) << d.name;   // 2
        EXPECT_EQ(d.dispatch(5, 790), d.region2(5, 790)) << d.name;       // 2
        EXPECT_EQ(d.dispatch(25, 380), d.region3(25, 380, 1)) << d.name;  // 3
        EXPECT_EQ(d.dispatch(20, 360), d.region3(20, 360, 1)) << d.name;  // 31
        EXPECT_EQ(d.dispatch(20, 370), d.region3(20, 370, 2)) << d.name;  // 32
        EXPECT_EQ(d.dispatch(5, 900), d.region5(5, 900)) << d.name;       // 5
        EXPECT_EQ(d.dispatch(40, 1800), d.region5(40, 1800)) << d.name;   // 5
    }
    // Regions 31 and 32 are the two phases either side of the line.
    EXPECT_LT(TFS::V_PT(20, 360) * 2, TFS::V_PT(20, 370));
}

TEST(DispatchPt, SaturationLineAndOutsideTheDomainStop) {
    for (const Dispatcher& d : DISPATCHERS) {
        const std::string on_line = std::string("Вы попали на линию насыщения (") + d.name + ")";
        EXPECT_EQ(stop_message([&] { d.dispatch(1, TFS::TS_P(1)); }), on_line);
        EXPECT_EQ(stop_message([&] { d.dispatch(55, 900); }), "ЗАДАННЫЕ P И T ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:");
    }
    // Also above the critical pressure, where TS_P extrapolates.
    for (double p : {0.001, 0.1, 1.0, 10.0, 16.5, 20.0, 22.064, 25.0, 50.0, 100.0})
        EXPECT_EQ(stop_message([&] { TFS::V_PT(p, TFS::TS_P(p)); }), "Вы попали на линию насыщения (V_PT)") << p;
}

TEST(Mixtures, DrynessZeroOneAndHalf) {
    const struct {
        const char* name;
        ByState mixture;
        double (*water)(double);
        double (*steam)(double);
    } mixtures[] = {
        {"S_PX", TFS::S_PX, TFS::SSW_P, TFS::SSP_P},
        {"V_PX", TFS::V_PX, TFS::VSW_P, TFS::VSP_P},
        {"Cp_PX", TFS::Cp_PX, TFS::CSW_P, TFS::CSP_P},
    };
    for (const auto& m : mixtures) {
        for (double p : {1.0, 20.0}) {  // 20 MPa takes both phases from region 3
            const double water = m.water(p);
            const double steam = m.steam(p);
            EXPECT_EQ(m.mixture(p, 0), water) << m.name << " " << p;
            EXPECT_EQ(m.mixture(p, 1), steam) << m.name << " " << p;
            EXPECT_DOUBLE_EQ(m.mixture(p, 0.5), (water + steam) / 2) << m.name << " " << p;
        }
    }
}

TEST(Mixtures, RefuseDrynessOutsideZeroToOneAndNotANumber) {
    for (double x : {-1e-12, 1.0000001, NaN}) {
        EXPECT_EQ(stop_message([&] { TFS::S_PX(1, x); }), "  X < 0 или X > 1  в  S_PX") << x;
        EXPECT_EQ(stop_message([&] { TFS::V_PX(1, x); }), "  X < 0 или X > 1 в V_PX") << x;
        EXPECT_EQ(stop_message([&] { TFS::Cp_PX(1, x); }), "  X < 0 или X > 1  в  Cp_PX") << x;
    }
    // The dryness is refused before the saturation state is looked for.
    EXPECT_EQ(stop_message([] { TFS::S_PX(30, 2); }), "  X < 0 или X > 1  в  S_PX");
}
