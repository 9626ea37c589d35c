#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "TFS.h"

namespace {

const std::string OUTSIDE = "ЗАДАННЫЕ P И H ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:";

int code_of(double p, double h) {
    int code = -100;
    std::string caption;
    TFS::REG_PH(p, h, code, caption);
    return code;
}

std::string caption_of(double p, double h) {
    int code = -100;
    std::string caption;
    TFS::REG_PH(p, h, code, caption);
    return caption;
}

// IAPWS-IF97 equation 21: enthalpy on the B2bc line at p.
double hB2bc(double p) {
    return 2652.6571908428 + std::sqrt((p - 4.5257578905948) / 0.00012809002730136);
}

}  // namespace

TEST(RegPh, EveryCodeWithItsCaption) {
    EXPECT_EQ(code_of(1, 2000), -1);  // h′ ≈ 762.7, h″ ≈ 2777.1
    EXPECT_EQ(caption_of(1, 2000), "  ОБЛАСТЬ ВЛАЖНОГО ПАРА");
    EXPECT_EQ(code_of(0.1, 100), 1);
    EXPECT_EQ(caption_of(0.1, 100), " ЖИДКОСТЬ (область 1)");
    EXPECT_EQ(code_of(3, 3000), 21);
    EXPECT_EQ(caption_of(3, 3000), " ПЕРЕГРЕТЫЙ ПАР (подобласть 2a)");
    EXPECT_EQ(code_of(10, 3000), 22);  // hB2bc(10) ≈ 2859.4
    EXPECT_EQ(caption_of(10, 3000), " ПЕРЕГРЕТЫЙ ПАР (подобласть 2b)");
    EXPECT_EQ(code_of(10, 2800), 23);  // pB2bc(2800) ≈ 7.31
    EXPECT_EQ(caption_of(10, 2800), " ПЕРЕГРЕТЫЙ ПАР (подобласть 2с)");
    EXPECT_EQ(caption_of(10, 2800).substr(caption_of(10, 2800).size() - 3), "\u0441)");  // Cyrillic с
    EXPECT_EQ(code_of(25, 2000), 3);
    EXPECT_EQ(caption_of(25, 2000), " ОКОЛОКРИТИЧЕСКАЯ (область 3)");
    EXPECT_EQ(code_of(1, TFS::HSW_P(1)), 4);
    EXPECT_EQ(code_of(1, TFS::HSP_P(1)), 4);
    EXPECT_EQ(caption_of(1, TFS::HSP_P(1)), "  ЛИНИЯ НАСЫЩЕНИЯ (область 4)");
}

TEST(RegPh, CodesAtTheSubregionAndRegionBoundaries) {
    EXPECT_EQ(code_of(5, 3000), 22);  // 2b below the lowest B2bc pressure
    EXPECT_EQ(code_of(4, TFS::HSP_P(4) + 1), 21);
    EXPECT_EQ(code_of(4.000001, TFS::HSP_P(4.000001) + 1), 22);
    EXPECT_EQ(code_of(6.5467, 2800), 22);
    EXPECT_EQ(code_of(6.55, 2778.3), 23);  // between h″ ≈ 2778.23 and hB2bc ≈ 2778.37
    EXPECT_EQ(code_of(40, 2700), 23);      // above 16.5292 MPa, beyond B23
    EXPECT_EQ(code_of(80, 1500), 1);
    // At 16.5292 MPa the liquid reaches h′, a little above h at 350 °C; just
    // above that pressure the same enthalpy lies in region 3.
    EXPECT_EQ(code_of(16.5292, 1670.87), 1);
    EXPECT_EQ(code_of(16.53, 1670.87), 3);
    // Here the saturation temperature is exactly 350 °C; the state is classified
    // without evaluating the enthalpy at 350 °C, which would lie on the line.
    ASSERT_EQ(TFS::TS_P(16.529164252604467), 350.0);
    EXPECT_EQ(code_of(16.529164252604467, 1000), 1);
    EXPECT_EQ(code_of(16.529164252604467, 2000), -1);
    // Wet steam between 16.5292 MPa and the critical pressure counts as region 3.
    EXPECT_EQ(code_of(20, 2000), 3);
    EXPECT_EQ(code_of(TFS::PKR, 2000), 3);
}

TEST(RegPh, StatesOnTheB2bcLineAlwaysGetASubregion) {
    // pB2bc(h) and hB2bc(p) can disagree about the side within rounding, so
    // that no test holds; such a state goes by pB2bc. At 6.6 MPa and this h
    // it lies under pB2bc(h) but not above hB2bc(p).
    EXPECT_EQ(code_of(6.6, 2779.9113730210588), 22);
    for (double p = 6.6; p <= 100; p += 0.731) {
        const double h = hB2bc(p);
        for (const double near : {std::nextafter(h, 0.0), h, std::nextafter(h, 5000.0)}) {
            const int code = code_of(p, near);
            EXPECT_TRUE(code == 22 || code == 23) << p << " MPa, code " << code;
        }
    }
}

// Above the critical pressure there is no saturation line: the enthalpy of
// 0 °C is compressed liquid there, and h = 0, once taken as a state on the
// line, lies below the domain.
TEST(RegPh, NoSaturationLineAboveTheCriticalPressure) {
    EXPECT_EQ(code_of(25, TFS::h_pt(25, 0)), 1);
    EXPECT_EQ(code_of(22.1, TFS::h_pt(22.1, 0)), 1);
    EXPECT_NEAR(TFS::T_PH(25, TFS::h_pt(25, 0)), 0, 0.01);
}

// At each pressure the enthalpies of the coldest and the hottest (p, t) state.
TEST(RegPh, BoundsOfTheDomain) {
    const auto below = [](double x) { return std::nextafter(x, -INFINITY); };
    const auto above = [](double x) { return std::nextafter(x, INFINITY); };
    EXPECT_EQ(code_of(0.000999999999, 3000), 21);
    EXPECT_EQ(code_of(0.001, TFS::HW_PT(0.001, -1e-9)), 1);  // below 0 kJ/kg
    EXPECT_EQ(code_of(1, TFS::H5_PT(1, 2000)), 21);
    EXPECT_EQ(code_of(50, TFS::H5_PT(50, 2000)), 22);
    EXPECT_EQ(code_of(100.00000000001, TFS::HP_PT(100.00000000001, 800)), 22);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double p, h;
    } refused[] = {{0.0009, 3000},
                   {100.0001, 3000},
                   {1, above(TFS::H5_PT(1, 2000))},
                   {50.0001, TFS::HP_PT(50.0001, 800) + 1e-6},
                   {1, below(TFS::HW_PT(1, -1e-9))},
                   {100, below(TFS::HW_PT(100, -1e-9))},
                   {25, 0},
                   {0, 100},
                   {nan, 100},
                   {1, nan}};
    for (const auto& s : refused) {
        int code = -100;
        std::string caption;
        std::string message = "no stop";
        try {
            TFS::REG_PH(s.p, s.h, code, caption);
        } catch (const TFS::FatalStop& stop) {
            message = stop.what();
        }
        EXPECT_EQ(message, OUTSIDE) << s.p << " MPa, " << s.h << " kJ/kg";
        EXPECT_EQ(code, 0);
        EXPECT_EQ(caption, "  ОБЛАСТЬ НЕДОПУСТИМЫХ ЗНАЧЕНИЙ ПАРАМЕТРОВ");
    }
    EXPECT_THROW(
        {
            try {
                TFS::T_PH(0.0009, 3000);
            } catch (const TFS::FatalStop& stop) {
                EXPECT_EQ(std::string(stop.what()), OUTSIDE);
                throw;
            }
        },
        TFS::FatalStop);
}
