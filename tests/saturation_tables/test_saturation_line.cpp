#include <gtest/gtest.h>

#include "Tabl1.h"
#include "console.h"
#include "rounded.h"

TEST(SaturationTemperature, FromPressure) {
    EXPECT_TRUE(RoundsTo(Tabl1::TSP(0.1), "99.637"));
    EXPECT_TRUE(RoundsTo(Tabl1::TSP(1), "179.884"));
    EXPECT_TRUE(RoundsTo(Tabl1::TSP(10), "310.972"));
    EXPECT_TRUE(RoundsTo(Tabl1::TSP(21.82), "373.046"));
    // At 1 kgf/cm² the polynomial is its constant term.
    EXPECT_EQ(Tabl1::TSP(0.0980665), 99.09271199);
}

TEST(SaturationTemperature, EndsOfItsRange) {
    Console console;
    EXPECT_TRUE(RoundsTo(Tabl1::TSP(0.00087), "4.960"));
    EXPECT_TRUE(RoundsTo(Tabl1::TSP(22.08), "374.050"));
    EXPECT_EQ(console.output(), "");
}

TEST(SaturationPressure, FromTemperature) {
    EXPECT_TRUE(RoundsTo(Tabl1::PST(0), "0.000607"));
    EXPECT_TRUE(RoundsTo(Tabl1::PST(100), "0.10132"));
    EXPECT_TRUE(RoundsTo(Tabl1::PST(300), "8.590"));
    EXPECT_TRUE(RoundsTo(Tabl1::PST(374), "21.689"));
}

// The two are separate fits, not exact inverses of each other.
TEST(SaturationPressure, IsNotTheExactInverseOfTheTemperature) {
    EXPECT_TRUE(RoundsTo(Tabl1::PST(Tabl1::TSP(1)), "0.99931"));
}
