// The IAPWS 2008 viscosity and 2011 conductivity against the verification
// values the releases print, each to its printed digits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "TFS.h"
#include "derivatives.h"
#include "stop_message.h"
#include "transport_2008_2011.h"

namespace {

constexpr double KELVIN = 273.15;

// Half a unit of the last printed digit of a value printed as `printed`.
double half_last_digit(std::string_view printed) {
    const std::size_t e = printed.find_first_of("eE");
    const std::string_view mantissa = printed.substr(0, e);
    const int exponent = e == std::string_view::npos ? 0 : std::atoi(std::string(printed.substr(e + 1)).c_str());
    const std::size_t point = mantissa.find('.');
    const int decimals = point == std::string_view::npos ? 0 : int(mantissa.size() - point - 1);
    return 0.5 * std::pow(10.0, exponent - decimals);
}

// Equal to the printed value when rounded to its printed digits.
::testing::AssertionResult Printed(double actual, std::string_view printed) {
    const double value = std::strtod(std::string(printed).c_str(), nullptr);
    if (std::fabs(actual - value) <= half_last_digit(printed)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not the printed " << printed;
}

constexpr double NOT_GIVEN = std::numeric_limits<double>::quiet_NaN();

// A state given by T and ρ; only v counts where λ̄2 is left out.
TFS::detail::SinglePhase at_density(double rho) {
    TFS::detail::SinglePhase x{};
    x.v = 1.0 / rho;
    x.cp = x.cv = x.w = NOT_GIVEN;
    return x;
}

}  // namespace

TEST(Transport2008_2011, ViscosityTable4) {
    struct Case {
        double T, rho;
        std::string_view mu;
    };
    for (const Case& c : {Case{298.15, 998, "889.735100"},
                          {298.15, 1200, "1437.649467"},
                          {373.15, 1000, "307.883622"},
                          {433.15, 1, "14.538324"},
                          {433.15, 1000, "217.685358"},
                          {873.15, 1, "32.619287"},
                          {873.15, 100, "35.802262"},
                          {873.15, 600, "77.430195"},
                          {1173.15, 1, "44.217245"},
                          {1173.15, 100, "47.640433"},
                          {1173.15, 400, "64.154608"}})
        EXPECT_TRUE(Printed(TFS::detail::viscosity_2008(c.T - KELVIN, 1.0 / c.rho), c.mu)) << c.T << " K " << c.rho;
}

// Table 4 (λ̄2 = 0 there) and the λ̄0 and λ̄1 of Table 5.
TEST(Transport2008_2011, ConductivityTables4And5) {
    struct Case {
        double T, rho;
        std::string_view lambda;
    };
    for (const Case& c : {Case{298.15, 0, "18.4341883"},
                          {298.15, 998, "607.712868"},
                          {298.15, 1200, "799.038144"},
                          {873.15, 0, "79.1034659"}}) {
        const auto k = TFS::detail::conductivity_2011(c.T - KELVIN, at_density(c.rho), false);
        EXPECT_TRUE(Printed(k.lambda, c.lambda)) << c.T << " K " << c.rho;
    }
    struct Finite {
        double rho;
        std::string_view lambda1;
    };
    for (const Finite& c : {Finite{1, "1.0068497"},
                            {122, "2.1445173"},
                            {222, "3.4840736"},
                            {272, "4.2233708"},
                            {322, "4.9681953"},
                            {372, "5.6961250"},
                            {422, "6.3973429"},
                            {750, "11.5870532"}}) {
        const auto k = TFS::detail::conductivity_2011(647.35 - KELVIN, at_density(c.rho), false);
        EXPECT_TRUE(Printed(k.lambda0, "51.5764797"));
        EXPECT_TRUE(Printed(k.lambda1, c.lambda1)) << c.rho;
    }
}

namespace {

// One column of Tables 7–9: every quantity the release prints for a state.
struct Industrial {
    std::string_view lambda, lambda0, lambda1, lambda2, rho, drho_dp, drho_dp_R, xi, cp, cv, Z, mu;
};

void ExpectEveryColumn(const TFS::detail::Conductivity2011& k, const TFS::detail::SinglePhase& x, const Industrial& e) {
    EXPECT_TRUE(Printed(k.lambda, e.lambda));
    EXPECT_TRUE(Printed(k.lambda0, e.lambda0));
    EXPECT_TRUE(Printed(k.lambda1, e.lambda1));
    EXPECT_TRUE(Printed(k.lambda2, e.lambda2));
    if (!e.rho.empty()) {
        EXPECT_TRUE(Printed(1.0 / x.v, e.rho));
    }
    EXPECT_TRUE(Printed(k.drho_dp, e.drho_dp));
    EXPECT_TRUE(Printed(k.drho_dp_reference, e.drho_dp_R));
    EXPECT_TRUE(Printed(k.xi, e.xi));
    EXPECT_TRUE(Printed(x.cp, e.cp));
    EXPECT_TRUE(Printed(x.cv, e.cv));
    EXPECT_TRUE(Printed(k.Z, e.Z));
    EXPECT_TRUE(Printed(k.mu, e.mu));
}

}  // namespace

// Tables 7 and 8: regions 1 and 2, the state given by p and T.
TEST(Transport2008_2011, IndustrialConductivityTables7And8) {
    struct Case {
        double p, T;
        Industrial e;
    };
    // clang-format off
    const Case cases[] = {
        {20, 620, {"0.481485195e3", "0.484911627e2", "0.966869008e1", "0.126391714e2", "0.613227777e3", "0.520937820e1",
                   "0.935037951", "0.377694973", "0.763433705e1", "0.303793441e1", "0.166942638", "0.709051068e2"}},
        {50, 620, {"0.545038940e3", "0.484911627e2", "0.111212177e2", "0.575816285e1", "0.699226043e3", "0.184869007e1",
                   "0.639306277", "0.189692422", "0.532047725e1", "0.291692653e1", "0.113592223", "0.841527945e2"}},
        {0.3, 650, {"0.522311024e2", "0.518787461e2", "0.100678943e1", "0.129246457e-3", "0.100452141e1",
                    "0.336351419e1", "0.223819386e1", "0.104305448e-2", "0.207010035e1", "0.159675313e1",
                    "0.121437275e-2", "0.234877453e2"}},
        {50, 800, {"0.177709914e3", "0.698329394e2", "0.244965343e1", "0.664341394e1", "0.218030012e3", "0.661484493e1",
                   "0.312182530e1", "0.193491903", "0.590718707e1", "0.252343426e1", "0.137263826", "0.393727534e2"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.p << " MPa " << c.T << " K");
        const double t = c.T - KELVIN;
        const auto region = TFS::detail::checked_region_pt(c.p, t);
        const TFS::detail::SinglePhase x = TFS::detail::single_phase(c.p, t, region, "test");
        ExpectEveryColumn(TFS::detail::conductivity_2011(t, x, true), x, c.e);
        EXPECT_TRUE(Printed(TFS::LMB11_PT(c.p, t), c.e.lambda));
        EXPECT_TRUE(Printed(TFS::MIU08_PT(c.p, t), c.e.mu));
    }
}

// Table 9: region 3, the state given by T and ρ.
TEST(Transport2008_2011, IndustrialConductivityTable9) {
    struct Case {
        double rho;
        Industrial e;
    };
    // clang-format off
    const Case cases[] = {
        {222, {"0.366879411e3", "0.515764797e2", "0.348407362e1", "0.187183159e3", "", "0.177778595e3", "0.311832789e1",
               "0.158223683e1", "0.101054488e3", "0.437466458e1", "0.217577777", "0.312204749e2"}},
        {322, {"0.124182415e4", "0.515764797e2", "0.496819532e1", "0.985582122e3", "", "0.692651138e4", "0.275192511e1",
               "0.124722016e2", "0.312090124e4", "0.452163449e1", "0.322306729e-1", "0.393455495e2"}},
    };
    // clang-format on
    const double t = 647.35 - KELVIN;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rho << " kg/m3");
        const double v = 1.0 / c.rho;
        const double p = TFS::ZKR_VT(v, t) * TFS::detail::R_WATER * (t + KELVIN) / v / TFS::detail::KJ_PER_MPA_M3;
        const TFS::detail::SinglePhase x = TFS::detail::near_critical(p, v, t, TFS::detail::phase);
        ExpectEveryColumn(TFS::detail::conductivity_2011(t, x, true), x, c.e);
    }
}

// A saturated phase has the values the (p, t) functions reach at the line from
// that phase's side, below and above 350 °C (regions 1 and 2, region 3).
TEST(Transport2008_2011, SaturatedPhasesAreTheLimitsOfTheirSides) {
    for (const double p : {0.001, 1.0, 14.6, 20.0}) {
        SCOPED_TRACE(testing::Message() << p << " MPa");
        const double ts = TFS::TS_P(p);
        const double water = ts - 1e-6, steam = ts + 1e-6;
        EXPECT_NEAR(TFS::MIU08SW_P(p), TFS::MIU08_PT(p, water), 1e-6 * TFS::MIU08SW_P(p));
        EXPECT_NEAR(TFS::MIU08SP_P(p), TFS::MIU08_PT(p, steam), 1e-6 * TFS::MIU08SP_P(p));
        EXPECT_NEAR(TFS::LMB11SW_P(p), TFS::LMB11_PT(p, water), 1e-5 * TFS::LMB11SW_P(p));
        EXPECT_NEAR(TFS::LMB11SP_P(p), TFS::LMB11_PT(p, steam), 1e-5 * TFS::LMB11SP_P(p));
        // By temperature: the same state, to the rounding of the saturation line.
        EXPECT_NEAR(TFS::MIU08SP_T(ts), TFS::MIU08SP_P(p), 1e-9 * TFS::MIU08SP_P(p));
        EXPECT_NEAR(TFS::LMB11SW_T(ts), TFS::LMB11SW_P(p), 1e-9 * TFS::LMB11SW_P(p));
    }
}

TEST(Transport2008_2011, RangesOfTheReleasesEndInTheStop) {
    const std::string viscosity = "ЗАДАННЫЕ P И T ВНЕ ОБЛАСТИ ПРИМЕНИМОСТИ ВЯЗКОСТИ IAPWS 2008 (";
    const std::string conductivity = "ЗАДАННЫЕ P И T ВНЕ ОБЛАСТИ ПРИМЕНИМОСТИ ТЕПЛОПРОВОДНОСТИ IAPWS 2011 (";
    struct Case {
        double (*f)(double, double);
        double p, t;
        std::string message;
    };
    const Case cases[] = {
        {TFS::MIU08_PT, 0.0005, 0.005, viscosity + "MIU08_PT)"},  // below the triple point, under its pressure
        {TFS::MIU08_PT, 1, 900.000001, viscosity + "MIU08_PT)"},
        {TFS::MIU08_PT, 1, 900, "no stop"},
        {TFS::LMB11_PT, 1, -0.001, conductivity + "LMB11_PT)"},
        {TFS::LMB11_PT, 0.0005, 0.005, "no stop"},
        {TFS::LMB11_PT, 10, 900.000001, conductivity + "LMB11_PT)"},
        {TFS::LMB11_PT, 1, 900, "no stop"},
        // On the line the phase is not known; outside IF97 its own stop.
        {TFS::LMB11_PT, 1, TFS::TS_P(1), "Вы попали на линию насыщения (LMB11_PT)"},
        {TFS::MIU08_PT, 1, TFS::TS_P(1), "Вы попали на линию насыщения (V_PT)"},
        {TFS::LMB11_PT, 100.001, 300, conductivity + "LMB11_PT)"},
    };
    for (const Case& c : cases) EXPECT_EQ(stop_message(c.f, c.p, c.t), c.message) << c.p << " MPa " << c.t << " °C";
    EXPECT_EQ(stop_message([] { TFS::LMB11SW_P(22.0641); }), "При данном давлении нет состояния насыщения (LMB11SW_P)");
    EXPECT_EQ(stop_message([] { TFS::MIU08SP_T(373.947); }),
              "При данной температуре нет состояния насыщения (MIU08SP_T)");
}

// The calculated column of the release's Table 1, and σ by pressure at the
// saturation temperature.
TEST(Transport2008_2011, SurfaceTensionOfRelease2014) {
    struct Case {
        double t;
        std::string_view sigma;
    };
    for (const Case& c :
         {Case{0.01, "75.65"}, {20, "72.74"}, {100, "58.91"}, {200, "37.67"}, {300, "14.36"}, {370, "0.39"}})
        EXPECT_TRUE(Printed(TFS::SIG14_T(c.t), c.sigma)) << c.t << " °C";
    EXPECT_EQ(TFS::SIG14_P(1), TFS::SIG14_T(TFS::TS_P(1)));
    EXPECT_EQ(TFS::SIG14_T(TFS::TKR), 0.0);
    EXPECT_EQ(stop_message([] { TFS::SIG14_P(22.0641); }), "При данном давлении нет состояния насыщения (SIG14_P)");
}
