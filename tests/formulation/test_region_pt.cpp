#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "TFS.h"

namespace {

const std::string OUTSIDE = "ЗАДАННЫЕ P И T ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:";

int region_of(double p, double t) {
    int region = -100;
    std::string caption;
    TFS::REG_PT(p, t, region, caption);
    return region;
}

std::string caption_of(double p, double t) {
    int region = -100;
    std::string caption = "unchanged";
    TFS::REG_PT(p, t, region, caption);
    return caption;
}

// Runs REG_PT on a refused state and returns the stop's message.
std::string refusal(double p, double t, int& region, std::string& caption) {
    try {
        TFS::REG_PT(p, t, region, caption);
    } catch (const TFS::FatalStop& stop) {
        return stop.what();
    }
    return "no stop";
}

}  // namespace

TEST(RegPt, EveryRegionWithItsCaption) {
    EXPECT_EQ(region_of(0.1, 20), 1);
    EXPECT_EQ(caption_of(0.1, 20), " ЖИДКОСТЬ (область 1)");
    EXPECT_EQ(region_of(0.1, 100), 2);  // ts(0.1 MPa) ≈ 99.61 °C
    EXPECT_EQ(caption_of(0.1, 100), " ПЕРЕГРЕТЫЙ ПАР (область 2)");
    EXPECT_EQ(region_of(25, 380), 3);
    EXPECT_EQ(caption_of(25, 380), " ОКОЛОКРИТИЧЕСКАЯ (область 3)");
    EXPECT_EQ(region_of(20, 360), 31);
    EXPECT_EQ(region_of(20, 370), 32);
    EXPECT_EQ(caption_of(20, 360), "unchanged");  // 31 and 32 carry no caption
    EXPECT_EQ(caption_of(20, 370), "unchanged");
    EXPECT_EQ(region_of(1, TFS::TS_P(1)), 4);
    EXPECT_EQ(caption_of(1, TFS::TS_P(1)), "  ЛИНИЯ НАСЫЩЕНИЯ (область 4)");
    EXPECT_EQ(region_of(5, 1000), 5);
    EXPECT_EQ(caption_of(5, 1000), "  ВЫСОКИЕ ТЕМПЕРАТУРЫ (область 5)");
}

TEST(RegPt, RegionsAroundTheB23LineAndTheCriticalPressure) {
    EXPECT_EQ(region_of(20, 380), 2);
    EXPECT_EQ(region_of(25, 340), 1);
    EXPECT_EQ(region_of(25, 450), 2);
    EXPECT_EQ(region_of(100, 20), 1);
    EXPECT_EQ(region_of(5, 790), 2);
    // 16.5292 MPa enters the B23 test (not the low-pressure test of region 2).
    EXPECT_EQ(region_of(16.5292, 350.1), 2);
    // At exactly the critical pressure the subcritical branches 31 and 32 apply.
    EXPECT_EQ(region_of(22.064, 370), 31);
    EXPECT_EQ(region_of(22.064, 375), 32);
    // ts is a hair below 0.01 °C at the triple-point pressure.
    EXPECT_EQ(region_of(0.000611657, 0.01), 2);
}

TEST(RegPt, BoundaryStatesOfTheDomain) {
    EXPECT_EQ(region_of(5, 800), 2);  // T = 1073.15 K still belongs to region 2
    EXPECT_EQ(region_of(10, 1000), 5);
    EXPECT_EQ(region_of(50, 2000), 5);
    EXPECT_EQ(region_of(1, -1e-9), 1);
    EXPECT_EQ(region_of(100, 800), 2);
    // Between 800 and 800.000000000001 °C above 50 MPa no test holds: steam.
    EXPECT_EQ(region_of(60, 800.0000000000005), 2);
    EXPECT_EQ(caption_of(60, 800.0000000000005), " ПЕРЕГРЕТЫЙ ПАР (область 2)");
}

TEST(RegPt, StatesOnTheB23LineAlwaysGetARegion) {
    // pB23 and TB23 may disagree about the side within rounding; the state
    // must still be classified, as region 2 (steam side of the line).
    for (double p = 16.6; p <= 100; p += 0.37) {
        const double t = 572.54459862746 + std::sqrt((p - 13.91883977887) / 0.0010192970039326) - 273.15;
        const int region = region_of(p, t);
        EXPECT_TRUE(region == 2 || region == 3) << p << " " << region;
    }
}

TEST(RegPt, RefusesStatesOutsideTheDomainWithRegionZero) {
    const struct {
        double p, t;
    } refused[] = {{100.0001, 20}, {0, 20},          {-1, 20},           {55, 900},        {1, -0.001},
                   {5, 2000.001},  {50.0001, 800.1}, {std::nan(""), 20}, {1, std::nan("")}};
    for (const auto& s : refused) {
        int region = -100;
        std::string caption;
        EXPECT_EQ(refusal(s.p, s.t, region, caption), OUTSIDE) << s.p << " " << s.t;
        EXPECT_EQ(region, 0);
        EXPECT_EQ(caption, "  ОБЛАСТЬ НЕДОПУСТИМЫХ ЗНАЧЕНИЙ ПАРАМЕТРОВ");
    }
}
