#include <gtest/gtest.h>

#include "Tabl1.h"
#include "rounded.h"
#include "tabl1_internal.h"

TEST(ViscosityPT, LiquidBranch) {
    EXPECT_TRUE(RoundsTo(Tabl1::detail::older_specific_volume(0.1, 20), "0.0010008"));
    EXPECT_TRUE(RoundsTo(Tabl1::MPT(0.1, 20), "1001.9"));
}

TEST(ViscosityPT, VapourBranch) {
    EXPECT_TRUE(RoundsTo(Tabl1::detail::older_specific_volume(0.1, 200), "2.1725"));
    EXPECT_TRUE(RoundsTo(Tabl1::MPT(0.1, 200), "16.18"));
}

// The branches split at the equation's own saturation temperature, about
// 179.888 °C at 1 MPa.
TEST(ViscosityPT, BranchesSplitAtItsOwnSaturationTemperature) {
    EXPECT_TRUE(RoundsTo(Tabl1::MPT(1, 179), "150.29"));
    EXPECT_TRUE(RoundsTo(Tabl1::MPT(1, 181), "15.116"));
    EXPECT_GT(Tabl1::MPT(1, 179.887), 100.0);
    EXPECT_LT(Tabl1::MPT(1, 179.889), 20.0);
}

// Above the critical pressure the saturation polynomial is extrapolated
// (about 386.78 °C at 25 MPa), so 400 °C is on the vapour side.
TEST(ViscosityPT, AboveTheCriticalPressure) {
    EXPECT_TRUE(RoundsTo(Tabl1::MPT(25, 400), "27.87"));
}
